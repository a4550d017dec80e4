#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/ModFun.h"
#include "core/Records.h"

using namespace ulbrix;

TEST(RecordLayout, SizesMatchTheDiskForm) {
    EXPECT_EQ(ChannelToBytes(ChannelRecord{}).size(), 70u);
    EXPECT_EQ(HeaderToBytes(FileHeader{}).size(), 34u);
    EXPECT_EQ(SettingsToBytes(GeneralSettingsRecord{}).size(), 1964u);
    EXPECT_EQ(DocumentToBytes(DocumentImage{}).size(), 2893u);
}

namespace {

// One field: where it must land on disk and how to put a sentinel into it.
template <class R>
struct FieldCase {
    const char* name;
    std::size_t offset;
    std::function<void(R&)> set;
    Bytes expected;  // the sentinel's bytes at `offset`
};

Bytes I16(std::uint16_t v) { return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>(v >> 8)}; }
Bytes I32(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}
Bytes Txt(const std::string& s) { return Bytes(s.begin(), s.end()); }

// The sentinel lands at its offset, every other byte stays zero, and reading
// the bytes back gives the same record.
template <class R>
void CheckFields(const std::vector<FieldCase<R>>& cases, Bytes (*toBytes)(const R&),
                 R (*fromBytes)(const std::uint8_t*, std::size_t)) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        R r{};
        c.set(r);
        const Bytes b = toBytes(r);
        ASSERT_LE(c.offset + c.expected.size(), b.size());
        for (std::size_t i = 0; i < b.size(); ++i) {
            const bool inField = i >= c.offset && i < c.offset + c.expected.size();
            const std::uint8_t want = inField ? c.expected[i - c.offset] : 0;
            ASSERT_EQ(b[i], want) << "at byte " << i;
        }
        EXPECT_TRUE(fromBytes(b.data(), b.size()) == r);
    }
}

DocumentImage DocFrom(const std::uint8_t* p, std::size_t n) { return DocumentFromBytes(p, n); }
ChannelRecord ChFrom(const std::uint8_t* p, std::size_t n) { return ChannelFromBytes(p, n); }

}  // namespace

TEST(RecordLayout, ChannelFieldsSitAtTheirOffsets) {
    using C = FieldCase<ChannelRecord>;
    std::vector<C> cases = {
        {"ChNo", 0, [](ChannelRecord& r) { r.ChNo = 0x0102; }, I16(0x0102)},
        {"InUse", 2, [](ChannelRecord& r) { r.InUse = 0x0203; }, I16(0x0203)},
        {"ScanAdd", 4, [](ChannelRecord& r) { r.ScanAdd = 0x0304; }, I16(0x0304)},
        {"RxFreq", 6, [](ChannelRecord& r) { r.RxFreq = "2801500"; }, Txt("2801500 ")},
        {"TxFreq", 14, [](ChannelRecord& r) { r.TxFreq = "29600000"; }, Txt("29600000")},
        {"Reserved1", 22, [](ChannelRecord& r) { r.Reserved1 = 0x0506; }, I16(0x0506)},
        {"Reserved2", 24, [](ChannelRecord& r) { r.Reserved2 = 0x0607; }, I16(0x0607)},
        {"TxToneType", 26, [](ChannelRecord& r) { r.TxToneType = 0x0708; }, I16(0x0708)},
        {"TxCtcss", 28, [](ChannelRecord& r) { r.TxCtcss = 0x0809; }, I16(0x0809)},
        {"TxDcs", 30, [](ChannelRecord& r) { r.TxDcs = 0x090A; }, I16(0x090A)},
        {"Reserved3", 32, [](ChannelRecord& r) { r.Reserved3 = 0x0A0B; }, I16(0x0A0B)},
        {"Mode", 34, [](ChannelRecord& r) { r.Mode = 0x0B0C; }, I16(0x0B0C)},
        {"HiCut", 36, [](ChannelRecord& r) { r.HiCut = 0x0C0D; }, I16(0x0C0D)},
        {"NB", 38, [](ChannelRecord& r) { r.NB = 0x0D0E; }, I16(0x0D0E)},
        {"Echo", 40, [](ChannelRecord& r) { r.Echo = 0x0E0F; }, I16(0x0E0F)},
        {"Add10K", 42, [](ChannelRecord& r) { r.Add10K = 0x0F10; }, I16(0x0F10)},
        {"Busy", 44, [](ChannelRecord& r) { r.Busy = 0x1011; }, I16(0x1011)},
        {"RogerBeep", 46, [](ChannelRecord& r) { r.RogerBeep = 135; }, I16(135)},
        {"RepShift", 48, [](ChannelRecord& r) { r.RepShift = 0x1213; }, I16(0x1213)},
        {"Public", 50, [](ChannelRecord& r) { r.Public = 0x1314; }, I16(0x1314)},
        {"DtmfBot", 52, [](ChannelRecord& r) { r.DtmfBot = 0x1415; }, I16(0x1415)},
        {"DtmfEot", 54, [](ChannelRecord& r) { r.DtmfEot = 0x1516; }, I16(0x1516)},
        {"DtmfCall", 56, [](ChannelRecord& r) { r.DtmfCall = 0x1617; }, I16(0x1617)},
        {"RxToneType", 58, [](ChannelRecord& r) { r.RxToneType = 0x1718; }, I16(0x1718)},
        {"RxCtcss", 60, [](ChannelRecord& r) { r.RxCtcss = 0x1819; }, I16(0x1819)},
        {"RxDcs", 62, [](ChannelRecord& r) { r.RxDcs = 0x191A; }, I16(0x191A)},
        {"ANL", 64, [](ChannelRecord& r) { r.ANL = 0x1A1B; }, I16(0x1A1B)},
        {"MemRefBand", 66, [](ChannelRecord& r) { r.MemRefBand = -2; }, I16(0xFFFE)},
        {"MemRefCh", 68, [](ChannelRecord& r) { r.MemRefCh = 255; }, I16(255)},
    };
    CheckFields<ChannelRecord>(cases, &ChannelToBytes, &ChFrom);
}

TEST(RecordLayout, DocumentFieldsSitAtTheirOffsets) {
    using D = DocumentImage;
    using C = FieldCase<D>;
    constexpr std::size_t S = 250;  // settings start
    std::vector<C> cases = {
        {"Version", 0, [](D& d) { d.Version = "V100"; }, Txt("V100")},
        {"Band", 4, [](D& d) { d.Band = 2; }, I16(2)},
        {"CurGroup(0)", 6, [](D& d) { d.CurGroup[0] = 0x0A0B; }, I16(0x0A0B)},
        {"CurGroup(2)", 10, [](D& d) { d.CurGroup[2] = 0x0C0D; }, I16(0x0C0D)},
        {"LastRow(0,1)", 12, [](D& d) { d.LastRow(0, 1) = 0x1112; }, I16(0x1112)},
        {"LastRow(1,2)", 12 + 2 * 4, [](D& d) { d.LastRow(1, 2) = 0x1314; }, I16(0x1314)},
        {"LastRow(2,17)", 112, [](D& d) { d.LastRow(2, 17) = 0x1516; }, I16(0x1516)},
        {"ChannelCount(0,1)", 114, [](D& d) { d.ChannelCount(0, 1) = 40; }, I16(40)},
        {"ChannelCount(2,13)", 114 + 2 * (2 + 36), [](D& d) { d.ChannelCount(2, 13) = 99; }, I16(99)},
        {"ModelText", 216, [](D& d) { d.Header.ModelText = std::string("ZR9040\0", 7); }, Txt(std::string("ZR9040\0", 7))},
        {"ModelCode", 223, [](D& d) { d.Header.ModelCode = 248; }, I16(248)},
        {"BandCode", 225, [](D& d) { d.Header.BandCode = 0x0101; }, I16(0x0101)},
        {"DateText", 227, [](D& d) { d.Header.DateText = "20240131"; }, Txt("20240131")},
        {"FormatText", 235, [](D& d) { d.Header.FormatText = "V2.00"; }, Txt("V2.00")},
        {"ModelText6", 240, [](D& d) { d.Header.ModelText6 = "ZR9040"; }, Txt("ZR9040")},
        {"BandCode2", 246, [](D& d) { d.Header.BandCode2 = 0x0203; }, I16(0x0203)},
        {"KindChar", 248, [](D& d) { d.Header.KindChar = 67; }, I16(67)},
        {"CurGroupIndex(1)", S + 2, [](D& d) { d.Settings.CurGroupIndex[1] = 0x2122; }, I16(0x2122)},
        {"CurGroupAux(2)", S + 10, [](D& d) { d.Settings.CurGroupAux[2] = 0x2324; }, I16(0x2324)},
        {"WorkChannel(2,17)", S + 112, [](D& d) { d.Settings.WorkChannel(2, 17) = 0x2526; }, I16(0x2526)},
        {"CBPublic[0]", S + 114, [](D& d) { d.Settings.CBPublic[0] = 0x2728; }, I16(0x2728)},
        {"HAMPublic[10]", S + 136 + 20, [](D& d) { d.Settings.HAMPublic[10] = 0x292A; }, I16(0x292A)},
        {"HFPublic[6]", S + 158 + 12, [](D& d) { d.Settings.HFPublic[6] = 130; }, I16(130)},
        {"BluetoothSet[7]", S + 194, [](D& d) { d.Settings.BluetoothSet[7] = 0x2B2C; }, I16(0x2B2C)},
        {"Weather[6]", S + 208, [](D& d) { d.Settings.Weather.w[6] = 0x2D2E; }, I16(0x2D2E)},
        {"WeatherChannel[0].InUse", S + 210, [](D& d) { d.Settings.WeatherChannel[0].InUse = 1; }, I16(1)},
        {"WeatherChannel[0].FreqMHz", S + 212, [](D& d) { d.Settings.WeatherChannel[0].FreqMHz = 2.0; },
         Bytes{0, 0, 0, 0, 0, 0, 0, 0x40}},
        {"WeatherChannel[40].ScanAdd", S + 210 + 40 * 16 + 14, [](D& d) { d.Settings.WeatherChannel[40].ScanAdd = 0x2F30; },
         I16(0x2F30)},
        {"GroupValid(0,1)", S + 866, [](D& d) { d.Settings.GroupValid(0, 1) = 1; }, I16(1)},
        {"GroupName(1,1)", S + 968 + 2, [](D& d) { d.Settings.GroupName(1, 1) = "AB"; }, Txt("AB")},
        {"GroupSetA(2,17,1)", S + 1070 + 2 * 101, [](D& d) { d.Settings.GroupSetA(2, 17, 1) = 0x3132; }, I16(0x3132)},
        {"LevelSetA", S + 1274, [](D& d) { d.Settings.LevelSetA = 97; }, I16(97)},
        {"LevelSetB", S + 1276, [](D& d) { d.Settings.LevelSetB = 168; }, I16(168)},
        {"LevelSetC", S + 1278, [](D& d) { d.Settings.LevelSetC = 160; }, I16(160)},
        {"NrcAble", S + 1280, [](D& d) { d.Settings.NrcAble = 0x3334; }, I16(0x3334)},
        {"RxNr", S + 1282, [](D& d) { d.Settings.RxNr = 0xA1; }, Bytes{0xA1}},
        {"TxNr", S + 1283, [](D& d) { d.Settings.TxNr = 0xA2; }, Bytes{0xA2}},
        {"Beep", S + 1284, [](D& d) { d.Settings.Beep = 0x3536; }, I16(0x3536)},
        {"Indic", S + 1286, [](D& d) { d.Settings.Indic = 0x3738; }, I16(0x3738)},
        {"Mic", S + 1288, [](D& d) { d.Settings.Mic = 30; }, I16(30)},
        {"NogSet", S + 1290, [](D& d) { d.Settings.NogSet = 0x393A; }, I16(0x393A)},
        {"Tot", S + 1292, [](D& d) { d.Settings.Tot = 0x3B3C; }, I16(0x3B3C)},
        {"OptionFlagA", S + 1294, [](D& d) { d.Settings.OptionFlagA = 0x3D3E; }, I16(0x3D3E)},
        {"OptionFlagB", S + 1296, [](D& d) { d.Settings.OptionFlagB = 0x3F40; }, I16(0x3F40)},
        {"ScnType", S + 1298, [](D& d) { d.Settings.ScnType = 0x4142; }, I16(0x4142)},
        {"Color", S + 1300, [](D& d) { d.Settings.Color = 0x4344; }, I16(0x4344)},
        {"ClaSet", S + 1302, [](D& d) { d.Settings.ClaSet = 0x4546; }, I16(0x4546)},
        {"OptionByteA", S + 1304, [](D& d) { d.Settings.OptionByteA = 0xA3; }, Bytes{0xA3}},
        {"AsqLevel", S + 1305, [](D& d) { d.Settings.AsqLevel = 0x4748; }, I16(0x4748)},
        {"OptionWordA", S + 1307, [](D& d) { d.Settings.OptionWordA = 0x494A; }, I16(0x494A)},
        {"OptionWordB", S + 1309, [](D& d) { d.Settings.OptionWordB = 0x4B4C; }, I16(0x4B4C)},
        {"VoxLevel", S + 1311, [](D& d) { d.Settings.VoxLevel = 0xA4; }, Bytes{0xA4}},
        {"VoxDelay", S + 1312, [](D& d) { d.Settings.VoxDelay = 0xA5; }, Bytes{0xA5}},
        {"ClaFrq", S + 1313, [](D& d) { d.Settings.ClaFrq = 0x4D4E; }, I16(0x4D4E)},
        {"OptionLong", S + 1315, [](D& d) { d.Settings.OptionLong = 0x01020304; }, I32(0x01020304)},
        {"FreqCh", S + 1319, [](D& d) { d.Settings.FreqCh = 0x4F50; }, I16(0x4F50)},
        {"MicType", S + 1321, [](D& d) { d.Settings.MicType = 0xA6; }, Bytes{0xA6}},
        {"VolPath", S + 1322, [](D& d) { d.Settings.VolPath = 0xA7; }, Bytes{0xA7}},
        {"EchoVol", S + 1323, [](D& d) { d.Settings.EchoVol = 0xA8; }, Bytes{0xA8}},
        {"EchoTime", S + 1324, [](D& d) { d.Settings.EchoTime = 0xA9; }, Bytes{0xA9}},
        {"VfoStep", S + 1325, [](D& d) { d.Settings.VfoStep = 0xAA; }, Bytes{0xAA}},
        {"OptionByteB", S + 1326, [](D& d) { d.Settings.OptionByteB = 0xAB; }, Bytes{0xAB}},
        {"OptionByteE", S + 1329, [](D& d) { d.Settings.OptionByteE = 0xAC; }, Bytes{0xAC}},
        {"OptionWordC", S + 1330, [](D& d) { d.Settings.OptionWordC = 0x5152; }, I16(0x5152)},
        {"OptionWordD", S + 1332, [](D& d) { d.Settings.OptionWordD = 0x5354; }, I16(0x5354)},
        {"OptionByteF", S + 1334, [](D& d) { d.Settings.OptionByteF = 0xAD; }, Bytes{0xAD}},
        {"OptionByteG", S + 1335, [](D& d) { d.Settings.OptionByteG = 0xAE; }, Bytes{0xAE}},
        {"OptionByteH", S + 1336, [](D& d) { d.Settings.OptionByteH = 0xAF; }, Bytes{0xAF}},
        {"VolData", S + 1337, [](D& d) { d.Settings.VolData = 0xB0; }, Bytes{0xB0}},
        {"OptionWordE", S + 1338, [](D& d) { d.Settings.OptionWordE = 0x5556; }, I16(0x5556)},
        {"OptionWordF", S + 1340, [](D& d) { d.Settings.OptionWordF = 2; }, I16(2)},
        {"WorkMode", S + 1342, [](D& d) { d.Settings.WorkMode = 0x5758; }, I16(0x5758)},
        {"OptionWordG", S + 1344, [](D& d) { d.Settings.OptionWordG = 0x595A; }, I16(0x595A)},
        {"OptionWordH", S + 1346, [](D& d) { d.Settings.OptionWordH = 0x5B5C; }, I16(0x5B5C)},
        {"OptionWordI", S + 1348, [](D& d) { d.Settings.OptionWordI = 0x5D5E; }, I16(0x5D5E)},
        {"GroupSetB(0,1,0)", S + 1350, [](D& d) { d.Settings.GroupSetB(0, 1, 0) = 0x5F60; }, I16(0x5F60)},
        {"GroupSetB(2,17,1)", S + 1350 + 202, [](D& d) { d.Settings.GroupSetB(2, 17, 1) = 0x6162; }, I16(0x6162)},
        {"GroupSetC(1,1)", S + 1556, [](D& d) { d.Settings.GroupSetC(1, 1) = 41; }, I16(41)},
        {"DtmfSettings[0]", S + 1656, [](D& d) { d.Settings.DtmfSettings[0] = 0x6364; }, I16(0x6364)},
        {"DtmfSettings[5]", S + 1666, [](D& d) { d.Settings.DtmfSettings[5] = 0x6566; }, I16(0x6566)},
        {"DtmfAutodial(1)", S + 1668, [](D& d) { d.Settings.DtmfAutodial[1] = "123*#ABCD0123456"; },
         Txt("123*#ABCD0123456")},
        {"DtmfAutodial(16)", S + 1668 + 240, [](D& d) { d.Settings.DtmfAutodial[16] = "9"; },
         Txt("9               ")},
        {"FmDeviation", S + 1924, [](D& d) { d.Settings.FmDeviation = 0x6768; }, I16(0x6768)},
        {"SsbTone", S + 1926, [](D& d) { d.Settings.SsbTone = 0x696A; }, I16(0x696A)},
        {"KeyP1", S + 1928, [](D& d) { d.Settings.KeyP1 = 0x6B6C; }, I16(0x6B6C)},
        {"KeyP3", S + 1932, [](D& d) { d.Settings.KeyP3 = 0x6D6E; }, I16(0x6D6E)},
        {"KeyWords[2]", S + 1938, [](D& d) { d.Settings.KeyWords[2] = 0x6F70; }, I16(0x6F70)},
        {"KeyAssignEnable", S + 1944, [](D& d) { d.Settings.KeyAssignEnable = 0x7172; }, I16(0x7172)},
        {"KeyWordLast", S + 1946, [](D& d) { d.Settings.KeyWordLast = 0x7374; }, I16(0x7374)},
        {"OptionText", S + 1948, [](D& d) { d.Settings.OptionText = "Hello radio 1234"; }, Txt("Hello radio 1234")},
        {"Emergency[0]", 2214, [](D& d) { d.Emergency.w[0] = 0x7576; }, I16(0x7576)},
        {"Emergency[35]", 2284, [](D& d) { d.Emergency.w[35] = 0x7778; }, I16(0x7778)},
        {"DualWatch[0]", 2286, [](D& d) { d.DualWatch.w[0] = 0x797A; }, I16(0x797A)},
        {"DualWatch[17]", 2320, [](D& d) { d.DualWatch.w[17] = 0x7B7C; }, I16(0x7B7C)},
        {"MemChannelSet[0]", 2322, [](D& d) { d.MemChannelSet.w[0] = 0x7D7E; }, I16(0x7D7E)},
        {"MemChannelSet[15]", 2352, [](D& d) { d.MemChannelSet.w[15] = 0x7F01; }, I16(0x7F01)},
        {"RogerBeep(1).Tone(1).Freq", 2354, [](D& d) { d.RogerBeep[1].Tone[1].Freq = 210; }, I16(210)},
        {"RogerBeep(1).Tone(14).Length", 2354 + 54, [](D& d) { d.RogerBeep[1].Tone[14].Length = 0x0203; }, I16(0x0203)},
        {"RogerBeep(1).Recycle", 2354 + 56, [](D& d) { d.RogerBeep[1].Recycle = 0x0304; }, I16(0x0304)},
        {"RogerBeep(1).Interval", 2354 + 58, [](D& d) { d.RogerBeep[1].Interval = 0x0405; }, I16(0x0405)},
        {"RogerBeep(8).Interval", 2354 + 7 * 60 + 58, [](D& d) { d.RogerBeep[8].Interval = 0x0506; }, I16(0x0506)},
        {"RssiThreshold[0]", 2834, [](D& d) { d.RssiThreshold[0] = 0x0607; }, I16(0x0607)},
        {"RssiThreshold[11]", 2856, [](D& d) { d.RssiThreshold[11] = 35; }, I16(35)},
        {"KeyLock", 2858, [](D& d) { d.KeyLock = 0xC1; }, Bytes{0xC1}},
        {"EmgKind", 2859, [](D& d) { d.EmgKind = 0xC2; }, Bytes{0xC2}},
        {"SpareBytes(1)", 2860, [](D& d) { d.SpareBytes[1] = 0xC3; }, Bytes{0xC3}},
        {"SpareBytes(5)", 2864, [](D& d) { d.SpareBytes[5] = 0xC4; }, Bytes{0xC4}},
        {"FMEnable", 2865, [](D& d) { d.FMEnable = 0x0708; }, I16(0x0708)},
        {"AMEnable", 2867, [](D& d) { d.AMEnable = 0x0809; }, I16(0x0809)},
        {"USBEnable", 2869, [](D& d) { d.USBEnable = 0x090A; }, I16(0x090A)},
        {"LSBEnable", 2871, [](D& d) { d.LSBEnable = 0x0A0B; }, I16(0x0A0B)},
        {"CWEnable", 2873, [](D& d) { d.CWEnable = 0x0B0C; }, I16(0x0B0C)},
        {"PAEnable", 2875, [](D& d) { d.PAEnable = 0x0C0D; }, I16(0x0C0D)},
        {"BtDeviceName", 2877, [](D& d) { d.BtDeviceName = 0x0D0E; }, I16(0x0D0E)},
        {"TxColor", 2879, [](D& d) { d.TxColor = 0x0E0F; }, I16(0x0E0F)},
        {"SaveDisKind", 2881, [](D& d) { d.SaveDisKind = 0x0F10; }, I16(0x0F10)},
        {"SaveTime", 2883, [](D& d) { d.SaveTime = 0x1011; }, I16(0x1011)},
        {"ChVolKind", 2885, [](D& d) { d.ChVolKind = 0x1112; }, I16(0x1112)},
        {"VoxSpk", 2887, [](D& d) { d.VoxSpk = 0x1213; }, I16(0x1213)},
        {"VoxOnOff", 2889, [](D& d) { d.VoxOnOff = 0x1314; }, I16(0x1314)},
        {"DrcBeepWord", 2891, [](D& d) { d.DrcBeepWord = 128 + 5; }, I16(133)},
    };
    CheckFields<DocumentImage>(cases, &DocumentToBytes, &DocFrom);
}

TEST(RecordLayout, ShortInputIsRefusedNotOverread) {
    const Bytes doc = DocumentToBytes(DocumentImage{});
    EXPECT_THROW(DocumentFromBytes(doc.data(), 2892), std::runtime_error);
    const Bytes ch = ChannelToBytes(ChannelRecord{});
    EXPECT_THROW(ChannelFromBytes(ch.data(), 69), std::runtime_error);
}

TEST(RecordLayout, TablesRefuseIndicesOutsideTheirBounds) {
    ChannelTableType t;
    EXPECT_NO_THROW(t(2, 99, 17));
    EXPECT_THROW(t(3, 1, 1), std::out_of_range);
    EXPECT_THROW(t(0, 100, 1), std::out_of_range);
    EXPECT_THROW(t(0, 0, 1), std::out_of_range);
    EXPECT_THROW(t(0, 1, 18), std::out_of_range);
    MemChannelListType m;
    EXPECT_THROW(m(0), std::out_of_range);
    EXPECT_THROW(m(97), std::out_of_range);
    BandGroupTable<Integer> bg;
    EXPECT_THROW(bg(0, 0), std::out_of_range);
}

TEST(RecordLayout, ShortTextsArePaddedWithBlanksAndReadBackTrimmed) {
    GeneralSettingsRecord s;
    s.GroupName(0, 5) = "U";
    EXPECT_EQ(s.GroupName(0, 5).str(), "U ");
    EXPECT_EQ(TrimNull(s.GroupName(0, 5)), "U");

    ChannelRecord r;
    r.RxFreq = std::string("2696500\0", 8);  // the rest of a short text stays as stored
    const Bytes b = ChannelToBytes(r);
    EXPECT_EQ(b[6 + 7], 0);
    EXPECT_EQ(TrimNull(ChannelFromBytes(b.data(), b.size()).RxFreq), "2696500");
}
