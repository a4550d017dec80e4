// The three special-channel dialogs driven as a user drives them: picks go
// into the working copy, "Save" writes it back, any other close drops it, a
// group pick lists the new group's channels, and the tree opens each dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/GlobalState.h"
#include "core/ModMain.h"
#include "editors/ComboHelpers.h"
#include "editors/channels/frm_MEM.h"
#include "editors/channels/frm_dw.h"
#include "editors/channels/frm_emg.h"
#include "link/SpecialCodec.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/frmMain.h"
#include "editors/special/EditorWindowTest.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

void UseSlots(int band, int group, std::initializer_list<int> used, int count) {
    for (int s : used) ChannelTable(band, s, group).InUse = 1;
    WorkDocument.ChannelCount(band, group) = static_cast<Integer>(count);
}

// A user's pick: the list moves to the item and reports it as activated.
void Pick(QComboBox* box, int index) {
    ASSERT_NE(box, nullptr);
    ASSERT_LT(index, box->count());
    box->setFocus();
    box->setCurrentIndex(index);
    emit box->activated(index);
}

class SpecialDialogTest : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        for (int b : {BandHF, BandHAM})
            for (int g = 1; g <= NamedGroupsOf(b); ++g)
                WorkDocument.Settings.GroupName(b, g) = std::string(1, char('A' + g - 1));
        UseSlots(BandHF, 1, {1, 2, 3}, 3);
        UseSlots(BandHF, 2, {5}, 5);
        UseSlots(BandHAM, 1, {4}, 4);
        UseSlots(BandCB, 1, {2, 7}, 7);
        UseSlots(BandCB, 3, {80}, 80);
    }
    template <class T>
    T* open(const QString& name) {
        return openWindow<T>(name);
    }
    static QMdiSubWindow* frameOf(QWidget* w) { return qobject_cast<QMdiSubWindow*>(w->parentWidget()); }
};

TEST_F(SpecialDialogTest, SaveStoresThePicksAndTheCloseBoxDropsThem) {
    WorkDocument.Emergency.w[24] = 0;  // HfGroup1 "A"
    WorkDocument.Emergency.w[26] = 1;  // HfChannel1: channel 2
    WorkDocument.Emergency.w[28] = 7;  // HfMode1 outside the list
    const EmergencyChannelRecord before = WorkDocument.Emergency;

    auto* dlg = open<frm_emg>(FormName::Emergency);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ComboItems(dlg->combo(29)), QStringList({"1", "2", "3"}));
    EXPECT_EQ(dlg->combo(29)->currentText(), "2");
    EXPECT_EQ(dlg->combo(30)->currentText(), "FM");  // 7 shows the first mode...
    EXPECT_EQ(dlg->workingCopy()[28], 0);            // ...and the working copy holds it
    EXPECT_EQ(WorkDocument.Emergency, before);       // but the document does not, yet
    Pick(dlg->combo(30), 4);
    Pick(dlg->combo(29), 2);
    EXPECT_EQ(dlg->workingCopy()[28], 4);
    EXPECT_EQ(dlg->workingCopy()[26], 2);
    frameOf(dlg)->close();
    QApplication::processEvents();
    EXPECT_FALSE(IsChildFormOpen(FormName::Emergency));
    EXPECT_EQ(WorkDocument.Emergency, before);

    dlg = open<frm_emg>(FormName::Emergency);
    Pick(dlg->combo(30), 4);  // "CW"
    Pick(dlg->combo(36), 2);  // HAM Emg Channel 1 Work Mode: "USB"
    auto* save = dlg->findChild<QPushButton*>("cmdSave");
    ASSERT_NE(save, nullptr);
    QTest::mouseClick(save, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(IsChildFormOpen(FormName::Emergency));
    EXPECT_EQ(WorkDocument.Emergency.w[28], 4);
    EXPECT_EQ(WorkDocument.Emergency.w[34], 2);
    EXPECT_EQ(WorkDocument.Emergency.w[26], 1);  // untouched pick keeps channel 2
    // The hidden CB rows were shown too: Eu channel 1 (stored 0, slot 1 not in use) became channel 2.
    EXPECT_EQ(WorkDocument.Emergency.w[0], 1);
    EXPECT_EQ(WorkDocument.Emergency.w[2], 79);  // DE: the only channel, 80
    EXPECT_TRUE(rec.shown().empty());
}

TEST_F(SpecialDialogTest, AGroupPickListsThatGroupsChannels) {
    WorkDocument.Emergency.w[25] = 0;  // HfGroup2 "A"
    WorkDocument.Emergency.w[27] = 2;  // HfChannel2: channel 3, only in group 1
    auto* dlg = open<frm_emg>(FormName::Emergency);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->combo(32)->currentText(), "3");
    Pick(dlg->combo(31), 1);  // group "B"
    EXPECT_EQ(ComboItems(dlg->combo(32)), QStringList({"5"}));
    EXPECT_EQ(dlg->combo(32)->currentText(), "5");
    Pick(dlg->combo(31), 2);  // group "C" has no channel: the list empties, the value stays
    EXPECT_EQ(dlg->combo(32)->count(), 0);
    Pick(dlg->combo(31), 0);  // back to "A": channel 5 is not there, the first is taken
    EXPECT_EQ(dlg->combo(32)->currentText(), "1");
    QTest::mouseClick(dlg->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(WorkDocument.Emergency.w[25], 0);
    EXPECT_EQ(WorkDocument.Emergency.w[27], 0);

    // The dual-watch dialog follows its group list the same way.
    WorkDocument.DualWatch.w[12] = 0;
    WorkDocument.DualWatch.w[13] = 1;
    auto* dw = open<frm_dw>(FormName::DualWatch);
    ASSERT_NE(dw, nullptr);
    Pick(dw->combo(12), 1);
    QTest::mouseClick(dw->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(WorkDocument.DualWatch.w[12], 1);
    EXPECT_EQ(WorkDocument.DualWatch.w[13], 4);  // channel 5 of group B
}

TEST_F(SpecialDialogTest, SlotsBeyondTheCountAreNeverListed) {
    ChannelTable(BandHF, 9, 1).InUse = 1;       // behind the count of 3
    ChannelTable(BandCB, 20, 1).InUse = 1;      // behind the count of 7
    ChannelTable(BandHF, 50, 16).InUse = 1;     // MEM group, count 0
    UseSlots(BandHAM, 13, {2, 99}, 99);
    WorkDocument.Emergency.w[26] = 8;  // stored channel 9: a ghost, replaced by the first
    auto* dlg = open<frm_emg>(FormName::Emergency);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(ComboItems(dlg->combo(29)), QStringList({"1", "2", "3"}));
    EXPECT_EQ(ComboItems(dlg->combo(0)), QStringList({"2", "7"}));
    EXPECT_EQ(dlg->workingCopy()[26], 0);
    auto* mem = open<frm_MEM>(FormName::MemChannel);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(mem->combo(12)->count(), 0);
    EXPECT_EQ(ComboItems(mem->combo(14)), QStringList({"2", "99"}));
}

TEST_F(SpecialDialogTest, TheMemoryDialogFreesUnreferencedEntriesEvenWithoutSave) {
    MemChannelList(17).InUse = 1;  // PL entry 1, refers to channel 4
    MemChannelList(17).MemRefCh = 4;
    MemChannelList(18).InUse = 1;  // PL entry 2, refers to nothing
    MemChannelList(18).MemRefCh = 255;
    MemChannelList(32).InUse = 1;  // PL entry 16
    MemChannelList(32).MemRefCh = 1;
    WorkDocument.MemChannelSet.w[1] = 15;  // PL: entry 16
    WorkDocument.MemChannelSet.w[13] = 2;  // HF state out of range
    auto* mem = open<frm_MEM>(FormName::MemChannel);
    ASSERT_NE(mem, nullptr);
    EXPECT_EQ(ComboItems(mem->combo(2)), QStringList({"1", "16"}));
    EXPECT_EQ(mem->combo(2)->currentText(), "16");
    EXPECT_EQ(mem->combo(13)->currentText(), "Off");
    Pick(mem->combo(2), 0);
    EXPECT_EQ(mem->workingCopy()[1], 0);
    frameOf(mem)->close();
    QApplication::processEvents();
    EXPECT_EQ(MemChannelList(18).InUse, 0);
    EXPECT_EQ(MemChannelList(17).InUse, 1);
    EXPECT_EQ(WorkDocument.MemChannelSet.w[1], 15);
    EXPECT_EQ(WorkDocument.MemChannelSet.w[13], 2);
}

TEST_F(SpecialDialogTest, OpeningAgainKeepsThePicksAndTheWindowKeepsItsShape) {
    auto* dlg = open<frm_dw>(FormName::DualWatch);
    ASSERT_NE(dlg, nullptr);
    Pick(dlg->combo(14), 3);
    EXPECT_EQ(open<frm_dw>(FormName::DualWatch), dlg);
    EXPECT_EQ(dlg->workingCopy()[14], 3);
    EXPECT_EQ(dlg->combo(14)->currentText(), "LSB");
    auto* cb = dlg->findChild<QGroupBox*>("FraCBBAND");
    ASSERT_NE(cb, nullptr);
    EXPECT_FALSE(cb->isVisible());
    EXPECT_TRUE(dlg->findChild<QGroupBox*>("FraHFBand")->isVisible());
    EXPECT_FALSE(frameOf(dlg)->windowFlags() & Qt::WindowMaximizeButtonHint);
    const QSize size = dlg->size();
    frameOf(dlg)->resize(size * 2);
    EXPECT_EQ(dlg->size(), size);
    // Each caption names its list.
    for (const SpecialControl& c : dlg->map().controls) {
        auto* label = dlg->findChild<QLabel*>(QStringLiteral("lblEuEmg_%1").arg(c.label));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->buddy(), dlg->combo(c.combo));
    }
}

TEST_F(SpecialDialogTest, EveryCaptionFitsBeforeItsList) {
    for (const QString& name : {FormName::Emergency, FormName::DualWatch, FormName::MemChannel}) {
        auto* dlg = qobject_cast<SpecialChannelDialog*>(ShowChildForm(name));
        ASSERT_NE(dlg, nullptr) << name.toStdString();
        for (const SpecialControl& c : dlg->map().controls) {
            auto* label = dlg->findChild<QLabel*>(QStringLiteral("lblEuEmg_%1").arg(c.label));
            ASSERT_NE(label, nullptr);
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << c.caption;
            EXPECT_LE(label->geometry().right(), dlg->combo(c.combo)->geometry().left()) << c.caption;
        }
    }
}

TEST_F(SpecialDialogTest, SavedPicksReachTheDataFileAndTheRadioImage) {
    auto* dlg = open<frm_emg>(FormName::Emergency);
    ASSERT_NE(dlg, nullptr);
    Pick(dlg->combo(31), 1);  // HF Emg Band 2: group B, channel 5
    Pick(dlg->combo(39), 4);  // HAM Emg Channel 2 Work Mode: CW
    QTest::mouseClick(dlg->findChild<QPushButton*>("cmdSave"), Qt::LeftButton);
    QApplication::processEvents();
    const EmergencyChannelRecord saved = WorkDocument.Emergency;
    EXPECT_EQ(saved.w[25], 1);
    EXPECT_EQ(saved.w[27], 4);
    EXPECT_EQ(saved.w[35], 4);
    const Bytes file = DocumentToBytes(WorkDocument);
    EXPECT_EQ(DocumentFromBytes(file.data(), file.size()).Emergency, saved);
    PackEmergencyChannels();
    WorkDocument.Emergency = EmergencyChannelRecord();
    UnpackEmergencyChannels();
    EXPECT_EQ(WorkDocument.Emergency, saved);
}

// The tree pane of the main window opens each dialog.
TEST(SpecialDialogTree, TreeNodesOpenTheDialogs) {
    ResetProcessState();
    testsupport::RuntimeDir runtime;
    testsupport::MsgRecorder rec;
    QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
    const QString previousDir = QDir::currentPath();
    QDir::setCurrent(store.path());
    Main();
    {
        auto window = std::make_unique<frmMain>();
        window->MDIForm_Load();
        window->show();
        QApplication::processEvents();
        const std::pair<const char*, QString> nodes[] = {
            {"N3", FormName::Emergency}, {"N4", FormName::DualWatch}, {"N6", FormName::MemChannel}};
        for (const auto& [key, name] : nodes) {
            window->TreeView1_NodeClick(QString::fromLatin1(key));
            QWidget* w = FindChildForm(name);
            ASSERT_NE(w, nullptr) << key;
            EXPECT_EQ(w->windowTitle(), qobject_cast<SpecialChannelDialog*>(w)->map().caption);
        }
        UnloadChildForms();
        QApplication::processEvents();
    }
    ResetProcessState();
    QDir::setCurrent(previousDir);
}

}  // namespace
