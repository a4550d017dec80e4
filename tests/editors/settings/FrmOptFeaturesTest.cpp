// The optional-features window driven as a user drives it: picks land in the
// data file at their offsets and in the radio image, showing stores nothing,
// typed values are committed before a save.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <set>

#include "core/GlobalState.h"
#include "core/ModFreFile.h"
#include "editors/settings/FrmOptFeatures.h"
#include "editors/settings/OptionRules.h"
#include "editors/settings/RogerBeepRules.h"
#include "link/ModComm.h"
#include "link/RadioImage.h"
#include "link/SettingsCodec.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/frmMain.h"
#include "support/RunningProgram.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

constexpr int kSettings = 250;  // the settings record in the data file

class FrmOptFeaturesTest : public ::testing::Test {
protected:
    void SetUp() override { rec.clear(); }

    FrmOptFeatures* open() {
        auto* w = qobject_cast<FrmOptFeatures*>(ShowChildForm(FormName::OptFeatures));
        QApplication::processEvents();
        return w;
    }
    // A user's pick with the keyboard: focus, then one step down or up.
    static void stepList(QComboBox* box, Qt::Key key = Qt::Key_Down) {
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(box->isVisibleTo(box->window()));
        box->setFocus();
        QTest::keyClick(box, key);
    }
    static void typeInto(QLineEdit* box, const QString& text) {
        ASSERT_NE(box, nullptr);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    QByteArray savedFile() {
        Doc.DataFilePath = program.workDir() + "/opt.dat";
        Doc.Untitled = false;
        rec.answer(platform::MsgResult::Ok);
        program.window().mnuFileSave_Click();
        QFile f(Doc.DataFilePath);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }
    static int Word(const QByteArray& b, int offset) {
        return static_cast<qint16>(static_cast<quint8>(b.at(offset)) | (static_cast<quint8>(b.at(offset + 1)) << 8));
    }

    testsupport::MsgRecorder rec;
    testsupport::RunningProgram program;
};

}  // namespace

TEST_F(FrmOptFeaturesTest, OpeningShowsWithoutStoringEvenOddValues) {
    // Values a damaged file may bring: outside their lists, or too wide.
    WorkDocument.Band = BandCB;
    WorkDocument.Settings.Mic = 45;
    WorkDocument.Settings.ClaSet = 3;
    WorkDocument.Settings.AsqLevel = 9;
    WorkDocument.DrcBeepWord = 0x87;
    WorkDocument.Settings.LevelSetB = 500;
    WorkDocument.Settings.OptionByteB = 10;  // CW Freq below its first item
    WorkDocument.Settings.KeyWordLast = 40;
    WorkDocument.KeyLock = 1;
    PrepareSaveImage();
    const DocumentImage before = WorkDocument;
    RadioHasOption = false;

    for (int language : {1, 2}) {
        App.CurrentLanguage = language;
        FrmOptFeatures* w = open();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(RadioHasOption);
        // Each shows as its own text, in the list's numbering where it has one.
        EXPECT_EQ(w->list(3)->currentText(), "46");
        EXPECT_EQ(w->list(24)->currentText(), "9");
        EXPECT_EQ(w->list(72)->currentText(), "8");
        EXPECT_EQ(w->list(11)->currentIndex(), 0);  // CLA SET RT in CB shows Off
        EXPECT_EQ(w->list(1)->currentIndex(), -1);  // carries no field: no selection
        EXPECT_EQ(w->textBox("Text2_2")->text(), "50.0");
        w->ShowRB();
        w->ShowDTMF();
        w->ReShowData();
        UnloadChildForms();
        QApplication::processEvents();
        EXPECT_TRUE(WorkDocument == before) << language;
        EXPECT_TRUE(IsDataUnchanged());
    }
    EXPECT_TRUE(rec.shown().empty()) << rec.texts().join("|").toStdString();
}

TEST_F(FrmOptFeaturesTest, EveryKindOfPickLandsInTheFileAndTheImage) {
    WorkDocument.Settings.Tot = 0;
    WorkDocument.Settings.OptionByteB = 30;
    WorkDocument.ChVolKind = 0;  // VOX ON/OFF
    WorkDocument.DrcBeepWord = 0x84;
    WorkDocument.Settings.KeyWordLast = 0;
    WorkDocument.Settings.KeyAssignEnable = 0;
    WorkDocument.Settings.CBPublic[PubRoger] = 0;
    WorkDocument.SaveDisKind = 0;  // HF public switch "On"
    WorkDocument.Settings.OptionFlagA = 1;
    WorkDocument.FMEnable = WorkDocument.AMEnable = 1;
    WorkDocument.USBEnable = WorkDocument.LSBEnable = WorkDocument.CWEnable = WorkDocument.PAEnable = 0;
    WorkDocument.RssiThreshold = {4, 9, 14, 19, 24, 29, 0, 5, 8, 12, 23, 35};
    for (int n = 1; n <= 8; ++n) {
        WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)).Recycle = 1;
        WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)).Tone[1].Length = 5;
    }
    FrmOptFeatures* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->list(27)->isEnabled());  // VOX off
    EXPECT_FALSE(w->list(28)->isEnabled());

    stepList(w->list(9));   // TOT 30s
    stepList(w->list(47));  // CW Freq 310
    stepList(w->list(69));  // VOX ON
    EXPECT_TRUE(w->list(27)->isEnabled());
    EXPECT_FALSE(w->list(28)->isEnabled());  // VOX level still at its first item
    stepList(w->list(27));
    EXPECT_TRUE(w->list(28)->isEnabled());
    stepList(w->list(71), Qt::Key_Up);  // Beep Off, level kept
    stepList(w->list(67));  // Pf Key "VOX"
    stepList(w->list(209)); // CB roger pattern 1
    stepList(w->list(60));  // HF public Off
    QTest::mouseClick(w->check(103), Qt::LeftButton);  // SWR protect off
    EXPECT_FALSE(w->textBox("Text2_0")->isEnabled());
    QTest::mouseClick(w->check(105), Qt::LeftButton);  // FM off: AM still on
    QTest::mouseClick(w->check(106), Qt::LeftButton);  // AM off: the last one stays
    EXPECT_TRUE(w->check(106)->isChecked());

    typeInto(w->textBox("Text2_1"), "16.8");
    typeInto(w->textBox("Text2_2"), "12");  // commits the first box as it leaves it
    typeInto(w->textBox("Text4_12"), "1.5");
    typeInto(w->textBox("Text4_1"), "12");  // still focused at the save
    ASSERT_TRUE(w->textBox("Text4_1")->hasFocus());

    const QByteArray file = savedFile();
    ASSERT_EQ(file.size(), static_cast<int>(DocumentImageDiskSize));
    EXPECT_EQ(Word(file, kSettings + 1292), 3);    // Tot
    EXPECT_EQ(static_cast<quint8>(file.at(kSettings + 1326)), 31);  // CW Freq
    EXPECT_EQ(Word(file, 2885), 1);                // VOX ON/OFF
    EXPECT_EQ(file.at(kSettings + 1311), 1);       // VOX level
    EXPECT_EQ(Word(file, 2891), 4);                // beep word: Off, level "5"
    EXPECT_EQ(Word(file, kSettings + 1946), 1);    // Pf Key
    EXPECT_EQ(Word(file, kSettings + 114 + 12), 128);  // CB Roger
    EXPECT_EQ(Word(file, 2881), 1);                // HF public switch
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).Public, 1);
    EXPECT_EQ(Word(file, kSettings + 1294), 0);    // SWR protect
    EXPECT_EQ(Word(file, 2865), 0);                // FM
    EXPECT_EQ(Word(file, 2867), 1);                // AM kept
    EXPECT_EQ(Word(file, kSettings + 1274), 120);  // battery min, swapped
    EXPECT_EQ(Word(file, kSettings + 1276), 168);
    EXPECT_EQ(Word(file, kSettings + 1315), 15000);  // TX.REP (low word)
    EXPECT_EQ(Word(file, 2834 + 2), 11);           // RSSI box 1, typed but not left
    EXPECT_EQ(w->textBox("Text2_1")->text(), "12.0");

    // The radio image takes the same values at their own places.
    PackSettings(WorkDocument.Settings);
    EXPECT_EQ(ImageByte(0x2210D), 3);
    EXPECT_EQ(ImageByte(0x22104), 31);
    EXPECT_EQ(ImageByte(0x22117), 1);
    EXPECT_EQ(ImageByte(0x22109), 4);
    EXPECT_EQ(ImageByte(0x22143), 1);
    EXPECT_EQ(ImageByte(0x22113), 15000 & 0xFF);
}

TEST_F(FrmOptFeaturesTest, RefreshesFromOtherWindowsShowWithoutStoring) {
    for (int n = 1; n <= 8; ++n) {
        WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)).Recycle = 1;
        WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)).Tone[1].Length = 5;
    }
    WorkDocument.Settings.HAMPublic[PubRoger] = 129;
    WorkDocument.Settings.Tot = 3;
    FrmOptFeatures* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->list(409)->currentText(), "2");
    EXPECT_EQ(w->list(409)->count(), 9);

    WorkDocument.RogerBeep[2].Recycle = 0;
    RefreshRBReferences();
    EXPECT_EQ(w->list(409)->count(), 8);
    EXPECT_EQ(w->list(409)->currentIndex(), 0);
    EXPECT_EQ(WorkDocument.Settings.HAMPublic[PubRoger], 0);

    // A refill empties every list first.
    const int tot = w->list(9)->count();
    w->ReShowData();
    EXPECT_EQ(w->list(9)->count(), tot);
    EXPECT_EQ(w->list(9)->currentIndex(), 1);

    WorkDocument.Settings.DtmfAutodial[3] = "12";
    w->ShowDTMF();
    EXPECT_EQ(w->list(206)->count(), 2);
    EXPECT_EQ(w->list(206)->currentIndex(), -1);
}

TEST_F(FrmOptFeaturesTest, TextBoxesRefuseWhatTheirFiltersRefuse) {
    FrmOptFeatures* w = open();
    ASSERT_NE(w, nullptr);
    OptTextBox* rssi = w->textBox("Text4_3");
    typeInto(rssi, "a.7-");
    EXPECT_EQ(rssi->text(), "7");
    rssi->clear();
    rssi->insert("x9");  // as a paste or a drop would: the validator holds
    EXPECT_EQ(rssi->text(), "");
    EXPECT_EQ(rssi->contextMenuPolicy(), Qt::NoContextMenu);
    for (QLabel* label : w->findChildren<QLabel*>()) {
        if (label->objectName().startsWith("Label1_") || label->objectName().startsWith("Label4_")) {
            EXPECT_NE(label->buddy(), nullptr) << label->objectName().toStdString();
        }
    }
}

namespace {

// Where each visible option lives: its bytes in the data file and the one
// byte of the radio image it goes to (0: it has no place in the image).
struct OptionPlace {
    int id;
    int fileOffset;
    int size;
    std::uint32_t image;
};
constexpr int S = kSettings;
constexpr OptionPlace kPlaces[] = {
    {0, S + 180, 2, 0x22128},   {2, S + 1286, 2, 0x2210A},  {3, S + 1288, 2, 0x2210B},
    {8, S + 1290, 2, 0x2210C},  {9, S + 1292, 2, 0x2210D},  {10, S + 1298, 2, 0x22110},
    {11, S + 1302, 2, 0x2211C}, {12, S + 182, 2, 0x22129},  {13, S + 184, 2, 0x2212A},
    {14, S + 186, 2, 0x2212B},  {15, S + 188, 2, 0x2212C},  {16, S + 190, 2, 0x2212D},
    {24, S + 1305, 2, 0x22115}, {25, S + 1282, 1, 0x2211A}, {26, S + 1283, 1, 0x2211B},
    {27, S + 1311, 1, 0x22118}, {28, S + 1312, 1, 0x22119}, {29, S + 1321, 1, 0x22116},
    {32, S + 1323, 1, 0x2211E}, {33, S + 1324, 1, 0x2211F}, {35, S + 1313, 2, 0x2211D},
    {36, S + 1325, 1, 0x22120}, {38, S + 192, 2, 0x2212E},  {39, S + 1284, 2, 0},
    {40, S + 1924, 2, 0x22121}, {41, S + 1926, 2, 0x22122}, {44, S + 194, 2, 0x2212F},
    {47, S + 1326, 1, 0x22104}, {48, S + 1327, 1, 0x22106}, {49, S + 1328, 1, 0x22123},
    {52, S + 1329, 1, 0x22124}, {55, S + 1334, 1, 0x22126}, {56, S + 1335, 1, 0x22127},
    {59, S + 1332, 2, 0x22125}, {61, S + 1938, 2, 0x22111}, {64, S + 8, 2, 0x18004},
    {65, S + 10, 2, 0x18006},   {67, S + 1946, 2, 0x22143}, {70, 2889, 2, 0x22144},
    {71, 2891, 2, 0x22109},     {72, 2891, 2, 0x22109},     {60, 2881, 2, 0},
    {62, 2883, 2, 0},           {69, 2885, 2, 0x22117},
    // CB, HAM and HF public groups: HI-CUT, NB, ANL, ECHO, +10KHz in the flags byte.
    {200, S + 114, 2, 0x18108}, {201, S + 116, 2, 0x18108}, {204, S + 118, 2, 0x18108},
    {202, S + 120, 2, 0x18108}, {203, S + 122, 2, 0x18108}, {209, S + 126, 2, 0x1810A},
    {205, S + 134, 2, 0x1810B}, {400, S + 136, 2, 0x18118}, {401, S + 138, 2, 0x18118},
    {404, S + 140, 2, 0x18118}, {402, S + 142, 2, 0x18118}, {403, S + 144, 2, 0x18118},
    {409, S + 148, 2, 0x1811A}, {405, S + 156, 2, 0x1811B}, {300, S + 158, 2, 0x18128},
    {301, S + 160, 2, 0x18128}, {304, S + 162, 2, 0x18128}, {302, S + 164, 2, 0x18128},
    {303, S + 166, 2, 0x18128}, {309, S + 170, 2, 0x1812A}, {305, S + 178, 2, 0x1812B},
    // Check boxes.
    {103, S + 1294, 2, 0x2210E}, {104, S + 1296, 2, 0x2210F}, {105, 2865, 2, 0x22141},
    // (PA starts off, so every mode box changes: the last one on stays on.)
    {109, 2875, 2, 0x22141},     {106, 2867, 2, 0x22141},     {107, 2869, 2, 0x22141},
    {108, 2871, 2, 0x22141},     {110, 2873, 2, 0x22141},
};

std::vector<std::uint8_t> PackedImage() {
    ClearImage();
    PackSettings(WorkDocument.Settings);
    return {RadioImage.begin(), RadioImage.end()};
}

}  // namespace

TEST_F(FrmOptFeaturesTest, EveryVisibleOptionLandsAtItsOwnWordOnly) {
    WorkDocument.ChVolKind = 1;  // VOX on and a level past its first item: all enabled
    WorkDocument.Settings.VoxLevel = 1;
    WorkDocument.Settings.KeyAssignEnable = 0;
    WorkDocument.FMEnable = WorkDocument.AMEnable = WorkDocument.USBEnable = 1;
    WorkDocument.LSBEnable = WorkDocument.CWEnable = 1;
    WorkDocument.PAEnable = 0;
    FrmOptFeatures* w = open();
    ASSERT_NE(w, nullptr);

    std::set<int> visible;
    for (const OptionRow& row : OptionRows())
        if (row.visible()) visible.insert(row.id);
    for (const OptionPlace& place : kPlaces) {
        SCOPED_TRACE(place.id);
        visible.erase(place.id);
        const Bytes fileBefore = DocumentToBytes(WorkDocument);
        const auto imageBefore = PackedImage();
        if (QCheckBox* box = w->check(place.id)) {
            QTest::mouseClick(box, Qt::LeftButton);
        } else {
            QComboBox* list = w->list(place.id);
            ASSERT_NE(list, nullptr);
            ASSERT_TRUE(list->isEnabled());
            stepList(list, list->currentIndex() + 1 < list->count() ? Qt::Key_Down : Qt::Key_Up);
        }
        const Bytes fileAfter = DocumentToBytes(WorkDocument);
        const auto imageAfter = PackedImage();
        ASSERT_EQ(fileAfter.size(), fileBefore.size());
        bool changed = false;
        for (std::size_t k = 0; k < fileAfter.size(); ++k) {
            if (fileAfter[k] == fileBefore[k]) continue;
            changed = true;
            EXPECT_GE(static_cast<int>(k), place.fileOffset) << "file byte " << k;
            EXPECT_LT(static_cast<int>(k), place.fileOffset + place.size) << "file byte " << k;
        }
        EXPECT_TRUE(changed);
        for (std::size_t a = 0; a < imageAfter.size(); ++a) {
            if (imageAfter[a] == imageBefore[a]) continue;
            EXPECT_EQ(a, place.image) << std::hex << "image byte 0x" << a;
        }
        if (place.image != 0) {
            EXPECT_NE(imageAfter[place.image], imageBefore[place.image]);
        }
    }
    EXPECT_TRUE(visible.empty()) << "a visible option without a place: " << *visible.begin();
    EXPECT_TRUE(rec.shown().empty()) << rec.texts().join("|").toStdString();
}
