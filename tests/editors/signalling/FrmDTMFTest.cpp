// The DTMF editor driven as a user drives it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMdiArea>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "editors/settings/DtmfMemories.h"
#include "editors/settings/FrmDTMF.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/EditorTable.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

// Stands in for the optional-features editor: counts the list rebuilds.
class OptionsStandIn : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    Q_INVOKABLE void ShowDTMF() { ++rebuilds; }
    static inline int rebuilds = 0;
};

class DtmfEditor : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        InitLanguageStrings();
        OptionsStandIn::rebuilds = 0;
        StoreDtmfMemory(3, "12");
        ChannelRecord& ch = ChannelTable(BandHF, 1, 1);
        ch.InUse = 1;
        ch.DtmfBot = 3;
        WorkDocument.Settings.HFPublic[PubCall] = 3;
    }
    void TearDown() override {
        UnloadChildForms();
        QApplication::processEvents();
        SetChildFormHost(nullptr);
        RegisterKnownEditors();  // the stand-in goes
        ResetProcessState();
    }
    std::unique_ptr<FrmDTMF> open() {
        auto w = std::make_unique<FrmDTMF>();
        w->show();
        w->activateWindow();
        QApplication::processEvents();
        return w;
    }
    // Clicks memory `row`.
    static void enter(FrmDTMF& w, int row) {
        w.tabs()->setCurrentIndex(2);
        QApplication::processEvents();
        QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, w.grid()->cellRect(row, 1).center());
        QApplication::processEvents();
    }
    testsupport::MsgRecorder rec;
};

}  // namespace

TEST_F(DtmfEditor, ShowsTheSettingsAndStoresOnlyPicks) {
    auto& s = WorkDocument.Settings.DtmfSettings;
    s[0] = 49;
    s[1] = 50;
    s[4] = -1;
    s[5] = 2;
    auto w = open();
    auto* send = w->findChild<QComboBox*>("Combo1_0");
    EXPECT_EQ(send->currentText(), "500");
    // Values past a list show in its numbering, or as the number.
    EXPECT_EQ(w->findChild<QComboBox*>("Combo1_1")->currentText(), "5000");
    EXPECT_EQ(w->findChild<QComboBox*>("Combo1_4")->currentText(), "-1");
    EXPECT_FALSE(w->findChild<QCheckBox*>("Check1")->isChecked());
    EXPECT_EQ(s[1], 50);  // shown, not stored
    EXPECT_EQ(s[4], -1);
    EXPECT_EQ(s[5], 2);
    EXPECT_FALSE(w->tabs()->isTabEnabled(1));
    EXPECT_EQ(w->grid()->textMatrix(3, 1), "12");

    emit send->activated(0);
    EXPECT_EQ(s[0], 0);
    w->findChild<QCheckBox*>("Check1")->click();
    EXPECT_EQ(s[5], 1);
    EXPECT_TRUE(rec.shown().empty());
}

TEST_F(DtmfEditor, RetypingAMemoryKeepsItsReferencesUntilTheEditEnds) {
    auto w = open();
    enter(*w, 3);
    platform::GridEditBox* box = w->memoryBox();
    ASSERT_TRUE(box->isOpen());
    EXPECT_EQ(box->editRow(), 3);
    box->setCursorPosition(2);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(DtmfMemoryText(3), "");  // stored on every change
    QTest::keyClicks(box, "4b");
    EXPECT_EQ(DtmfMemoryText(3), "4B");
    EXPECT_EQ(w->grid()->textMatrix(3, 1), "4B");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isOpen());
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).DtmfBot, 3);
    EXPECT_EQ(WorkDocument.Settings.HFPublic[PubCall], 3);

    // Emptied for good: the references go when the edit ends, in another cell.
    enter(*w, 3);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).DtmfBot, 3);
    enter(*w, 5);
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).DtmfBot, 0);
    EXPECT_EQ(WorkDocument.Settings.HFPublic[PubCall], 0);
    EXPECT_EQ(box->editRow(), 5);
    EXPECT_TRUE(rec.shown().empty());
}

TEST_F(DtmfEditor, PastedAndTypedTextBecomesDtmf) {
    auto w = open();
    enter(*w, 7);
    platform::GridEditBox* box = w->memoryBox();
    EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
    QTest::keyClicks(box, "1a#*b9e+ ");
    EXPECT_EQ(DtmfMemoryText(7), "1A#*B9");
    QApplication::clipboard()->setText("77");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "1A#*B9");
    // Text that arrives by another route (a paste, a drop) is normalised too.
    box->selectAll();
    box->insert("  *12-cd#xyz 0123456789ABCDEF");
    EXPECT_EQ(box->text(), "*12CD#0123456789");
    EXPECT_EQ(DtmfMemoryText(7), "*12CD#0123456789");
    box->setCursorPosition(3);
    QTest::keyClicks(box, "5");  // a 17th key is refused
    EXPECT_EQ(box->text(), "*12CD#0123456789");
    w->commitPendingEdit();
    EXPECT_EQ(WorkDocument.Settings.DtmfAutodial[7].str(), "*12CD#0123456789");
}

TEST_F(DtmfEditor, EnteringACellStoresNothing) {
    WorkDocument.Settings.DtmfAutodial[3] = "12";  // blanks, no NUL, as a file may hold it
    // A stale reference the editor must not clean up unless a memory changes.
    ChannelTable(BandHF, 2, 1) = ChannelTable(BandHF, 1, 1);
    ChannelTable(BandHF, 2, 1).DtmfEot = 9;
    const auto before = WorkDocument;
    auto w = open();
    enter(*w, 3);
    enter(*w, 4);
    enter(*w, 3);
    w->commitPendingEdit();
    w->close();
    EXPECT_EQ(WorkDocument, before);
    EXPECT_EQ(ChannelTable(BandHF, 2, 1).DtmfEot, 9);
}

TEST_F(DtmfEditor, TheCleanUpRunsBeforeAWriteAndOnCloseAndTellsTheOtherEditors) {
    QMdiArea host;
    host.resize(900, 700);
    host.show();
    SetChildFormHost(&host);
    RegisterChildForm(FormName::OptFeatures, [](QWidget* p) -> QWidget* { return new OptionsStandIn(p); });
    RegisterEditor<FrmDTMF>(FormName::DTMF);
    ASSERT_NE(ShowChildForm(FormName::OptFeatures), nullptr);
    auto* w = static_cast<FrmDTMF*>(ShowChildForm(FormName::DTMF));
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();

    enter(*w, 3);
    w->memoryBox()->selectAll();
    QTest::keyClick(w->memoryBox(), Qt::Key_Delete);
    EXPECT_EQ(OptionsStandIn::rebuilds, 0);
    CommitPendingEdits();  // what the write command asks of the open editors
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).DtmfBot, 0);
    EXPECT_EQ(OptionsStandIn::rebuilds, 1);
    CommitPendingEdits();  // nothing pending: no second clean-up
    EXPECT_EQ(OptionsStandIn::rebuilds, 1);

    StoreDtmfMemory(3, "5");
    ChannelTable(BandHF, 1, 1).DtmfBot = 3;
    enter(*w, 3);
    w->memoryBox()->selectAll();
    QTest::keyClick(w->memoryBox(), Qt::Key_Delete);
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).DtmfBot, 3);
    w->parentWidget()->close();  // its frame's close box
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).DtmfBot, 0);
    EXPECT_EQ(OptionsStandIn::rebuilds, 2);
}

#include "FrmDTMFTest.moc"
