#include "editors/channels/ChannelReferences.h"

#include <algorithm>
#include <vector>

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModFun.h"
#include "core/ModEnglishPrint.h"
#include "core/ModFreFile.h"
#include "editors/channels/ChannelGridModel.h"
#include "editors/WindowCalls.h"

namespace ulbrix {

int ValidDTMFIndex(int n) { return DTMFCodeExists(n) ? n : 0; }

bool DTMFCodeExists(int n) {
    // Numbers outside 1..16 (from a file or a radio) name no memory.
    if (n < 1 || n > 16) return false;
    return !TrimNull(WorkDocument.Settings.DtmfAutodial[static_cast<std::size_t>(n)]).empty();
}

QStringList DtmfMemoryItems() {
    QStringList items{TrItem(CapOffOn, 1)};
    for (int n = 1; n <= 16; ++n)
        if (DTMFCodeExists(n)) items << QString::number(n);
    return items;
}

QStringList FillChannelCombo(int band, int group, int kind) {
    std::vector<int> numbers;
    for (int s = 1; s <= UsedSlots(band, group); ++s) {
        const int n = ChannelTable(band, s, group).ChNo;
        if (kind == 0 ? (n <= LastNumberedChannel) : (n > LastNumberedChannel)) numbers.push_back(n);
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList items;
    for (int n : numbers) items << GetCHName(n);
    return items;
}

int ChannelNumberCompare(int a, int ch) {
    return ((a > LastNumberedChannel) == (ch > LastNumberedChannel)) ? a : 0;
}

int CountValidGroupChannels(int band, int group, int ch) {
    const int last = band == BandCB ? 10 : 9;
    int count = 0;
    for (int g = 1; g <= last; ++g) {
        if (WorkDocument.Settings.GroupValid(band, g) != 1) continue;
        for (int s = 1; s <= UsedSlots(band, g); ++s) {
            const int n = ChannelTable(band, s, g).ChNo;
            if (n < LastNumberedChannel && !(g == group && n == ch)) ++count;
        }
    }
    return count;
}

int CountGroupChannels(int band, int group) {
    int count = 0;
    for (int s = 1; s <= UsedSlots(band, group); ++s)
        if (ChannelTable(band, s, group).ChNo <= LastNumberedChannel) ++count;
    return count;
}

int CountChannelsOfKind(int band, int group, int ch) {
    int count = 0;
    for (int s = 1; s <= UsedSlots(band, group); ++s)
        if (ChannelNumberCompare(ChannelTable(band, s, group).ChNo, ch) != 0) ++count;
    return count;
}

int ValidChannelOr(int band, int group, int ch) {
    int candidate = 0;
    for (int s = 1; s <= UsedSlots(band, group); ++s) {
        const int n = ChannelTable(band, s, group).ChNo;
        if (n == ch) return ch;
        if (candidate == 0) candidate = ChannelNumberCompare(n, ch);
    }
    return candidate;
}

void RevalidateChannelRefs(int band, int group) {
    GeneralSettingsRecord& s = WorkDocument.Settings;
    Integer* refs[] = {&s.GroupSetA(band, group, 0), &s.GroupSetA(band, group, 1), &s.WorkChannel(band, group),
                       &s.GroupSetB(band, group, 0), &s.GroupSetB(band, group, 1)};
    for (Integer* r : refs) *r = static_cast<Integer>(ValidChannelOr(band, group, *r));
    // The radio takes the work channel less one in a byte, so it is never 0:
    // failing one of its kind, the group's first channel; an empty group keeps
    // channel 1, as in a new document.
    Integer& work = s.WorkChannel(band, group);
    if (work == 0) work = static_cast<Integer>(UsedSlots(band, group) > 0 ? ChannelTable(band, 1, group).ChNo : 1);
    if (band == BandCB) FreeGoneMemEntries(group);
    calls::InitValidComboList();
    calls::ShowValidComboText();
}

namespace {

// Block b of 16 entries belongs to plan b, the shared block 5 to plan 5 or 7.
bool MemEntryOfPlan(int entry, int plan) { return MemRefPlan((entry - 1) / 16 + 1, MemChannelList(entry)) == plan; }

// Calls fn for each memory entry that refers to a channel of `plan`.
template <typename Fn>
void ForMemEntriesOfPlan(int plan, Fn fn) {
    for (int n = 1; n <= MemListSize; ++n)
        if (MemEntryOfPlan(n, plan)) fn(MemChannelList(n));
}

bool HasMemRef(const ChannelRecord& e) { return e.MemRefCh >= 1 && e.MemRefCh <= 254; }

bool RefersToGoneChannel(const ChannelRecord& e, int plan) {
    return HasMemRef(e) && FindChannelPos(e.MemRefCh, BandCB, plan) == 0;
}

}  // namespace

bool MemEntryRefersToGoneChannel(int entry) {
    if (entry < 1 || entry > MemListSize) return false;
    const ChannelRecord& e = MemChannelList(entry);
    return RefersToGoneChannel(e, MemRefPlan((entry - 1) / 16 + 1, e));
}

void FreeGoneMemEntries(int plan) {
    ForMemEntriesOfPlan(plan, [plan](ChannelRecord& e) {
        const bool gone = RefersToGoneChannel(e, plan);
        if (gone || (e.InUse != 0 && !HasMemRef(e))) {
            e.MemRefCh = 255;
            e.InUse = 0;
        }
    });
}

void ShiftMemRefsUp(int plan, int from) {
    ForMemEntriesOfPlan(plan, [from](ChannelRecord& e) {
        if (HasMemRef(e) && e.MemRefCh >= from && e.MemRefCh < 254) ++e.MemRefCh;
    });
}

std::vector<MemEntryRef> MemEntriesReferringTo(int plan, int ch) {
    std::vector<MemEntryRef> refs;
    for (int n = 1; n <= MemListSize; ++n) {
        const ChannelRecord& e = MemChannelList(n);
        if (HasMemRef(e) && e.MemRefCh == ch && MemEntryOfPlan(n, plan)) refs.push_back({n, e.InUse});
    }
    return refs;
}

void RestoreMemEntries(const std::vector<MemEntryRef>& refs, int plan, int ch) {
    for (const MemEntryRef& r : refs) {
        if (r.entry < 1 || r.entry > MemListSize || !MemEntryOfPlan(r.entry, plan)) continue;
        ChannelRecord& e = MemChannelList(r.entry);
        if (e.MemRefCh != 255 || e.InUse != 0) continue;
        e.MemRefCh = static_cast<Integer>(ch);
        e.InUse = r.inUse;
    }
}

QStringList GroupListItems(int band) {
    QStringList items;
    for (int g = 1; g <= NamedGroupsOf(band); ++g) {
        const QString name = FixedToQString(WorkDocument.Settings.GroupName(band, g));
        items << (name.isEmpty() ? QString::number(g) : name);
    }
    if (band == BandHF || band == BandHAM) items << QStringLiteral("MEM") << QStringLiteral("VFO");
    return items;
}

int LastWorkGroupOf(int band) { return band == BandHAM ? MemGroupOf(band) : NamedGroupsOf(band); }

ShownItem ShowWorkGroup(int band, int stored) {
    const QStringList groups = GroupListItems(band);
    const int group = stored == 0 ? 1 : stored;
    if (group >= 1 && group <= LastWorkGroupOf(band)) return {group - 1, QString()};
    return {-1, group >= 1 && group <= groups.size() ? groups.at(group - 1) : QString::number(stored)};
}

QString GetCHName(int number) {
    if (number <= LastNumberedChannel) return QString::number(number);
    return QStringLiteral("M") + QString::number(number - LastNumberedChannel);
}

int GetCHID(const QString& name) {
    const QString t = TrimNull(name);
    if (t.startsWith(QLatin1Char('M'))) {
        const int n = ValOrDefault(t.mid(1), -1);
        return n < 0 ? 0 : n + LastNumberedChannel;
    }
    return ValOrDefault(t, 0);
}

}  // namespace ulbrix
