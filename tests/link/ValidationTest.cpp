#include <gtest/gtest.h>

#include <functional>

#include "CodecDocuments.h"
#include "CodecFixture.h"
#include "link/ImageValidation.h"
#include "link/ChannelCodec.h"
#include "core/ModMsg.h"

using namespace ulbrix;

namespace {

class ValidationTest : public codectest::CodecTest {
protected:
    void SetUp() override {
        CodecTest::SetUp();
        InitMessages();
        codectest::BuildRichDocument();
    }
};

constexpr int FirstSlot = -1;  // the number of the channel in table slot 1

struct Case {
    const char* what;
    std::function<void()> spoil;
    const char* field;
    int band, group, channel;
};

ChannelRecord& Slot1(int b, int g) { return ChannelTable(b, 1, g); }

const Case Cases[] = {
    {"number 0", [] { Slot1(1, 2).ChNo = 0; }, "ChNo", 1, 2, 0},
    {"number past CB plan 3", [] { Slot1(0, 3).ChNo = 81; }, "ChNo", 0, 3, 0},
    {"number twice in a group", [] { ChannelTable(2, 2, 5).ChNo = Slot1(2, 5).ChNo; }, "ChNo", 2, 5, FirstSlot},
    {"count past the group", [] { WorkDocument.ChannelCount(1, 3) = 41; }, "ChannelCount", 1, 3, 0},
    {"count past a VFO group", [] { WorkDocument.ChannelCount(2, 14) = 2; }, "ChannelCount", 2, 14, 0},
    {"mode past a byte", [] { Slot1(1, 4).Mode = 256; }, "Mode", 1, 4, FirstSlot},
    {"negative CTCSS", [] { Slot1(1, 4).RxCtcss = -1; }, "RxCtcss", 1, 4, FirstSlot},
    {"repeater shift past its bits", [] { Slot1(1, 4).RepShift = 4; }, "RepShift", 1, 4, FirstSlot},
    {"flag 2", [] { Slot1(1, 4).NB = 2; }, "NB", 1, 4, FirstSlot},
    {"in-use 2", [] { Slot1(1, 4).InUse = 2; }, "InUse", 1, 4, FirstSlot},
    {"VFO flag", [] { Slot1(1, 17).HiCut = 7; }, "HiCut", 1, 17, 0},
    {"hex letter", [] { Slot1(1, 5).RxFreq = "12A45678"; }, "RxFreq", 1, 5, FirstSlot},
    {"one digit", [] { Slot1(1, 5).RxFreq = "2"; }, "RxFreq", 1, 5, FirstSlot},
    {"blank inside", [] { Slot1(1, 5).RxFreq = "26 96500"; }, "RxFreq", 1, 5, FirstSlot},
    {"memory frequency", [] { MemChannelList(20).RxFreq = "2700500X"; }, "RxFreq", 0, 2, 20},
    {"memory reference past a byte", [] { MemChannelList(7).MemRefCh = 256; }, "MemRefCh", 0, 1, 7},
    {"memory reference past the plan", [] { MemChannelList(7).MemRefCh = 41; }, "MemRefCh", 0, 1, 7},
    {"memory plan word", [] { MemChannelList(70).MemRefBand = 300; }, "MemRefBand", 0, 5, 70},
    {"band", [] { WorkDocument.Band = 3; }, "Band", -1, 0, 0},
    {"current group", [] { WorkDocument.Settings.CurGroupIndex[2] = 15; }, "CurGroupIndex", 2, 0, 0},
    {"group valid", [] { WorkDocument.Settings.GroupValid(1, 4) = 2; }, "GroupValid", 1, 4, 0},
    {"work channel 0", [] { WorkDocument.Settings.WorkChannel(1, 2) = 0; }, "WorkChannel", 1, 2, 0},
    {"public flag", [] { WorkDocument.Settings.CBPublic[PubNB] = 2; }, "CBPublic(1)", 0, 0, 0},
    {"public mode", [] { WorkDocument.Settings.HFPublic[PubMode] = 256; }, "HFPublic(10)", 1, 0, 0},
    {"mode enable", [] { WorkDocument.FMEnable = 2; }, "FMEnable", -1, 0, 0},
    {"DTMF letter E", [] { WorkDocument.Settings.DtmfAutodial[4] = "12E4"; }, "DtmfAutodial", -1, 0, 4},
    {"DTMF lower case", [] { WorkDocument.Settings.DtmfAutodial[16] = "ab"; }, "DtmfAutodial", -1, 0, 16},
    {"negative level", [] { WorkDocument.Settings.LevelSetA = -5; }, "LevelSetA", -1, 0, 0},
    {"long past two bytes", [] { WorkDocument.Settings.OptionLong = 70000; }, "OptionLong", -1, 0, 0},
    {"document option word", [] { WorkDocument.DrcBeepWord = 300; }, "DrcBeepWord", -1, 0, 0},
    {"emergency word", [] { WorkDocument.Emergency.w[5] = 256; }, "Emergency(5)", -1, 0, 0},
    {"dual-watch HF group", [] { WorkDocument.DualWatch.w[12] = 15; }, "DualWatch(12)", -1, 0, 0},
    {"emergency HAM group", [] { WorkDocument.Emergency.w[31] = 12; }, "Emergency(31)", -1, 0, 0},
    {"weather current channel", [] { WorkDocument.Settings.Weather.w[1] = 41; }, "Weather(1)", -1, 0, 0},
    {"roger tone length", [] { WorkDocument.RogerBeep[3].Tone[3].Length = 300; }, "Tone(3).Length", -1, 0, 3},
    {"weather 1000 MHz", [] { WorkDocument.Settings.WeatherChannel[4].FreqMHz = 1000.0; }, "FreqMHz", -1, 0, 5},
    {"weather width", [] { WorkDocument.Settings.WeatherChannel[2].Wide = 256; }, "Wide", -1, 0, 3},
    {"weather scan of an entry not in use", [] { WorkDocument.Settings.WeatherChannel[5] = {0, 150.0, 0, 0, 2}; },
     "ScanAdd", -1, 0, 6},
};

TEST_F(ValidationTest, ARichDocumentPasses) {
    const auto problems = ValidateDocumentForWrite();
    EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems.front().english.toStdString());
}

TEST_F(ValidationTest, EachBadValueIsRefusedWithAMessageNamingIt) {
    const codectest::Snapshot clean = codectest::TakeSnapshot();
    for (const Case& c : Cases) {
        SCOPED_TRACE(c.what);
        WorkDocument = clean.doc;
        ChannelTable = clean.table;
        MemChannelList = clean.mem;
        App.SystemLCIDHex = "409";
        c.spoil();
        const int channel = c.channel == FirstSlot ? Slot1(c.band, c.group).ChNo : c.channel;
        const auto problems = ValidateDocumentForWrite();
        ASSERT_EQ(problems.size(), 1u) << (problems.empty() ? "none" : problems.back().english.toStdString());
        const ImageProblem& p = problems.front();
        EXPECT_EQ(p.field, QString::fromLatin1(c.field));
        EXPECT_EQ(p.band, c.band);
        EXPECT_EQ(p.group, c.group);
        EXPECT_EQ(p.channel, channel);
        for (const QString& text : {p.english, p.chinese}) {
            static const char* const bandNames[] = {"CB", "HF", "HAM"};
            EXPECT_TRUE(text.contains(QString::fromLatin1(c.field))) << text.toStdString();
            EXPECT_TRUE(c.band < 0 || text.contains(QString::fromLatin1(bandNames[c.band]))) << text.toStdString();
            EXPECT_TRUE(c.group == 0 || text.contains(QString::number(c.group))) << text.toStdString();
            EXPECT_TRUE(channel == 0 || text.contains(QString::number(channel))) << text.toStdString();
        }
        EXPECT_TRUE(p.english.contains(QStringLiteral("group %1").arg(c.group)) || c.group == 0 || c.band < 0)
            << p.english.toStdString();
        EXPECT_NE(p.english, p.chinese);
    }
}

TEST_F(ValidationTest, WhatTheEditorsStoreIsAccepted) {
    Slot1(1, 2).RxFreq = "2696500 ";                 // five decimals and a blank
    Slot1(1, 3).RxFreq = "        ";                 // no frequency
    Slot1(1, 4).RxFreq = std::string(8, '\0');
    Slot1(1, 6).RxFreq = "FFFFFFFF";
    Slot1(1, 17).ChNo = 0;                           // the VFO slot is fixed whatever its number
    MemChannelList(3).MemRefCh = 0;                  // no reference
    MemChannelList(4).MemRefCh = 255;
    MemChannelList(40).MemRefCh = 80;                // plan 3 has 80 channels
    WorkDocument.Settings.CurGroupIndex[0] = 0;
    WorkDocument.Settings.DtmfAutodial[1] = std::string(1, '\0');
    WorkDocument.Settings.WeatherChannel[6] = {0, 5000.0, 0, 9, 1};  // not in use: only the scan bit is sent
    App.SystemLCIDHex = "407";  // code page 1252: the five codes without a character pass as themselves
    WorkDocument.Settings.OptionText = std::string("A\x81\x8D\x8F\x90\x9D", 6);
    WorkDocument.ChannelCount(2, 3) = 0;
    Slot1(2, 3).ChNo = 0;                            // above the count: stale
    const auto problems = ValidateDocumentForWrite();
    EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems.front().english.toStdString());
}

TEST_F(ValidationTest, EveryProblemIsReportedAndTheMessageListsTheFirst) {
    for (int g = 1; g <= 7; ++g) Slot1(1, g).Mode = 300;
    const auto problems = ValidateDocumentForWrite();
    ASSERT_EQ(problems.size(), 7u);
    const QString en = ProblemsMessage(problems, 1, 5);
    EXPECT_TRUE(en.startsWith(QStringLiteral("The data was not written to the radio:")));
    EXPECT_TRUE(en.contains(problems[4].english));
    EXPECT_FALSE(en.contains(problems[5].english));
    EXPECT_TRUE(en.endsWith(QStringLiteral("... and 2 more.")));
    const QString zh = ProblemsMessage(problems, 2, 10);
    EXPECT_TRUE(zh.contains(problems[6].chinese));
    EXPECT_FALSE(zh.contains(problems[6].english));
    // Open lists the same problems under its own first line.
    EXPECT_EQ(OpenProblemsMessage(problems, 1, 5).section(QLatin1Char('\n'), 1), en.section(QLatin1Char('\n'), 1));
}

}  // namespace
