// The group-name editor driven in place, with a stand-in channel editor that
// shows its band's group names and refills them when asked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModFun.h"
#include "editors/ComboHelpers.h"
#include "editors/channels/Frm_GroupName.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/EditorTable.h"
#include "platform/widgets/FlexGrid.h"
#include "editors/special/EditorWindowTest.h"
#include "support/Support.h"

using namespace ulbrix;

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// Shows the group names of its band in a list, as the channel editor does.
class ChannelEditorStandIn : public QWidget, public ChildForm {
    Q_OBJECT
public:
    using QWidget::QWidget;
    static inline int band = BandHF;
    static inline int refills = 0;
    QComboBox* groups = new QComboBox(this);
    Q_INVOKABLE void ReShow_Group_Name() {
        ++refills;
        groups->clear();
        for (int g = 1; g <= NamedGroupsOf(band); ++g) groups->addItem(GetGroupName(band, g));
    }
    Q_INVOKABLE QList<int> ShownChannelPosition() const { return {band, 1, 1}; }
};

class GroupNameEditorTest : public EditorWindowTest {
protected:
    void SetUp() override {
        EditorWindowTest::SetUp();
        RegisterChildForm(FormName::ChannelInfo, [](QWidget* p) -> QWidget* { return new ChannelEditorStandIn(p); });
        ChannelEditorStandIn::band = BandHF;
        ChannelEditorStandIn::refills = 0;
        WorkDocument.Band = BandHF;
        const char* cb[7] = {"EU", "PL", "DE", "EC", "U", "IN", "UK"};
        for (int g = 1; g <= 7; ++g) WorkDocument.Settings.GroupName(BandCB, g) = cb[g - 1];
        for (int b : {BandHF, BandHAM})
            for (int g = 1; g <= NamedGroupsOf(b); ++g)
                WorkDocument.Settings.GroupName(b, g) = std::string(1, char('A' + g - 1));
    }
    void TearDown() override {
        UnloadChildForms();
        QApplication::processEvents();
        RegisterKnownEditors();  // the real channel editor again
        EditorWindowTest::TearDown();
    }
    Frm_GroupName* open() { return openWindow<Frm_GroupName>(FormName::GroupName); }
    ChannelEditorStandIn* openChannelEditor() {
        auto* w = qobject_cast<ChannelEditorStandIn*>(ShowChildForm(FormName::ChannelInfo));
        EXPECT_NE(w, nullptr);
        if (w) w->ReShow_Group_Name();
        ChannelEditorStandIn::refills = 0;
        return w;
    }
    static void startRename(Frm_GroupName* w, int row) {
        w->grid()->setFocus();
        w->grid()->setCurrentCell(row, 2);
        QTest::keyClick(w->grid(), Qt::Key_Return);
    }
    static QString stored(int band, int group) {
        return QString::fromLatin1(WorkDocument.Settings.GroupName(band, group).str());
    }
};

TEST_F(GroupNameEditorTest, ARenameShowsInTheOpenChannelEditor) {
    ChannelEditorStandIn* ch = openChannelEditor();
    ASSERT_NE(ch, nullptr);
    Frm_GroupName* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->grid()->rows(), 16);
    EXPECT_EQ(w->grid()->textMatrix(1, 1), "28.000 - 28.195 MHz");
    startRename(w, 3);
    ASSERT_TRUE(w->box(0)->isVisible());
    EXPECT_EQ(w->box(0)->text(), "C");
    QTest::keyClicks(w->box(0), "x");           // replaces the selected "C", upper-cased
    QTest::keyClick(w->box(0), Qt::Key_Return);  // on to the second box
    EXPECT_TRUE(w->box(1)->hasFocus());
    QTest::keyClicks(w->box(1), "#9");  // "#" dropped
    QTest::keyClick(w->box(1), Qt::Key_Return);  // on to the grid, which commits
    EXPECT_FALSE(w->box(0)->isVisible());
    EXPECT_EQ(stored(BandHF, 3), "X9");
    EXPECT_EQ(w->grid()->textMatrix(3, 0), "X9");
    EXPECT_EQ(ChannelEditorStandIn::refills, 1);
    EXPECT_EQ(ch->groups->itemText(2), "X9");
    EXPECT_TRUE(rec.shown().empty());
}

TEST_F(GroupNameEditorTest, ALoneSecondCharacterAndEmptyBoxes) {
    Frm_GroupName* w = open();
    ASSERT_NE(w, nullptr);  // no channel editor: the name is still written
    startRename(w, 2);
    QTest::keyClick(w->box(0), Qt::Key_Backspace);
    w->box(1)->setFocus();
    QTest::keyClicks(w->box(1), "q");
    w->grid()->setFocus();
    EXPECT_EQ(stored(BandHF, 2), " Q");
    EXPECT_EQ(w->grid()->textMatrix(2, 2), " Q");
    startRename(w, 2);
    EXPECT_EQ(w->box(0)->text(), "");
    EXPECT_EQ(w->box(1)->text(), "Q");
    w->box(1)->clear();
    w->grid()->setFocus();
    EXPECT_EQ(stored(BandHF, 2), "  ");
    EXPECT_EQ(w->grid()->textMatrix(2, 0), "");
}

TEST_F(GroupNameEditorTest, PastedOrDroppedTextMeetsTheSameRules) {
    Frm_GroupName* w = open();
    ASSERT_NE(w, nullptr);
    startRename(w, 1);
    GroupNameBox* b = w->box(0);
    b->selectAll();
    b->insert(QString::fromUtf8("é"));
    EXPECT_EQ(b->text(), "A");  // refused
    b->selectAll();
    b->insert("..");
    EXPECT_EQ(b->text(), "A");
    b->selectAll();
    b->insert("z");
    EXPECT_EQ(b->text(), "Z");  // upper-cased on the way in
    QTest::keyClick(b, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(b->text(), "Z");
    EXPECT_EQ(b->contextMenuPolicy(), Qt::NoContextMenu);
    // Closing the window with the boxes open stores the name.
    qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
    QApplication::processEvents();
    EXPECT_EQ(stored(BandHF, 1), "Z ");
}

TEST_F(GroupNameEditorTest, TheBandIsFixedWhenTheEditorLoads) {
    ChannelEditorStandIn::band = BandHAM;
    openChannelEditor();
    Frm_GroupName* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->band(), BandHAM);
    EXPECT_EQ(w->grid()->rows(), 13);
    startRename(w, 4);
    ChannelEditorStandIn::band = BandHF;  // the channel editor switches band meanwhile
    WorkDocument.Band = BandHF;
    QTest::keyClicks(w->box(0), "7");
    w->grid()->setFocus();
    EXPECT_EQ(stored(BandHAM, 4), "7 ");
    EXPECT_EQ(stored(BandHF, 4), "D ");
}

TEST_F(GroupNameEditorTest, CBNamesAreShownButNotRenamed) {
    WorkDocument.Band = BandCB;
    Frm_GroupName* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->grid()->rows(), 8);
    EXPECT_EQ(w->grid()->textMatrix(7, 0), "UK");
    EXPECT_EQ(w->grid()->textMatrix(7, 1), "");
    EXPECT_FALSE(w->grid()->isEnabled());
    // Header row and name columns open nothing.
    WorkDocument.Band = BandHF;
    UnloadChildForms();
    QApplication::processEvents();
    w = open();
    w->grid()->setCurrentCell(0, 2);
    w->MSFlexGrid1_DblClick();
    EXPECT_TRUE(w->box(0)->isHidden());
    w->grid()->setCurrentCell(3, 0);
    w->MSFlexGrid1_DblClick();
    EXPECT_TRUE(w->box(0)->isHidden());
    qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();  // nothing open: nothing changes
    QApplication::processEvents();
    EXPECT_EQ(stored(BandHF, 3), "C ");
}

TEST_F(GroupNameEditorTest, ABandOutsideTheTableShowsNoRows) {
    WorkDocument.Band = 7;  // from a damaged data file
    Frm_GroupName* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->grid()->rows(), 1);
    QTest::keyClick(w->grid(), Qt::Key_Return);
    w->MSFlexGrid1_DblClick();
    EXPECT_TRUE(w->box(0)->isHidden());
    qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
    QApplication::processEvents();
    EXPECT_TRUE(rec.shown().empty());
}

}  // namespace

#include "GroupNameEditorTest.moc"
