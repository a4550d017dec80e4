// Weather frequencies: the 5 kHz / 6.25 kHz snap, the 136-174 MHz clamp, and
// what a commit does to an entry.
#include <gtest/gtest.h>

#include "core/GlobalState.h"
#include "editors/channels/WeatherRules.h"

using namespace ulbrix;

TEST(WeatherRules, StepKeepsGridFrequenciesAndCutsTheRestToFiveKilohertz) {
    EXPECT_DOUBLE_EQ(TV_CH_Step(162.5525), 162.55);
    EXPECT_EQ(TV_CH_Step(162.40625), 162.40625);  // on the 6.25 kHz grid
    EXPECT_DOUBLE_EQ(TV_CH_Step(145.123456), 145.12);
    EXPECT_DOUBLE_EQ(TV_CH_Step(173.99999), 173.995);
    EXPECT_EQ(TV_CH_Step(162.550001), 162.550001);  // rounds onto the grid: unchanged, unrounded
    EXPECT_EQ(TV_CH_Step(162.4), 162.4);
    EXPECT_DOUBLE_EQ(TV_CH_Step(162.4031), 162.4);
    EXPECT_DOUBLE_EQ(TV_CH_Step(150.00624), 150.005);  // neither grid: down to 5 kHz
}

TEST(WeatherRules, CheckClampsToTheBandAndRejectsWhatIsNotANumber) {
    EXPECT_EQ(TV_CH_CheckFre("100"), "136");
    EXPECT_EQ(TV_CH_CheckFre("200"), "174");
    EXPECT_EQ(TV_CH_CheckFre("136"), "136");
    EXPECT_EQ(TV_CH_CheckFre("174"), "174");
    EXPECT_EQ(TV_CH_CheckFre("162.5525"), "162.55");
    EXPECT_EQ(TV_CH_CheckFre("162.40625"), "162.40625");
    EXPECT_EQ(TV_CH_CheckFre(""), "");
    EXPECT_EQ(TV_CH_CheckFre("."), "");
    EXPECT_EQ(TV_CH_CheckFre("1.2.3"), "");
    EXPECT_EQ(TV_CH_CheckFre("abc"), "");
}

TEST(WeatherRules, OnlyAnEmptiedBoxClearsAnEntry) {
    WeatherChannelRecord e;
    e.InUse = 1;
    e.FreqMHz = 162.4;
    e.Wide = 0;
    e.OnOff = 1;
    e.ScanAdd = 1;
    for (const char* bad : {".", "1.2.3", "..", "."}) {
        const auto c = WeatherFrequencyFromText(bad);
        EXPECT_EQ(c.kind, WeatherFrequencyCommit::Keep) << bad;
        WeatherChannelRecord copy = e;
        ApplyWeatherFrequency(copy, c);
        EXPECT_EQ(copy, e) << bad;
    }
    auto c = WeatherFrequencyFromText("163.0031");
    ASSERT_EQ(c.kind, WeatherFrequencyCommit::Store);
    WeatherChannelRecord stored = e;
    ApplyWeatherFrequency(stored, c);
    EXPECT_EQ(stored.InUse, 1);
    EXPECT_DOUBLE_EQ(stored.FreqMHz, 163.0);
    EXPECT_EQ(stored.Wide, 1);      // a new frequency is Wide again
    EXPECT_EQ(stored.OnOff, 0);
    EXPECT_EQ(stored.ScanAdd, 1);   // scan word kept
    c = WeatherFrequencyFromText("");
    ASSERT_EQ(c.kind, WeatherFrequencyCommit::Clear);
    ApplyWeatherFrequency(stored, c);
    EXPECT_EQ(stored.InUse, 0);
    EXPECT_DOUBLE_EQ(stored.FreqMHz, 163.0);  // the other fields stay
}

TEST(WeatherRules, RowsShowFiveDecimalsAndValuesTheListsLackAsThemselves) {
    const QStringList wide{"Narrow", "Wide"}, scan{"Del", "Add"};
    WeatherChannelRecord e;
    EXPECT_EQ(WeatherRowTexts(e, wide, scan), QStringList({"", "", "", ""}));
    e.InUse = 1;
    e.FreqMHz = 162.55;
    e.Wide = 1;
    e.ScanAdd = 9;  // out of the list
    EXPECT_EQ(WeatherRowTexts(e, wide, scan), QStringList({"162.55000", "", "Wide", "9"}));
    e.Wide = -3;
    EXPECT_EQ(WeatherRowTexts(e, wide, scan).at(2), "-3");
    EXPECT_EQ(FormatWeatherFrequency(136), "136.00000");
    EXPECT_EQ(FormatWeatherFrequency(5), "005.00000");
    EXPECT_EQ(FormatWeatherFrequency(162.550001), "162.55000");
    EXPECT_EQ(FormatWeatherFrequency(std::numeric_limits<double>::quiet_NaN()), "");
}

TEST(WeatherRules, EntriesAreReachedOnlyByValidRowsAndTheVfoIsNeverListed) {
    ResetProcessState();
    WeatherEntry(1).InUse = 1;
    WeatherEntry(40).InUse = 1;
    WeatherEntry(41).InUse = 1;
    EXPECT_EQ(UsedWeatherChannelItems(), QStringList({"1", "40"}));
    EXPECT_THROW(WeatherEntry(0), std::out_of_range);
    EXPECT_THROW(WeatherEntry(42), std::out_of_range);
    EXPECT_TRUE(WeatherFrequencyKey('7'));
    EXPECT_TRUE(WeatherFrequencyKey('.'));
    EXPECT_TRUE(WeatherFrequencyKey(QChar(8)));
    EXPECT_FALSE(WeatherFrequencyKey('a'));
    EXPECT_FALSE(WeatherFrequencyKey(','));
    ResetProcessState();
}
