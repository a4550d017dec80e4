#include "editors/ShownValueCheck.h"

#include <functional>

#include "core/GlobalState.h"
#include "editors/ControlRows.h"
#include "editors/channels/ChannelGridModel.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/WeatherRules.h"
#include "editors/settings/DtmfMemories.h"
#include "editors/settings/OptionRules.h"
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
    return out;
}

}  // namespace ulbrix
