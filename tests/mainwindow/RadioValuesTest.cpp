// A value the radio holds is the radio's: a document holding values no list
// offers opens without a word, every editor shows such a value as its own
// text and stores nothing until the user picks, and the file saves as it
// opened. Only a value the radio cannot hold is refused, with the write's
// reasons.
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QTest>

#include "core/ChannelList.h"
#include "core/DocumentTestSupport.h"
#include "core/ModFreFile.h"
#include "editors/ComboHelpers.h"
#include "editors/channels/ChannelListEdit.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/ChannelTableEdit.h"
#include "editors/channels/WeatherRules.h"
#include "editors/settings/FrmOptFeatures.h"
#include "link/ChannelCodec.h"
#include "link/ImageValidation.h"
#include "link/RadioImage.h"
#include "mainwindow/EditorTable.h"
#include "mainwindow/TransferCommands.h"
#include "platform/widgets/ChildForms.h"

using namespace ulbrix;

namespace doctest {
namespace {

QString Listed(const std::vector<ImageProblem>& problems) {
    QStringList lines;
    for (const ImageProblem& p : problems) lines << p.english;
    return lines.join('\n');
}

// What an erased radio reads as: every byte FF.
void ReadErasedRadio() {
    RadioImage.fill(0xFF);
    UnpackImage();
}

struct Spoil {
    const char* name;
    std::function<void()> apply;
};

// Values no list offers, each as a file or a radio can bring it.
std::vector<Spoil> Spoils() {
    auto& s = WorkDocument.Settings;
    const auto hf3 = []() -> ChannelRecord& { return ChannelTable(BandHF, FindChannelPos(3, BandHF, 1), 1); };
    return {
        {"erased radio", ReadErasedRadio},
        {"options", [&] {
             s.Tot = 4;
             s.AsqLevel = 5;
             s.Beep = 200;
             s.ClaSet = 4;
             s.KeyWordLast = 99;
             s.HFPublic[PubMode] = 9;
             s.OptionFlagB = 2;
             WorkDocument.DrcBeepWord = 9;
         }},
        {"weather", [&] {
             s.Weather.w[WxStep] = 42;
             s.WeatherChannel[2].InUse = 1;
             s.WeatherChannel[2].FreqMHz = 162.4;
             s.WeatherChannel[2].Wide = 7;
         }},
        {"DTMF encode", [&] { s.DtmfSettings[0] = 50; }},
        {"work channel of another group", [&] { s.WorkChannel(BandHF, 1) = 35; }},
        {"work channel of an empty group", [&] {
             WorkDocument.ChannelCount(BandHF, 2) = 0;
             s.WorkChannel(BandHF, 2) = 5;
         }},
        {"memory entry of a gone channel", [] {
             WorkDocument.ChannelCount(BandCB, 1) = 11;
             MemChannelList(3).InUse = 1;
             MemChannelList(3).MemRefCh = 12;
         }},
        {"channel attributes", [&] {
             ChannelRecord& r = hf3();
             r.Mode = 7;
             r.RxCtcss = 50;
             r.TxToneType = 3;
             r.RogerBeep = 136;
             r.DtmfEot = 17;
         }},
        {"shared memory plan", [] {
             MemChannelList(66).InUse = 1;
             MemChannelList(66).MemRefCh = 1;
             MemChannelList(66).MemRefBand = 2;
         }},
    };
}

class RadioValuesTest : public DocumentTest {
protected:
    RadioValuesTest() : DocumentTest(true) {}
};

TEST_F(RadioValuesTest, ValuesNoListOffersOpenAndSaveAsTheyCame) {
    for (const Spoil& c : Spoils()) {
        SCOPED_TRACE(c.name);
        NewDocument();
        c.apply();
        EXPECT_TRUE(ValidateDocumentForWrite().empty()) << Listed(ValidateDocumentForWrite()).toStdString();
        Doc.DataFilePath = Path("radio.dat");
        ASSERT_TRUE(SaveDataFile());
        const QByteArray dat = Read(Path("radio.dat"));
        const QByteArray fre = Read(Path("radio.fre"));
        const Snapshot saved = Snapshot::Take();

        NewDocument();
        msgs_.clear();
        ASSERT_TRUE(OpenDataFile(Path("radio.dat"), OpenDocumentRefusal));
        EXPECT_TRUE(msgs_.shown().empty());
        EXPECT_TRUE(WorkDocument == saved.work);
        // Every channel and every memory entry in use; a free slot carries nothing.
        for (int b = 0; b < BandCount; ++b)
            for (int g = 1; g <= GroupsOfBand(b); ++g)
                for (int n = 1; n <= WorkDocument.ChannelCount(b, g); ++n)
                    EXPECT_TRUE(ChannelTable(b, n, g) == saved.table.at(ChannelTable.index(b, n, g))) << b << g << n;
        for (int n = 1; n <= MemListSize; ++n)
            EXPECT_TRUE(MemChannelList(n).InUse == 0 ? saved.mem.at(n).InUse == 0 : MemChannelList(n) == saved.mem.at(n));
        Doc.DataFilePath = Path("again.dat");
        ASSERT_TRUE(SaveDataFile());
        EXPECT_EQ(Read(Path("again.dat")), dat);
        EXPECT_EQ(Read(Path("again.fre")), fre);
    }
}

TEST_F(RadioValuesTest, AValueTheRadioCannotHoldIsStillRefusedWithTheWritesReasons) {
    NewDocument();
    WorkDocument.Settings.WorkChannel(BandHF, 1) = 32767;
    const std::vector<ImageProblem> problems = ValidateDocumentForWrite();
    ASSERT_FALSE(problems.empty());
    Doc.DataFilePath = Path("bad.dat");
    ASSERT_TRUE(SaveDataFile());

    NewDocument();
    WorkDocument.Settings.Mic = 4;  // an unsaved edit that must survive
    const Snapshot before = Snapshot::Take();
    msgs_.clear();
    EXPECT_FALSE(OpenDataFile(Path("bad.dat"), OpenDocumentRefusal));
    EXPECT_TRUE(Snapshot::Take() == before);
    ASSERT_EQ(msgs_.shown().size(), 1u);
    EXPECT_EQ(msgs_.shown()[0].text, OpenProblemsMessage(problems, 1));
    EXPECT_EQ(msgs_.shown()[0].text.section('\n', 1), ProblemsMessage(problems, 1).section('\n', 1));
}

// What the editors do to a document leaves it one the radio can hold.
TEST_F(RadioValuesTest, TypicalEditsKeepTheDocumentWritable) {
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
        {"DE's first forty channels deleted", [] {
             for (int n = 1; n <= 40; ++n) DeleteChannel(BandCB, 3, 1);
             RevalidateChannelRefs(BandCB, 3);
         }},
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
        EXPECT_TRUE(ValidateDocumentForWrite().empty()) << Listed(ValidateDocumentForWrite()).toStdString();
    }
}

class RadioValuesInEditorsTest : public RadioValuesTest {
protected:
    void SetUp() override {
        RadioValuesTest::SetUp();
        SetChildFormHost(&area_);
        RegisterKnownEditors();
        area_.resize(1400, 1000);
        area_.show();
    }
    void TearDown() override {
        UnloadChildForms();
        QApplication::processEvents();
        SetChildFormHost(nullptr);
        RadioValuesTest::TearDown();
    }
    static QString Spoken(QComboBox* box) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(box);
        return a ? a->text(QAccessible::Value) : QString();
    }
    QMdiArea area_;
};

// Every editor opens on an erased radio's document and on each spoiled one
// without storing a thing, and every list it shows says a value, in the
// closed list and to a screen reader alike.
TEST_F(RadioValuesInEditorsTest, EveryEditorShowsEveryValueAndStoresNothing) {
    const QString editors[] = {FormName::OptFeatures, FormName::Weather, FormName::ChannelInfo,
                               FormName::ToneTips, FormName::DTMF, FormName::GroupName};
    for (int language : {1, 2}) {
        App.CurrentLanguage = language;
        for (const Spoil& c : Spoils()) {
            SCOPED_TRACE(c.name);
            NewDocument();
            c.apply();
            const Snapshot before = Snapshot::Take();
            for (const QString& name : editors) {
                SCOPED_TRACE(name.toStdString());
                QWidget* w = ShowChildForm(name);
                ASSERT_NE(w, nullptr);
                QApplication::processEvents();
                for (QComboBox* box : w->findChildren<QComboBox*>()) {
                    if (!box->isVisibleTo(w) || box->count() == 0) continue;
                    if (box->currentIndex() < 0) continue;  // a list that shows no choice by design
                    EXPECT_FALSE(box->currentText().isEmpty()) << box->objectName().toStdString();
                    EXPECT_EQ(Spoken(box), box->currentText()) << box->objectName().toStdString();
                }
                UnloadChildForms();
                QApplication::processEvents();
                const Snapshot after = Snapshot::Take();
                EXPECT_TRUE(after.work == before.work);
                EXPECT_TRUE(after.table == before.table);
                EXPECT_TRUE(after.mem == before.mem);
                EXPECT_TRUE(after.saved == before.saved);
                EXPECT_TRUE(after.path == before.path && after.untitled == before.untitled);
            }
        }
    }
    EXPECT_TRUE(msgs_.shown().empty());
}

TEST_F(RadioValuesInEditorsTest, AValueShownAsItsOwnTextStaysUntilAnyItemIsPicked) {
    NewDocument();
    ReadErasedRadio();
    const long bluetooth = WorkDocument.Settings.BluetoothSet.at(0);
    auto* w = qobject_cast<FrmOptFeatures*>(ShowChildForm(FormName::OptFeatures));
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    QComboBox* box = w->list(0);
    EXPECT_EQ(box->currentText(), QString::number(bluetooth));
    EXPECT_EQ(Spoken(box), QString::number(bluetooth));
    EXPECT_EQ(ComboItems(box), (QStringList{"OFF", "ON"}));

    // The first item is a pick like any other; the value's own text goes with it.
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    EXPECT_EQ(WorkDocument.Settings.BluetoothSet.at(0), 0);
    EXPECT_EQ(box->count(), 2);
    EXPECT_EQ(box->currentText(), "OFF");
}

}  // namespace
}  // namespace doctest
