// The weather channel editor driven in place: a typed frequency committed by
// Enter, a bad text leaving the entry alone, the lists laid over the cell,
// and closing the window storing what is open.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "editors/ComboHelpers.h"
#include "editors/channels/FrmTVCH.h"
#include "editors/channels/WeatherRules.h"
#include "platform/widgets/ChildForms.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"
#include "editors/special/EditorWindowTest.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

class WeatherEditorTest : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        WeatherEntry(2).InUse = 1;
        WeatherEntry(2).FreqMHz = 162.4;
        WeatherEntry(2).Wide = 0;
        WeatherEntry(2).ScanAdd = 1;
        WorkDocument.Settings.Weather.w[CurWxChannel] = 6;  // channel 7: not in use
    }
    FrmTVCH* open() { return openWindow<FrmTVCH>(FormName::Weather); }
    // Double-clicks a cell as the user does.
    static void doubleClick(FrmTVCH* w, int row, int col) {
        platform::FlexGrid* g = w->grid();
        g->setCurrentCell(row, col);
        const QPoint at = g->cellRect(row, col).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, at);
    }
    QMdiArea area;
    testsupport::MsgRecorder rec;
};

TEST_F(WeatherEditorTest, ATypedFrequencyIsCheckedStoredAndShown) {
    FrmTVCH* w = open();
    ASSERT_NE(w, nullptr);
    // The stored current channel is not in use: it shows as its number, nothing is stored.
    EXPECT_EQ(w->currentChannelList()->currentText(), "7");
    EXPECT_EQ(WorkDocument.Settings.Weather.w[CurWxChannel], 6);
    EXPECT_EQ(w->grid()->textMatrix(2, 1), "162.40000");
    EXPECT_EQ(w->grid()->textMatrix(2, 3), "Narrow");
    EXPECT_EQ(w->grid()->textMatrix(41, 0), "VFO");

    doubleClick(w, 5, 1);
    platform::GridEditBox* box = w->frequencyBox();
    ASSERT_TRUE(box->isOpen());
    QTest::keyClicks(box, "1x62.5,525");  // the letter and the comma are dropped
    EXPECT_EQ(box->text(), "162.5525");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isOpen());
    EXPECT_EQ(WeatherEntry(5).InUse, 1);
    EXPECT_DOUBLE_EQ(WeatherEntry(5).FreqMHz, 162.55);
    EXPECT_EQ(WeatherEntry(5).Wide, 1);
    EXPECT_EQ(w->grid()->textMatrix(5, 1), "162.55000");
    EXPECT_EQ(w->grid()->textMatrix(5, 3), "Wide");
    EXPECT_EQ(ComboItems(w->currentChannelList()), QStringList({"2", "5"}));
    // The refilled list lacks the 7 shown: its first item shows, and that counts as its pick.
    EXPECT_EQ(WorkDocument.Settings.Weather.w[CurWxChannel], 1);

    // Out of the band: clamped. A new frequency makes a Narrow entry Wide.
    doubleClick(w, 2, 1);
    box->selectAll();
    QTest::keyClicks(box, "200");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(WeatherEntry(2).FreqMHz, 174.0);
    EXPECT_EQ(WeatherEntry(2).Wide, 1);
    EXPECT_EQ(WeatherEntry(2).ScanAdd, 1);
    EXPECT_EQ(w->grid()->textMatrix(2, 4), "Add");

    // The VFO row takes a frequency but is never a current channel.
    doubleClick(w, 41, 1);
    QTest::keyClicks(box, "100");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(WeatherEntry(41).FreqMHz, 136.0);
    EXPECT_FALSE(ComboItems(w->currentChannelList()).contains("41"));
    EXPECT_TRUE(rec.shown().empty());

    // Up and Down commit as Enter does; no key moves the grid behind the box,
    // nor wraps it from the first row.
    for (int row : {6, 1})
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down}) {
            const WeatherChannelRecord kept = WeatherEntry(row);
            doubleClick(w, row, 1);
            QTest::keyClicks(box, "162.45");
            QTest::keyClick(box, Qt::Key_PageDown);
            QTest::keyClick(box, key);
            EXPECT_FALSE(box->isOpen());
            EXPECT_EQ(w->grid()->row(), row);
            EXPECT_DOUBLE_EQ(WeatherEntry(row).FreqMHz, 162.45);
            WeatherEntry(row) = kept;
        }
}

TEST_F(WeatherEditorTest, ABadTextLeavesTheEntryAndOnlyAnEmptyBoxClearsIt) {
    FrmTVCH* w = open();
    ASSERT_NE(w, nullptr);
    const WeatherChannelRecord before = WeatherEntry(2);
    platform::GridEditBox* box = w->frequencyBox();
    for (const char* bad : {".", "1.2.3"}) {
        doubleClick(w, 2, 1);
        box->selectAll();
        QTest::keyClicks(box, bad);
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_FALSE(box->isOpen()) << bad;
        EXPECT_EQ(WeatherEntry(2), before) << bad;
        EXPECT_EQ(w->grid()->textMatrix(2, 1), "162.40000") << bad;
    }
    // Pasted text goes through the validator too.
    doubleClick(w, 2, 1);
    box->selectAll();
    box->insert("16x2");
    EXPECT_NE(box->text(), "16x2");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(WeatherEntry(2).InUse, 0);
    EXPECT_EQ(w->grid()->textMatrix(2, 1), "");
    EXPECT_EQ(w->currentChannelList()->count(), 0);
    EXPECT_EQ(WorkDocument.Settings.Weather.w[CurWxChannel], 6);  // empty list: kept
}

TEST_F(WeatherEditorTest, CellListsStoreOnTheNextCommitOrOnClose) {
    FrmTVCH* w = open();
    ASSERT_NE(w, nullptr);
    WeatherEntry(2).ScanAdd = 0;
    w->ShowGridRow(2);
    doubleClick(w, 2, 4);
    QComboBox* scan = w->cellList(4);
    ASSERT_FALSE(scan->isHidden());
    EXPECT_EQ(scan->currentText(), "Del");
    EXPECT_EQ(scan->parentWidget(), w->grid()->viewport());  // laid over the cell
    EXPECT_EQ(scan->geometry().topLeft(), w->grid()->cellRect(2, 4).topLeft());
    scan->setCurrentIndex(1);
    emit scan->activated(1);
    EXPECT_EQ(WeatherEntry(2).ScanAdd, 0);  // no handler of its own
    QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, w->grid()->cellRect(7, 1).center());
    EXPECT_EQ(WeatherEntry(2).ScanAdd, 1);
    EXPECT_TRUE(scan->isHidden());

    // A W/N pick commits at once.
    doubleClick(w, 2, 3);
    QComboBox* wn = w->cellList(3);
    wn->setCurrentIndex(1);
    emit wn->activated(1);
    EXPECT_EQ(WeatherEntry(2).Wide, 1);
    EXPECT_EQ(w->grid()->textMatrix(2, 3), "Wide");

    // Closing the window stores an open Scan choice.
    doubleClick(w, 2, 4);
    scan->setCurrentIndex(0);
    emit scan->activated(0);
    qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
    QApplication::processEvents();
    EXPECT_EQ(WeatherEntry(2).ScanAdd, 0);
}

TEST_F(WeatherEditorTest, ACellOpenedAndLeftWithoutAnEditStoresNothing) {
    WeatherEntry(2).FreqMHz = 162.550001;  // shown rounded
    WeatherEntry(2).OnOff = 1;
    WeatherEntry(3).ScanAdd = 1;  // not in use: its cells are empty
    WeatherEntry(4).InUse = 1;
    WeatherEntry(4).FreqMHz = 150.0;
    WeatherEntry(4).ScanAdd = 7;  // outside the list: shows "Del"
    WeatherEntry(4).Wide = 5;
    FrmTVCH* w = open();
    ASSERT_NE(w, nullptr);
    const WeatherChannelRecord two = WeatherEntry(2), three = WeatherEntry(3), four = WeatherEntry(4);
    platform::GridEditBox* box = w->frequencyBox();

    doubleClick(w, 2, 1);  // Enter on the untouched text
    ASSERT_TRUE(box->isOpen());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isOpen());
    doubleClick(w, 2, 1);  // the focus goes elsewhere
    QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, w->grid()->cellRect(9, 1).center());
    EXPECT_FALSE(box->isOpen());
    EXPECT_EQ(WeatherEntry(2), two);
    EXPECT_EQ(w->grid()->textMatrix(2, 3), "Narrow");

    for (int row : {3, 4})
        for (int col : {3, 4}) {
            doubleClick(w, row, col);
            ASSERT_FALSE(w->cellList(col)->isHidden());
            QTest::mouseClick(w->grid()->viewport(), Qt::LeftButton, {}, w->grid()->cellRect(9, 1).center());
            EXPECT_TRUE(w->cellList(col)->isHidden());
        }
    doubleClick(w, 4, 4);
    qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
    QApplication::processEvents();
    EXPECT_EQ(WeatherEntry(3), three);
    EXPECT_EQ(WeatherEntry(4), four);
}

TEST_F(WeatherEditorTest, CaptionsStayWholeInsideTheWindowInBothLanguages) {
    for (int language : {1, 2}) {
        App.CurrentLanguage = static_cast<Integer>(language);
        FrmTVCH* w = open();
        ASSERT_NE(w, nullptr);
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"}) {
            auto* label = w->findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr);
            ASSERT_NE(label->buddy(), nullptr) << name;
            EXPECT_GE(label->x(), 0) << name << " " << language;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
            EXPECT_LT(label->geometry().right(), label->buddy()->x()) << name;
        }
        platform::FlexGrid* g = w->grid();
        EXPECT_LE(g->fontMetrics().horizontalAdvance(g->textMatrix(0, 0)), g->columnWidth(0)) << language;
        UnloadChildForms();
        QApplication::processEvents();
    }
}

TEST_F(WeatherEditorTest, SettingsStoreOnAPickAndShowBadValuesAsThemselves) {
    WorkDocument.Settings.Weather.w[WxStep] = 42;
    App.CurrentLanguage = 2;
    FrmTVCH* w = open();
    ASSERT_NE(w, nullptr);
    auto* step = w->findChild<QComboBox*>("Combo8");
    auto* onOff = w->findChild<QComboBox*>("Combo10");
    ASSERT_TRUE(step && onOff);
    EXPECT_EQ(step->currentText(), "42");
    EXPECT_EQ(WorkDocument.Settings.Weather.w[WxStep], 42);  // shown, not stored
    EXPECT_EQ(onOff->itemText(1), QString::fromUtf8("开"));
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("气象信道"));
    step->setCurrentIndex(3);
    emit step->activated(3);
    EXPECT_EQ(WorkDocument.Settings.Weather.w[WxStep], 3);
    // Picking a current channel stores its number - 1.
    WeatherEntry(9).InUse = 1;
    w->ShowCurrentWxChannel();
    QComboBox* cur = w->currentChannelList();
    cur->setCurrentIndex(1);
    emit cur->activated(1);
    EXPECT_EQ(WorkDocument.Settings.Weather.w[CurWxChannel], 8);
}

}  // namespace
