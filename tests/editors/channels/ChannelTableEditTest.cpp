// The grid commit: add, change, remove, the last-channel rule, and typing
// mistakes that never delete a channel.
#include "ChannelTestSupport.h"

#include "core/ModInitV.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/ChannelTableEdit.h"
#include "link/ImageValidation.h"

namespace channeltest {

class GridCommit : public ChannelLogicTest {};

TEST_F(GridCommit, TypingIntoEmptyRowsAppendsInTypingOrder) {
    WorkDocument.ChannelCount(BandHF, 2) = 0;
    // A slot with stale data from an earlier channel: none of it may survive.
    ChannelRecord& stale = ChannelTable(BandHF, 1, 2);
    stale.RxToneType = 2;
    stale.RxDcs = 17;
    stale.ANL = 1;
    stale.MemRefCh = 5;
    EXPECT_EQ(EditChannelCell(BandHF, 2, 7, 1, "28.5"), CellCommit::Added);
    const ChannelRecord& r = ChannelTable(BandHF, 1, 2);
    EXPECT_EQ(r.ChNo, 7);
    EXPECT_EQ(r.InUse, 1);
    EXPECT_EQ(r.ScanAdd, 1);
    EXPECT_EQ(r.NB, 1);
    EXPECT_EQ(r.Mode, 0);
    EXPECT_EQ(r.RxFreq.str(), "2850000 ");
    EXPECT_EQ(r.TxFreq.str(), "2850000 ");
    EXPECT_EQ(r.RxToneType, 0);
    EXPECT_EQ(r.RxDcs, 0);
    EXPECT_EQ(r.ANL, 0);
    EXPECT_EQ(r.MemRefCh, 0);
    // The group's unset references now name the new channel.
    EXPECT_EQ(WorkDocument.Settings.WorkChannel(BandHF, 2), 7);
    EXPECT_EQ(WorkDocument.Settings.GroupSetB(BandHF, 2, 1), 7);
    EditChannelCell(BandHF, 2, 5, 1, "28.6");
    EditChannelCell(BandHF, 2, 3, 1, "28.7");
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{7, 5, 3}));
}

TEST_F(GridCommit, ChangingAFrequencyKeepsTheTransmitFrequency) {
    Fill(BandHF, 2, {7, 5});
    EXPECT_EQ(EditChannelCell(BandHF, 2, 5, 1, "29.123456"), CellCommit::Changed);
    EXPECT_EQ(ChannelTable(BandHF, 2, 2).RxFreq.str(), "2912345 ");
    EXPECT_EQ(ChannelTable(BandHF, 2, 2).TxFreq.str(), "2810500 ");
    EXPECT_TRUE(msgs_.texts().isEmpty());
}

TEST_F(GridCommit, ATypingMistakeNeverDeletesAChannel) {
    Fill(BandHF, 2, {7, 5, 3});
    const std::vector<ChannelRecord> before(ChannelTable.v);
    for (const char* typo : {"31", "24.7", "2850", "."}) {
        msgs_.clear();
        EXPECT_EQ(EditChannelCell(BandHF, 2, 5, 1, typo), CellCommit::Rejected) << typo;
        EXPECT_EQ(msgs_.texts(), QStringList{"Frequency is out of range."});
    }
    EXPECT_EQ(ChannelTable.v, before);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 2), 3);
    // A rejected entry in an empty row adds nothing either.
    EXPECT_EQ(EditChannelCell(BandHF, 2, 9, 1, "99"), CellCommit::Rejected);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 2), 3);
}

TEST_F(GridCommit, ClearingACellRemovesTheChannelAndRepairsReferences) {
    Fill(BandHF, 2, {7, 5, 3});
    WorkDocument.Settings.WorkChannel(BandHF, 2) = 5;
    WorkDocument.Settings.GroupSetA(BandHF, 2, 1) = 3;
    EXPECT_EQ(EditChannelCell(BandHF, 2, 5, 1, ""), CellCommit::Removed);
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{7, 3}));
    EXPECT_TRUE(Packed(BandHF, 2));
    EXPECT_EQ(WorkDocument.Settings.WorkChannel(BandHF, 2), 7);
    EXPECT_EQ(WorkDocument.Settings.GroupSetA(BandHF, 2, 1), 3);
    // Clearing an empty row changes nothing.
    EXPECT_EQ(EditChannelCell(BandHF, 2, 20, 1, "  "), CellCommit::Unchanged);
}

TEST_F(GridCommit, WhatKeepsTheChannelStoresNothingAndAnEmptiedGroupStaysWritable) {
    InitDefaultDocument();  // HF groups 1..15 valid
    Fill(BandHF, 2, {7});
    ChannelTable(BandHF, 1, 2).RxFreq = "28015000";
    Fill(BandHF, 17, {1});
    const auto before = ChannelTable.v;
    int redrawn = 0;
    ChInfoLoaded = true;
    ReShowGridHook = [&](int row) { redrawn = row; };
    EXPECT_EQ(EditChannelCell(BandHF, 2, 7, 1, "28.01500"), CellCommit::Unchanged);
    EXPECT_EQ(EditChannelCell(BandHF, 17, 1, 1, ""), CellCommit::Unchanged);
    EXPECT_EQ(redrawn, 1);  // the VFO's frequency shows again
    EXPECT_EQ(ChannelTable.v, before);
    Fill(BandHF, 1, {1});
    EXPECT_EQ(EditChannelCell(BandHF, 2, 7, 1, ""), CellCommit::Removed);
    EXPECT_TRUE(ValidateDocumentForWrite().empty());
}

TEST_F(GridCommit, TheLastChannelGoesOnlyWhileAnotherValidGroupKeepsOne) {
    for (int g = 1; g <= 17; ++g) {
        WorkDocument.ChannelCount(BandHF, g) = 0;
        WorkDocument.Settings.GroupValid(BandHF, g) = 0;
    }
    Fill(BandHF, 2, {4});
    WorkDocument.Settings.GroupValid(BandHF, 2) = 1;
    // Only valid group with channels: refused silently, the redraw shows it again.
    int redrawn = 0;
    ChInfoLoaded = true;
    ReShowGridHook = [&](int row) { redrawn = row; };
    EXPECT_EQ(EditChannelCell(BandHF, 2, 4, 1, ""), CellCommit::Unchanged);
    EXPECT_EQ(redrawn, 4);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 2), 1);
    // Groups 10..17 do not count, nor does a valid group whose only channel is 40.
    Fill(BandHF, 12, {3});
    WorkDocument.Settings.GroupValid(BandHF, 12) = 1;
    Fill(BandHF, 3, {40});
    WorkDocument.Settings.GroupValid(BandHF, 3) = 1;
    EXPECT_EQ(EditChannelCell(BandHF, 2, 4, 1, ""), CellCommit::Unchanged);
    // A valid group 1..9 with channel 39: the channel goes and the group is switched off.
    Fill(BandHF, 3, {39});
    EXPECT_EQ(EditChannelCell(BandHF, 2, 4, 1, ""), CellCommit::Removed);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 2), 0);
    EXPECT_EQ(WorkDocument.Settings.GroupValid(BandHF, 2), 0);
    EXPECT_EQ(ChannelTable(BandHF, 1, 2).InUse, 0);
}

TEST_F(GridCommit, MemChannelsAreAlwaysRemovableAndLeaveGroupValidAlone) {
    for (int g = 1; g <= 14; ++g) WorkDocument.Settings.GroupValid(BandHAM, g) = 0;
    for (int g = 1; g <= 14; ++g) WorkDocument.ChannelCount(BandHAM, g) = 0;
    Fill(BandHAM, 13, {12, 50, 45});
    WorkDocument.Settings.GroupValid(BandHAM, 13) = 1;
    EXPECT_EQ(EditChannelCell(BandHAM, 13, 50, 1, ""), CellCommit::Removed);
    EXPECT_EQ(EditChannelCell(BandHAM, 13, 12, 1, ""), CellCommit::Removed);
    EXPECT_EQ(EditChannelCell(BandHAM, 13, 45, 1, ""), CellCommit::Removed);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHAM, 13), 0);
    EXPECT_EQ(WorkDocument.Settings.GroupValid(BandHAM, 13), 1);
    // Rows beyond the group's grid, CB and the number column are never edited.
    EXPECT_EQ(EditChannelCell(BandHAM, 2, 41, 1, "28.5"), CellCommit::Unchanged);
    EXPECT_EQ(EditChannelCell(BandHAM, 14, 2, 1, "28.5"), CellCommit::Unchanged);
    EXPECT_EQ(EditChannelCell(BandCB, 1, 2, 1, "27.0"), CellCommit::Unchanged);
    EXPECT_EQ(EditChannelCell(BandHAM, 2, 2, 0, "28.5"), CellCommit::Unchanged);
}

TEST_F(GridCommit, AddChannelRefusesAFullGroupAndRemovalFreesTheSlot) {
    Fill(BandHF, 17, {1});
    EXPECT_FALSE(AddChannel(1, BandHF, 17, "28.1"));
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 17), 1);
    EXPECT_FALSE(AddChannel(1, BandHF, 18, "28.1"));
    EXPECT_FALSE(RemoveChannel(2, BandHF, 17));
    EXPECT_TRUE(RemoveChannel(1, BandHF, 17));
    EXPECT_EQ(ChannelTable(BandHF, 1, 17), ChannelRecord{});
}

}  // namespace channeltest
