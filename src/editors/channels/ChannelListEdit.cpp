#include "editors/channels/ChannelListEdit.h"

#include <algorithm>
#include <vector>

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ModMsg.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/FrequencyRules.h"
#include "platform/MsgBox.h"

namespace ulbrix {

namespace {

// The CB memory entries the clipboard's last Cut freed, and its plan (0: none).
// A paste into that plan gives them to the pasted channel, once: a Cut and a
// Paste there move the channel with its entries.
int cutPlan = 0;
std::vector<MemEntryRef> cutFreed;

void ForgetCutEntries() {
    cutPlan = 0;
    cutFreed.clear();
}

void RestoreCutEntries(int band, int group, int row) {
    if (band != BandCB || group != cutPlan) return;
    RestoreMemEntries(cutFreed, group, row);
    ForgetCutEntries();
}

bool InRange(int band, int group, int row) { return row >= 1 && row <= SlotLimit(band, group); }

// The clipboard can go into this band: a channel in use whose frequency the
// band allows (no frequency at all is allowed). Shows the message when not.
bool ClipboardFits(int band) {
    if (!ChannelClipboardFull || ChannelClipboard.InUse < 1) return false;
    if (TrimNull(ChannelClipboard.RxFreq).empty() || TrimNull(ChannelClipboard.RxFreq) == "FFFFFFFF") return true;
    const auto mhz = FieldMHz(ChannelClipboard.RxFreq);
    const FrequencyLimits lim = ChannelBandLimits(band);
    if (mhz && *mhz >= lim.low && *mhz <= lim.high) return true;
    platform::MsgBox(Tr(MsgFreqOutOfRange), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
    return false;
}

// Puts the clipboard into the row; the caller checked that it fits.
bool PutClipboard(int band, int group, int row) {
    ChannelRecord r = ChannelClipboard;
    r.ChNo = static_cast<Integer>(row);
    r.InUse = 1;
    if (const int s = FindChannelPos(row, band, group)) {
        ChannelTable(band, s, group) = r;
        return true;
    }
    return AppendChannel(band, group, r);
}

// A CB plan's memory rows show its channels' frequencies: they are redrawn too.
ListEditResult Rows(int band, int group, int first, int last) {
    if (band == BandCB) last = std::max(last, SlotLimit(band, group) + 16);
    return {first, last};
}

}  // namespace

void CopyChannel(int band, int group, int row) {
    if (SlotLimit(band, group) == 0) return;
    const int s = FindChannelPos(row, band, group);
    ChannelClipboard = s ? ChannelTable(band, s, group) : ChannelRecord{};
    ChannelClipboardFull = true;
    ForgetCutEntries();
}

ListEditResult DeleteChannel(int band, int group, int row) {
    if (group == VfoGroupOf(band) || !InRange(band, group, row)) return {};
    ForgetCutEntries();
    const int s = FindChannelPos(row, band, group);
    if (s == 0) return Rows(band, group, row, row);  // still redrawn: the cell clears, the panel hides
    RemoveChannel(s, band, group);
    RevalidateChannelRefs(band, group);
    return Rows(band, group, row, row);
}

ListEditResult CutChannel(int band, int group, int row) {
    if (group == VfoGroupOf(band) || SlotLimit(band, group) == 0) return {};
    CopyChannel(band, group, row);
    std::vector<MemEntryRef> refs = band == BandCB ? MemEntriesReferringTo(group, row) : std::vector<MemEntryRef>{};
    const ListEditResult r = DeleteChannel(band, group, row);
    // Only what the removal freed comes back.
    std::erase_if(refs, [](const MemEntryRef& m) { return MemChannelList(m.entry).MemRefCh != 255; });
    if (!refs.empty()) {
        cutPlan = group;
        cutFreed = std::move(refs);
    }
    return r;
}

ListEditResult PasteChannel(int band, int group, int row) {
    if (!InRange(band, group, row) || !ChannelClipboardFull || ChannelClipboard.InUse < 1) return {};
    if (!ClipboardFits(band)) return {};
    if (!PutClipboard(band, group, row)) return {};
    RestoreCutEntries(band, group, row);
    RevalidateChannelRefs(band, group);
    return Rows(band, group, row, row);
}

ListEditResult InsertChannel(int band, int group, int row) {
    const int top = SlotLimit(band, group);
    if (!InRange(band, group, row)) return {};
    // The channel with the highest number would have nowhere to go.
    if (FindChannelPos(top, band, group) != 0) {
        platform::MsgBox(Tr(MsgInsertTopTaken), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
        return {};
    }
    const bool paste = ChannelClipboardFull && ChannelClipboard.InUse >= 1;
    if (paste && !ClipboardFits(band)) return {};
    for (int s = 1; s <= UsedSlots(band, group); ++s) {
        ChannelRecord& r = ChannelTable(band, s, group);
        if (r.ChNo >= row) ++r.ChNo;
    }
    if (band == BandCB) ShiftMemRefsUp(group, row);
    if (paste && PutClipboard(band, group, row)) RestoreCutEntries(band, group, row);
    RevalidateChannelRefs(band, group);
    return Rows(band, group, row, top);
}

void ForgetCutMemEntries() { ForgetCutEntries(); }

void ResetChannelClipboard() {
    ChannelClipboard = ChannelRecord{};
    ChannelClipboardFull = false;
    ForgetCutEntries();
}

}  // namespace ulbrix
