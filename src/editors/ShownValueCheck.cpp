#include "editors/ShownValueCheck.h"

#include <array>
#include <algorithm>
#include <functional>

#include "core/GlobalState.h"
#include "editors/ControlRows.h"
#include "editors/channels/ChannelAttributes.h"
#include "editors/channels/ChannelGridModel.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/WeatherRules.h"
#include "editors/settings/DtmfMemories.h"
#include "editors/settings/OptionRules.h"
#include "editors/settings/RogerBeepRules.h"
#include "link/SettingsCodec.h"

namespace ulbrix {

namespace {

// The editors' lists read the working document, so the checked one stands in
// for it while they are asked: that way each list is the very one its editor
// shows, with no second copy of its items.
class StandIn {
public:
    StandIn(const DocumentImage& doc, const ChannelTableType& channels, const MemChannelListType& memList)
        : swapped_(&doc != &WorkDocument) {
        if (!swapped_) return;
        savedDoc_ = WorkDocument;
        savedChannels_ = ChannelTable;
        savedMem_ = MemChannelList;
        WorkDocument = doc;
        ChannelTable = channels;
        MemChannelList = memList;
    }
    ~StandIn() {
        if (!swapped_) return;
        WorkDocument = savedDoc_;
        ChannelTable = savedChannels_;
        MemChannelList = savedMem_;
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

private:
    bool swapped_;
    DocumentImage savedDoc_{};
    ChannelTableType savedChannels_{};
    MemChannelListType savedMem_{};
};

QString ItemsText(const QStringList& items) {
    if (items.size() <= 6) return items.join(QStringLiteral(", "));
    return QStringLiteral("%1, ... %2").arg(items.mid(0, 3).join(QStringLiteral(", ")), items.last());
}

void NotAnItem(std::vector<ImageProblem>& out, const ProblemPlace& p, const QString& field, long v,
               const QStringList& items) {
    out.push_back(MakeProblem(p, field, QStringLiteral("is %1, which its list (%2) cannot show").arg(v).arg(ItemsText(items)),
                              QStringLiteral("为 %1，其列表（%2）无法显示").arg(v).arg(ItemsText(items))));
}

// A control's name in the reasons: its English caption, as the window shows
// it; its object name while a window has not yet filled its captions.
QString CaptionName(const OptionRow& row) {
    const QString text = row.caption ? (*row.caption)(1).trimmed() : QString::fromUtf8(row.fixedCaption ? row.fixedCaption : "");
    return text.isEmpty() ? QString::fromLatin1(row.objectName) : text;
}

void CheckOptions(std::vector<ImageProblem>& out) {
    for (const OptionRow& row : OptionRows()) {
        if (!row.visible() || row.field.empty()) continue;
        // The templates and a new document hold 0 here, below the list's
        // first item; only the values 0 to 29 fall outside it.
        if (row.rule == OptRule::CwFreq) continue;
        const QStringList items = row.items ? row.items() : QStringList{};
        bool shown = false;
        if (row.rule == OptRule::ClaSet) {
            // T and RT stay stored across a switch to CB, whose list lacks
            // them, and show again back in HF or HAM.
            const long v = FieldValue(row.field, WorkDocument);
            shown = v >= 0 && v < ClaSetItems(BandHF).size();
        } else if (row.rule == OptRule::Key) {
            // The VFO key is offered only while the radio has the option; a
            // file saved then opens later without it.
            shown = ShowsStoredValue(row, KeyListItems(true));
        } else {
            shown = ShowsStoredValue(row, items);
        }
        if (shown) continue;
        const long v = FieldValue(row.field, WorkDocument);
        const QString name = CaptionName(row);
        if (row.kind == OptKind::Check)
            out.push_back(MakeProblem(OptionsPlace(), name, QStringLiteral("is %1 but must be 0 or 1").arg(v),
                                      QStringLiteral("为 %1，必须为 0 或 1").arg(v)));
        else
            NotAnItem(out, OptionsPlace(), name, v, items);
    }
}

// A row's list must hold the value its get reads; a row is named by the
// record word it shows, as the write check names it.
void CheckRows(std::vector<ImageProblem>& out, const ProblemPlace& p, std::span<const ControlRow> rows,
               const std::function<QString(std::size_t row)>& name) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ControlRow& row = rows[i];
        if (!row.items || !row.get) continue;  // a check box shows 0/1 of its own
        const QStringList items = row.items();
        const int v = row.get();
        if (v >= 0 && v < items.size()) continue;
        NotAnItem(out, p, name(i), v, items);
    }
}

void CheckWeather(std::vector<ImageProblem>& out) {
    CheckRows(out, WeatherSettingsPlace(), WeatherSettingRows(),
              [](std::size_t i) { return QStringLiteral("Weather(%1)").arg(WeatherSettingWord(i)); });
    const QStringList wide = WeatherWideItems();
    for (int r = 1; r <= WeatherChannelRows; ++r) {
        const WeatherChannelRecord& e = WeatherEntry(r);
        if (e.InUse != 1 || (e.Wide >= 0 && e.Wide < wide.size())) continue;
        const bool vfo = r == WeatherChannelRows;
        const ProblemPlace p{-1, 0, vfo ? 0 : r, vfo ? QStringLiteral("Weather VFO") : QStringLiteral("Weather channel %1").arg(r),
                             vfo ? QStringLiteral("气象 VFO") : QStringLiteral("气象信道 %1").arg(r)};
        NotAnItem(out, p, QStringLiteral("Wide"), e.Wide, wide);
    }
}

void CheckDtmf(std::vector<ImageProblem>& out) {
    const ProblemPlace p{-1, 0, 0, QStringLiteral("DTMF settings"), QStringLiteral("DTMF 设置")};
    // The encode rows show DtmfSettings(0), (1), ... in row order.
    CheckRows(out, p, DtmfEncodeRows(), [](std::size_t i) { return QStringLiteral("DtmfSettings(%1)").arg(i); });
}

// The "Current Work Channel" list offers the group's numbered channels; plan
// 7 shows plan 5's work channel, which is checked with plan 5.
void CheckWorkChannels(std::vector<ImageProblem>& out) {
    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= WorkChannelGroupsOf(b); ++g) {
            const int wc = WorkDocument.Settings.WorkChannel(b, g);
            const QStringList items = FillChannelCombo(b, g);
            const ProblemPlace p = GroupPlace(WorkDocument, b, g);
            if (items.isEmpty()) {
                if (wc != 1)
                    out.push_back(MakeProblem(p, QStringLiteral("WorkChannel"),
                                              QStringLiteral("is %1, but the group is empty (1)").arg(wc),
                                              QStringLiteral("为 %1，但该组为空（应为 1）").arg(wc)));
            } else if (!items.contains(GetCHName(wc))) {
                out.push_back(MakeProblem(p, QStringLiteral("WorkChannel"),
                                          QStringLiteral("is %1, not a channel of the group").arg(wc),
                                          QStringLiteral("为 %1，不是该组的信道").arg(wc)));
            }
        }
}

void CheckMemoryEntries(std::vector<ImageProblem>& out) {
    for (int n = 1; n <= MemListSize; ++n) {
        const ChannelRecord& e = MemChannelList(n);
        if (e.InUse == 0 || !MemEntryRefersToGoneChannel(n)) continue;
        out.push_back(MakeProblem(MemoryEntryPlace(WorkDocument, n), QStringLiteral("MemRefCh"),
                                  QStringLiteral("refers to channel %1, which does not exist").arg(e.MemRefCh),
                                  QStringLiteral("指向不存在的信道 %1").arg(e.MemRefCh)));
    }
}

// The whole list an attribute may show, not the one the panel narrows to the
// modes enabled now: a file saved before a mode was disabled still shows. The
// Roger and DTMF lists offer only the patterns and memories the document
// holds now, which the clean-ups keep in step; these are judged against every
// pattern and every memory, so only a reference none could be is refused.
QStringList FullAttributeItems(const AttributeField& f) {
    const PanelList* list = PanelListOf(f.index);
    if (!list) return {};
    QStringList items = list->items();
    int count = 0;
    if (f.kind == AttrKind::RogerBeep) count = RBPatternCount;
    else if (f.kind == AttrKind::Dtmf) count = DtmfMemoryCount;
    else return items;
    items = items.mid(0, 1);
    for (int n = 1; n <= count; ++n) items << QString::number(n);
    return items;
}

// A code list is named by its tone type list too: both code places share one caption.
QString AttributeCaption(int combo) {
    int place = combo;
    QString prefix;
    for (const ToneListSet& t : ToneListSets())
        if (combo == t.ctcss || combo == t.dcs) {
            place = t.ctcss;
            if (const PanelList* type = PanelListOf(t.toneType)) prefix = PanelLabelCaption(type->label, 1) + QLatin1Char(' ');
        }
    const PanelList* list = PanelListOf(place);
    return prefix + (list ? PanelLabelCaption(list->label, 1) : QString());
}

// Each panel list must show the stored value: the pick it shows stores that
// value again. Some lists do not show in CB.
void CheckAttributes(std::vector<ImageProblem>& out, const ProblemPlace& p, const ChannelRecord& r, bool cb) {
    for (const AttributeField& f : ChannelAttributeFields()) {
        if (cb && std::ranges::find(HfHamOnlyLists(), f.index) != HfHamOnlyLists().end()) continue;
        const QStringList items = FullAttributeItems(f);
        const int shown = AttributeShownIndex(f, r, items);
        ChannelRecord stored = r;
        if (shown >= 0 && shown < items.size()) {
            StoreAttribute(f, stored, shown, items.at(shown));
            if (stored.*f.field == r.*f.field) continue;
        }
        NotAnItem(out, p, AttributeCaption(f.index), r.*f.field, items);
    }
}

void CheckChannelAttributes(std::vector<ImageProblem>& out) {
    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= GroupsOfBand(b); ++g) {
            const int count = WorkDocument.ChannelCount(b, g);
            if (count < 0 || count > SlotLimit(b, g)) continue;  // the write check names it
            for (int s = 1; s <= count; ++s) {
                const ChannelRecord& r = ChannelTable(b, s, g);
                CheckAttributes(out, ChannelPlace(WorkDocument, b, g, r.ChNo), r, b == BandCB);
            }
        }
    // Memory entries as the CB plans' rows reach them; plans 5 and 7 share theirs.
    std::array<bool, MemListSize + 1> seen{};
    for (int g = 1; g <= GroupsOfBand(BandCB); ++g)
        for (int row = 1; row <= SlotLimit(BandCB, g) + 16; ++row) {
            const int e = MemEntryOfRow(BandCB, g, row);
            if (e < 1 || e > MemListSize || seen.at(static_cast<std::size_t>(e))) continue;
            seen.at(static_cast<std::size_t>(e)) = true;
            const ChannelRecord& r = MemChannelList(e);
            if (r.InUse == 0) continue;
            const ProblemPlace p = MemoryEntryPlace(WorkDocument, e);
            CheckAttributes(out, p, r, true);
            const PanelList* plans = PanelListOf(23);
            if (!IsSharedMemPlan(BandCB, g) || !plans) continue;
            const QStringList items = plans->items();
            if (r.MemRefBand < 0 || r.MemRefBand >= items.size())
                NotAnItem(out, p, PanelLabelCaption(plans->label, 1), r.MemRefBand, items);
        }
}

}  // namespace

std::vector<ImageProblem> CheckShownValues(const DocumentImage& doc, const ChannelTableType& channels,
                                           const MemChannelListType& memList) {
    const StandIn standIn(doc, channels, memList);
    std::vector<ImageProblem> out;
    CheckOptions(out);
    CheckWeather(out);
    CheckDtmf(out);
    CheckWorkChannels(out);
    CheckMemoryEntries(out);
    CheckChannelAttributes(out);
    return out;
}

}  // namespace ulbrix
