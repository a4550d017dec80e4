// Copy, Cut, Paste, Insert and Delete on packed groups: no channel lost past
// the count, across groups and bands.
#include "ChannelTestSupport.h"

#include <array>
#include <tuple>

#include "core/ModFreFile.h"
#include "core/ModInitV.h"
#include "core/ModMsg.h"
#include "editors/channels/ChannelListEdit.h"
#include "editors/channels/ChannelReferences.h"

namespace channeltest {

class ListEdits : public ChannelLogicTest {};

TEST_F(ListEdits, DeleteAndCutRemoveTheChannelOfTheRowNotTheSlot) {
    Fill(BandHAM, 4, {7, 5, 3});
    WorkDocument.Settings.WorkChannel(BandHAM, 4) = 3;
    // Row 3 is slot 3 by position but channel 3 by number: the number counts.
    EXPECT_TRUE(DeleteChannel(BandHAM, 4, 7).changed());
    EXPECT_EQ(Numbers(BandHAM, 4), (std::vector<int>{5, 3}));
    EXPECT_TRUE(Packed(BandHAM, 4));
    const ListEditResult cut = CutChannel(BandHAM, 4, 3);
    EXPECT_EQ(cut.firstRow, 3);
    EXPECT_EQ(Numbers(BandHAM, 4), (std::vector<int>{5}));
    EXPECT_TRUE(Packed(BandHAM, 4));
    EXPECT_TRUE(ChannelClipboardFull);
    EXPECT_EQ(ChannelClipboard.ChNo, 3);
    // The work channel that was cut now names a channel that exists.
    EXPECT_EQ(WorkDocument.Settings.WorkChannel(BandHAM, 4), 5);
    // A free row: nothing to remove, still redrawn.
    EXPECT_TRUE(DeleteChannel(BandHAM, 4, 20).changed());
    EXPECT_EQ(WorkDocument.ChannelCount(BandHAM, 4), 1);
}

TEST_F(ListEdits, PasteCarriesEveryAttributeUnderTheRowsNumber) {
    Fill(BandHF, 2, {5});
    ChannelRecord& src = ChannelTable(BandHF, 1, 2);
    src.Mode = 3;
    src.RxCtcss = 12;
    src.ANL = 1;
    CopyChannel(BandHF, 2, 5);
    Fill(BandHAM, 4, {9, 2});
    EXPECT_TRUE(PasteChannel(BandHAM, 4, 9).changed());  // over channel 9
    EXPECT_EQ(WorkDocument.ChannelCount(BandHAM, 4), 2);
    EXPECT_EQ(ChannelTable(BandHAM, 1, 4).ChNo, 9);
    EXPECT_EQ(ChannelTable(BandHAM, 1, 4).Mode, 3);
    EXPECT_EQ(ChannelTable(BandHAM, 1, 4).RxCtcss, 12);
    EXPECT_TRUE(PasteChannel(BandHAM, 4, 11).changed());  // into a free row
    EXPECT_EQ(Numbers(BandHAM, 4), (std::vector<int>{9, 2, 11}));
    EXPECT_TRUE(Packed(BandHAM, 4));
    // The group's own limits: HAM VFO takes row 1 only, a named group 40 rows.
    EXPECT_FALSE(PasteChannel(BandHAM, 14, 2).changed());
    WorkDocument.ChannelCount(BandHAM, 14) = 0;
    EXPECT_TRUE(PasteChannel(BandHAM, 14, 1).changed());
    EXPECT_FALSE(PasteChannel(BandHAM, 4, 41).changed());
    EXPECT_TRUE(msgs_.texts().isEmpty());
}

TEST_F(ListEdits, APasteOutsideTheTargetBandIsRefused) {
    Fill(BandHF, 2, {5});
    ChannelTable(BandHF, 1, 2).RxFreq = "2500000 ";  // 25 MHz: HF, not HAM
    CopyChannel(BandHF, 2, 5);
    Fill(BandHAM, 4, {9});
    const auto before = ChannelTable.v;
    EXPECT_FALSE(PasteChannel(BandHAM, 4, 3).changed());
    EXPECT_FALSE(InsertChannel(BandHAM, 4, 3).changed());
    EXPECT_EQ(msgs_.texts(), (QStringList{"Frequency is out of range.", "Frequency is out of range."}));
    EXPECT_EQ(ChannelTable.v, before);
    EXPECT_TRUE(PasteChannel(BandHF, 3, 3).changed());
}

TEST_F(ListEdits, EmptyOrFreeClipboardsPasteNothing) {
    Fill(BandHF, 2, {5});
    EXPECT_FALSE(PasteChannel(BandHF, 2, 6).changed());
    CopyChannel(BandHF, 2, 8);  // a free row
    EXPECT_TRUE(ChannelClipboardFull);
    EXPECT_EQ(ChannelClipboard.InUse, 0);
    EXPECT_FALSE(PasteChannel(BandHF, 2, 6).changed());
    // Cut in a VFO group leaves the clipboard as it was.
    Fill(BandHF, 2, {5});
    CopyChannel(BandHF, 2, 5);
    Fill(BandHF, 17, {1});
    EXPECT_FALSE(CutChannel(BandHF, 17, 1).changed());
    EXPECT_EQ(ChannelClipboard.ChNo, 5);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 17), 1);
    EXPECT_FALSE(DeleteChannel(BandHF, 17, 1).changed());
}

TEST_F(ListEdits, InsertShiftsNumbersUpAndRefusesWhenTheTopIsTaken) {
    Fill(BandHAM, 4, {1, 2, 3, 10});
    Fill(BandHF, 2, {20});
    CopyChannel(BandHF, 2, 20);
    const ListEditResult r = InsertChannel(BandHAM, 4, 2);
    EXPECT_EQ(r.firstRow, 2);
    EXPECT_EQ(r.lastRow, 40);
    EXPECT_EQ(Numbers(BandHAM, 4), (std::vector<int>{1, 3, 4, 11, 2}));
    EXPECT_TRUE(Packed(BandHAM, 4));
    // Channel 40 taken: no channel may be pushed off the end.
    Fill(BandHAM, 5, {40, 1});
    const auto before = ChannelTable.v;
    EXPECT_FALSE(InsertChannel(BandHAM, 5, 1).changed());
    EXPECT_EQ(ChannelTable.v, before);
    EXPECT_EQ(msgs_.texts(), QStringList{Tr(MsgInsertTopTaken)});
    // CB plan 3 reaches 80; the VFO group takes row 1 only while it is free.
    Fill(BandCB, 3, {79, 78});
    ChannelTable(BandCB, 2, 3).RxFreq = "2700500 ";
    CopyChannel(BandCB, 3, 78);
    EXPECT_TRUE(InsertChannel(BandCB, 3, 79).changed());
    EXPECT_EQ(Numbers(BandCB, 3), (std::vector<int>{80, 78, 79}));
    Fill(BandHF, 17, {1});
    EXPECT_FALSE(InsertChannel(BandHF, 17, 1).changed());
}

TEST_F(ListEdits, InsertWithAnEmptyClipboardLeavesTheRowFree) {
    Fill(BandHF, 16, {1, 2, 99});
    EXPECT_FALSE(InsertChannel(BandHF, 16, 1).changed());  // 99 taken
    Fill(BandHF, 16, {1, 2, 98});
    EXPECT_TRUE(InsertChannel(BandHF, 16, 1).changed());
    EXPECT_EQ(Numbers(BandHF, 16), (std::vector<int>{2, 3, 99}));
    EXPECT_TRUE(Packed(BandHF, 16));
}

TEST_F(ListEdits, NoSequenceLosesAChannelPastTheCount) {
    Fill(BandHAM, 6, {7, 5, 3, 12, 1});
    CopyChannel(BandHAM, 6, 12);
    const int ops[][2] = {{4, 5}, {2, 9}, {1, 3}, {3, 2}, {4, 1}, {1, 12}, {2, 12}, {3, 12}, {4, 7}, {2, 7}};
    for (const auto& op : ops) {
        switch (op[0]) {
            case 1: CutChannel(BandHAM, 6, op[1]); break;
            case 2: PasteChannel(BandHAM, 6, op[1]); break;
            case 3: InsertChannel(BandHAM, 6, op[1]); break;
            default: DeleteChannel(BandHAM, 6, op[1]); break;
        }
        ASSERT_TRUE(Packed(BandHAM, 6));
        std::vector<int> n = Numbers(BandHAM, 6);
        std::sort(n.begin(), n.end());
        ASSERT_TRUE(std::adjacent_find(n.begin(), n.end()) == n.end()) << "duplicate channel number";
        for (int k : n) ASSERT_TRUE(k >= 1 && k <= 40);
        const int w = WorkDocument.Settings.WorkChannel(BandHAM, 6);
        ASSERT_TRUE(n.empty() ? w == 1 : std::find(n.begin(), n.end(), w) != n.end());
    }
}

// The plans of a new document, from the shipped template.
class CbPlanEdits : public ChannelLogicTest {
protected:
    void SetUp() override {
        ChannelLogicTest::SetUp();
        App.BandRangeText = "24.7150 - 30.1050 MHz";
        LoadInitFileNew();
    }
    testsupport::RuntimeDir rt_;
};

TEST_F(CbPlanEdits, EveryPlansChannelsPasteBackAndItsFirstIsTheNewDocuments) {
    const int cases[][2] = {{1, 1}, {1, 40}, {2, 1}, {2, 40}, {3, 1}, {3, 41}, {3, 80}, {3, 50},
                            {4, 1}, {4, 40}, {5, 1}, {5, 40}, {6, 1}, {6, 40}, {7, 1}, {7, 30}, {7, 40}};
    for (const auto& [plan, row] : cases) {
        const FixedText<8> freq = ChannelTable(BandCB, FindChannelPos(row, BandCB, plan), plan).RxFreq;
        EXPECT_TRUE(CutChannel(BandCB, plan, row).changed());
        EXPECT_TRUE(PasteChannel(BandCB, plan, row).changed()) << plan << " " << row;
        EXPECT_EQ(ChannelTable(BandCB, FindChannelPos(row, BandCB, plan), plan).RxFreq, freq);
    }
    for (int plan = 1; plan <= 7; ++plan) {
        const ChannelRecord first = ChannelTable(BandCB, FindChannelPos(1, BandCB, plan), plan);
        WorkDocument.ChannelCount(BandCB, plan) = 0;
        ASSERT_TRUE(AddCbPlanChannel(plan, 1));
        EXPECT_EQ(ChannelTable(BandCB, 1, plan).RxFreq, first.RxFreq) << plan;
        EXPECT_EQ(ChannelTable(BandCB, 1, plan).Mode, first.Mode) << plan;
    }
    EXPECT_TRUE(msgs_.texts().isEmpty());
}

TEST_F(CbPlanEdits, AMemoryEntryIsFreedWhenItsChannelGoesAndFollowsAnInsert) {
    // Entries 1, 2: EU 12, 13; 65: UK 3 (in plan 5's block); 66: U 3.
    for (const auto& [entry, ch, plan] : {std::array{1, 12, 0}, {2, 13, 0}, {65, 3, 1}, {66, 3, 0}}) {
        ChannelRecord& e = MemChannelList(entry);
        std::tie(e.MemRefCh, e.MemRefBand, e.InUse) = std::tuple(ch, plan, 1);
    }
    auto ref = [](int entry) { return std::pair<int, int>(MemChannelList(entry).MemRefCh, MemChannelList(entry).InUse); };
    EXPECT_EQ(CutChannel(BandCB, 1, 12).lastRow, 56);  // the memory rows are redrawn
    EXPECT_EQ(ref(1), std::pair(255, 0));
    EXPECT_EQ(ref(2), std::pair(13, 1));
    PasteChannel(BandCB, 1, 12);
    EXPECT_EQ(ref(1), std::pair(12, 1));  // cut and pasted back: a move
    DeleteChannel(BandCB, 7, 40);
    EXPECT_TRUE(InsertChannel(BandCB, 7, 2).changed());
    EXPECT_EQ(ref(65), std::pair(4, 1));
    EXPECT_EQ(ref(66), std::pair(3, 1));
    DeleteChannel(BandCB, 7, 4);
    EXPECT_EQ(ref(65), std::pair(255, 0));
    EXPECT_EQ(ref(66), std::pair(3, 1));
}

TEST_F(CbPlanEdits, ACutAndAPasteInItsPlanMoveTheEntriesTheCutFreed) {
    auto give = [](int entry, int ch, int plan) {
        ChannelRecord& e = MemChannelList(entry);
        std::tie(e.MemRefCh, e.MemRefBand, e.InUse) = std::tuple(ch, plan, 1);
    };
    auto ref = [](int entry) { return std::pair<int, int>(MemChannelList(entry).MemRefCh, MemChannelList(entry).InUse); };
    give(2, 11, 0);  // EU M2
    CutChannel(BandCB, 1, 11);
    PasteChannel(BandCB, 2, 11);  // another plan's block
    EXPECT_EQ(ref(2), std::pair(255, 0));
    PasteChannel(BandCB, 1, 20);
    EXPECT_EQ(ref(2), std::pair(20, 1));
    MemChannelList(2).MemRefCh = 255, MemChannelList(2).InUse = 0;
    PasteChannel(BandCB, 1, 11);  // restored once only
    EXPECT_EQ(ref(2), std::pair(255, 0));
    // A later Delete or Copy forgets what the Cut freed; a Copy frees nothing.
    give(2, 11, 0);
    CutChannel(BandCB, 1, 11);
    DeleteChannel(BandCB, 1, 30);
    PasteChannel(BandCB, 1, 11);
    EXPECT_EQ(ref(2), std::pair(255, 0));
    give(2, 11, 0);
    CutChannel(BandCB, 1, 11);
    const auto before = MemChannelList.v;
    CopyChannel(BandCB, 1, 12);
    PasteChannel(BandCB, 1, 11);
    EXPECT_EQ(MemChannelList.v, before);
    // An entry given to something else meanwhile stays; Insert restores too.
    DeleteChannel(BandCB, 1, 40);  // room to insert
    give(2, 12, 0), give(3, 12, 0);
    CutChannel(BandCB, 1, 12);
    give(3, 5, 0);
    EXPECT_TRUE(InsertChannel(BandCB, 1, 8).changed());
    EXPECT_EQ(ref(2), std::pair(8, 1));
    EXPECT_EQ(ref(3), std::pair(5, 1));
    // Plans 5 and 7 share a block: the entry keeps its plan.
    give(65, 3, 1), give(66, 3, 0);
    CutChannel(BandCB, 7, 3);
    PasteChannel(BandCB, 5, 4);
    EXPECT_EQ(ref(65), std::pair(255, 0));
    PasteChannel(BandCB, 7, 3);
    EXPECT_EQ(ref(65), std::pair(3, 1));
    EXPECT_EQ(MemChannelList(65).MemRefBand, 1);
    EXPECT_EQ(ref(66), std::pair(3, 1));
    EXPECT_TRUE(msgs_.texts().isEmpty());
}

}  // namespace channeltest
