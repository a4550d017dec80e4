#include "editors/channels/SpecialChannelMaps.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/GlobalState.h"
#include "core/ModFun.h"

namespace ulbrix {

namespace {

const char* const kPlans[6] = {"Eu", "PL", "DE", "EC", "U/UK", "IN"};  // plan r lists CB group r + 1

// Geometry of the hidden CB frame: plans down two columns, `rowsPerPlan`
// rows each, 360 twips apart; the first `leftPlans` plans on the left.
struct CbGrid {
    int leftPlans;
    int rightLabel, rightList;
    int rowsPerPlan;
    void place(SpecialControl& c, int plan, int row) const {
        const bool left = plan < leftPlans;
        const int k = (left ? plan : plan - leftPlans) * rowsPerPlan + row;
        c.labelLeft = left ? 120 : rightLabel;
        c.listLeft = left ? 2760 : rightList;
        c.listTop = 240 + 360 * k;
    }
};

SpecialControl Row(int combo, int label, const char* caption, SpecialFrame frame, SpecialList list, int word,
                   int band = 0, int group = 0, int groupCombo = -1) {
    return SpecialControl{combo, label, caption, frame, list, band, group, groupCombo, word, 0, 0, 0};
}

void Place(SpecialControl& c, int labelLeft, int listLeft, int listTop) {
    c.labelLeft = labelLeft;
    c.listLeft = listLeft;
    c.listTop = listTop;
}

// Band, Channel, Work Mode of one HF or HAM emergency/dual-watch channel; the
// three lists and their labels are numbered on from the first.
void BandRows(std::vector<SpecialControl>& rows, int firstCombo, int firstLabel, const char* const captions[3],
              SpecialFrame frame, int band, const int words[3], int labelLeft, int listLeft) {
    rows.push_back(Row(firstCombo, firstLabel, captions[0], frame, SpecialList::Groups, words[0], band));
    rows.push_back(Row(firstCombo + 1, firstLabel + 1, captions[1], frame, SpecialList::Channels, words[1], band, 0,
                       firstCombo));
    rows.push_back(Row(firstCombo + 2, firstLabel + 2, captions[2], frame, SpecialList::Modes, words[2]));
    for (int i = 0; i < 3; ++i)
        Place(rows[rows.size() - 3 + static_cast<std::size_t>(i)], labelLeft, listLeft, 240 + 360 * i);
}

std::span<Integer> EmergencyWords(DocumentImage& d) { return d.Emergency.w; }
std::span<Integer> DualWatchWords(DocumentImage& d) { return d.DualWatch.w; }
std::span<Integer> MemChannelWords(DocumentImage& d) { return d.MemChannelSet.w; }

// Caption texts are kept as static strings: the map holds plain pointers.
const char* Keep(const std::string& s) {
    static std::vector<std::unique_ptr<std::string>> texts;
    texts.push_back(std::make_unique<std::string>(s));
    return texts.back()->c_str();
}

std::vector<SpecialControl> EmergencyRows() {
    std::vector<SpecialControl> rows;
    const CbGrid cb{4, 6360, 9000, 4};
    for (int r = 0; r < 6; ++r) {
        const std::string p = kPlans[r];
        const int c = 4 * r;
        rows.push_back(Row(c, c, Keep(p + " Emg Channel 1"), SpecialFrame::CB, SpecialList::Channels, r, BandCB,
                           r + 1));
        rows.push_back(Row(c + 1, c + 1, Keep(p + " Emg Channel 1 Work Mode"), SpecialFrame::CB, SpecialList::Modes,
                           12 + r));
        rows.push_back(Row(c + 2, c + 2, Keep(p + " Emg Channel 2"), SpecialFrame::CB, SpecialList::Channels, 6 + r,
                           BandCB, r + 1));
        rows.push_back(Row(c + 3, c + 3, Keep(p + " Emg Channel 2 Work Mode"), SpecialFrame::CB, SpecialList::Modes,
                           18 + r));
        for (int i = 0; i < 4; ++i) cb.place(rows[rows.size() - 4 + static_cast<std::size_t>(i)], r, i);
    }
    const char* hf1[3] = {"HF Emg Band 1", "HF Emg Channel 1", "HF Emg Channel 1 Work Mode"};
    const char* hf2[3] = {"HF Emg Band 2", "HF Emg Channel 2", "HF Emg Channel 2 Work Mode"};
    const char* ham1[3] = {"HAM Emg Band 1", "HAM Emg Channel 1", "HAM Emg Channel 1 Work Mode"};
    const char* ham2[3] = {"HAM Emg Band 2", "HAM Emg Channel 2", "HAM Emg Channel 2 Work Mode"};
    const int w1[3] = {24, 26, 28}, w2[3] = {25, 27, 29}, w3[3] = {30, 32, 34}, w4[3] = {31, 33, 35};
    BandRows(rows, 28, 28, hf1, SpecialFrame::HF, BandHF, w1, 120, 2760);
    BandRows(rows, 31, 31, hf2, SpecialFrame::HF, BandHF, w2, 6240, 8880);
    BandRows(rows, 34, 34, ham1, SpecialFrame::HAM, BandHAM, w3, 120, 2760);
    BandRows(rows, 37, 37, ham2, SpecialFrame::HAM, BandHAM, w4, 6240, 8880);
    return rows;
}

std::vector<SpecialControl> DualWatchRows() {
    static const char* const kCaptions[6][2] = {
        {"Eu DW Channel", "Eu DW Channel  Work Mode"}, {"PL DW Channel", "PL DW Channel  Work Mode"},
        {"DE DW Channel", "DE DW Channel Work Mode"},  {"EC DW Channel", "EC DW Channel Work Mode"},
        {"U/UK DW Channel", "U/UK Channel Work Mode"}, {"IN DW Channel", "IN DW Channel Work Mode"},
    };
    std::vector<SpecialControl> rows;
    const CbGrid cb{3, 6360, 9000, 2};
    for (int r = 0; r < 6; ++r) {
        rows.push_back(Row(2 * r, 4 * r, kCaptions[r][0], SpecialFrame::CB, SpecialList::Channels, r, BandCB,
                           r + 1));
        rows.push_back(Row(2 * r + 1, 4 * r + 1, kCaptions[r][1], SpecialFrame::CB, SpecialList::Modes, 6 + r));
        cb.place(rows[rows.size() - 2], r, 0);
        cb.place(rows[rows.size() - 1], r, 1);
    }
    const char* hf[3] = {"HF DW Band", "HF DW Channel", "HF DW Channel Work Mode"};
    const char* ham[3] = {"HAM DW Band", "HAM DW Channel", "HAM DW Channel Work Mode"};
    const int whf[3] = {12, 13, 14}, wham[3] = {15, 16, 17};
    BandRows(rows, 12, 28, hf, SpecialFrame::HF, BandHF, whf, 120, 2760);
    BandRows(rows, 15, 34, ham, SpecialFrame::HAM, BandHAM, wham, 120, 2760);
    return rows;
}

std::vector<SpecialControl> MemChannelRows() {
    std::vector<SpecialControl> rows;
    const CbGrid cb{3, 6360, 9000, 2};
    for (int r = 0; r < 6; ++r) {
        const std::string p = kPlans[r];
        rows.push_back(Row(2 * r, 4 * r, Keep(p + " MEM Channel"), SpecialFrame::CB, SpecialList::MemEntries, r,
                           BandCB, r + 1));
        rows.push_back(Row(2 * r + 1, 4 * r + 1, Keep(p + " MEM Channel State"), SpecialFrame::CB,
                           SpecialList::States, 6 + r));
        cb.place(rows[rows.size() - 2], r, 0);
        cb.place(rows[rows.size() - 1], r, 1);
    }
    rows.push_back(Row(12, 29, "HF MEM Channel", SpecialFrame::HF, SpecialList::Channels, 12, BandHF,
                       MemGroupOf(BandHF)));
    Place(rows.back(), 120, 2760, 360);
    rows.push_back(Row(13, 30, "HF MEM Channel State", SpecialFrame::HF, SpecialList::States, 13));
    Place(rows.back(), 120, 2760, 720);
    rows.push_back(Row(14, 35, "HAM MEM Channel", SpecialFrame::HAM, SpecialList::Channels, 14, BandHAM,
                       MemGroupOf(BandHAM)));
    Place(rows.back(), 120, 2640, 360);
    rows.push_back(Row(15, 36, "HAM MEM Channel State", SpecialFrame::HAM, SpecialList::States, 15));
    Place(rows.back(), 120, 2640, 720);
    return rows;
}

bool IsNumberList(SpecialList l) { return l == SpecialList::Channels || l == SpecialList::MemEntries; }

// One map per dialog, built once: its rows live as long as the map.
template <std::vector<SpecialControl> (*Rows)()>
const SpecialDialogMap& BuildOnce(SpecialDialogMap head) {
    static const std::vector<SpecialControl> rows = Rows();
    static const SpecialDialogMap map = [&] {
        head.controls = rows;
        return head;
    }();
    return map;
}

}  // namespace

const SpecialDialogMap& EmergencyDialogMap() {
    return BuildOnce<EmergencyRows>({"frm_emg", "Emg Channel Setting", EmergencyWords, 36, {},
                                     {{0, 5280, 13215, 6135}, {-120, 240, 13335, 1575}, {0, 2040, 13335, 1575}},
                                     6600, 3720, 13725, 4695, false});
}

const SpecialDialogMap& DualWatchDialogMap() {
    return BuildOnce<DualWatchRows>({"frm_dw", "DW Channel Setting", DualWatchWords, 18, {},
                                     {{-720, 6120, 13215, 2775}, {120, 120, 13335, 1575}, {120, 1800, 13335, 1575}},
                                     5880, 3480, 13725, 3990, false});
}

const SpecialDialogMap& MemChannelDialogMap() {
    return BuildOnce<MemChannelRows>({"frm_MEM", "MEM Channel Setting", MemChannelWords, 16, {},
                                      {{-480, 6240, 13215, 2895}, {120, 0, 13335, 1575}, {120, 1560, 13335, 1575}},
                                      6120, 3240, 13725, 3810, true});
}

const SpecialControl* FindSpecialControl(const SpecialDialogMap& map, int combo) {
    for (const SpecialControl& c : map.controls)
        if (c.combo == combo) return &c;
    return nullptr;
}

const SpecialControl* ChannelListFollowing(const SpecialDialogMap& map, int groupCombo) {
    for (const SpecialControl& c : map.controls)
        if (c.list == SpecialList::Channels && c.groupCombo == groupCombo) return &c;
    return nullptr;
}

QStringList UsedChannelItems(int band, int group) {
    QStringList items;
    const int limit = SlotLimit(band, group);
    if (limit == 0) return items;
    const int count = std::min<int>(WorkDocument.ChannelCount(band, group), limit);
    for (int slot = 1; slot <= count; ++slot)
        if (ChannelTable(band, slot, group).InUse == 1) items << QString::number(slot);
    return items;
}

QStringList UsedMemEntryItems(int plan) {
    QStringList items;
    if (plan < 0 || plan > 5) return items;
    const int first = 16 * plan + 1;
    for (int n = 1; n <= 16; ++n)
        if (MemChannelList(first + n - 1).InUse == 1) items << QString::number(n);
    return items;
}

QStringList GroupItems(int band) {
    QStringList items;
    for (int g = 1; g <= NamedGroupsOf(band); ++g) {
        const std::string raw = WorkDocument.Settings.GroupName(band, g).str();
        items << QString::fromLatin1(raw.c_str());  // cut at a NUL
    }
    return items;
}

QStringList SpecialItems(const SpecialControl& c, int shownGroup) {
    switch (c.list) {
    case SpecialList::Modes:
        return {QStringLiteral("FM"), QStringLiteral("AM"), QStringLiteral("USB"), QStringLiteral("LSB"),
                QStringLiteral("CW")};
    case SpecialList::States:
        return {QStringLiteral("Off"), QStringLiteral("On")};
    case SpecialList::Groups:
        return GroupItems(c.band);
    case SpecialList::Channels:
        return UsedChannelItems(c.band, c.groupCombo >= 0 ? shownGroup : c.group);
    case SpecialList::MemEntries:
        return UsedMemEntryItems(c.group - 1);
    }
    return {};
}

ShownValue ShowSpecialValue(const SpecialControl& c, const QStringList& items, Integer stored) {
    if (items.isEmpty()) return {-1, stored};
    if (IsNumberList(c.list)) {
        int index = static_cast<int>(items.indexOf(QString::number(int(stored) + 1)));
        if (index < 0) index = 0;
        return {index, static_cast<Integer>(items.at(index).toInt() - 1)};
    }
    const int index = stored >= 0 && stored < items.size() ? stored : 0;
    return {index, static_cast<Integer>(index)};
}

PickedValue PickSpecialValue(const SpecialControl& c, const QStringList& items, int index) {
    if (index < 0 || index >= items.size()) return {false, 0};
    if (!IsNumberList(c.list)) return {true, static_cast<Integer>(index)};
    bool ok = false;
    const int n = items.at(index).toInt(&ok);
    if (!ok || n < 1 || n > MaxSlot) return {false, 0};
    return {true, static_cast<Integer>(n - 1)};
}

void ClearUnreferencedMemEntries() {
    for (int n = 1; n <= MemListSize; ++n)
        if (MemChannelList(n).MemRefCh == 255) MemChannelList(n).InUse = 0;
}

}  // namespace ulbrix
