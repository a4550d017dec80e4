#include <gtest/gtest.h>

#include <random>

#include "CodecDocuments.h"
#include "CodecFixture.h"
#include "core/GlobalState.h"
#include "link/ImageValidation.h"
#include "link/ChannelCodec.h"
#include "link/RadioImage.h"
#include "link/SpecialCodec.h"

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

// Where a second read differs from the first: a record field by its disk
// offset, a channel by its place. Empty when they agree.
std::string FirstDifference(const codectest::Snapshot& a, const codectest::Snapshot& b) {
    const Bytes da = DocumentToBytes(a.doc), db = DocumentToBytes(b.doc);
    for (std::size_t i = 0; i < da.size(); ++i)
        if (da[i] != db[i]) return "document byte " + std::to_string(i);
    if (!(a.doc == b.doc)) return "document (a field outside the disk form)";
    for (int band = 0; band < BandCount; ++band)
        for (int g = 1; g <= MaxGroup; ++g)
            for (int slot = 1; slot <= MaxSlot; ++slot)
                if (!(a.table(band, slot, g) == b.table(band, slot, g)))
                    return "channel band " + std::to_string(band) + " group " + std::to_string(g) + " slot " +
                           std::to_string(slot);
    for (int i = 1; i <= MemListSize; ++i)
        if (!(a.mem(i) == b.mem(i))) return "memory entry " + std::to_string(i);
    return {};
}

// An image as a radio may hold it: any byte anywhere, with slots and weather
// entries holding a frequency, an erased one (FF) or zeros, and free text
// bytes from the whole code page.
void FillRadioLikeImage(std::mt19937& rng) {
    const auto byte = [&] { return static_cast<std::uint8_t>(rng()); };
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (auto& b : RadioImage) b = byte();
    const auto frequency = [&](std::uint32_t a) {
        switch (pick(4)) {
        case 0: SetNoFrequency(a); break;
        case 1: for (std::uint32_t k = 0; k < 4; ++k) RadioImage[a + k] = 0; break;
        case 2: break;  // whatever the random bytes are
        default:
            for (std::uint32_t k = 0; k < 4; ++k)
                RadioImage[a + k] = static_cast<std::uint8_t>(pick(10) * 16 + pick(10));
        }
    };
    for (int band = 0; band < BandCount; ++band)
        for (int g = 1; g <= GroupsOfBand(band); ++g)
            for (int n = 1; n <= SlotsWalkedOnRead(band, g); ++n)
                if (const auto a = ChannelSlotAddress(band, g, n)) frequency(*a);
    for (int i = 1; i <= MemListSize; ++i) frequency(MemorySlotAddress(i));
    for (int e = 0; e <= WeatherVfoEntry; ++e) frequency(WeatherEntryAddress(e));
    // The free text, often with the codes 1252 has no character for.
    const std::uint8_t unassigned[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (std::uint32_t k = 0; k < 16; ++k)
        if (pick(3) == 0) RadioImage[0x22130 + k] = unassigned[pick(5)];
}

// A read, a write and a second read of the same radio give the same document,
// whatever the radio held and with either code page for the free text.
TEST_F(CodecRoundTripTest, ReadWriteReadOfARadioGivesTheSameDocument) {
    std::mt19937 rng(8);
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round);
        ResetProcessState();
        App.SystemLCIDHex = round % 2 ? QStringLiteral("407") : QStringLiteral("804");
        codectest::BuildRandomDocument(static_cast<std::uint32_t>(round + 500));
        FillRadioLikeImage(rng);
        codectest::KeepOnlyExchangedBytes();
        UnpackImage();
        const codectest::Snapshot first = codectest::TakeSnapshot();

        const auto problems = ValidateDocumentForWrite();
        ASSERT_TRUE(problems.empty()) << problems.front().english.toStdString();
        ClearImage();
        PackImage();
        codectest::KeepOnlyExchangedBytes();
        UnpackImage();
        const std::string diff = FirstDifference(first, codectest::TakeSnapshot());
        ASSERT_TRUE(diff.empty()) << diff;
    }
}

// The VFO slots of a read always count as present: one without a channel is
// sent erased, or the next read would find a VFO at 0 MHz.
TEST_F(CodecRoundTripTest, ErasedVfoSlotsAreSentErased) {
    codectest::BuildRichDocument();
    ClearImage();
    for (const std::uint32_t vfo : {0x12640u, 0x14640u, 0x1C180u}) SetNoFrequency(vfo);
    UnpackImage();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, VfoGroupOf(BandHF)), 0);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHAM, VfoGroupOf(BandHAM)), 0);
    EXPECT_EQ(WorkDocument.Settings.WeatherChannel[WeatherVfoEntry].InUse, 0);

    ClearImage();
    PackImage();
    for (const std::uint32_t vfo : {0x12640u, 0x14640u, 0x1C180u})
        EXPECT_EQ(codectest::ImageBytes(vfo, 4), (std::vector<int>{0xFF, 0xFF, 0xFF, 0xFF})) << std::hex << vfo;
    // The slot's other bytes and the VFO bits carry nothing for no channel.
    EXPECT_EQ(codectest::ImageBytes(0x12644, 12), std::vector<int>(12, 0));
    EXPECT_EQ(RadioImage[0x160D0] & 1, 0);
    UnpackImage();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, VfoGroupOf(BandHF)), 0);
    EXPECT_EQ(WorkDocument.ChannelCount(BandHAM, VfoGroupOf(BandHAM)), 0);
    EXPECT_EQ(WorkDocument.Settings.WeatherChannel[WeatherVfoEntry].InUse, 0);
}

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
