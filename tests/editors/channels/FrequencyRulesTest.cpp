// Typed frequencies: limits, cutting to 10 Hz steps, rejected entries, and
// the stored field read back.
#include <gtest/gtest.h>

#include "core/ChannelList.h"
#include "editors/channels/FrequencyRules.h"

using namespace ulbrix;

TEST(FrequencyRules, TypedTextsAreCheckedAgainstTheBandAndCutTo10Hz) {
    const FrequencyLimits hf = ChannelBandLimits(BandHF);
    EXPECT_EQ(CheckTypedFrequency("27.123456", hf), "27.12345");
    EXPECT_EQ(CheckTypedFrequency("27.12346", hf), "27.12346");
    EXPECT_EQ(CheckTypedFrequency("24.71500", hf), "24.71500");  // both limits belong to the range
    EXPECT_EQ(CheckTypedFrequency("30.105", hf), "30.10500");
    EXPECT_EQ(CheckTypedFrequency("28.5", hf), "28.50000");
    EXPECT_EQ(CheckTypedFrequency("28", ChannelBandLimits(BandHAM)), "28.00000");
    // Cut down, never rounded up, even where the binary value lies just below.
    EXPECT_EQ(CheckTypedFrequency("29.99999", hf), "29.99999");
    EXPECT_EQ(CheckTypedFrequency("29.999999", hf), "29.99999");
    for (const char* bad : {"30.2", "24.7", "0", "abc", "", ".", "28.5.1", "1e400", "-28.5"})
        EXPECT_FALSE(CheckTypedFrequency(bad, hf).has_value()) << bad;
    // The CB band's lower limit is not a whole 10 Hz multiple of a MHz: steps count from it.
    EXPECT_EQ(CheckTypedFrequency("26.965", ChannelBandLimits(BandCB)), "26.96500");
}

TEST(FrequencyRules, StoredFieldsReadBackAsShownTexts) {
    EXPECT_EQ(FieldToFrequencyText(std::string("2696500 ")), "26.96500");
    EXPECT_EQ(FieldToFrequencyText(std::string("28015000")), "28.01500");
    for (const char* none : {"FFFFFFFF", "", "        "}) EXPECT_EQ(FieldToFrequencyText(std::string(none)), "") << none;
    // Not digits: no value at all (shown empty by the grid, never as a limit).
    for (const char* bad : {"28.0150 ", "2x015000", "-2801500", "2"})
        EXPECT_FALSE(FieldToFrequencyText(std::string(bad)).has_value()) << bad;
    bool corrupt = false;
    FixedText<8> f("ZZZZZZZZ");
    EXPECT_EQ(DigitsToFrequencyText(f, &corrupt), "");
    EXPECT_TRUE(corrupt);
}

TEST(FrequencyRules, TheTypedTextGoesIntoTheReceiveFieldOnly) {
    EXPECT_EQ(FrequencyTextToDigits(""), "");
    EXPECT_EQ(FrequencyTextToDigits("27.00500"), "2700500");
    EXPECT_EQ(FrequencyTextToDigits("1.5"), "015");
    ChannelRecord r;
    r.TxFreq = "28015000";
    SetRecordFreq(r, 1, "27.12345");
    EXPECT_EQ(r.RxFreq.str(), "2712345 ");
    EXPECT_EQ(r.TxFreq.str(), "28015000");
    const ChannelRecord before = r;
    SetRecordFreq(r, 0, "29.00000");
    SetRecordFreq(r, 2, "29.00000");
    EXPECT_EQ(r, before);
    // Whatever the text, the field never takes more than its 8 characters.
    SetRecordFreq(r, 1, "28.1234567");
    EXPECT_EQ(r.RxFreq.str(), "28123456");
}
