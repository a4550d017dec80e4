#include <gtest/gtest.h>

#include "CodecFixture.h"
#include "core/ModFun.h"
#include "link/ChannelCodec.h"

using namespace ulbrix;
using codectest::Append;
using codectest::ImageBytes;
using codectest::Channel;
using codectest::Put;

namespace {

class ChannelCodecTest : public codectest::CodecTest {};

TEST(HexPad, PadsTrimsAndMapsNoneToFFFFFFFF) {
    struct Case { std::string in; std::string out; } cases[] = {
        {"2696500", "26965000"},
        {"2696500 ", "26965000"},
        {"26965000", "26965000"},
        {"", "FFFFFFFF"},
        {"FFFFFFFF", "FFFFFFFF"},
        {"        ", "FFFFFFFF"},               // blanks mean no frequency
        {std::string(8, '\0'), "FFFFFFFF"},     // so do NULs
        {std::string("27\0xxxxx", 8), "27000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(HexPad(c.in, 8), c.out) << c.in;
}

TEST_F(ChannelCodecTest, SlotBytesOfARichChannel) {
    ChannelRecord r = Channel(1, "26965000");
    r.RxCtcss = 5;
    r.RxDcs = 17;
    r.TxCtcss = 37;
    r.TxDcs = 103;
    r.HiCut = 1;
    r.Echo = 1;
    r.NB = 0;
    r.ANL = 1;
    r.RepShift = 2;
    r.TxToneType = 2;
    r.RxToneType = 1;
    r.Public = 1;
    r.RogerBeep = 130;
    r.Mode = 5;
    PackChannel(r, 1, 1, BandCB);
    EXPECT_EQ(ImageBytes(0x0000, 16),
              (std::vector<int>{0x26, 0x96, 0x50, 0x00, 5, 17, 37, 103, 0x23, 2 + 8 + 16 + 64 + 128, 130, 5, 0, 0, 0, 0}));
}

TEST_F(ChannelCodecTest, FlagAndToneBytes) {
    struct Case {
        const char* what;
        void (*set)(ChannelRecord&);
        int byte8, byte9;
    } cases[] = {
        {"nothing", [](ChannelRecord& r) { r.NB = 0; }, 0x00, 0x00},
        {"NB 0, ANL 1", [](ChannelRecord& r) { r.NB = 0; r.ANL = 1; }, 0x20, 0x00},
        {"HiCut and Echo", [](ChannelRecord& r) { r.NB = 0; r.HiCut = 1; r.Echo = 1; }, 0x03, 0x00},
        {"Busy", [](ChannelRecord& r) { r.NB = 0; r.Busy = 1; }, 0x08, 0x00},
        {"Tx DCS", [](ChannelRecord& r) { r.NB = 0; r.TxToneType = 2; }, 0x00, 8 + 64},
        {"Rx CTCSS, REP-, Public", [](ChannelRecord& r) { r.NB = 0; r.RxToneType = 1; r.RepShift = 2; r.Public = 1; }, 0x00, 2 + 16 + 64 + 128},
        // A flag word other than 0/1 is still just one bit.
        {"flag words 2 and -1", [](ChannelRecord& r) { r.NB = 2; r.Add10K = -1; r.Public = 5; }, 0x10 | 0x04, 128},
    };
    for (const auto& c : cases) {
        ClearImage();
        ChannelRecord r = Channel(1, "27005000");
        c.set(r);
        PackChannel(r, 1, 1, BandHF);
        EXPECT_EQ(RadioImage[0x4008], c.byte8) << c.what;
        EXPECT_EQ(RadioImage[0x4009], c.byte9) << c.what;
    }
}

TEST_F(ChannelCodecTest, PresentAndScanBitsComeFromInUseAndScanAdd) {
    ChannelRecord a = Channel(1, "27005000");
    a.ScanAdd = 0;
    ChannelRecord b = Channel(9, "27015000");
    b.InUse = 0;
    PackChannel(a, 1, 2, BandHF);
    PackChannel(b, 9, 2, BandHF);
    EXPECT_EQ(ImageBytes(0x16085, 2), (std::vector<int>{0x01, 0x00}));  // present
    EXPECT_EQ(ImageBytes(0x16285, 2), (std::vector<int>{0x00, 0x01}));  // scan
}

TEST_F(ChannelCodecTest, NoneFrequenciesPackAsFF) {
    for (const std::string& f : {std::string("FFFFFFFF"), std::string(""), std::string("        "), std::string(8, '\0'),
                                 std::string("12A45678")}) {
        ClearImage();
        PackChannel(Channel(1, f), 1, 1, BandHF);
        EXPECT_EQ(ImageBytes(0x4000, 4), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF})) << f;
    }
}

TEST_F(ChannelCodecTest, ChannelsFillSlotsByNumberAndReadBackInOrder) {
    Append(BandHF, 3, Channel(12, "28120000"));
    Append(BandHF, 3, Channel(1, "28010000"));
    Append(BandHF, 3, Channel(5, "28050000"));
    PackImage();
    EXPECT_EQ(ImageBytes(0x4500, 4), (std::vector<int>{0x28, 0x01, 0x00, 0x00}));
    EXPECT_EQ(ImageBytes(0x4540, 4), (std::vector<int>{0x28, 0x05, 0x00, 0x00}));
    EXPECT_EQ(ImageBytes(0x45B0, 4), (std::vector<int>{0x28, 0x12, 0x00, 0x00}));

    UnpackImage();
    ASSERT_EQ(WorkDocument.ChannelCount(BandHF, 3), 3);
    EXPECT_EQ(ChannelTable(BandHF, 1, 3).ChNo, 1);
    EXPECT_EQ(ChannelTable(BandHF, 2, 3).ChNo, 5);
    EXPECT_EQ(ChannelTable(BandHF, 3, 3).ChNo, 12);
    EXPECT_EQ(TrimNull(ChannelTable(BandHF, 3, 3).RxFreq), "28120000");
}

TEST_F(ChannelCodecTest, DuplicateNumberLaterSlotWinsBitsOred) {
    ChannelRecord a = Channel(4, "28010000");
    a.ScanAdd = 0;
    ChannelRecord b = Channel(4, "28020000");
    b.InUse = 0;
    b.ScanAdd = 1;
    Append(BandHAM, 1, a);
    Append(BandHAM, 1, b);
    PackImage();
    EXPECT_EQ(ImageBytes(0xA030, 4), (std::vector<int>{0x28, 0x02, 0x00, 0x00}));
    EXPECT_EQ(RadioImage[0x16100], 0x08);
    EXPECT_EQ(RadioImage[0x16300], 0x08);
}

TEST_F(ChannelCodecTest, ABadNumberNeverWritesOutsideItsGroup) {
    // Channel 0 would land in the slot before the group; 41 in the next group.
    PackChannel(Channel(0, "28010000"), 0, 2, BandHF);
    PackChannel(Channel(41, "28010000"), 41, 2, BandHF);
    PackChannel(Channel(1, "28010000"), 1, 18, BandHF);
    PackChannel(Channel(1, "28010000"), 1, 8, BandCB);
    EXPECT_EQ(std::count(RadioImage.begin(), RadioImage.end(), 0), static_cast<long>(RadioImageSize));
}

TEST_F(ChannelCodecTest, VfoSlotIsFixedAndUsesBitZero) {
    ChannelRecord v = Channel(7, "28500000");
    PackChannel(v, 7, 17, BandHF);
    EXPECT_EQ(ImageBytes(0x12640, 4), (std::vector<int>{0x28, 0x50, 0x00, 0x00}));
    EXPECT_EQ(RadioImage[0x160D0], 0x01);
    EXPECT_EQ(RadioImage[0x162D0], 0x01);
    PackChannel(v, 7, 14, BandHAM);
    EXPECT_EQ(ImageBytes(0x14640, 4), (std::vector<int>{0x28, 0x50, 0x00, 0x00}));
    EXPECT_EQ(RadioImage[0x16141], 0x01);
    EXPECT_EQ(RadioImage[0x16341], 0x01);  // set, but lies in a hole of the walk
}

TEST_F(ChannelCodecTest, VfoIsReadWithoutItsPresentBitAndHamVfoScanIsLost) {
    Put(0x12640, {0x28, 0x50, 0, 0});
    Put(0x14640, {0x29, 0x10, 0, 0});
    RadioImage[0x162D0] = 1;  // HF VFO scan
    RadioImage[0x16341] = 0;  // HAM VFO scan never arrives from the radio
    UnpackImage();
    ASSERT_EQ(WorkDocument.ChannelCount(BandHF, 17), 1);
    ASSERT_EQ(WorkDocument.ChannelCount(BandHAM, 14), 1);
    EXPECT_EQ(ChannelTable(BandHF, 1, 17).ChNo, 1);
    EXPECT_EQ(ChannelTable(BandHF, 1, 17).ScanAdd, 1);
    EXPECT_EQ(ChannelTable(BandHAM, 1, 14).ScanAdd, 0);
}

TEST_F(ChannelCodecTest, CbPlan3SendsAll80SlotsButBitsFor40) {
    for (int n = 1; n <= 80; ++n) {
        std::string f = std::to_string(n * 100);
        Append(BandCB, 3, Channel(n, "27" + std::string(6 - f.size(), '0') + f));
    }
    PackImage();
    EXPECT_EQ(ImageBytes(0x0780, 4), (std::vector<int>{0x27, 0x00, 0x41, 0x00}));  // channel 41
    EXPECT_EQ(ImageBytes(0x1600A, 5), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(RadioImage[0x1600F], 0);  // plan 4's bitmap untouched
    EXPECT_EQ(RadioImage[0x1620F], 0);

    UnpackImage();
    ASSERT_EQ(WorkDocument.ChannelCount(BandCB, 3), 80);  // channels 41..80 are not dropped
    for (int n = 1; n <= 80; ++n) EXPECT_EQ(ChannelTable(BandCB, n, 3).ChNo, n);
    EXPECT_EQ(ChannelTable(BandCB, 41, 3).ScanAdd, 0);
    EXPECT_EQ(ChannelTable(BandCB, 40, 3).ScanAdd, 1);
    EXPECT_EQ(TrimNull(ChannelTable(BandCB, 80, 3).RxFreq), "27008000");
}

TEST_F(ChannelCodecTest, CbPlan3HighSlotsNeedARealFrequency) {
    Put(0x0780, {0, 0, 0, 0});           // 41: all zero
    Put(0x0790, {0xFF, 0xFF, 0xFF, 0xFF});  // 42: erased
    Put(0x07A0, {0x27, 0x0A, 0x00, 0x00});  // 43: not BCD
    Put(0x07B0, {0x27, 0x05, 0x50, 0x00});  // 44: a channel
    UnpackImage();
    ASSERT_EQ(WorkDocument.ChannelCount(BandCB, 3), 1);
    EXPECT_EQ(ChannelTable(BandCB, 1, 3).ChNo, 44);
}

TEST_F(ChannelCodecTest, ZeroFrequencyDropsAMemoryEntryButNotAChannel) {
    RadioImage[0x16000] = 0x01;
    RadioImage[0x16400] = 0x01;
    UnpackImage();
    EXPECT_EQ(WorkDocument.ChannelCount(BandCB, 1), 1);
    EXPECT_EQ(TrimNull(ChannelTable(BandCB, 1, 1).RxFreq), "00000000");
    EXPECT_EQ(MemChannelList(1).InUse, 0);
}

TEST_F(ChannelCodecTest, DroppedMemoryEntryTakesItsNumberAndTheRadioScanBit) {
    // Entries 1 and 2 are present with a zero and an erased frequency; entry 3
    // is present and valid. What the table held before must not decide the
    // scan bit that the next write sends for a dropped entry.
    RadioImage[0x16400] = 0x07;
    RadioImage[0x16430] = 0x01;  // entry 1 in the scan list, entry 2 not
    Put(0x10010, {0xFF, 0xFF, 0xFF, 0xFF});
    Put(0x10020, {0x27, 0x00, 0x50, 0x00});
    for (int i = 1; i <= 3; ++i) {
        MemChannelList(i).ChNo = 0;
        MemChannelList(i).ScanAdd = i == 1 ? 0 : 1;
    }
    UnpackImage();
    struct Case { int entry, inUse, scan; } cases[] = {{1, 0, 1}, {2, 0, 0}, {3, 1, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(MemChannelList(c.entry).InUse, c.inUse) << c.entry;
        EXPECT_EQ(MemChannelList(c.entry).ChNo, c.entry) << c.entry;
        EXPECT_EQ(MemChannelList(c.entry).ScanAdd, c.scan) << c.entry;
    }

    ClearImage();
    PackImage();
    EXPECT_EQ(RadioImage[0x16430], 0x01);
    EXPECT_EQ(RadioImage[0x16400], 0x04);
}

TEST_F(ChannelCodecTest, CbReadTakesScanFromTheScanBitmapAndFlagsBitByBit) {
    // CB plan 2, channels 1..3 present; scan bits for channels 2 and 4 only.
    RadioImage[0x16005] = 0x07;
    RadioImage[0x16205] = 0x0A;
    Put(0x0280, {0x26, 0x96, 0x50, 0x00, 0, 0, 0, 0, 0x20, 0, 0, 1});  // NB 0, ANL 1
    Put(0x0290, {0x26, 0x97, 0x50, 0x00, 0, 0, 0, 0, 0x1F, 0, 0, 1});
    Put(0x02A0, {0x26, 0x98, 0x50, 0x00});
    Put(0x02B0, {0x26, 0x99, 0x50, 0x00});  // scan bit but no present bit
    UnpackImage();
    ASSERT_EQ(WorkDocument.ChannelCount(BandCB, 2), 3);
    struct Case { int slot, scan, hiCut, echo, add10k, busy, nb, anl; } cases[] = {
        {1, 0, 0, 0, 0, 0, 0, 1},
        {2, 1, 1, 1, 1, 1, 1, 0},
        {3, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const ChannelRecord& r = ChannelTable(BandCB, c.slot, 2);
        EXPECT_EQ(r.ChNo, c.slot);
        EXPECT_EQ(r.ScanAdd, c.scan) << c.slot;
        EXPECT_EQ((std::vector<int>{r.HiCut, r.Echo, r.Add10K, r.Busy, r.NB, r.ANL}),
                  (std::vector<int>{c.hiCut, c.echo, c.add10k, c.busy, c.nb, c.anl}))
            << c.slot;
    }
}

TEST_F(ChannelCodecTest, MemoryReferencesTravelInTheirOwnBytes) {
    for (int i = 1; i <= 96; ++i) MemChannelList(i).MemRefCh = 255;
    MemChannelList(1).MemRefCh = 1;
    MemChannelList(64).MemRefCh = 7;
    MemChannelList(80).MemRefCh = 40;
    MemChannelList(80).MemRefBand = 1;
    MemChannelList(81).MemRefCh = 3;
    MemChannelList(96).MemRefCh = 0;  // names no channel: sent as no reference
    PackImage();
    EXPECT_EQ(RadioImage[0x10600], 0);
    EXPECT_EQ(RadioImage[0x1063F], 6);
    EXPECT_EQ(RadioImage[0x1064F], 39);
    EXPECT_EQ(RadioImage[0x1065F], 1);
    EXPECT_EQ(RadioImage[0x10660], 2);
    EXPECT_EQ(RadioImage[0x1066F], 0xFF);
    EXPECT_EQ(RadioImage[0x10601], 0xFF);

    UnpackImage();
    EXPECT_EQ(MemChannelList(1).MemRefCh, 1);
    EXPECT_EQ(MemChannelList(64).MemRefCh, 7);
    EXPECT_EQ(MemChannelList(80).MemRefCh, 40);
    EXPECT_EQ(MemChannelList(80).MemRefBand, 1);
    EXPECT_EQ(MemChannelList(81).MemRefCh, 3);
    EXPECT_EQ(MemChannelList(96).MemRefCh, 255);
}

TEST_F(ChannelCodecTest, CountsAboveTheGroupLimitArePackedOnlyUpToIt) {
    for (int n = 1; n <= 40; ++n) Append(BandHF, 1, Channel(n, "28000000"));
    WorkDocument.ChannelCount(BandHF, 1) = 120;  // from a damaged file
    EXPECT_NO_THROW(PackImage());
    EXPECT_EQ(RadioImage[0x4280], 0);  // group 2's first slot untouched
}

}  // namespace
