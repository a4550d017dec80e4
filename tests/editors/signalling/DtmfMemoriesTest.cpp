// Autodial memories: what a memory may hold and the clean-up of references.
#include <gtest/gtest.h>

#include "core/GlobalState.h"
#include "editors/settings/DtmfMemories.h"

using namespace ulbrix;

namespace {

class Dtmf_ : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
    static std::string raw(int n) { return WorkDocument.Settings.DtmfAutodial.at(static_cast<std::size_t>(n)).str(); }
};

}  // namespace

TEST_F(Dtmf_, TextsAreNormalisedToWhatTheRadioCanSend) {
    const std::pair<const char*, const char*> cases[] = {
        {"1a#*b9", "1A#*B9"},
        {"e+ 1 ,x-D", "1D"},
        {"12345678901234567", "1234567890123456"},
        {"cCdD\t\n", "CCDD"},
        {"１２", ""},  // full-width digits are not DTMF
        {"", ""},
    };
    for (auto [in, out] : cases) EXPECT_EQ(NormaliseDtmfText(QString::fromUtf8(in)), QString::fromUtf8(out)) << in;
}

TEST_F(Dtmf_, StoredAsTheTextAndANulUnlessFull) {
    EXPECT_TRUE(StoreDtmfMemory(3, "123"));
    EXPECT_EQ(raw(3), std::string("123") + '\0' + std::string(12, ' '));
    EXPECT_TRUE(StoreDtmfMemory(4, "1234567890ABCD*#9"));
    EXPECT_EQ(raw(4), "1234567890ABCD*#");
    EXPECT_TRUE(StoreDtmfMemory(5, "1x2"));
    EXPECT_EQ(DtmfMemoryText(5), "12");
    EXPECT_THROW(StoreDtmfMemory(0, "1"), std::out_of_range);
    EXPECT_THROW(StoreDtmfMemory(17, "1"), std::out_of_range);
    EXPECT_THROW(DtmfMemoryText(-1), std::out_of_range);
}

TEST_F(Dtmf_, AnUnchangedMemoryIsNotStoredAgain) {
    // Blanks with no NUL, as a data file may hold them: the same memory.
    WorkDocument.Settings.DtmfAutodial[6] = "12";
    const std::string before = raw(6);
    EXPECT_FALSE(StoreDtmfMemory(6, "12"));
    EXPECT_FALSE(StoreDtmfMemory(6, "1-2"));
    EXPECT_EQ(raw(6), before);
    EXPECT_TRUE(StoreDtmfMemory(6, ""));
    EXPECT_EQ(DtmfMemoryText(6), "");
}

TEST_F(Dtmf_, CleanUpResetsEveryReferenceToAnEmptyMemory) {
    StoreDtmfMemory(2, "55");
    StoreDtmfMemory(16, "*");
    auto refs = [](ChannelRecord& r, int bot, int eot, int call) {
        r.InUse = 1;
        r.DtmfBot = static_cast<Integer>(bot);
        r.DtmfEot = static_cast<Integer>(eot);
        r.DtmfCall = static_cast<Integer>(call);
    };
    // Inside and beyond a group's count, a CB memory entry, a damaged number.
    WorkDocument.ChannelCount(BandHF, 2) = 3;
    refs(ChannelTable(BandHF, 1, 2), 2, 3, 16);
    refs(ChannelTable(BandHF, 50, 2), 3, 2, 0);
    refs(ChannelTable(BandCB, 99, 17), 17, -1, 2);
    refs(MemChannelList(96), 3, 16, 4);
    refs(MemChannelList(1), 2, 2, 2);
    refs(ChannelTable(BandHAM, 7, 3), 3, 3, 3);
    ChannelTable(BandHAM, 7, 3).InUse = 0;  // an empty slot is left alone
    WorkDocument.Settings.CBPublic[PubBot] = 3;
    WorkDocument.Settings.HAMPublic[PubEot] = 16;
    WorkDocument.Settings.HFPublic[PubCall] = 7;
    WorkDocument.Settings.HFPublic[PubRoger] = 7;  // not a DTMF word

    EXPECT_TRUE(ClearStaleDtmfReferences());
    auto is = [](const ChannelRecord& r, int bot, int eot, int call) {
        return r.DtmfBot == bot && r.DtmfEot == eot && r.DtmfCall == call;
    };
    EXPECT_TRUE(is(ChannelTable(BandHF, 1, 2), 2, 0, 16));
    EXPECT_TRUE(is(ChannelTable(BandHF, 50, 2), 0, 2, 0));
    EXPECT_TRUE(is(ChannelTable(BandCB, 99, 17), 0, 0, 2));
    EXPECT_TRUE(is(MemChannelList(96), 0, 16, 0));
    EXPECT_TRUE(is(ChannelTable(BandHAM, 7, 3), 3, 3, 3));
    EXPECT_TRUE(is(MemChannelList(1), 2, 2, 2));
    EXPECT_EQ(WorkDocument.Settings.CBPublic[PubBot], 0);
    EXPECT_EQ(WorkDocument.Settings.HAMPublic[PubEot], 16);
    EXPECT_EQ(WorkDocument.Settings.HFPublic[PubCall], 0);
    EXPECT_EQ(WorkDocument.Settings.HFPublic[PubRoger], 7);
    EXPECT_FALSE(ClearStaleDtmfReferences());  // nothing left to do

    StoreDtmfMemory(2, "");
    EXPECT_TRUE(ClearStaleDtmfReferences());
    EXPECT_TRUE(is(MemChannelList(1), 0, 0, 0));
}
