// The control maps of the three special-channel dialogs and the list rules
// they share: every word reached once, ghost slots never listed, the load
// rule that replaces values no list offers.
#include <gtest/gtest.h>

#include <set>

#include "core/GlobalState.h"
#include "editors/channels/SpecialChannelMaps.h"

using namespace ulbrix;

namespace {

void UseSlots(int band, int group, std::initializer_list<int> used, int count) {
    for (int s : used) ChannelTable(band, s, group).InUse = 1;
    WorkDocument.ChannelCount(band, group) = static_cast<Integer>(count);
}

class SpecialMaps : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
};

}  // namespace

TEST_F(SpecialMaps, EveryWordHasExactlyOneListAndEveryListOneWord) {
    for (const SpecialDialogMap* map : {&EmergencyDialogMap(), &DualWatchDialogMap(), &MemChannelDialogMap()}) {
        SCOPED_TRACE(map->formName);
        DocumentImage doc;
        EXPECT_EQ(static_cast<int>(map->record(doc).size()), map->wordCount);
        std::set<int> words, combos, labels;
        int previous = -1;
        for (const SpecialControl& c : map->controls) {
            EXPECT_TRUE(words.insert(c.word).second) << "word " << c.word << " shared";
            EXPECT_TRUE(combos.insert(c.combo).second);
            EXPECT_TRUE(labels.insert(c.label).second);
            EXPECT_GT(c.combo, previous) << "lists are shown in index order";
            previous = c.combo;
            EXPECT_GE(c.word, 0);
            EXPECT_LT(c.word, map->wordCount);
            if (c.groupCombo >= 0) {
                // the group list comes first, lies in the same frame and names the same band
                const SpecialControl* g = FindSpecialControl(*map, c.groupCombo);
                ASSERT_NE(g, nullptr);
                EXPECT_EQ(g->list, SpecialList::Groups);
                EXPECT_EQ(g->band, c.band);
                EXPECT_EQ(g->frame, c.frame);
                EXPECT_LT(g->combo, c.combo);
                EXPECT_EQ(ChannelListFollowing(*map, g->combo), &c);
            }
        }
        EXPECT_EQ(static_cast<int>(words.size()), map->wordCount);
        EXPECT_EQ(map->clearsUnreferencedMemory, map == &MemChannelDialogMap());
    }
    // The emergency dialog leaves 24..27 without a list.
    EXPECT_EQ(FindSpecialControl(EmergencyDialogMap(), 24), nullptr);
}

TEST_F(SpecialMaps, ChannelListsHoldOnlySlotsInUseWithinTheCount) {
    UseSlots(BandHF, 2, {1, 2, 5}, 5);
    ChannelTable(BandHF, 9, 2).InUse = 1;  // behind the count: a ghost
    EXPECT_EQ(UsedChannelItems(BandHF, 2), QStringList({"1", "2", "5"}));
    WorkDocument.ChannelCount(BandHF, 2) = 0;
    EXPECT_TRUE(UsedChannelItems(BandHF, 2).isEmpty());
    // A count past the group's limit is cut at the limit.
    UseSlots(BandCB, 3, {80}, 500);
    ChannelTable(BandCB, 81, 3).InUse = 1;
    EXPECT_EQ(UsedChannelItems(BandCB, 3), QStringList({"80"}));
    UseSlots(BandHF, 16, {99}, 99);
    EXPECT_EQ(UsedChannelItems(BandHF, 16), QStringList({"99"}));
    // Bad band or group: nothing, no throw.
    EXPECT_TRUE(UsedChannelItems(3, 1).isEmpty());
    EXPECT_TRUE(UsedChannelItems(BandHF, 0).isEmpty());
    EXPECT_TRUE(UsedChannelItems(BandHAM, 15).isEmpty());
    EXPECT_TRUE(UsedChannelItems(BandHF, -4).isEmpty());
}

TEST_F(SpecialMaps, MemoryListsReadTheirPlansBlock) {
    MemChannelList(17).InUse = 1;  // PL entry 1
    MemChannelList(32).InUse = 1;  // PL entry 16
    MemChannelList(65).InUse = 1;  // U/UK
    MemChannelList(96).InUse = 1;  // IN
    EXPECT_EQ(UsedMemEntryItems(1), QStringList({"1", "16"}));
    EXPECT_EQ(UsedMemEntryItems(4), QStringList({"1"}));
    EXPECT_EQ(UsedMemEntryItems(5), QStringList({"16"}));
    EXPECT_TRUE(UsedMemEntryItems(0).isEmpty());
    EXPECT_TRUE(UsedMemEntryItems(6).isEmpty());
    MemChannelList(17).MemRefCh = 255;
    MemChannelList(32).MemRefCh = 3;
    ClearUnreferencedMemEntries();
    EXPECT_EQ(UsedMemEntryItems(1), QStringList({"16"}));
}

TEST_F(SpecialMaps, ShowingReplacesWhatTheListDoesNotOffer) {
    const SpecialDialogMap& e = EmergencyDialogMap();
    const SpecialControl& channel = *FindSpecialControl(e, 29);
    const SpecialControl& mode = *FindSpecialControl(e, 30);
    const QStringList items{"3", "7", "80"};
    EXPECT_EQ(ShowSpecialValue(channel, items, 6).index, 1);    // stored 6 is channel 7
    EXPECT_EQ(ShowSpecialValue(channel, items, 6).value, 6);
    EXPECT_EQ(ShowSpecialValue(channel, items, 79).index, 2);
    EXPECT_EQ(ShowSpecialValue(channel, items, 0).index, 0);    // not listed: the first channel
    EXPECT_EQ(ShowSpecialValue(channel, items, 0).value, 2);
    EXPECT_EQ(ShowSpecialValue(channel, items, -32768).value, 2);
    EXPECT_EQ(ShowSpecialValue(channel, {}, 12).index, -1);     // empty list keeps the value
    EXPECT_EQ(ShowSpecialValue(channel, {}, 12).value, 12);
    const QStringList modes = SpecialItems(mode);
    EXPECT_EQ(modes.at(4), "CW");
    EXPECT_EQ(ShowSpecialValue(mode, modes, 4).value, 4);
    EXPECT_EQ(ShowSpecialValue(mode, modes, 7).value, 0);
    EXPECT_EQ(ShowSpecialValue(mode, modes, -1).value, 0);
    const SpecialControl& state = *FindSpecialControl(MemChannelDialogMap(), 13);
    EXPECT_EQ(ShowSpecialValue(state, SpecialItems(state), 2).value, 0);
}

TEST_F(SpecialMaps, PicksStoreNumberMinusOneOrIndexAndCheckTheIndex) {
    const SpecialControl& channel = *FindSpecialControl(EmergencyDialogMap(), 10);  // DE
    const SpecialControl& group = *FindSpecialControl(EmergencyDialogMap(), 28);
    EXPECT_EQ(PickSpecialValue(channel, {"1", "80"}, 0).value, 0);
    EXPECT_EQ(PickSpecialValue(channel, {"1", "80"}, 1).value, 79);
    EXPECT_FALSE(PickSpecialValue(channel, {"1", "80"}, 2).ok);
    EXPECT_FALSE(PickSpecialValue(channel, {"1", "80"}, -1).ok);
    EXPECT_FALSE(PickSpecialValue(channel, {"x"}, 0).ok);
    EXPECT_EQ(PickSpecialValue(group, {"A", "B", "C"}, 2).value, 2);
    EXPECT_FALSE(PickSpecialValue(group, {"A"}, 1).ok);
}

TEST_F(SpecialMaps, AGroupPickListsTheNewGroupAndKeepsAListedChannel) {
    UseSlots(BandHF, 1, {1, 2, 3}, 3);
    UseSlots(BandHF, 4, {2, 6}, 6);
    const SpecialDialogMap& e = EmergencyDialogMap();
    const SpecialControl* channel = ChannelListFollowing(e, 28);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->combo, 29);
    // Stored channel 3 exists only in group 1: group 4 shows its first channel.
    QStringList items = SpecialItems(*channel, 4);
    EXPECT_EQ(items, QStringList({"2", "6"}));
    EXPECT_EQ(ShowSpecialValue(*channel, items, 2).value, 1);
    // Stored channel 2 exists in both: kept.
    EXPECT_EQ(ShowSpecialValue(*channel, items, 1).value, 1);
    EXPECT_EQ(ShowSpecialValue(*channel, items, 1).index, 0);
    EXPECT_TRUE(SpecialItems(*channel, 0).isEmpty());
}
