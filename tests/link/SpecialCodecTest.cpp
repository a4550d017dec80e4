#include <gtest/gtest.h>

#include <limits>

#include "CodecFixture.h"
#include "link/SpecialCodec.h"

using namespace ulbrix;
using codectest::ImageBytes;
using codectest::Put;

namespace {

class SpecialCodecTest : public codectest::CodecTest {};

TEST_F(SpecialCodecTest, EmergencyWordsByAddress) {
    auto& w = WorkDocument.Emergency.w;
    for (std::size_t k = 0; k < w.size(); ++k) w[k] = static_cast<Integer>(100 + k);
    w[32] = 5;  // HAM first channel
    w[26] = 9;  // HF first channel
    PackEmergencyChannels();
    struct Case { std::uint32_t address; int word; } cases[] = {
        {0x18040, 0},  {0x18041, 6},  {0x18042, 1},  {0x1804A, 5},  {0x1804B, 11}, {0x1804C, 12},
        {0x1804D, 18}, {0x18056, 17}, {0x18057, 23}, {0x18058, 24}, {0x18059, 25}, {0x1805A, 26},
        {0x1805C, 28}, {0x1805E, 30}, {0x18060, 32}, {0x18063, 35},
    };
    for (const auto& c : cases) EXPECT_EQ(RadioImage[c.address], w[static_cast<std::size_t>(c.word)]) << std::hex << c.address;
    EXPECT_EQ(RadioImage[0x18060], 5);
    EXPECT_EQ(RadioImage[0x1805A], 9);
    EXPECT_EQ(RadioImage[0x18064], 0);
}

TEST_F(SpecialCodecTest, EmergencyChannelsReadBackUnchanged) {
    auto& w = WorkDocument.Emergency.w;
    w = {};
    w[32] = 5;
    w[26] = 9;
    w[24] = 14;
    w[31] = 11;
    w[7] = 79;  // second channel of the 80-channel plan
    const auto before = w;
    PackEmergencyChannels();
    w.fill(1);
    UnpackEmergencyChannels();
    EXPECT_EQ(w, before);
}

TEST_F(SpecialCodecTest, MemChannelSetStatesComeFirst) {
    auto& m = WorkDocument.MemChannelSet.w;
    for (int r = 0; r < 6; ++r) {
        m[static_cast<std::size_t>(r)] = static_cast<Integer>(10 + r);
        m[static_cast<std::size_t>(6 + r)] = 1;
    }
    m[12] = 33;
    m[13] = 1;
    m[14] = 44;
    m[15] = 0;
    PackMemChannels();
    EXPECT_EQ(ImageBytes(0x180C0, 16), (std::vector<int>{1, 1, 1, 1, 1, 1, 10, 11, 12, 13, 14, 15, 1, 33, 0, 44}));
}

TEST_F(SpecialCodecTest, OutOfRangeGroupsReadAsZero) {
    struct Case { std::uint32_t address; int byte; std::size_t word; Integer expected; bool dualWatch; } cases[] = {
        {0x1808C, 14, 12, 14, true},  {0x1808C, 15, 12, 0, true},   {0x1808F, 11, 15, 11, true},
        {0x1808F, 12, 15, 0, true},   {0x18058, 15, 24, 0, false},  {0x18059, 255, 25, 0, false},
        {0x1805E, 11, 30, 11, false}, {0x1805F, 12, 31, 0, false},  {0x1805A, 255, 26, 255, false},
    };
    for (const auto& c : cases) {
        ClearImage();
        RadioImage[c.address] = static_cast<std::uint8_t>(c.byte);
        if (c.dualWatch) {
            UnpackDualWatch();
            EXPECT_EQ(WorkDocument.DualWatch.w[c.word], c.expected) << std::hex << c.address;
        } else {
            UnpackEmergencyChannels();
            EXPECT_EQ(WorkDocument.Emergency.w[c.word], c.expected) << std::hex << c.address;
        }
    }
}

TEST_F(SpecialCodecTest, RogerBeepPatternLayout) {
    auto& p = WorkDocument.RogerBeep;
    p[2].Recycle = 3;
    p[2].Interval = 20;
    p[2].Tone[1] = {100, 15};
    p[2].Tone[14] = {255, 1};
    p[8].Recycle = 10;
    PackRogerBeeps(p);
    const std::uint32_t b = 0x20120;
    EXPECT_EQ(ImageBytes(b, 3), (std::vector<int>{0x03, 0x14, 0x64}));
    EXPECT_EQ(RadioImage[b + 16], 0x0F);
    EXPECT_EQ(RadioImage[b + 15], 255);
    EXPECT_EQ(RadioImage[b + 29], 1);
    EXPECT_EQ(ImageBytes(b + 30, 2), (std::vector<int>{0, 0}));
    EXPECT_EQ(RadioImage[0x201E0], 10);

    const auto before = p;
    for (auto& x : p) x = RogerBeepPattern{};
    UnpackRogerBeeps(p);
    EXPECT_EQ(p, before);
}

TEST_F(SpecialCodecTest, WeatherChannelEntries) {
    auto& s = WorkDocument.Settings;
    s.WeatherChannel[0] = {1, 162.55, 0, 1, 1};
    s.WeatherChannel[9] = {1, 136.0, 1, 0, 0};
    s.WeatherChannel[40] = {1, 173.99999, 0, 1, 1};
    s.WeatherChannel[3] = {0, 150.0, 0, 1, 1};  // not in use: only its scan bit is sent
    s.Weather.w = {1, 9, 0, 1, 0, 8, 9};
    PackWxChannels();
    EXPECT_EQ(ImageBytes(0x1C000, 5), (std::vector<int>{0x16, 0x25, 0x50, 0x00, 0x01}));
    EXPECT_EQ(ImageBytes(0x1C048, 5), (std::vector<int>{0x13, 0x60, 0x00, 0x00, 0x00}));
    EXPECT_EQ(ImageBytes(0x1C180, 5), (std::vector<int>{0x17, 0x39, 0x99, 0x99, 0x01}));
    EXPECT_EQ(ImageBytes(0x1C018, 5), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(ImageBytes(0x2206C, 6), (std::vector<int>{0x01, 0x02, 0, 0, 0, 0x01}));
    EXPECT_EQ(ImageBytes(0x22064, 6), (std::vector<int>{0x09, 0, 0, 0, 0, 0x01}));
    EXPECT_EQ(ImageBytes(0x22060, 4), (std::vector<int>{1, 9, 0, 1}));
    EXPECT_EQ(ImageBytes(0x22074, 3), (std::vector<int>{0, 8, 9}));

    s.WeatherChannel = {};
    s.Weather.w = {};
    UnpackWxChannels();
    EXPECT_DOUBLE_EQ(s.WeatherChannel[0].FreqMHz, 162.55);
    EXPECT_EQ(s.WeatherChannel[0].Wide, 1);
    EXPECT_EQ(s.WeatherChannel[0].ScanAdd, 1);
    EXPECT_EQ(s.WeatherChannel[9].InUse, 1);
    EXPECT_DOUBLE_EQ(s.WeatherChannel[9].FreqMHz, 136.0);
    EXPECT_EQ(s.WeatherChannel[9].OnOff, 0);  // never carried
    EXPECT_EQ(s.WeatherChannel[3].InUse, 0);
    EXPECT_EQ(s.WeatherChannel[3].ScanAdd, 1);
    EXPECT_DOUBLE_EQ(s.WeatherChannel[40].FreqMHz, 173.99999);
    EXPECT_EQ(s.Weather.w, (std::array<Integer, 7>{1, 9, 0, 1, 0, 8, 9}));
}

TEST_F(SpecialCodecTest, WeatherEntriesThatAreNotFrequencies) {
    auto& s = WorkDocument.Settings;
    s.WeatherChannel[1] = {1, 140.0, 0, 0, 0};
    RadioImage[0x2206C] = 0x03;
    Put(0x1C000, {0xFF, 0xFF, 0xFF, 0xFF, 0x03});  // erased, in-use bit set
    Put(0x1C008, {0x14, 0x50, 0x00, 0x00, 0x03});  // width 3 reads as wide
    Put(0x1C180, {0x16, 0x20, 0x00, 0x00, 0x00});  // VFO: in use whatever its bits
    s.WeatherChannel[40].ScanAdd = 1;
    UnpackWxChannels();
    EXPECT_EQ(s.WeatherChannel[0].InUse, 0);
    EXPECT_EQ(s.WeatherChannel[1].InUse, 1);
    EXPECT_EQ(s.WeatherChannel[1].Wide, 1);
    EXPECT_EQ(s.WeatherChannel[40].InUse, 1);
    EXPECT_DOUBLE_EQ(s.WeatherChannel[40].FreqMHz, 162.0);
    EXPECT_EQ(s.WeatherChannel[40].ScanAdd, 1);  // its bits are not read

    ClearImage();
    Put(0x1C180, {0x16, 0x2A, 0x00, 0x00});
    UnpackWxChannels();
    EXPECT_EQ(s.WeatherChannel[40].InUse, 0);
}

TEST_F(SpecialCodecTest, WeatherCurrentChannelNeverPointsPastTheTable) {
    auto& w = WorkDocument.Settings.Weather.w;
    w[1] = 12;
    RadioImage[0x22061] = 0xFF;
    UnpackWxChannels();
    EXPECT_EQ(w[1], 12);
    w[1] = 99;
    UnpackWxChannels();
    EXPECT_EQ(w[1], 0);
    RadioImage[0x22061] = 40;
    UnpackWxChannels();
    EXPECT_EQ(w[1], 40);
}

TEST(WeatherDigits, RoundsToTenHertzAndRefusesWhatHasNoForm) {
    struct Case { double mhz; bool ok; const char* digits; } cases[] = {
        {162.55, true, "16255000"}, {136.000004, true, "13600000"}, {136.000006, true, "13600001"},
        {0.0, true, "00000000"},    {999.99999, true, "99999999"},  {1000.0, false, ""},
        {-1.0, false, ""},
    };
    for (const auto& c : cases) {
        std::string d;
        EXPECT_EQ(WeatherFrequencyDigits(c.mhz, d), c.ok) << c.mhz;
        if (c.ok) {
            EXPECT_EQ(d, c.digits) << c.mhz;
        }
    }
    std::string d;
    EXPECT_FALSE(WeatherFrequencyDigits(std::numeric_limits<double>::quiet_NaN(), d));
}

}  // namespace
