#include <gtest/gtest.h>

#include <random>

#include "CodecDocuments.h"
#include "CodecFixture.h"
#include "link/ImageValidation.h"
#include "link/ChannelCodec.h"
#include "link/RadioImage.h"

using namespace ulbrix;

namespace {

class CodecRoundTripTest : public codectest::CodecTest {
protected:
    // Pack, let only what the radio exchanges survive, scribble over the
    // document, read back.
    codectest::Snapshot PackAndRead(std::uint32_t scribbleSeed) {
        const auto problems = ValidateDocumentForWrite();
        EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems.front().english.toStdString());
        const codectest::Snapshot before = codectest::TakeSnapshot();
        ClearImage();
        PackImage();
        codectest::KeepOnlyExchangedBytes();
        codectest::BuildRandomDocument(scribbleSeed);
        UnpackImage();
        return before;
    }
};

TEST_F(CodecRoundTripTest, RichDocumentCarriesEveryImageField) {
    codectest::BuildRichDocument();
    const auto before = PackAndRead(7);
    codectest::ExpectCarried(before);
    codectest::ExpectIndicesInRange();
}

TEST_F(CodecRoundTripTest, PackWritesNothingOutsideTheExchangedRanges) {
    codectest::BuildRichDocument();
    ClearImage();
    PackImage();
    for (std::uint32_t a = 0; a < RadioImageSize; ++a) {
        if (IsExchangedAddress(a) || a == 0x16341) continue;  // the HAM VFO scan bit lies in a hole
        ASSERT_EQ(RadioImage[a], 0) << std::hex << a;
    }
}

TEST_F(CodecRoundTripTest, RandomValidDocumentsRoundTrip) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ResetProcessState();
        codectest::BuildRandomDocument(seed);
        const auto before = PackAndRead(seed + 1000);
        codectest::ExpectCarried(before);
        codectest::ExpectIndicesInRange();
        if (HasFailure()) break;
    }
}

TEST_F(CodecRoundTripTest, ErasedRadioReadsWithoutFault) {
    codectest::BuildRichDocument();
    RadioImage.fill(0xFF);
    ASSERT_NO_THROW(UnpackImage());
    codectest::ExpectIndicesInRange();
    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= GroupsOfBand(b); ++g) EXPECT_EQ(WorkDocument.ChannelCount(b, g), 0) << b << "/" << g;
    for (int i = 1; i <= MemListSize; ++i) EXPECT_EQ(MemChannelList(i).InUse, 0);
    for (const auto& w : WorkDocument.Settings.WeatherChannel) EXPECT_EQ(w.InUse, 0);
}

TEST_F(CodecRoundTripTest, ZeroedRadioReadsWithoutFault) {
    codectest::BuildRichDocument();
    ClearImage();
    ASSERT_NO_THROW(UnpackImage());
    codectest::ExpectIndicesInRange();
    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= GroupsOfBand(b); ++g)
            EXPECT_EQ(WorkDocument.ChannelCount(b, g), g == VfoGroupOf(b) ? 1 : 0) << b << "/" << g;
    EXPECT_EQ(WorkDocument.Settings.WeatherChannel[40].InUse, 1);  // the weather VFO always reads
    EXPECT_EQ(WorkDocument.Settings.WeatherChannel[0].InUse, 0);
}

TEST_F(CodecRoundTripTest, RandomImagesNeverIndexPastATable) {
    std::mt19937 rng(4242);
    for (int round = 0; round < 10; ++round) {
        ResetProcessState();
        for (auto& b : RadioImage) b = static_cast<std::uint8_t>(rng());
        ASSERT_NO_THROW(UnpackImage());
        codectest::ExpectIndicesInRange();
        if (HasFailure()) break;
    }
}

}  // namespace
