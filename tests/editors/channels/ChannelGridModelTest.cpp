// The grid of a band and group, and the record behind a row.
#include "ChannelTestSupport.h"

#include "editors/channels/ChannelAttributes.h"
#include "editors/channels/ChannelGridModel.h"

namespace channeltest {

class GridModel : public ChannelLogicTest {};

TEST_F(GridModel, RowsAndLabelsFollowBandAndGroup) {
    GridLayout cb3 = GridLayoutOf(BandCB, 3);
    EXPECT_EQ(cb3.rows, 97);
    EXPECT_EQ(cb3.labels.at(79), "80");
    EXPECT_EQ(cb3.labels.at(80), "M1");
    EXPECT_EQ(cb3.frequencyWidthTw, 1520);
    GridLayout cb1 = GridLayoutOf(BandCB, 1);
    EXPECT_EQ(cb1.rows, 57);
    EXPECT_EQ(cb1.labels.at(40), "M1");
    EXPECT_EQ(GridLayoutOf(BandHF, 16).labels.at(98), "M99");
    EXPECT_EQ(GridLayoutOf(BandHF, 17).rows, 2);
    EXPECT_EQ(GridLayoutOf(BandHAM, 13).rows, 100);
    EXPECT_EQ(GridLayoutOf(BandHAM, 2).rows, 41);
    EXPECT_EQ(GridLayoutOf(BandHAM, 2).frequencyWidthTw, 1260);
    EXPECT_EQ(GridLayoutOf(BandHAM, 15).rows, 1);  // no such group: header only
}

TEST_F(GridModel, CbMemoryRowsFollowTheShownPlan) {
    WorkDocument.CurGroup[0] = 1;  // stale: the shown plan decides
    EXPECT_EQ(RecordOfRow(BandCB, 3, 81).memEntry, 33);
    EXPECT_EQ(RecordOfRow(BandCB, 3, 96).memEntry, 48);
    EXPECT_EQ(RecordOfRow(BandCB, 2, 41).memEntry, 17);
    EXPECT_EQ(RecordOfRow(BandCB, 7, 41).memEntry, 65);
    EXPECT_EQ(RecordOfRow(BandCB, 5, 56).memEntry, 80);
    EXPECT_EQ(RecordOfRow(BandCB, 6, 41).memEntry, 81);
    EXPECT_FALSE(RecordOfRow(BandCB, 1, 57));
    Fill(BandCB, 3, {60});
    const RowRecord r60 = RecordOfRow(BandCB, 3, 60);
    EXPECT_EQ(r60.slot, 1);
    EXPECT_EQ(r60.memEntry, 0);
}

TEST_F(GridModel, MemoryRowsShowTheReferredChannel) {
    Fill(BandCB, 5, {1, 2});
    Fill(BandCB, 7, {1, 2});
    ChannelTable(BandCB, 2, 5).RxFreq = "2700500 ";
    ChannelTable(BandCB, 2, 7).RxFreq = "2710500 ";
    ChannelRecord& e = MemChannelList(65);
    e.InUse = 1;
    e.MemRefCh = 2;
    e.MemRefBand = 0;
    EXPECT_EQ(RowFrequencyText(BandCB, 7, 41), "27.00500");
    e.MemRefBand = 1;
    EXPECT_EQ(RowFrequencyText(BandCB, 5, 41), "27.10500");
    e.MemRefCh = 255;
    EXPECT_EQ(RowFrequencyText(BandCB, 5, 41), "");
    e.MemRefCh = 9;  // a slot the plan does not hold
    EXPECT_EQ(RowFrequencyText(BandCB, 5, 41), "");
    EXPECT_EQ(MemRefItems(BandCB, 5), (QStringList{"Off", "1", "2"}));

    // A plan missing channel 2: the reference and the list name channel
    // numbers, whichever slot the channel sits in.
    Fill(BandCB, 1, {1, 3, 4});
    ChannelTable(BandCB, 2, 1).RxFreq = "2698500 ";
    ChannelRecord& m = MemChannelList(1);
    m = ChannelRecord{};
    m.InUse = 1;
    m.MemRefCh = 3;
    EXPECT_EQ(RowFrequencyText(BandCB, 1, 41), "26.98500");
    m.MemRefCh = 2;
    EXPECT_EQ(RowFrequencyText(BandCB, 1, 41), "");
    EXPECT_EQ(MemRefItems(BandCB, 1), (QStringList{"Off", "1", "3", "4"}));
}

TEST_F(GridModel, TheFillScansOnlyTheCountAndSkipsStrangeNumbers) {
    Fill(BandHF, 2, {3, 7, 9});
    ChannelTable(BandHF, 2, 2).ChNo = 77;           // beyond the 40 rows: skipped
    ChannelTable(BandHF, 3, 2).RxFreq = "28x15000";  // corrupt: shown empty
    ChannelTable(BandHF, 4, 2) = ChannelTable(BandHF, 1, 2);
    ChannelTable(BandHF, 4, 2).ChNo = 12;            // stale, past the count
    ChannelTable(BandHF, 4, 2).InUse = 1;
    const GridContents c = GridContentsOf(BandHF, 2);
    ASSERT_EQ(c.cells.size(), 40);
    EXPECT_EQ(c.cells.at(2), "28.10300");
    EXPECT_EQ(c.cells.at(8), "");
    EXPECT_EQ(c.cells.at(11), "");
    EXPECT_EQ(c.corruptCells, 1);
    EXPECT_FALSE(RecordOfRow(BandHF, 2, 12));
}

TEST_F(GridModel, TheInitialRowIsTheLastRowWhenItHoldsAChannel) {
    Fill(BandHF, 2, {3, 45 - 40});
    WorkDocument.LastRow(BandHF, 2) = 45;
    EXPECT_EQ(InitialGridRow(BandHF, 2), 1);
    WorkDocument.LastRow(BandHF, 2) = 12;
    EXPECT_EQ(InitialGridRow(BandHF, 2), 12);
    WorkDocument.LastRow(BandHF, 2) = 5;
    EXPECT_EQ(InitialGridRow(BandHF, 2), 5);
    WorkDocument.LastRow(BandHF, 16) = 60;
    Fill(BandHF, 16, {60});
    EXPECT_EQ(InitialGridRow(BandHF, 16), 60);
    WorkDocument.LastRow(BandHF, 2) = -3;
    EXPECT_EQ(InitialGridRow(BandHF, 2), 1);
}

TEST(ChannelAttributes, PicksStoreWhatThePanelShowsBack) {
    ChannelRecord r;
    const QStringList rb{"OFF", "1", "3"};
    const AttributeField& roger = *AttributeFieldOf(11);
    StoreAttribute(roger, r, 2, "3");
    EXPECT_EQ(r.RogerBeep, 130);
    EXPECT_EQ(AttributeShownValue(roger, r, rb), (ShownItem{2, {}}));
    StoreAttribute(roger, r, 0, "OFF");
    EXPECT_EQ(r.RogerBeep, 0);
    r.RogerBeep = 129;  // pattern 2 is not in the list: the clean-up clears it
    EXPECT_EQ(AttributeShownValue(roger, r, rb), (ShownItem{0, {}}));
    const AttributeField& bot = *AttributeFieldOf(13);
    StoreAttribute(bot, r, 1, "5");
    EXPECT_EQ(r.DtmfBot, 5);
    StoreAttribute(bot, r, 0, "OFF");
    EXPECT_EQ(r.DtmfBot, 0);
    const AttributeField& mode = *AttributeFieldOf(12);
    StoreAttribute(mode, r, 3, "LSB");
    EXPECT_EQ(r.Mode, 3);
    EXPECT_EQ(AttributeShownValue(mode, r, FillModeCombo()), (ShownItem{3, {}}));
    EXPECT_EQ(AttributeShownValue(mode, r, {"FM", "AM", "USB", "CW"}), (ShownItem{-1, "LSB"}));
    r.RogerBeep = 255;  // no pattern at all: item 0 too
    EXPECT_EQ(AttributeShownValue(roger, r, rb), (ShownItem{0, {}}));
    EXPECT_EQ(AttributeFieldOf(1), nullptr);
    EXPECT_EQ(AttributeFieldOf(8), nullptr);
    // Memory entries: "Off" frees the entry, a slot number takes it in use.
    ChannelRecord e;
    StoreMemRef(e, "12");
    EXPECT_EQ(e.MemRefCh, 12);
    EXPECT_EQ(e.InUse, 1);
    StoreMemRef(e, "Off");
    EXPECT_EQ(e.MemRefCh, 255);
    EXPECT_EQ(e.InUse, 0);
    StoreMemRefBand(e, 1);
    EXPECT_EQ(e.MemRefBand, 1);
    EXPECT_EQ(e.InUse, 0);
}

TEST(ChannelAttributes, ToneListsAndCodes) {
    EXPECT_EQ(CtcssItems().size(), 38);
    EXPECT_EQ(CtcssItems().last(), "C_038(250.3Hz)");
    EXPECT_EQ(DcsItems().size(), 104);
    EXPECT_EQ(DcsItems().first(), "D_001(023N)");
    EXPECT_EQ(PlainToneItems().size(), 143);
    EXPECT_EQ(GetCTCSS_DCSByShow("250.3", "OFF"), "2503");
    EXPECT_EQ(GetCTCSS_DCSByShow("D023N", "OFF"), "8023");
    EXPECT_EQ(GetCTCSS_DCSByShow("OFF", "OFF"), "0");
    EXPECT_EQ(ShowCTCSS_DCS("0670", "OFF"), "67.0");
    EXPECT_EQ(ShowCTCSS_DCS("8023", "OFF"), "D023N");
    EXPECT_EQ(ShowCTCSS_DCS("0", "OFF"), "OFF");
    EXPECT_EQ(ShowCTCSS_DCS("06x0", "OFF"), "OFF");
    EXPECT_FALSE(ToneListsFor(3).has_value());
    EXPECT_TRUE(ToneListsFor(2)->dcs);
}

}  // namespace channeltest
