#include <gtest/gtest.h>

#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "core/ModPubFun.h"

using namespace ulbrix;
using namespace std::string_literals;

TEST(ModFun, TrimNullCutsTrailingBlanksThenAtTheFirstNul) {
    const std::pair<std::string, std::string> cases[] = {
        {"AB\0      "s, "AB"}, {"A \0 "s, "A "}, {"      ", ""}, {"  X", "  X"}, {"AB\0CD"s, "AB"}, {"\0\0"s, ""}};
    for (const auto& [in, want] : cases) {
        EXPECT_EQ(TrimNull(in), want);
        EXPECT_EQ(TrimNull(QString::fromLatin1(in.data(), qsizetype(in.size()))), QString::fromLatin1(want.c_str()));
    }
    FixedText<8> f;  // all NULs
    EXPECT_EQ(TrimNull(f), "");
}

TEST(ModFun, ValOrDefaultRoundsHalfToEvenWithin16Bits) {
    const std::pair<const char*, Integer> cases[] = {
        {" 3 ", 3}, {"+12", 12}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"1e2", 100}, {"32767", 32767},
        {"-32768", -32768}, {"32768", 99}, {"-32769", 99}, {"1e400", 99}, {"", 99}, {"12a", 99}, {"1 2", 99},
        {"inf", 99}, {"0x10", 99}, {".", 99}};
    for (const auto& [in, want] : cases) EXPECT_EQ(ValOrDefault(QString::fromLatin1(in), Integer{99}), want) << in;
}

TEST(ModFun, DigitsHexAndFlags) {
    for (int v = 0; v < 16; ++v) EXPECT_EQ(TextToDigit(DigitToText(v)), v);
    EXPECT_EQ(DigitToText(10), "A");
    EXPECT_EQ(DigitToText(14), "*");
    EXPECT_EQ(DigitToText(15), "#");
    EXPECT_EQ(DigitToText(16), "");
    const std::pair<const char*, int> texts[] = {{"b5", 11}, {"", 16}, {"G", 16}, {" 1", 16}, {"#1", 15}};
    for (const auto& [in, want] : texts) EXPECT_EQ(TextToDigit(QString::fromLatin1(in)), want) << in;
    EXPECT_EQ(ByteToHex2(9), "09");
    EXPECT_EQ(ByteToHex2(0xAB), "AB");
    EXPECT_EQ(ValidFlag(1, 5), 1);
    EXPECT_EQ(ValidFlag(2, 5), 5);
    EXPECT_EQ(FileNameFromPath("C:\\data\\radio.dat"), "radio.dat");
    EXPECT_EQ(FileNameFromPath("/home/u/radio.dat"), "radio.dat");
    EXPECT_EQ(FileNameFromPath("new.dat"), "new.dat");
}

TEST(ModFun, ModesAndListItems) {
    const QStringList modes = FillModeCombo();
    ASSERT_EQ(modes.size(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ModeIndexFromText(ModeTextFromIndex(i)), i);
    EXPECT_EQ(ModeIndexFromText("CW"), 5);
    EXPECT_EQ(ModeIndexFromText("cw"), 0);
    EXPECT_EQ(ModeTextFromIndex(6), "FM");

    const QStringList offOn = {"Off", "On"}, none, emptyFirst = {"", "x"};
    EXPECT_EQ(FindComboItem(offOn, "on"), "Off");  // exact comparison, else item 0
    EXPECT_EQ(FindComboItem(none, "On"), "");
    EXPECT_EQ(GetComboItem(offOn, -1), "Off");
    EXPECT_EQ(GetComboItem(offOn, 2), "Off");
    EXPECT_EQ(SelectComboText(offOn, "On"), 1);
    EXPECT_EQ(SelectComboText(offOn, "missing"), 0);
    EXPECT_EQ(SelectComboText(none, "On"), -1);
    EXPECT_EQ(SelectComboText(emptyFirst, "y"), -1);  // an empty item 0 selects nothing
    EXPECT_EQ(SelectComboIndex(offOn, 7), 0);
    EXPECT_EQ(SelectComboText({"A", "B", "B"}, "B"), 1);
}

// A stored value a list lacks shows as its own text, in the list's numbering
// only where the list has one.
TEST(ModFun, AValueAListLacksShowsAsItsOwnText) {
    EXPECT_EQ(ShowIndex({"Off", "On"}, 1, "x"), (ShownItem{1, ""}));
    EXPECT_EQ(ShowIndex({"Off", "On"}, 2, "x"), (ShownItem{-1, "x"}));
    EXPECT_EQ(ShowText({"7", "9"}, "8"), (ShownItem{-1, "8"}));
    EXPECT_EQ(ShowText({"7", "9"}, ""), (ShownItem{-1, ""}));
    const struct {
        QStringList items;
        long value;
        const char* text;
    } cases[] = {
        {{"1", "2", "3", "4", "5"}, 7, "8"},                 // item k is k + 1
        {{"Off", "10ms", "20ms", "30ms"}, 200, "2000ms"},    // a word before the numbering
        {{"2K", "4K"}, 255, "255"},                          // two items make no numbering
        {{"10K", "100K", "1M"}, 9, "9"},                     // no one step, no one suffix
        {{"1S", "2S", "Infinite"}, 40, "40"},
        {{"1", "2", "3"}, -1, "-1"},
    };
    for (const auto& c : cases) EXPECT_EQ(OwnItemText(c.items, c.value), c.text) << c.value;
}

TEST(ModFun, GroupNamesAndIds) {
    ResetProcessState();
    auto name = [](int b, int g) -> FixedText<2>& { return WorkDocument.Settings.GroupName(b, g); };
    const char* cb[] = {"EU", "PL", "DE", "EC", "U", "IN", "UK"};
    for (int g = 1; g <= 7; ++g) name(0, g) = cb[g - 1];
    for (int g = 1; g <= 15; ++g) name(1, g) = std::string(1, char('A' + g - 1)) + '\0';
    for (int g = 1; g <= 12; ++g) name(2, g) = std::string(1, char('a' + g - 1));
    name(1, 16) = "ZZ";  // MEM and VFO never take a stored name

    const std::tuple<int, int, const char*> names[] = {
        {0, 5, "U"}, {0, 8, ""}, {1, 15, "O"}, {1, 16, "MEM"}, {1, 17, "VFO"}, {1, 18, ""},
        {2, 13, "MEM"}, {2, 14, "VFO"}, {2, 15, ""}, {3, 1, ""}};
    for (const auto& [b, g, want] : names) EXPECT_EQ(GetGroupName(b, g), QLatin1String(want)) << b << "/" << g;
    for (int b = 0; b < 3; ++b)
        for (int g = 1; g <= GroupsOfBand(b); ++g) EXPECT_EQ(GetGroupID(b, GetGroupName(b, g)), g) << b << "/" << g;
    EXPECT_EQ(name(1, 1).str(), "A ");  // written back trimmed: the NUL became a blank

    name(0, 2) = "XX";
    name(0, 6) = "XX";
    EXPECT_EQ(GetGroupID(0, "XX"), 6);  // the highest-numbered wins
    EXPECT_EQ(GetGroupID(0, "MEM"), 0);
    EXPECT_EQ(GetGroupID(1, "a"), 0);    // exact comparison
    EXPECT_EQ(GetGroupID(1, "A "), 0);   // the given name is not trimmed
    EXPECT_EQ(GetGroupID(5, "A"), 0);
    ResetProcessState();
}

TEST(ModFun, ParseBandRange) {
    const std::tuple<const char*, double, double> cases[] = {
        {"28.0000 - 29.6990 MHz", 28.0, 29.699}, {"26.96500 - 27.86125 MHz", 26.965, 27.86125},
        {"24.7150 - 30.1050 MHz", 24.715, 30.105}, {"abc", 100, 500}, {"", 100, 500},
        {"28.0000 - 29.7000", 28.0, 29.7},  // no unit: the rest is the upper limit
        {"x - 29.7 MHz", 100, 29.7}, {"28 - y MHz", 28.0, 500}, {"28 - 29 MHz - 30 MHz", 28.0, 29.0}};
    for (const auto& [text, low, high] : cases) {
        ResetProcessState();
        ParseBandRange(QString::fromLatin1(text));
        EXPECT_DOUBLE_EQ(BandLowMHz, low) << text;
        EXPECT_DOUBLE_EQ(BandHighMHz, high) << text;
        EXPECT_EQ(Range2HighMHz, std::string(text).find(" - ") == std::string::npos ? 0.0 : 21.5) << text;
    }
    ResetProcessState();
}
