#include <gtest/gtest.h>

#include "CodecFixture.h"
#include "link/ChangedBlockMap.h"
#include "link/ChannelCodec.h"
#include "link/ModComm.h"
#include "link/RadioImage.h"
#include "platform/CodePage.h"

using namespace ulbrix;
using codectest::ImageBytes;

namespace {

class RadioImageTest : public codectest::CodecTest {};

TEST_F(RadioImageTest, WalkVisits1872BlocksIn19RunsEndingAt0x22160) {
    int blocks = 0, runs = 0;
    std::int32_t a = -16, last = -1, previous = -32;
    for (;;) {
        a = NextValidAddress(a + 16);
        if (a >= static_cast<std::int32_t>(RadioAddressSpace)) break;
        if (a != previous + 16) ++runs;
        ++blocks;
        last = previous = a;
        ASSERT_TRUE(IsExchangedAddress(static_cast<std::uint32_t>(a)));
    }
    EXPECT_EQ(blocks, RadioBlockCount);
    EXPECT_EQ(runs, 19);
    EXPECT_EQ(last, 0x22160);
}

TEST_F(RadioImageTest, NextValidAddressJumpsHolesAndEnds) {
    struct Case { std::int32_t in, out; } cases[] = {
        {0x0000, 0x0000}, {0x0C70, 0x0C70}, {0x0C80, 0x2000}, {0x1FFF, 0x2000}, {0x16340, 0x16400},
        {0x16341, 0x16400}, {0x22090, 0x22100}, {0x22160, 0x22160}, {139617, 139776}, {0x22170, 139776},
    };
    for (const auto& c : cases) EXPECT_EQ(NextValidAddress(c.in), c.out) << std::hex << c.in;
}

TEST_F(RadioImageTest, ExchangedBytes) {
    EXPECT_TRUE(IsExchangedAddress(0x16141));   // HAM VFO present bit
    EXPECT_FALSE(IsExchangedAddress(0x16341));  // HAM VFO scan bit lies in a hole
    EXPECT_TRUE(IsExchangedAddress(0x2216F));
    EXPECT_FALSE(IsExchangedAddress(0x22170));
    EXPECT_FALSE(IsExchangedAddress(RadioAddressSpace));
}

TEST_F(RadioImageTest, ChannelSlotAddresses) {
    struct Case { int band, group, n; long address; } cases[] = {
        {0, 1, 1, 0x0000},    {0, 2, 1, 0x0280},    {0, 3, 41, 0x0780},   {0, 3, 80, 0x09F0},
        {0, 4, 1, 0x0A00},    {0, 7, 40, 0x2770},   {1, 1, 5, 0x4040},    {1, 6, 1, 0x6000},
        {1, 15, 40, 0x8C70},  {1, 16, 99, 0x12620}, {1, 17, 1, 0x12640},  {1, 17, 9, 0x12640},
        {2, 1, 12, 0xA0B0},   {2, 12, 40, 0xE9F0},  {2, 13, 1, 0x14000},  {2, 14, 0, 0x14640},
        {0, 1, 0, -1},        {0, 1, 41, -1},       {0, 3, 81, -1},       {0, 8, 1, -1},
        {1, 16, 100, -1},     {2, 15, 1, -1},       {3, 1, 1, -1},        {1, 1, -5, -1},
    };
    for (const auto& c : cases) {
        const auto a = ChannelSlotAddress(c.band, c.group, c.n);
        EXPECT_EQ(a ? static_cast<long>(*a) : -1L, c.address) << c.band << "/" << c.group << "/" << c.n;
    }
    EXPECT_EQ(MemorySlotAddress(1), 0x10000u);
    EXPECT_EQ(MemorySlotAddress(96), 0x105F0u);
    EXPECT_THROW(MemorySlotAddress(97), std::out_of_range);
}

TEST_F(RadioImageTest, BitmapBases) {
    struct Case { int band, group; std::uint32_t present, scan; int bits; } cases[] = {
        {0, 1, 0x16000, 0x16200, 40},  {0, 4, 0x1600F, 0x1620F, 40},  {1, 1, 0x16080, 0x16280, 40},
        {1, 16, 0x16410, 0x16440, 99}, {1, 17, 0x160D0, 0x162D0, 1},  {2, 1, 0x16100, 0x16300, 40},
        {2, 13, 0x16420, 0x16450, 99}, {2, 14, 0x16141, 0x16341, 1},
    };
    for (const auto& c : cases) {
        const auto bm = GroupBitmapsOf(c.band, c.group);
        ASSERT_TRUE(bm.has_value());
        EXPECT_EQ(bm->present, c.present);
        EXPECT_EQ(bm->scan, c.scan);
        EXPECT_EQ(bm->bits, c.bits);
    }
    EXPECT_FALSE(GroupBitmapsOf(0, 8).has_value());
    EXPECT_FALSE(GroupBitmapsOf(2, 15).has_value());
}

TEST_F(RadioImageTest, BitNumbering) {
    SetImageBit(0x16000, 0);
    SetImageBit(0x16000, 8);
    SetImageBit(0x16000, 39);  // channel 40: bit 7 of the fifth byte
    SetImageBit(0x16410, 98);  // channel 99 of a MEM group: bit 2 of the thirteenth byte
    EXPECT_EQ(ImageBytes(0x16000, 5), (std::vector<int>{0x01, 0x01, 0, 0, 0x80}));
    EXPECT_EQ(RadioImage[0x16410 + 12], 0x04);
    EXPECT_TRUE(ImageBit(0x16000, 39));
    EXPECT_FALSE(ImageBit(0x16000, 38));
}

TEST_F(RadioImageTest, PackedBcd) {
    EXPECT_EQ(DigitsToBcd("26965000"), (std::array<std::uint8_t, 4>{0x26, 0x96, 0x50, 0x00}));
    for (const char* bad : {"2696500", "269650000", "2696500A", "FFFFFFFF", "        "})
        EXPECT_FALSE(DigitsToBcd(bad).has_value()) << bad;
    codectest::Put(0x100, {0x26, 0x96, 0x50, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0x1A, 0, 0, 0});
    EXPECT_EQ(BcdToText(0x100), "26965000");
    EXPECT_EQ(BcdToText(0x104), "FFFFFFFF");
    EXPECT_TRUE(IsBcdFrequency(0x100));
    EXPECT_FALSE(IsBcdFrequency(0x104));
    EXPECT_FALSE(IsBcdFrequency(0x108));
}

TEST_F(RadioImageTest, AccessOutsideTheImageThrows) {
    EXPECT_THROW(ImageByte(RadioImageSize), std::out_of_range);
    EXPECT_THROW(SetImageByte(0xFFFFFFFFu, 1), std::out_of_range);
    EXPECT_NO_THROW(SetImageByte(RadioAddressSpace, 1));  // the spare last byte
    ClearImage();
    EXPECT_EQ(RadioImage[RadioAddressSpace], 0);
}

TEST_F(RadioImageTest, ChangedBlockMapMarksOnlyWhenSwitchedOn) {
    ClearBlockMap();
    MarkBlocksChanged(0x0C7F, 2);
    EXPECT_EQ(std::count(ChangedBlockMap.begin(), ChangedBlockMap.end(), 1), 0);

    BlockMarking = true;
    MarkBlocksChanged(0x0C7F, 2);          // straddles blocks 199 and 200
    MarkBlocksChanged(0x221F0, 0x100);     // clipped at the end of the map
    MarkBlocksChanged(-40, 20);            // nothing before the map
    MarkBlocksChanged(0x100, 0);           // nothing for an empty range
    BlockMarking = false;
    EXPECT_EQ(ChangedBlockMap[199], 1);
    EXPECT_EQ(ChangedBlockMap[200], 1);
    EXPECT_EQ(ChangedBlockMap[ChangedBlockCount - 1], 1);
    EXPECT_EQ(std::count(ChangedBlockMap.begin(), ChangedBlockMap.end(), 1), 3);
    Comm.CommAddress = 0x4000;
    ClearBlockMap();
    EXPECT_EQ(std::count(ChangedBlockMap.begin(), ChangedBlockMap.end(), 1), 0);
    EXPECT_EQ(Comm.CommAddress, -16);
    ResetCommState();

    // The codec asks for marks, but with marking off a pack leaves the map clear.
    codectest::Append(BandHF, 1, codectest::Channel(3, "28010000"));
    PackImage();
    EXPECT_NE(RadioImage[0x4020], 0);
    EXPECT_EQ(std::count(ChangedBlockMap.begin(), ChangedBlockMap.end(), 1), 0);
    UnpackImage();
    EXPECT_EQ(std::count(ChangedBlockMap.begin(), ChangedBlockMap.end(), 1), 0);
}

TEST(CodePage, LocaleChoosesTheCodePage) {
    EXPECT_EQ(platform::AnsiCodePageForLcid("407"), 1252);
    EXPECT_EQ(platform::AnsiCodePageForLcid("804"), 936);
    EXPECT_EQ(platform::AnsiCodePageForLcid("404"), 950);
    EXPECT_EQ(platform::AnsiCodePageForLcid("419"), 1251);
    EXPECT_EQ(platform::AnsiCodePageForLcid("zz"), 1252);
}

TEST(CodePage, ConvertsBothWaysAndReportsWhatHasNoForm) {
    bool ok = false;
    EXPECT_EQ(platform::ToCodePage(QString::fromUtf8("Ä€"), 1252, &ok), QByteArray("\xC4\x80"));
    EXPECT_TRUE(ok);
    EXPECT_EQ(platform::FromCodePage(QByteArray("\xC4\x80"), 1252, &ok), QString::fromUtf8("Ä€"));
    EXPECT_TRUE(ok);
    EXPECT_TRUE(platform::ToCodePage(QString::fromUtf8("中"), 1252, &ok).isEmpty());
    EXPECT_FALSE(ok);
    EXPECT_EQ(platform::FromCodePage(QByteArray("\xD6\xD0"), 936, &ok), QString::fromUtf8("中"));
    EXPECT_TRUE(ok);
    platform::FromCodePage(QByteArray("\xD6"), 936, &ok);  // a lead byte alone
    EXPECT_FALSE(ok);
    platform::ToCodePage(QStringLiteral("A"), 99999, &ok);  // no such code page
    EXPECT_FALSE(ok);
}

}  // namespace
