#include <gtest/gtest.h>

#include <algorithm>

#include "CodecFixture.h"
#include "core/ModFun.h"
#include "link/ImageValidation.h"
#include "link/SettingsCodec.h"

using namespace ulbrix;
using codectest::ImageBytes;
using codectest::Put;

namespace {

class SettingsCodecTest : public codectest::CodecTest {
protected:
    GeneralSettingsRecord& S() { return WorkDocument.Settings; }
    void Pack() { PackSettings(S()); }
    void Unpack() { UnpackSettings(S()); }
};

TEST_F(SettingsCodecTest, CurrentGroupIsSentZeroBased) {
    S().CurGroupIndex = {0, 3, 14};
    S().CurGroupAux = {0, 1, 1};
    S().WorkChannel(0, 6) = 40;
    S().WorkChannel(2, 12) = 3;
    Pack();
    EXPECT_EQ(ImageBytes(0x18001, 6), (std::vector<int>{0, 0, 2, 1, 13, 1}));
    EXPECT_EQ(RadioImage[0x1800C], 39);
    EXPECT_EQ(RadioImage[0x18027], 2);
    Unpack();
    EXPECT_EQ(S().CurGroupIndex, (std::array<Integer, 3>{1, 3, 14}));
}

TEST_F(SettingsCodecTest, GroupNames) {
    S().GroupName(1, 1) = "A";
    S().GroupName(1, 2) = std::string("B\0", 2);
    S().GroupName(2, 12) = "XY";
    Pack();
    EXPECT_EQ(ImageBytes(0x22020, 4), (std::vector<int>{0x41, 0x00, 0x42, 0x00}));
    EXPECT_EQ(ImageBytes(0x22056, 2), (std::vector<int>{0x58, 0x59}));

    Put(0x22000, {0xFF, 0xFF, 0x00, 0x42, 0x41, 0xFF});
    Unpack();
    EXPECT_EQ(TrimNull(S().GroupName(1, 1)), "A");
    EXPECT_EQ(TrimNull(S().GroupName(0, 1)), "");
    EXPECT_EQ(TrimNull(S().GroupName(0, 2)), "B");  // a skipped byte does not end the name
    EXPECT_EQ(TrimNull(S().GroupName(0, 3)), "A");
}

TEST_F(SettingsCodecTest, GroupValidBits) {
    for (int g = 1; g <= 7; ++g) S().GroupValid(0, g) = 1;
    S().GroupValid(1, 9) = 1;
    S().GroupValid(1, 1) = 2;  // any word but 0 is on
    S().GroupValid(2, 12) = 1;
    Pack();
    EXPECT_EQ(ImageBytes(0x16460, 6), (std::vector<int>{0x7F, 0x00, 0x01, 0x01, 0x00, 0x08}));
    Unpack();
    EXPECT_EQ(S().GroupValid(1, 1), 1);
    EXPECT_EQ(S().GroupValid(1, 9), 1);
    EXPECT_EQ(S().GroupValid(1, 8), 0);
}

TEST_F(SettingsCodecTest, PublicDefaultsFlagsByte) {
    struct Case { PublicDefaults words; int flags; } cases[] = {
        {{0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0}, 0x08},  // word 5 alone
        {{1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}, 0x03},  // HI-CUT and ECHO
        {{0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}, 0x30},  // NB and ANL
        {{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}, 0x04},  // +10KHz
    };
    for (const auto& c : cases) {
        ClearImage();
        S().HFPublic = c.words;
        Pack();
        EXPECT_EQ(RadioImage[0x18128], c.flags);
    }
    Put(0x18108, {0x30, 0x77, 131, 4});  // P + 1 is neither written nor read
    Unpack();
    EXPECT_EQ(S().CBPublic, (PublicDefaults{0, 1, 1, 0, 0, 0, 131, 0, 0, 0, 4}));
}

TEST_F(SettingsCodecTest, DtmfMemories) {
    S().DtmfAutodial[1] = std::string("12*#\0", 5);
    S().DtmfAutodial[2] = std::string(1, '\0');
    S().DtmfAutodial[3] = "0123456789ABCD*#";
    Pack();
    std::vector<int> first{0x01, 0x02, 0x0E, 0x0F};
    first.resize(16, 0x10);
    EXPECT_EQ(ImageBytes(0x20000, 16), first);
    EXPECT_EQ(ImageBytes(0x20010, 16), std::vector<int>(16, 0x10));
    EXPECT_EQ(ImageBytes(0x20020, 16), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));

    Unpack();
    EXPECT_EQ(S().DtmfAutodial[1].str().substr(0, 5), std::string("12*#\0", 5));
    EXPECT_EQ(TrimNull(S().DtmfAutodial[2]), "");
    EXPECT_EQ(S().DtmfAutodial[3].str(), "0123456789ABCD*#");  // 16 digits, no NUL
}

TEST_F(SettingsCodecTest, OptionBlockAddresses) {
    struct Case { const char* field; long value; std::uint32_t address; std::vector<int> bytes; } cases[] = {
        {"LevelSetB", 168, 0x22100, {0xA8, 0x00}},  {"LevelSetA", 97, 0x22102, {0x61, 0x00}},
        {"OptionByteB", 200, 0x22104, {200, 0}},    {"DrcBeepWord", 0x85, 0x22109, {0x85}},
        {"KeyWords(2)", 7, 0x22111, {7}},           {"OptionLong", 50000, 0x22113, {0x50, 0xC3}},
        {"OptionLong", 100, 0x22113, {0x64, 0x00}}, {"ChVolKind", 1, 0x22117, {1}},
        {"BluetoothSet(7)", 9, 0x2212F, {9}},       {"VoxSpk", 1, 0x22142, {1}},
        {"KeyWordLast", 4, 0x22143, {4}},           {"VoxOnOff", 1, 0x22144, {1}},
    };
    for (const auto& c : cases) {
        const auto& layout = OptionBlockLayout();
        const auto f = std::find_if(layout.begin(), layout.end(), [&](const OptionField& o) { return std::string(o.name) == c.field; });
        ASSERT_NE(f, layout.end()) << c.field;
        ClearImage();
        f->set(S(), WorkDocument, c.value);
        Pack();
        EXPECT_EQ(ImageBytes(c.address, static_cast<int>(c.bytes.size())), c.bytes) << c.field;
    }
}

TEST_F(SettingsCodecTest, OptionValuesTheFieldCannotHoldKeepTheDocumentValue) {
    S().OptionByteB = 7;
    S().LevelSetA = 97;
    Put(0x22102, {0xFF, 0xFF});  // 65535 does not fit a 16-bit Integer
    Put(0x22104, {0x01, 0x01});  // 257 does not fit a Byte
    Put(0x22113, {0xFF, 0xFF});
    RadioImage[0x22115] = 0xFF;
    Unpack();
    EXPECT_EQ(S().LevelSetA, 97);
    EXPECT_EQ(S().OptionByteB, 7);
    EXPECT_EQ(S().OptionLong, 65535);
    EXPECT_EQ(S().AsqLevel, 127);
}

TEST_F(SettingsCodecTest, ModeEnables) {
    WorkDocument.FMEnable = 1;
    WorkDocument.PAEnable = 1;
    WorkDocument.CWEnable = 1;
    Pack();
    EXPECT_EQ(RadioImage[0x22141], 0x01 | 0x10 | 0x20);
    RadioImage[0x22141] = 0x0E;
    Unpack();
    EXPECT_EQ(WorkDocument.FMEnable, 0);
    EXPECT_EQ(WorkDocument.AMEnable, 1);
    EXPECT_EQ(WorkDocument.USBEnable, 1);
    EXPECT_EQ(WorkDocument.LSBEnable, 1);
    EXPECT_EQ(WorkDocument.CWEnable, 0);
}

TEST_F(SettingsCodecTest, UnusedBytesStayZero) {
    for (int g = 1; g <= 7; ++g) S().GroupValid(0, g) = 1;
    for (auto* pub : {&S().CBPublic, &S().HAMPublic, &S().HFPublic}) pub->fill(1);
    for (const auto& f : OptionBlockLayout()) f.set(S(), WorkDocument, 1);
    S().OptionText = "0123456789ABCDEF";
    Pack();
    for (std::uint32_t a : {0x16461u, 0x18109u, 0x18119u, 0x18129u, 0x22112u, 0x22140u}) EXPECT_EQ(RadioImage[a], 0) << std::hex << a;
}

TEST_F(SettingsCodecTest, ImageTextOutside407IsTheCharacterCodes) {
    App.SystemLCIDHex = "804";
    WriteImageText(0x22130, "BT-1", 16);
    std::vector<int> expected{0x42, 0x54, 0x2D, 0x31};
    expected.resize(16, 0);
    EXPECT_EQ(ImageBytes(0x22130, 16), expected);
    EXPECT_EQ(ReadImageText(0x22130, 16), QStringLiteral("BT-1") + QChar(0));

    WriteImageText(0x22130, QString::fromUtf8("中é"), 16);  // low byte, high byte, zeros dropped
    EXPECT_EQ(ImageBytes(0x22130, 4), (std::vector<int>{0x2D, 0x4E, 0xE9, 0}));

    WriteImageText(0x22130, QStringLiteral("ABCDEFGHIJKLMNOPQRST"), 16);
    EXPECT_EQ(RadioImage[0x2213F], 'P');
    EXPECT_EQ(RadioImage[0x22140], 0);  // cut at 16 bytes
}

TEST_F(SettingsCodecTest, ImageTextIn407UsesWindows1252) {
    App.SystemLCIDHex = "407";
    WriteImageText(0x22130, QString::fromUtf8("Grüße €"), 16);
    EXPECT_EQ(ImageBytes(0x22130, 8), (std::vector<int>{'G', 'r', 0xFC, 0xDF, 'e', ' ', 0x80, 0}));
    EXPECT_EQ(ReadImageText(0x22130, 16), QString::fromUtf8("Grüße €") + QChar(0));
    bool ok = true;
    ImageTextBytes(QString::fromUtf8("中"), &ok);
    EXPECT_FALSE(ok);
}

TEST_F(SettingsCodecTest, FreeTextBytesOfTheRecordReachTheRadioAndComeBack) {
    // The record keeps the text in the system code page: 0x84 0x93 0x80 are
    // the German quotes and the euro sign in Windows-1252.
    const std::string marks = "\x84" "Funk\x93 \x80" "5";
    struct Case { const char* lcid; std::string text; } cases[] = {
        {"407", marks}, {"407", "Gr\xFC\xDF" "e"}, {"409", marks}, {"804", "BT-1 \xE9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lcid);
        App.SystemLCIDHex = c.lcid;
        ClearImage();
        S().OptionText = c.text + '\0';
        for (const auto& p : ValidateDocumentForWrite()) EXPECT_NE(p.field, QStringLiteral("OptionText")) << p.english.toStdString();
        Pack();
        std::vector<int> sent(c.text.begin(), c.text.end());
        for (int& b : sent) b &= 0xFF;
        sent.resize(16, 0);
        EXPECT_EQ(ImageBytes(0x22130, 16), sent);
        S().OptionText = "scribbled";
        Unpack();
        EXPECT_EQ(TrimNull(S().OptionText), c.text);
    }
}

TEST_F(SettingsCodecTest, ImageTextReadStopsAtZeroOrFF) {
    Put(0x22130, {'A', 'B', ' ', 0xFF, 'C'});
    EXPECT_EQ(ReadImageText(0x22130, 16), QStringLiteral("AB") + QChar(0));
    Put(0x22130, {'X', 0, 'C'});
    EXPECT_EQ(ReadImageText(0x22130, 16), QStringLiteral("X") + QChar(0));
    EXPECT_EQ(ReadImageText(0x22130, 0), QString(QChar(0)));
}

TEST_F(SettingsCodecTest, ErasedValuesKeepTheDocumentValueOrTakeOne) {
    struct Case {
        Integer docBand, docCur, docWork;
        int imageBand, imageCur, imageWork;
        Integer band, cur, work;
    } cases[] = {
        {2, 5, 7, 0xFF, 0xFF, 0xFF, 2, 5, 7},    // erased radio: document values stay
        {9, 0, 0, 0xFF, 0xFF, 0xFF, 1, 1, 1},    // and the document's own are bad too
        {1, 5, 7, 0, 16, 39, 0, 17, 40},         // in range: taken
        {1, 5, 7, 3, 17, 40, 1, 5, 7},           // one past the end
    };
    for (const auto& c : cases) {
        ClearImage();
        WorkDocument.Band = c.docBand;
        S().CurGroupIndex[1] = c.docCur;
        S().WorkChannel(1, 1) = c.docWork;
        RadioImage[0x18000] = static_cast<std::uint8_t>(c.imageBand);
        RadioImage[0x18003] = static_cast<std::uint8_t>(c.imageCur);
        RadioImage[0x1800D] = static_cast<std::uint8_t>(c.imageWork);
        Unpack();
        EXPECT_EQ(WorkDocument.Band, c.band);
        EXPECT_EQ(S().CurGroupIndex[1], c.cur);
        EXPECT_EQ(S().WorkChannel(1, 1), c.work);
    }
}

}  // namespace
