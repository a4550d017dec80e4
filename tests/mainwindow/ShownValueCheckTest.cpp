// Open and Write refuse a document holding values a visible editor could only
// show as stand-ins, with the same reasons; what the program makes passes.
#include "core/ChannelList.h"
#include "core/DocumentTestSupport.h"
#include "core/ModFreFile.h"
#include "editors/channels/ChannelListEdit.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/ChannelTableEdit.h"
#include "editors/channels/WeatherRules.h"
#include "link/ImageValidation.h"
#include "mainwindow/TransferCommands.h"

using namespace ulbrix;

namespace doctest {
namespace {

QString Listed(const std::vector<ImageProblem>& problems) {
    QStringList lines;
    for (const ImageProblem& p : problems) lines << p.english;
    return lines.join('\n');
}

class ShownValueCheckTest : public DocumentTest {
protected:
    ShownValueCheckTest() : DocumentTest(true) {}
    static std::vector<ImageProblem> Problems() { return DocumentProblems(WorkDocument, ChannelTable, MemChannelList); }
};

TEST_F(ShownValueCheckTest, OpenRefusesStandInsWithTheWritesReasonsAndKeepsTheDocument) {
    struct Case {
        const char* name;
        std::function<void()> spoil;
        const char* line;  // a reason the refusal must give
    };
    auto& s = WorkDocument.Settings;
    const auto hf3 = []() -> ChannelRecord& {
        AddChannel(3, BandHF, 1, "28.500000");
        return ChannelTable(BandHF, FindChannelPos(3, BandHF, 1), 1);
    };
    const Case cases[] = {
        {"weather step", [&] { s.Weather.w[WxStep] = 42; }, "Weather settings: Weather(5) is 42, which its list (100Hz, 1KHz, 5KHz, ... 1MHz) cannot show."},
        {"option list", [&] { s.Beep = 200; }, "Option settings: Beep is 200, which its list (OFF, ON) cannot show."},
        {"work channel of another group",
         [&] {
             for (int n = 1; n <= 8; ++n) AddChannel(n, BandHF, 1, "28.500000");
             s.WorkChannel(BandHF, 1) = 35;
         },
         "WorkChannel is 35, not a channel of the group."},
        {"memory entry of a gone channel",
         [&] {
             WorkDocument.ChannelCount(BandCB, 1) = 11;
             MemChannelList(3).InUse = 1;
             MemChannelList(3).MemRefCh = 12;
         },
         "memory channel M3 (entry 3): MemRefCh refers to channel 12, which does not exist."},
        {"work channel of an empty group",
         [&] {
             WorkDocument.ChannelCount(BandHF, 2) = 0;
             s.WorkChannel(BandHF, 2) = 5;
         },
         "WorkChannel is 5, but the group is empty (1)."},
        {"DTMF encode list", [&] { s.DtmfSettings[0] = 50; }, "DTMF settings: DtmfSettings(0) is 50, which its list"},
        {"weather Wide", [&] {
             s.WeatherChannel[2].InUse = 1;
             s.WeatherChannel[2].FreqMHz = 162.4;
             s.WeatherChannel[2].Wide = 7;
         }, "Weather channel 3: Wide is 7"},
        {"rounded time-out", [&] { s.Tot = 31; }, "Option settings: TOT is 31"},
        {"public mode", [&] { s.HFPublic[PubMode] = 9; }, "Option settings: Mode is 9"},
        {"option check box", [&] { s.OptionFlagB = 2; }, "is 2 but must be 0 or 1."},
        {"CLA SET past RT", [&] { s.ClaSet = 4; }, "Option settings: CLA.SET is 4"},
        {"key function", [&] { s.KeyWordLast = 99; }, "is 99, which its list"},
        {"channel mode past the modes", [&] { hf3().Mode = 7; }, "HF group 1 \"A\", channel 3: Mode is 7, which its list (FM, AM, USB, LSB, PA, CW) cannot show."},
        {"CTCSS past the tones", [&] { hf3().RxCtcss = 50; }, "channel 3: RXCTC CTC/DCS is 50, which its list (C_001(67.0Hz),"},
        {"tone type 3", [&] { hf3().TxToneType = 3; }, "channel 3: TXCTC is 3, which its list (Off, CTCSS, DCS) cannot show."},
        {"roger no pattern", [&] { hf3().RogerBeep = 136; }, "channel 3: Roger is 136"},
        {"DTMF past the memories", [&] { hf3().DtmfEot = 17; }, "channel 3: EOT is 17"},
        {"memory entry mode", [&] {
             MemChannelList(3).InUse = 1;
             MemChannelList(3).MemRefCh = 12;
             MemChannelList(3).Mode = 6;
         }, "memory channel M3 (entry 3): Mode is 6"},
        {"shared memory plan", [&] {
             MemChannelList(66).InUse = 1;
             MemChannelList(66).MemRefCh = 1;
             MemChannelList(66).MemRefBand = 2;
         }, "(entry 66): CB Mem Band is 2, which its list (U, UK) cannot show."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewDocument();
        c.spoil();
        const std::vector<ImageProblem> problems = Problems();
        EXPECT_TRUE(Listed(problems).contains(QString::fromUtf8(c.line))) << Listed(problems).toStdString();
        Doc.DataFilePath = Path("standin.dat");
        ASSERT_TRUE(SaveDataFile());

        NewDocument();
        WorkDocument.Settings.Mic = 4;  // an unsaved edit that must survive
        const Snapshot before = Snapshot::Take();
        msgs_.clear();
        EXPECT_FALSE(OpenDataFile(Path("standin.dat"), OpenDocumentRefusal));
        EXPECT_TRUE(Snapshot::Take() == before);
        ASSERT_EQ(msgs_.shown().size(), 1u);
        // The lines Write to Radio gives for the same document, under Open's first line.
        EXPECT_EQ(msgs_.shown()[0].text, OpenProblemsMessage(problems, 1));
        EXPECT_EQ(msgs_.shown()[0].text.section('\n', 1), ProblemsMessage(problems, 1).section('\n', 1));
    }
}

TEST_F(ShownValueCheckTest, WhatTheProgramMakesOpensAndWrites) {
    NewDocument();
    EXPECT_TRUE(Problems().empty()) << Listed(Problems()).toStdString();
    for (const char* name : {"0_RI6666_New.dat", "0_RI6666.dat", "1_RI6666_New.dat", "1_RI6666.dat"}) {
        SCOPED_TRACE(name);
        NewDocument();
        msgs_.clear();
        EXPECT_TRUE(OpenDataFile(rt_.bin() + "/Init/" + name, OpenDocumentRefusal));
        EXPECT_TRUE(msgs_.shown().empty());
        EXPECT_TRUE(Problems().empty()) << Listed(Problems()).toStdString();
    }
}

TEST_F(ShownValueCheckTest, TypicalEditsKeepTheDocumentWritable) {
    NewDocument();
    App.BandRangeText = "24.7150 - 30.1050 MHz";
    auto& s = WorkDocument.Settings;
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"typed channels", [] {
             WorkDocument.ChannelCount(BandHF, 2) = 0;
             for (int row : {7, 5, 3}) EditChannelCell(BandHF, 2, row, 1, "28.5");
         }},
        {"work channel deleted", [&] {
             s.WorkChannel(BandHF, 2) = 5;
             DeleteChannel(BandHF, 2, 5);
         }},
        {"copy and paste", [] {
             CopyChannel(BandHF, 2, 3);
             PasteChannel(BandHF, 2, 9);
         }},
        {"insert", [] { InsertChannel(BandHF, 2, 1); }},
        {"cut", [] { CutChannel(BandHF, 2, 8); }},
        {"CB channel of a memory entry deleted", [] {
             MemChannelList(3).InUse = 1;
             MemChannelList(3).MemRefCh = 12;
             DeleteChannel(BandCB, 1, 12);
         }},
        {"group emptied", [] {
             for (int row = 40; row >= 1; --row) DeleteChannel(BandHF, 2, row);
             RevalidateChannelRefs(BandHF, 2);
         }},
        {"group valid off", [&] { s.GroupValid(BandHF, 2) = 0; }},
        {"CLA SET RT, then band CB", [&] {
             WorkDocument.Band = BandHF;
             s.ClaSet = 3;
             WorkDocument.Band = BandCB;
         }},
        {"channel mode disabled later", [] {
             ChannelTable(BandCB, 1, 1).Mode = 2;
             WorkDocument.USBEnable = 0;
         }},
        {"DTMF memory of a channel emptied", [&] {
             s.DtmfAutodial[5] = "123";
             ChannelTable(BandCB, 1, 1).DtmfBot = 5;
             s.DtmfAutodial[5] = "";
         }},
    };
    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        edit();
        EXPECT_TRUE(Problems().empty()) << Listed(Problems()).toStdString();
    }
}

}  // namespace
}  // namespace doctest
