#include "editors/channels/ChannelAttributes.h"

#include <array>
#include <cmath>

#include "core/ModFun.h"
#include "core/ModPubFun.h"
#include "core/ModEnglishChannelInfo.h"
#include "core/ModEnglishPrint.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/settings/RogerBeepRules.h"

namespace ulbrix {

namespace {

constexpr std::array<const char*, 38> Tones = {
    "67.0",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",  "94.8",
    "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3", "131.8",
    "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
    "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

constexpr std::array<const char*, 104> Codes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

using R = ChannelRecord;
constexpr std::array<AttributeField, 20> Fields = {{
    {0, &R::TxCtcss, AttrKind::Position},     {2, &R::HiCut, AttrKind::Position},
    {3, &R::NB, AttrKind::Position},          {4, &R::Echo, AttrKind::Position},
    {5, &R::Add10K, AttrKind::Position},      {6, &R::Busy, AttrKind::Position},
    {7, &R::RepShift, AttrKind::Position},    {9, &R::Public, AttrKind::Position},
    {10, &R::ScanAdd, AttrKind::Position},    {11, &R::RogerBeep, AttrKind::RogerBeep},
    {12, &R::Mode, AttrKind::Mode},           {13, &R::DtmfBot, AttrKind::Dtmf},
    {14, &R::DtmfEot, AttrKind::Dtmf},        {15, &R::DtmfCall, AttrKind::Dtmf},
    {16, &R::TxDcs, AttrKind::Position},      {17, &R::TxToneType, AttrKind::Position},
    {18, &R::RxToneType, AttrKind::Position}, {19, &R::RxCtcss, AttrKind::Position},
    {20, &R::RxDcs, AttrKind::Position},      {21, &R::ANL, AttrKind::Position},
}};

QStringList RepItems() { return {TrItem(CapOffOn, 1), QStringLiteral("REP+"), QStringLiteral("REP-")}; }
QStringList DisableEnableItems() { return TrItems(CapDisableEnable); }
QStringList DelAddItems() { return TrItems(CapDelAdd); }
QStringList MemRefStartItems() { return {QStringLiteral("Off")}; }
QStringList SharedPlanItems() { return {QStringLiteral("U"), QStringLiteral("UK")}; }
QStringList ModeItems() { return FillModeCombo(); }

// The transmit and receive code lists (CTCSS or DCS) share one place each; the
// tone type decides which of the two shows.
constexpr PanelList PanelLists[] = {
    {17, 17, ToneTypeItems, 0, 0},      {0, 0, CtcssItems, 1, 0},         {16, -1, DcsItems, 1, 0},
    {18, 16, ToneTypeItems, 2, 0},      {19, 18, CtcssItems, 3, 0},       {20, -1, DcsItems, 3, 0},
    {12, 12, ModeItems, 4, 0},          {10, 10, DelAddItems, 5, 0},      {9, 9, OffOnItems, 6, 0},
    {6, 6, OffOnItems, 7, 0},           {7, 7, RepItems, 8, 0},           {22, 20, MemRefStartItems, 9, 0},
    {23, 21, SharedPlanItems, 10, 0},   {2, 2, OffOnItems, 0, 1},         {3, 3, OffOnItems, 1, 1},
    {21, 19, OffOnItems, 2, 1},         {4, 4, OffOnItems, 3, 1},         {5, 5, OffOnItems, 4, 1},
    {11, 11, ValidRBItems, 5, 1},       {13, 13, DtmfMemoryItems, 6, 1},  {14, 14, DtmfMemoryItems, 7, 1},
    {15, 15, DtmfMemoryItems, 8, 1},    {1, 1, PlainToneItems, -1, 0},    {8, 8, DisableEnableItems, -1, 0},
};

// Caption of each Label5: a language table, or a word that reads the same in
// both languages.
struct LabelCaption {
    const TextTable* table;
    const char* same;
};
const std::array<LabelCaption, 22> Label5Captions = {{
    {&CapCTCDCS, nullptr},  {&CapQTDQTEnc, nullptr}, {&CapHICUT, nullptr},  {&CapNB, nullptr},
    {&CapECHO, nullptr},    {&CapPlus10KHz, nullptr}, {&CapBUSY, nullptr},  {nullptr, "REP"},
    {nullptr, "TSQ"},       {nullptr, "Public"},     {&CapScan, nullptr},   {nullptr, "Roger"},
    {nullptr, "Mode"},      {nullptr, "BOT"},        {nullptr, "EOT"},      {nullptr, "Call"},
    {&CapRXCTC, nullptr},   {&CapTXCTC, nullptr},    {&CapCTCDCS, nullptr}, {nullptr, "ANL"},
    {nullptr, "CB Mem Chan ID"}, {nullptr, "CB Mem Band"},
}};

constexpr std::array<ToneListSet, 2> ToneSets = {{{17, 0, 16}, {18, 19, 20}}};

constexpr std::array<int, 2> HfHamLists = {5, 7};

constexpr std::array<int, 10> FollowerLists = {2, 3, 4, 5, 13, 14, 15, 11, 12, 21};
constexpr std::array<int, 11> FollowerLabels = {2, 3, 4, 5, 13, 14, 15, 11, 12, 21, 19};

}  // namespace

std::span<const AttributeField> ChannelAttributeFields() { return Fields; }

const AttributeField* AttributeFieldOf(int index) {
    for (const auto& f : Fields)
        if (f.index == index) return &f;
    return nullptr;
}

ShownItem AttributeShownValue(const AttributeField& f, const ChannelRecord& r, const QStringList& items) {
    const int v = r.*f.field;
    switch (f.kind) {
        case AttrKind::Position: return ShowAt(items, v);
        case AttrKind::RogerBeep:
            return {v == 0 ? SelectComboIndex(items, 0) : SelectComboText(items, QString::number(v - 127)), QString()};
        case AttrKind::Mode:
            return ShowEntry(FillModeCombo(), v, items);
        case AttrKind::Dtmf:
            if (v == 0) return ShowIndex(items, 0, QString());
            return ShowText(items, QString::number(v));
    }
    return {};
}

void StoreAttribute(const AttributeField& f, ChannelRecord& r, int listIndex, const QString& itemText) {
    if (listIndex < 0) return;
    Integer& v = r.*f.field;
    switch (f.kind) {
        case AttrKind::Position: v = static_cast<Integer>(listIndex); break;
        case AttrKind::RogerBeep: {
            const int n = ValOrDefault(itemText, 0);
            v = static_cast<Integer>(listIndex == 0 || n < 1 || n > 8 ? 0 : n + 127);
            break;
        }
        case AttrKind::Mode: v = static_cast<Integer>(ModeIndexFromText(itemText)); break;
        case AttrKind::Dtmf: {
            const int n = ValOrDefault(itemText, 0);
            v = static_cast<Integer>(listIndex < 1 || n < 1 || n > 16 ? 0 : n);
            break;
        }
    }
}

QStringList CtcssItems() {
    QStringList items;
    for (std::size_t k = 0; k < Tones.size(); ++k)
        items << QStringLiteral("C_%1(%2Hz)").arg(k + 1, 3, 10, QLatin1Char('0')).arg(QLatin1String(Tones[k]));
    return items;
}

QStringList DcsItems() {
    QStringList items;
    for (std::size_t k = 0; k < Codes.size(); ++k)
        items << QStringLiteral("D_%1(%2N)").arg(k + 1, 3, 10, QLatin1Char('0')).arg(QLatin1String(Codes[k]));
    return items;
}

QStringList PlainToneItems() {
    QStringList items{QStringLiteral("Off")};
    for (const char* t : Tones) items << QLatin1String(t);
    for (const char* c : Codes) items << QStringLiteral("D%1N").arg(QLatin1String(c));
    return items;
}

QStringList ToneTypeItems() { return {QStringLiteral("Off"), QStringLiteral("CTCSS"), QStringLiteral("DCS")}; }

std::optional<ToneLists> ToneListsFor(int toneType) {
    switch (toneType) {
        case 0: return ToneLists{false, false};
        case 1: return ToneLists{true, false};
        case 2: return ToneLists{false, true};
        default: return std::nullopt;
    }
}

QStringList OffOnItems() { return TrItems(CapOffOn); }

std::span<const PanelList> ChannelPanelLists() { return PanelLists; }

const PanelList* PanelListOf(int combo) {
    for (const auto& p : PanelLists)
        if (p.combo == combo) return &p;
    return nullptr;
}

QString PanelLabelCaption(int label, int language) {
    if (label < 0 || label >= static_cast<int>(Label5Captions.size())) return {};
    const LabelCaption& c = Label5Captions[static_cast<std::size_t>(label)];
    return c.table ? (*c.table)(language) : QString::fromLatin1(c.same);
}

std::span<const ToneListSet> ToneListSets() { return ToneSets; }

std::span<const int> HfHamOnlyLists() { return HfHamLists; }

std::span<const int> PublicFollowerLists() { return FollowerLists; }
std::span<const int> PublicFollowerLabels() { return FollowerLabels; }

void StoreMemRef(ChannelRecord& entry, const QString& itemText) {
    const int slot = ValOrDefault(itemText, 0);
    if (itemText == QLatin1String("Off") || slot < 1 || slot > 254) {
        entry.MemRefCh = 255;
        entry.InUse = 0;
        return;
    }
    entry.MemRefCh = static_cast<Integer>(slot);
    entry.InUse = 1;
}

void StoreMemRefBand(ChannelRecord& entry, int listIndex) {
    if (listIndex < 0) return;
    entry.MemRefBand = static_cast<Integer>(listIndex);
    entry.InUse = entry.MemRefCh == 255 ? 0 : 1;
}

QString GetCTCSS_DCSByShow(const QString& text, const QString& offWord) {
    if (text == offWord) return QStringLiteral("0");
    if (text.startsWith(QLatin1Char('D'))) {
        const int n = ValOrDefault(text.mid(1, 3), 0);
        return QStringLiteral("8") + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    }
    if (const auto v = NumericValue(text)) {
        const double tenths = std::nearbyint(*v * 10.0);
        if (tenths >= 0 && tenths <= 9999)
            return QStringLiteral("%1").arg(static_cast<int>(tenths), 4, 10, QLatin1Char('0'));
    }
    return QStringLiteral("0");
}

QString ShowCTCSS_DCS(const QString& code, const QString& offWord) {
    const QString c = TrimNull(code);
    if (c.size() != 4) return offWord;
    if (c.at(0) == QLatin1Char('8'))
        return QStringLiteral("D") + QStringLiteral("%1").arg(ValOrDefault(c.mid(1), 0), 3, 10, QLatin1Char('0')) +
               QStringLiteral("N");
    if (c.at(0).isDigit()) {
        const auto v = NumericValue(c);
        if (!v) return offWord;
        return QString::number(*v / 10.0, 'f', 1);
    }
    return offWord;
}

}  // namespace ulbrix
