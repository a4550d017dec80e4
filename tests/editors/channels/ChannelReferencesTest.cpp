// Channel references and the valid-channel lists.
#include "ChannelTestSupport.h"

#include "editors/channels/ChannelReferences.h"

namespace channeltest {

class References : public ChannelLogicTest {};

TEST_F(References, ListsHoldTheNumberedChannelsSortedByNumber) {
    Fill(BandHF, 4, {12, 3, 40, 7});
    EXPECT_EQ(FillChannelCombo(BandHF, 4), (QStringList{"3", "7", "12", "40"}));
    Fill(BandHF, 4, {41, 55});
    EXPECT_TRUE(FillChannelCombo(BandHF, 4).isEmpty());
    EXPECT_EQ(FillChannelCombo(BandHF, 4, 1), (QStringList{"M1", "M15"}));
    // Showing a list stores nothing, not even the VFO groups' counts.
    WorkDocument.ChannelCount(BandHF, 17) = 0;
    FillChannelCombo(BandHF, 17);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 17), 0);
}

TEST_F(References, AStaleReferenceFallsBackToAChannelOfItsKind) {
    Fill(BandHF, 4, {7, 5, 3});
    EXPECT_EQ(ValidChannelOr(BandHF, 4, 5), 5);
    EXPECT_EQ(ValidChannelOr(BandHF, 4, 9), 7);
    EXPECT_EQ(ValidChannelOr(BandHF, 4, 0), 7);
    EXPECT_EQ(ValidChannelOr(BandHF, 4, 45), 0);
    Fill(BandHF, 16, {12, 50, 45});
    EXPECT_EQ(ValidChannelOr(BandHF, 16, 45), 45);
    EXPECT_EQ(ValidChannelOr(BandHF, 16, 46), 50);
    WorkDocument.ChannelCount(BandHF, 5) = 0;
    EXPECT_EQ(ValidChannelOr(BandHF, 5, 3), 0);
    // Stale data past the count is never a channel.
    Fill(BandHF, 6, {8, 9});
    WorkDocument.ChannelCount(BandHF, 6) = 1;
    EXPECT_EQ(ValidChannelOr(BandHF, 6, 9), 8);
    EXPECT_EQ(CountGroupChannels(BandHF, 6), 1);
    EXPECT_EQ(CountChannelsOfKind(BandHF, 16, 44), 2);
}

TEST_F(References, RevalidationRewritesTheFiveReferencesOnly) {
    Fill(BandHAM, 3, {7, 5, 3});
    auto& s = WorkDocument.Settings;
    s.GroupSetA(BandHAM, 3, 0) = 5;
    s.GroupSetA(BandHAM, 3, 1) = 9;
    s.WorkChannel(BandHAM, 3) = 0;
    s.GroupSetB(BandHAM, 3, 0) = 45;
    s.GroupSetB(BandHAM, 3, 1) = 3;
    s.WorkChannel(BandHAM, 4) = 33;  // another group: untouched
    const auto tableBefore = ChannelTable.v;
    RevalidateChannelRefs(BandHAM, 3);
    EXPECT_EQ(s.GroupSetA(BandHAM, 3, 0), 5);
    EXPECT_EQ(s.GroupSetA(BandHAM, 3, 1), 7);
    EXPECT_EQ(s.WorkChannel(BandHAM, 3), 7);
    EXPECT_EQ(s.GroupSetB(BandHAM, 3, 0), 0);
    EXPECT_EQ(s.GroupSetB(BandHAM, 3, 1), 3);
    EXPECT_EQ(s.WorkChannel(BandHAM, 4), 33);
    EXPECT_EQ(ChannelTable.v, tableBefore);
}

TEST_F(References, AutodialMemoriesCountOnlyWhenTheyHoldACode) {
    auto& s = WorkDocument.Settings;
    for (int n = 1; n <= 16; ++n) s.DtmfAutodial[static_cast<std::size_t>(n)] = "";
    s.DtmfAutodial[3] = "123";
    s.DtmfAutodial[4] = "    ";
    EXPECT_EQ(ValidDTMFIndex(3), 3);
    EXPECT_EQ(ValidDTMFIndex(4), 0);
    for (int n : {0, -1, 17, 300}) {
        EXPECT_EQ(ValidDTMFIndex(n), 0);
        EXPECT_FALSE(DTMFCodeExists(n));
    }
    EXPECT_EQ(s.DtmfAutodial[4].str(), "                ");  // a test reads, never writes
}

TEST(ChannelNames, NumbersAndMemoryNamesConvertBothWays) {
    EXPECT_EQ(GetCHName(40), "40");
    EXPECT_EQ(GetCHName(41), "M1");
    EXPECT_EQ(GetCHID("M16"), 56);
    EXPECT_EQ(GetCHID("12"), 12);
    EXPECT_EQ(GetCHID("x"), 0);
    EXPECT_EQ(GetCHID("Mx"), 0);
}

}  // namespace channeltest
