#include "DocumentTestSupport.h"
#include "core/ModFun.h"
#include "mainwindow/TransferCommands.h"

using namespace ulbrix;
using doctest::DocumentTest;
using doctest::Snapshot;

namespace {

class NewDocumentTest : public DocumentTest {};

// Templates from the build, as shipped beside the program.
class ShippedTemplatesTest : public DocumentTest {
protected:
    ShippedTemplatesTest() : DocumentTest(true) {}
};

int ValidPatterns() {
    int n = 0;
    for (int p = 1; p <= 8; ++p) {
        const RogerBeepPattern& rb = WorkDocument.RogerBeep[static_cast<std::size_t>(p)];
        bool tone = false;
        for (int t = 1; t <= 14; ++t) tone = tone || rb.Tone[static_cast<std::size_t>(t)].Length > 0;
        if (rb.Recycle >= 1 && tone) ++n;
    }
    return n;
}

TEST_F(NewDocumentTest, WithoutInitFolderTheCodedDefaultsStand) {
    NewDocument();
    const GeneralSettingsRecord& s = WorkDocument.Settings;
    EXPECT_EQ(WorkDocument.Band, BandHF);
    EXPECT_EQ(TrimNull(WorkDocument.Version), "V100");
    EXPECT_TRUE(Doc.Untitled);
    EXPECT_EQ(Doc.DataFilePath, "new.dat");
    const char* cb[] = {"EU", "PL", "DE", "EC", "U", "IN", "UK"};
    for (int g = 1; g <= 7; ++g) EXPECT_EQ(GetGroupName(BandCB, g), cb[g - 1]);
    for (int g = 1; g <= 15; ++g) EXPECT_EQ(GetGroupName(BandHF, g), QString(QChar('A' + g - 1)));
    for (int g = 1; g <= 12; ++g) EXPECT_EQ(GetGroupName(BandHAM, g), QString(QChar('A' + g - 1)));
    for (int b = 0; b < 3; ++b)
        for (int g = 1; g <= 17; ++g) EXPECT_EQ(WorkDocument.ChannelCount(b, g), 0);
    EXPECT_EQ(ValidPatterns(), 5);
    EXPECT_EQ(WorkDocument.RogerBeep[2].Tone[14].Freq, 0);
    EXPECT_EQ(WorkDocument.RogerBeep[2].Tone[13].Freq, 80);
    EXPECT_EQ(s.GroupValid(BandCB, 6), 1);
    EXPECT_EQ(s.GroupValid(BandCB, 7), 0);  // the UK plan gets only its name
    EXPECT_EQ(s.GroupSetC(BandHAM, 12), 41);
    EXPECT_EQ(s.GroupSetC(BandHAM, 13), 0);
    EXPECT_EQ(s.HFPublic[PubNB], 1);
    EXPECT_EQ(s.HFPublic[PubMode], 1);
    EXPECT_EQ(s.OptionLong, 100);
    EXPECT_EQ(WorkDocument.RssiThreshold[6 + 4], 23);
    EXPECT_EQ(WorkDocument.LastRow(BandHF, 13), 1);
    EXPECT_EQ(WorkDocument.LastRow(BandHF, 14), 0);
    EXPECT_EQ(WorkDocument.LastRow(BandHAM, 1), 0);
    EXPECT_EQ(WorkDocument.Header.KindChar, 67);
    EXPECT_EQ(WorkDocument.Header.BandCode2, 1);  // start-up band range
    EXPECT_EQ(TrimNull(WorkDocument.Header.FormatText), "V2.00");
    EXPECT_EQ(TrimNull(WorkDocument.Header.DateText).size(), 8u);
    EXPECT_FALSE(IsDataModified());
}

TEST_F(NewDocumentTest, NewWithoutTemplateNeverKeepsTheOldDocument) {
    NewDocument();
    AddChannel(4, BandHF, 2, "28.5");
    WorkDocument.Settings.Mic = 7;
    MemChannelList(3).MemRefCh = 9;
    ASSERT_TRUE(IsDataModified());
    LoadInitFileNew();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 2), 0);
    EXPECT_EQ(WorkDocument.Settings.Mic, 30);
    EXPECT_EQ(MemChannelList(3).MemRefCh, 0);
    EXPECT_FALSE(IsDataModified());
}

TEST_F(NewDocumentTest, InitialSettingWithoutTemplateLeavesTheDocumentAlone) {
    NewDocument();
    WorkDocument.Settings.Mic = 7;
    const Snapshot before = Snapshot::Take();
    EXPECT_FALSE(LoadInitFile());
    EXPECT_TRUE(Snapshot::Take() == before);
    EXPECT_TRUE(IsDataModified());
}

TEST_F(NewDocumentTest, DefaultChannelOfAnEmptyGroup) {
    NewDocument();
    std::vector<int> shown;
    ReShowGridHook = [&](int row) { shown.push_back(row); };
    AddGroupDefaultChannel(BandHF, 8);
    ASSERT_EQ(WorkDocument.ChannelCount(BandHF, 8), 1);
    EXPECT_EQ(ChannelTable(BandHF, 1, 8).ChNo, 1);
    EXPECT_EQ(ChannelTable(BandHF, 1, 8).RxFreq.str(), "28145000");
    EXPECT_TRUE(shown.empty());  // editor not loaded

    ChInfoLoaded = true;
    AddGroupDefaultChannel(BandHAM, 11);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHAM, 11), 0);
    EXPECT_EQ(shown, std::vector<int>{1});

    const char* freq[] = {"", "28015000", "28145000", "28115000", "28085000", "28055000",
                          "28025000", "28015000", "28145000", "28115000", "28085000"};
    for (int g = 1; g <= 10; ++g)
        EXPECT_EQ(FrequencyTextToDigits(DefaultGroupFrequency(g)).toStdString(), freq[g]) << g;
}

TEST_F(NewDocumentTest, AddChannelAppendsWithNewChannelDefaults) {
    NewDocument();
    ChannelRecord& stale = ChannelTable(BandHAM, 1, 2);
    stale.TxDcs = 12;
    stale.RxCtcss = 5;
    stale.Mode = 3;
    stale.RogerBeep = 130;
    ASSERT_TRUE(AddChannel(7, BandHAM, 2, "28.5"));
    const ChannelRecord& r = ChannelTable(BandHAM, 1, 2);
    EXPECT_EQ(r.ChNo, 7);
    EXPECT_EQ(r.InUse, 1);
    EXPECT_EQ(r.ScanAdd, 1);
    EXPECT_EQ(r.Mode, 0);
    EXPECT_EQ(r.NB, 1);
    EXPECT_EQ(r.RogerBeep, 0);
    EXPECT_EQ(r.RxFreq.str(), "285     ");
    EXPECT_EQ(r.TxFreq, r.RxFreq);
    EXPECT_EQ(r.TxDcs, 0);  // nothing of the slot's earlier channel survives
    EXPECT_EQ(r.RxCtcss, 0);

    // A full group, or one outside the band, takes nothing.
    WorkDocument.ChannelCount(BandHF, 17) = 1;
    EXPECT_FALSE(AddChannel(1, BandHF, 17, "28.4"));
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 17), 1);
    for (int n = 1; n <= 99; ++n) AddChannel(n, BandHF, 16, "28.0");
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 16), 99);
    EXPECT_FALSE(AddChannel(100, BandHF, 16, "28.0"));
    EXPECT_FALSE(AddChannel(1, BandCB, 8, "27.0"));
    EXPECT_FALSE(AddChannel(1, 3, 1, "27.0"));
    WorkDocument.ChannelCount(BandHF, 2) = -1;
    EXPECT_FALSE(AddChannel(1, BandHF, 2, "27.0"));
}

TEST_F(NewDocumentTest, FrequencyTextToDigits) {
    const struct {
        const char* text;
        const char* digits;
    } cases[] = {{"", ""},          {"28", "28"},          {"27.00500", "2700500"}, {"28.015000", "28015000"},
                 {"1.5", "015"},    {".5", "005"},         {"26.96500", "2696500"}, {"28.5", "285"}};
    for (const auto& c : cases) EXPECT_EQ(FrequencyTextToDigits(c.text), c.digits) << c.text;
}

TEST_F(ShippedTemplatesTest, StartUpAndNewLoadTheTemplateOfTheirRange) {
    NewDocument();
    // Start-up's range picks digit 1, whose template keeps that range.
    EXPECT_EQ(App.BandRangeText, "28.0000 - 29.6990 MHz");
    EXPECT_EQ(WorkDocument.Band, BandHAM);
    EXPECT_GT(WorkDocument.ChannelCount(BandHF, 1), 0);
    EXPECT_EQ(WorkDocument.ChannelCount(BandCB, 3), 80);
    EXPECT_EQ(MemChannelList(96).MemRefCh, 255);
    EXPECT_FALSE(TrimNull(WorkDocument.Settings.GroupName(BandHF, 1)).empty());
    EXPECT_FALSE(IsDataModified());
    EXPECT_TRUE(Doc.Untitled);

    App.BandRangeText = "24.7150 - 30.1050 MHz";
    EXPECT_TRUE(InitFilePath("RI6666_New.dat").endsWith("/Init/0_RI6666_New.dat"));
    LoadInitFileNew();
    EXPECT_EQ(WorkDocument.Band, BandHF);
    EXPECT_EQ(App.BandRangeText, "24.7150 - 30.1050 MHz");

    WorkDocument.Settings.Mic = 3;
    ASSERT_TRUE(LoadInitFile());
    EXPECT_EQ(WorkDocument.Settings.WeatherChannel[0].FreqMHz, 162.4);
    EXPECT_FALSE(IsDataModified());
    EXPECT_EQ(Doc.DataFilePath, "new.dat");
}

TEST_F(ShippedTemplatesTest, EveryTemplatePairOpensCleanly) {
    for (const char* name : {"0_RI6666_New.dat", "0_RI6666.dat", "1_RI6666_New.dat", "1_RI6666.dat"}) {
        SCOPED_TRACE(name);
        NewDocument();
        EXPECT_TRUE(OpenDataFile(rt_.bin() + "/Init/" + name, OpenDocumentRefusal));
        EXPECT_TRUE(msgs_.shown().empty());
        msgs_.clear();
    }
}

}  // namespace
