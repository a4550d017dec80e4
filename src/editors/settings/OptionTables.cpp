// The controls of the optional-features window as data. The window builds,
// captions, fills, shows and stores every list and check box from these rows.
#include <type_traits>
#include <utility>

#include "core/ModEnglishChannelInfo.h"
#include "core/ModEnglishOpt.h"
#include "core/ModEnglishPrint.h"
#include "core/GlobalState.h"
#include "core/ModFun.h"
#include "core/ModPubFun.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/settings/OptionRules.h"
#include "editors/settings/RogerBeepRules.h"
#include "link/ModComm.h"

namespace ulbrix {

namespace {

using W = FieldRef::Width;
template <class T>
constexpr W WidthOf() {
    return sizeof(std::remove_cvref_t<T>) == 1 ? W::Byte8 : W::Int16;
}

// A field of the settings record, or of the document image itself.
#define SF(f) FieldRef{WidthOf<decltype(std::declval<DocumentImage&>().Settings.f)>(), [](DocumentImage& d) -> void* { return &d.Settings.f; }}
#define DF(f) FieldRef{WidthOf<decltype(std::declval<DocumentImage&>().f)>(), [](DocumentImage& d) -> void* { return &d.f; }}
#define CB_PUB(w) SF(CBPublic[w])
#define HF_PUB(w) SF(HFPublic[w])
#define HAM_PUB(w) SF(HAMPublic[w])
const FieldRef None{};

// ---- item lists ----
QStringList OffOn() { return TrItems(CapOffOn); }
QString OffWord() { return TrItem(CapOffOn, 1); }
QStringList Fixed(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* s : items) out << QString::fromUtf8(s);
    return out;
}

QStringList ItemsHamGroup() {
    QStringList out;
    for (int k = 0; k < 10; ++k) out << QString(QChar('A' + k));
    return out;
}
QStringList ItemsIndic() { return Fixed({"Off", "SWR", "TOT", "DC"}); }
QStringList Items1To45() { return NumberItems(1, 45); }
QStringList Items300To3000() { return NumberItems(300, 3000, 10); }
QStringList ItemsRBTime() { return NumberItems(50, 1000, 50); }
QStringList ItemsNogSet() { return QStringList{Tr(CapOff)} + NumberItems(1, 32); }
QStringList ItemsTot() { return QStringList{Tr(CapOff)} + NumberItems(30, 600, 30, "s"); }
QStringList ItemsScanType() { return TrItems(CapScanType); }
QStringList ItemsClaSet() { return ClaSetItems(WorkDocument.Band); }
QStringList Items1To5() { return NumberItems(1, 5); }
QStringList Items1To9() { return NumberItems(1, 9); }
QStringList Items1To32() { return NumberItems(1, 32); }
QStringList Items1To64() { return NumberItems(1, 64); }
QStringList ItemsHoldTime() { return QStringList{OffWord()} + NumberItems(1, 30, 1, "S") + QStringList{"Infinite"}; }
QStringList ItemsHoldDelay() {
    return Fixed({"30ms", "1S", "1.5S", "2S", "2.5S", "3S", "3.5S", "4S", "4.5S", "5S", "5.5S"});
}
QStringList ItemsColor() { return TrItems(CapColor).mid(1, 7); }
QStringList ItemsWorkMode() { return Fixed({"CB", "HAM"}); }
QStringList ItemsChannelMode() { return Fixed({"CH", "MEM"}); }
QStringList ItemsFreqCh() { return Fixed({"Channel", "Frequency"}); }
QStringList ItemsMicType() { return Fixed({"EL", "DY"}); }
QStringList ItemsVolPath() { return Fixed({"MAIN", "MIC.JACK", "BOTH"}); }
QStringList ItemsEmg() { return QStringList{OffWord(), "EMG 1", "EMG 2"}; }
QStringList ItemsClaFrq() { return Fixed({"500Hz", "5kHz"}); }
QStringList ItemsVfoStep() { return Fixed({"10Hz", "100Hz", "1K", "5K", "10K", "100K", "1M"}); }
QStringList ItemsFmDev() { return Fixed({"2K", "4K"}); }
QStringList ItemsSsbTone() { return Fixed({"HI-4k", "LI-3K"}); }
QStringList ItemsKeys() { return KeyListItems(RadioHasOption); }
QStringList ItemsLongKey() { return Fixed({"FM", "AM", "USB", "LSB"}); }
QStringList ItemsPttSleep() { return Fixed({"Off", "1 min", "2 min", "3 min", "4 min"}); }
// Only what the byte can hold: 300 Hz to 2550 Hz.
QStringList ItemsCwFreq() { return NumberItems(300, 2550, 10); }
QStringList ItemsCwBeep() { return QStringList{OffWord()} + NumberItems(1, 63); }
QStringList ItemsNone() { return {}; }
QStringList ItemsOffOnLiteral() { return Fixed({"Off", "On"}); }
QStringList ItemsOFFONLiteral() { return Fixed({"OFF", "ON"}); }
QStringList ItemsAgc() { return Fixed({"SLOW", "FAST"}); }
QStringList ItemsSql() { return QStringList{OffWord()} + NumberItems(1, 79); }
QStringList ItemsCwBkin() { return QStringList{"Off"} + NumberItems(10, 1000, 10, "ms"); }
QStringList ItemsOnOffLiteral() { return Fixed({"On", "Off"}); }
QStringList ItemsCwRxMode() { return Fixed({"USB", "LSB"}); }
QStringList ItemsMenuColour() { return Fixed({"RED", "GREEN", "BLUE", "CYAN", "PURP", "YELLOW", "WHITE"}); }
QStringList ItemsPowerOffDis() { return Fixed({"Off", "Clock"}); }
QStringList ItemsHandType() { return Fixed({"Type 1", "Type 2", "Type 3"}); }
QStringList ItemsChVolKind() { return Fixed({"CH", "VOL"}); }
// Public groups.
QStringList ItemsNB() { return QStringList{OffWord(), "ON"}; }
QStringList ItemsModes() { return FillModeCombo(); }

constexpr auto L = OptKind::List;
constexpr auto C = OptKind::Check;
using R = OptRule;
using S = OptSection;

// The general lists Combo1(0..72), the three public groups and Check1(0..11).
// Document tail words are placed by their offset in the data file: the
// eight words after the mode enables are, in file order, Ch Vol Kind, the
// CB, HF and HAM public switches, VOX ON/OFF, VOX SPK, TX DrcCon and the
// beep word (the record declares them under other names).
const OptionRow Rows[] = {
    {0, "Combo1_0", L, &CapBlueToothOn, nullptr, OffOn, SF(BluetoothSet[0]), R::Index, S::General},
    {1, "Combo1_1", L, &CapCurrentHAMGroup, nullptr, ItemsHamGroup, None, R::Inert, S::Hidden},
    {2, "Combo1_2", L, &CapINDIC, nullptr, ItemsIndic, SF(Indic), R::Index, S::General},
    {3, "Combo1_3", L, &CapMIC, nullptr, Items1To45, SF(Mic), R::Index, S::General},
    {4, "Combo1_4", L, &CapRBFrequecy, nullptr, Items300To3000, None, R::Inert, S::Hidden},
    {5, "Combo1_5", L, &CapRBTime, nullptr, ItemsRBTime, None, R::Inert, S::Hidden},
    {6, "Combo1_6", L, &CapCWFrequecy, nullptr, Items300To3000, None, R::Inert, S::Hidden},
    {7, "Combo1_7", L, &CapCallFrequecy, nullptr, Items300To3000, None, R::Inert, S::Hidden},
    {8, "Combo1_8", L, &CapNOGSET, nullptr, ItemsNogSet, SF(NogSet), R::Index, S::General},
    {9, "Combo1_9", L, &CapTOT, nullptr, ItemsTot, SF(Tot), R::Tot, S::General},
    {10, "Combo1_10", L, &CapSCNTYPE, nullptr, ItemsScanType, SF(ScnType), R::Index, S::General},
    {11, "Combo1_11", L, &CapCLASET, nullptr, ItemsClaSet, SF(ClaSet), R::ClaSet, S::General},
    {12, "Combo1_12", L, &CapPttHold, nullptr, OffOn, SF(BluetoothSet[1]), R::Index, S::General},
    {13, "Combo1_13", L, &CapMicGain, nullptr, Items1To5, SF(BluetoothSet[2]), R::Index, S::General},
    {14, "Combo1_14", L, &CapSpkGain, nullptr, Items1To5, SF(BluetoothSet[3]), R::Index, S::General},
    {15, "Combo1_15", L, &CapHoldTime, nullptr, ItemsHoldTime, SF(BluetoothSet[4]), R::Index, S::General},
    {16, "Combo1_16", L, &CapHoldDelay, nullptr, ItemsHoldDelay, SF(BluetoothSet[5]), R::Index, S::General},
    {17, "Combo1_17", L, &CapColorLabel, nullptr, ItemsColor, SF(Color), R::Index, S::Hidden},
    {18, "Combo1_18", L, &CapNRCAble, nullptr, OffOn, SF(NrcAble), R::Index, S::Hidden},
    {19, "Combo1_19", L, &CapWorkMode, nullptr, ItemsWorkMode, SF(WorkMode), R::Index, S::Hidden},
    {20, "Combo1_20", L, &CapBacklightContrast, nullptr, Items1To9, None, R::Inert, S::Hidden},
    {21, "Combo1_21", L, &CapCurrentMenuPage, nullptr, Items1To9, None, R::Inert, S::Hidden},
    {22, "Combo1_22", L, nullptr, "Channel Mode", ItemsChannelMode, SF(OptionWordH), R::StoreOnly, S::Hidden},
    {23, "Combo1_23", L, &CapFreqCH, nullptr, ItemsFreqCh, SF(FreqCh), R::Index, S::Hidden},
    {24, "Combo1_24", L, &CapASQLevel, nullptr, OffOn, SF(AsqLevel), R::Index, S::General},
    {25, "Combo1_25", L, &CapRxNR, nullptr, Items1To5, SF(RxNr), R::Index, S::General},
    {26, "Combo1_26", L, &CapTxNR, nullptr, Items1To5, SF(TxNr), R::Index, S::General},
    {27, "Combo1_27", L, &CapVOXLevel, nullptr, Items1To9, SF(VoxLevel), R::VoxLevel, S::General},
    {28, "Combo1_28", L, &CapVOXDelay, nullptr, Items1To9, SF(VoxDelay), R::Index, S::General},
    {29, "Combo1_29", L, &CapMicType, nullptr, ItemsMicType, SF(MicType), R::Index, S::General},
    {30, "Combo1_30", L, &CapKeyLock, nullptr, OffOn, DF(KeyLock), R::Index, S::Hidden},
    {31, "Combo1_31", L, &CapVOLPath, nullptr, ItemsVolPath, SF(VolPath), R::Index, S::Hidden},
    {32, "Combo1_32", L, &CapEchoVOL, nullptr, Items1To32, SF(EchoVol), R::Index, S::General},
    {33, "Combo1_33", L, &CapEchoTime, nullptr, Items1To32, SF(EchoTime), R::Index, S::General},
    {34, "Combo1_34", L, &CapEMG, nullptr, ItemsEmg, DF(EmgKind), R::Index, S::Hidden},
    {35, "Combo1_35", L, &CapCLAFRQ, nullptr, ItemsClaFrq, SF(ClaFrq), R::Index, S::General},
    {36, "Combo1_36", L, &CapVFOStep, nullptr, ItemsVfoStep, SF(VfoStep), R::Index, S::General},
    {37, "Combo1_37", L, &CapVolData, nullptr, Items1To64, SF(VolData), R::Index, S::Hidden},
    {38, "Combo1_38", L, &CapBhtIntSpk, nullptr, OffOn, SF(BluetoothSet[6]), R::Index, S::General},
    {39, "Combo1_39", L, &CapBeep, nullptr, OffOn, SF(Beep), R::Index, S::General},
    {40, "Combo1_40", L, &CapFMDeviation, nullptr, ItemsFmDev, SF(FmDeviation), R::Index, S::General},
    {41, "Combo1_41", L, &CapSSBTone, nullptr, ItemsSsbTone, SF(SsbTone), R::Index, S::General},
    {42, "Combo1_42", L, &CapP1, nullptr, ItemsKeys, SF(KeyP1), R::Key, S::Hidden},
    {43, "Combo1_43", L, &CapLongKey, nullptr, ItemsLongKey, None, R::Inert, S::Hidden},
    {44, "Combo1_44", L, &CapPttSleep, nullptr, ItemsPttSleep, SF(BluetoothSet[7]), R::Index, S::General},
    {45, "Combo1_45", L, &CapP2, nullptr, ItemsKeys, SF(KeyP2), R::Key, S::Hidden},
    {46, "Combo1_46", L, &CapP3, nullptr, ItemsKeys, SF(KeyP3), R::Key, S::Hidden},
    {47, "Combo1_47", L, &CapCWFreq, nullptr, ItemsCwFreq, SF(OptionByteB), R::CwFreq, S::General},
    {48, "Combo1_48", L, &CapCWBEEP, nullptr, ItemsCwBeep, SF(OptionByteC), R::Index, S::General},
    {49, "Combo1_49", L, &CapDim, nullptr, Items1To9, SF(OptionByteD), R::Index, S::General},
    {50, "Combo1_50", L, nullptr, "ASQ", ItemsNone, None, R::Inert, S::Hidden},
    {51, "Combo1_51", L, &CapVOXSPK, nullptr, ItemsOffOnLiteral, DF(VoxSpk), R::Index, S::Hidden},
    {52, "Combo1_52", L, &CapAGC, nullptr, ItemsAgc, SF(OptionByteE), R::Index, S::General},
    {53, "Combo1_53", L, &CapSQL, nullptr, ItemsSql, SF(OptionWordA), R::Index, S::Hidden},
    {54, "Combo1_54", L, &CapP4, nullptr, ItemsKeys, SF(KeyWords[0]), R::Key, S::Hidden},
    {55, "Combo1_55", L, &CapCwBkin, nullptr, ItemsCwBkin, SF(OptionByteF), R::Index, S::General},
    {56, "Combo1_56", L, &CapCwOffSet, nullptr, OffOn, SF(OptionByteG), R::Index, S::General},
    {57, "Combo1_57", L, &CapAOP, nullptr, OffOn, SF(OptionWordC), R::Index, S::Hidden},
    {58, "Combo1_58", L, &CapCBPUBLIC, nullptr, ItemsOnOffLiteral, DF(TxColor), R::PublicSwitch, S::Hidden, 0, BandCB},
    {59, "Combo1_59", L, &CapCWRXMode, nullptr, ItemsCwRxMode, SF(OptionWordD), R::Index, S::General},
    {60, "Combo1_60", L, &CapHFPUBLIC, nullptr, ItemsOnOffLiteral, DF(SaveDisKind), R::PublicSwitch, S::General, 0, BandHF},
    {61, "Combo1_61", L, &CapMenuColour, nullptr, ItemsMenuColour, SF(KeyWords[2]), R::Index, S::General},
    {62, "Combo1_62", L, &CapHAMPUBLIC, nullptr, ItemsOnOffLiteral, DF(SaveTime), R::PublicSwitch, S::General, 0, BandHAM},
    {63, "Combo1_63", L, &CapPowerOffDis, nullptr, ItemsPowerOffDis, SF(KeyWords[4]), R::Index, S::Hidden},
    {64, "Combo1_64", L, &CapHfUseVfo, nullptr, ItemsOffOnLiteral, SF(CurGroupAux[1]), R::Index, S::General},
    {65, "Combo1_65", L, &CapHamUseVfo, nullptr, ItemsOffOnLiteral, SF(CurGroupAux[2]), R::Index, S::General},
    {66, "Combo1_66", L, &CapHandType, nullptr, ItemsHandType, SF(KeyAssignEnable), R::HandType, S::Hidden},
    {67, "Combo1_67", L, &CapPfKey, nullptr, ItemsKeys, SF(KeyWordLast), R::Key, S::General},
    {68, "Combo1_68", L, &CapChVolKind, nullptr, ItemsChVolKind, DF(BtDeviceName), R::Index, S::Hidden},
    {69, "Combo1_69", L, &CapVOXOnOff, nullptr, ItemsOFFONLiteral, DF(ChVolKind), R::VoxSwitch, S::General},
    {70, "Combo1_70", L, &CapTXDrcCon, nullptr, ItemsOffOnLiteral, DF(VoxOnOff), R::Index, S::General},
    {71, "Combo1_71", L, &CapBeep2, nullptr, ItemsOffOnLiteral, DF(DrcBeepWord), R::BeepHigh, S::General},
    {72, "Combo1_72", L, nullptr, nullptr, Items1To5, DF(DrcBeepWord), R::BeepLow, S::General},

    // Public groups, in the order they stand in their frames.
#define PUBLIC_GROUP(base, list, sect, band, PUB, rogerCap, rogerFixed)                                        \
    {base + 0, list "_0", L, &CapHICUT, nullptr, OffOn, PUB(PubHiCut), R::Index, sect, 0, band},               \
    {base + 1, list "_1", L, &CapNB, nullptr, ItemsNB, PUB(PubNB), R::Index, sect, 0, band},                   \
    {base + 4, list "_4", L, nullptr, "ANL", ItemsOFFONLiteral, PUB(PubANL), R::Index, sect, 0, band},         \
    {base + 2, list "_2", L, &CapECHO, nullptr, OffOn, PUB(PubEcho), R::Index, sect, 0, band},                 \
    {base + 3, list "_3", L, &CapPlus10KHz, nullptr, OffOn, PUB(PubAdd10K), R::Index, sect, 0, band},          \
    {base + 9, list "_9", L, rogerCap, rogerFixed, ValidRBItems, PUB(PubRoger), R::Roger, sect, 0, band},        \
    {base + 5, list "_5", L, nullptr, "Mode", ItemsModes, PUB(PubMode), R::Mode, sect, 0, band},               \
    {base + 6, list "_6", L, nullptr, "BOT", DtmfMemoryItems, PUB(PubBot), R::Dtmf, S::Hidden, 0, band},             \
    {base + 7, list "_7", L, nullptr, "EOT", DtmfMemoryItems, PUB(PubEot), R::Dtmf, S::Hidden, 0, band},             \
    {base + 8, list "_8", L, nullptr, "CALL", DtmfMemoryItems, PUB(PubCall), R::Dtmf, S::Hidden, 0, band}
    PUBLIC_GROUP(200, "Combo2", S::CBPublic, BandCB, CB_PUB, &CapChanRb, nullptr),
    PUBLIC_GROUP(400, "Combo6", S::HAMPublic, BandHAM, HAM_PUB, nullptr, "Roger"),
    PUBLIC_GROUP(300, "Combo7", S::HFPublic, BandHF, HF_PUB, nullptr, "Roger"),
#undef PUBLIC_GROUP

    {100, "Check1_0", C, &CapVOXFunction, nullptr, nullptr, None, R::NoField, S::Hidden},
    {101, "Check1_1", C, &CapMEMMenu, nullptr, nullptr, None, R::NoField, S::Hidden},
    {102, "Check1_2", C, &CapBeep, nullptr, nullptr, None, R::NoField, S::Hidden},
    {103, "Check1_3", C, &CapSWRProtect, nullptr, nullptr, SF(OptionFlagA), R::Flag, S::Protection, 1},
    {104, "Check1_4", C, &CapTDCSET, nullptr, nullptr, SF(OptionFlagB), R::Flag, S::Protection, 1},
    {105, "Check1_5", C, nullptr, "FM Enable", nullptr, DF(FMEnable), R::ModeEnable, S::ModeEnable, 1},
    {106, "Check1_6", C, nullptr, "AM Enable", nullptr, DF(AMEnable), R::ModeEnable, S::ModeEnable, 1},
    {107, "Check1_7", C, nullptr, "USB Enable", nullptr, DF(USBEnable), R::ModeEnable, S::ModeEnable, 1},
    {108, "Check1_8", C, nullptr, "LSB Enable", nullptr, DF(LSBEnable), R::ModeEnable, S::ModeEnable, 1},
    {109, "Check1_9", C, nullptr, "PA Enable", nullptr, DF(PAEnable), R::ModeEnable, S::ModeEnable, 1},
    {110, "Check1_10", C, nullptr, "CW Enable", nullptr, DF(CWEnable), R::ModeEnable, S::ModeEnable, 1},
    {111, "Check1_11", C, nullptr, "Reset", nullptr, None, R::NoField, S::Hidden},
};

const TextRow Texts[] = {
    {"Text2_0", "Label3_0", nullptr, "Max", TextRule::Swr, 0, 5, "0123456789."},
    {"Text2_1", "Label3_1", nullptr, "Min[V]", TextRule::BatteryMin, 0, 5, "0123456789."},
    {"Text2_2", "Label3_2", nullptr, "Max[V]", TextRule::BatteryMax, 0, 5, "0123456789."},
    {"Text4_0", "Label6_0", nullptr, "1", TextRule::Rssi, 0, 2, "0123456789"},
    {"Text4_1", "Label6_1", nullptr, "3", TextRule::Rssi, 1, 2, "0123456789"},
    {"Text4_2", "Label6_2", nullptr, "5", TextRule::Rssi, 2, 2, "0123456789"},
    {"Text4_3", "Label6_3", nullptr, "7", TextRule::Rssi, 3, 2, "0123456789"},
    {"Text4_4", "Label6_4", nullptr, "9", TextRule::Rssi, 4, 2, "0123456789"},
    {"Text4_5", "Label6_5", nullptr, "+30", TextRule::Rssi, 5, 2, "0123456789"},
    {"Text4_6", "Label6_6", nullptr, "1", TextRule::Rssi, 6, 2, "0123456789"},
    {"Text4_7", "Label6_7", nullptr, "3", TextRule::Rssi, 7, 2, "0123456789"},
    {"Text4_8", "Label6_8", nullptr, "5", TextRule::Rssi, 8, 2, "0123456789"},
    {"Text4_9", "Label6_9", nullptr, "7", TextRule::Rssi, 9, 2, "0123456789"},
    {"Text4_10", "Label6_10", nullptr, "9", TextRule::Rssi, 10, 2, "0123456789"},
    {"Text4_11", "Label6_11", nullptr, "+30", TextRule::Rssi, 11, 2, "0123456789"},
    {"Text4_12", "Label5", nullptr, "TX.REP", TextRule::TxRep, 0, 6, "0123456789."},
    {"Text4_13", "Label1_68", &CapBTDeviceName, nullptr, TextRule::Name, 0, 16, nullptr},
};

#undef SF
#undef DF
#undef CB_PUB
#undef HF_PUB
#undef HAM_PUB

}  // namespace

QStringList ClaSetItems(int band) {
    QStringList out{Tr(CapOff), QStringLiteral("R")};
    if (band != BandCB) out << QStringLiteral("T") << QStringLiteral("RT");
    return out;
}

std::span<const OptionRow> OptionRows() { return Rows; }
std::span<const TextRow> TextRows() { return Texts; }

const OptionRow* FindOptionRow(int id) {
    for (const OptionRow& r : Rows)
        if (r.id == id) return &r;
    return nullptr;
}

QString RowCaption(const OptionRow& row) {
    if (row.caption) return Tr(*row.caption);
    return row.fixedCaption ? QString::fromUtf8(row.fixedCaption) : QString();
}

QString RowLabelName(const OptionRow& row) {
    if (row.kind == OptKind::Check) return QString();
    if (row.id >= 0 && row.id <= 67) return QStringLiteral("Label1_%1").arg(row.id);
    // From 68 on the general labels are shifted by one; the beep row has one
    // label, left of its first list.
    if (row.id >= 68 && row.id <= 71) return QStringLiteral("Label1_%1").arg(row.id + 1);
    if (row.id == 72) return QString();
    const int k = row.id % 100;
    if (row.id >= 200 && row.id <= 209) return QStringLiteral("Label4_%1").arg(k);
    if (row.id >= 300 && row.id <= 309) return QStringLiteral("lbl1_%1").arg(k);
    if (row.id >= 400 && row.id <= 409) return QStringLiteral("lbl2_%1").arg(k);
    return QString();
}

}  // namespace ulbrix
