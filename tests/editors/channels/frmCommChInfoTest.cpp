// The channel editor driven as a user drives it: typing in place, the key
// filter and the validator, commits on focus loss and before a save, the
// panel's picks, the grid's menu and the last valid group.
#include "ChannelTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QTest>

#include "core/ModFreFile.h"
#include "core/ModInitV.h"
#include "core/ModVersion.h"
#include "editors/ComboHelpers.h"
#include "editors/channels/ChannelGridModel.h"
#include "editors/channels/frmCommChInfo.h"
#include "link/RadioImage.h"
#include "link/SettingsCodec.h"
#include "mainwindow/TransferCommands.h"
#include "platform/widgets/ChildForms.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"

namespace channeltest {

class ChannelEditor : public ChannelLogicTest {
protected:
    void SetUp() override {
        ChannelLogicTest::SetUp();
        InitDefaultDocument();
        WorkDocument.Band = BandHF;
        WorkDocument.Settings.CurGroupIndex[1] = 2;
        for (int g = 1; g <= 17; ++g) WorkDocument.Settings.GroupValid(BandHF, g) = 0;
        Fill(BandHF, 2, {1, 2});
        WorkDocument.Settings.GroupValid(BandHF, 2) = 1;
        WorkDocument.LastRow(BandHF, 2) = 1;
        SetChildFormHost(&area_);
        RegisterEditor<frmCommChInfo>(FormName::ChannelInfo);
        area_.resize(1200, 800);
        area_.show();
    }
    void TearDown() override {
        UnloadChildForms();
        SetChildFormHost(nullptr);
        UnregisterChildForm(FormName::ChannelInfo);
        frmCommChInfo::PopupMenu = nullptr;
        ChannelLogicTest::TearDown();
    }
    frmCommChInfo& open() {
        auto* w = qobject_cast<frmCommChInfo*>(ShowChildForm(FormName::ChannelInfo));
        EXPECT_NE(w, nullptr);
        QApplication::processEvents();
        return *w;
    }
    static void pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // A CB document shown on plan 7, with channels in plans 5 and 7 (the plans
    // that share one memory block); entry 65 is that block's M1.
    static ChannelRecord& SharedPlansWithEntry65(std::initializer_list<int> plan5, std::initializer_list<int> plan7, int refCh) {
        WorkDocument.Band = BandCB;
        WorkDocument.Settings.CurGroupIndex[0] = 7;
        Fill(BandCB, 5, plan5);
        Fill(BandCB, 7, plan7);
        ChannelRecord& e = MemChannelList(65);
        e = ChannelRecord{};
        e.ChNo = 65;
        e.InUse = refCh == 255 ? 0 : 1;
        e.MemRefCh = static_cast<Integer>(refCh);
        return e;
    }
    static void doubleClick(frmCommChInfo& w, int row) {
        platform::FlexGrid* g = w.grid();
        g->setCurrentCell(row, 1);
        emit g->cellDoubleClick(row, 1);
    }
    // The user takes the list's first item with the keyboard.
    static void pickFirst(QComboBox* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
    }
    // What the editor may store: the document, the channel table, the memory list.
    struct Stored {
        DocumentImage doc = WorkDocument;
        std::vector<ChannelRecord> table = ChannelTable.v;
        decltype(MemChannelList.v) mem = MemChannelList.v;
        bool operator==(const Stored&) const = default;
    };
    static void expectOwnText(QComboBox* box, const QString& own) {
        SCOPED_TRACE(box->objectName().toStdString());
        EXPECT_EQ(box->currentText(), own);
        EXPECT_TRUE(IsOwnTextItem(box, box->currentIndex()));
    }
    static void loseFocus(QWidget* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }

    QMdiArea area_;
};

TEST_F(ChannelEditor, TypeAFrequencyAndEnterCommitsAndMovesDown) {
    frmCommChInfo& w = open();
    EXPECT_TRUE(ChInfoLoaded);
    EXPECT_EQ(w.shownGroup(), 2);
    EXPECT_EQ(w.grid()->textMatrix(2, 1), "28.10200");
    doubleClick(w, 5);
    platform::GridEditBox* box = w.editBox();
    ASSERT_TRUE(box->isOpen());
    EXPECT_EQ(box->text(), "");
    QTest::keyClicks(box, "28.5");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_FALSE(box->isOpen());
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(w.grid()->textMatrix(5, 1), "28.50000");
    EXPECT_EQ(w.grid()->row(), 6);
    // Over an existing channel the text is selected, so typing replaces it.
    doubleClick(w, 2);
    EXPECT_EQ(box->selectedText(), "28.10200");
    QTest::keyClicks(box, "29.123456");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(ChannelTable(BandHF, 2, 2).RxFreq.str(), "2912345 ");
    // A typo shows the message and the old frequency comes back.
    doubleClick(w, 2);
    QTest::keyClicks(box, "31");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(msgs_.texts(), QStringList{"Frequency is out of range."});
    EXPECT_EQ(w.grid()->textMatrix(2, 1), "29.12345");
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 2), 3);
}

TEST_F(ChannelEditor, EnterOnAnUnchangedFrequencyLeavesTheDocumentUnmodified) {
    ChannelTable(BandHF, 1, 2).RxFreq = "28015000";
    PrepareSaveImage();  // the current group (1) is not the shown one (2)
    frmCommChInfo& w = open();
    doubleClick(w, 1);
    QTest::keyClick(w.editBox(), Qt::Key_Return);
    EXPECT_FALSE(IsDataModified());
}

// Up and Down act as Enter does; Up on the first row stays there; a page key
// leaves the grid behind the box alone.
TEST_F(ChannelEditor, ArrowKeysCommitTheEditedRowAndThePanelFollows) {
    const int last = GridLayoutOf(BandHF, 2).rows - 1;
    Fill(BandHF, 2, {1, 2, last});
    frmCommChInfo& w = open();
    const struct { Qt::Key key; int row, nextRow; } cases[] = {
        {Qt::Key_Down, 1, 2}, {Qt::Key_Up, 2, 1}, {Qt::Key_Return, 1, 2}, {Qt::Key_Up, 1, 1}, {Qt::Key_Down, last, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nextRow);
        doubleClick(w, c.row);
        QTest::keyClicks(w.editBox(), "28.5");
        QTest::keyClick(w.editBox(), Qt::Key_PageDown);
        EXPECT_EQ(w.grid()->row(), c.row);
        QTest::keyClick(w.editBox(), c.key);
        EXPECT_FALSE(w.editBox()->isOpen());
        EXPECT_EQ(w.grid()->textMatrix(c.row, 1), "28.50000");
        EXPECT_EQ(w.grid()->row(), c.nextRow);
        EXPECT_TRUE(w.findChild<QGroupBox*>("Frame2")->isVisible());
        EXPECT_EQ(w.findChild<QGroupBox*>("Frame2")->title(), "More Information -- CH " + w.grid()->textMatrix(c.nextRow, 0));
    }
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{1, 2, last}));
}

// Values no list offers, as a file or a radio brings them: each list shows
// the value's own text and showing stores nothing; any pick, the first item's
// too, stores.
TEST_F(ChannelEditor, ChannelValuesTheListsLackShowAsThemselvesUntilAPick) {
    ChannelRecord& ch = ChannelTable(BandHF, 1, 2);
    ch.Mode = 7;
    ch.RxToneType = 1;
    ch.RxCtcss = 50;
    ch.TxToneType = 3;
    ch.DtmfEot = 17;
    WorkDocument.Settings.WorkChannel(BandHF, 2) = 7;  // not a channel of group 2
    const Stored before;
    frmCommChInfo& w = open();
    QComboBox* lists[] = {w.findChild<QComboBox*>("Combo1_4"), w.combo8(12), w.combo8(19), w.combo8(17), w.combo8(14)};
    const QString own[] = {"7", "7", "50", "3", "17"};
    w.ShowDTMF();  // the autodial memories changed elsewhere
    for (int i = 0; i < 5; ++i) expectOwnText(lists[i], own[i]);
    EXPECT_TRUE(w.combo8(0)->isHidden() && w.combo8(16)->isHidden());  // tone type 3: no code list
    EXPECT_TRUE(Stored() == before);
    for (QComboBox* box : lists) {
        pickFirst(box);
        EXPECT_EQ(box->count(), ComboItems(box).size()) << box->objectName().toStdString();
    }
    EXPECT_EQ(WorkDocument.Settings.WorkChannel(BandHF, 2), 1);
    EXPECT_EQ(std::vector<int>({ch.Mode, ch.RxCtcss, ch.TxToneType, ch.DtmfEot}), std::vector<int>(4, 0));
}

TEST_F(ChannelEditor, AnEmptyGroupsWorkChannelAndAGoneChannelsMemoryEntryShowAsThemselves) {
    WorkDocument.Settings.CurGroupIndex[BandHF] = 3;  // no channels
    WorkDocument.Settings.WorkChannel(BandHF, 3) = 5;
    Stored before;
    expectOwnText(open().findChild<QComboBox*>("Combo1_4"), "5");
    UnloadChildForms();
    EXPECT_TRUE(Stored() == before);
    // Plan 7's M1 refers to channel 12, gone; its shared plan 2 reads as plan 7.
    ChannelRecord& e = SharedPlansWithEntry65({1, 2}, {1, 2}, 12);
    e.MemRefBand = 2;
    before = Stored();
    frmCommChInfo& cb = open();
    cb.grid()->setRow(41);
    expectOwnText(cb.combo8(22), "12");
    expectOwnText(cb.combo8(23), "2");
    EXPECT_TRUE(Stored() == before);
    pickFirst(cb.combo8(22));
    EXPECT_EQ(e.MemRefCh, 255);
    EXPECT_EQ(e.InUse, 0);
    pickFirst(cb.combo8(23));
    EXPECT_EQ(e.MemRefBand, 0);
}

// The work group list offers only the groups the radio may work on (HAM's MEM
// group too); any other stored work group shows as itself until a pick.
TEST_F(ChannelEditor, TheWorkGroupListOffersOnlyWorkGroups) {
    const struct { int band, stored, count; QString shown; } cases[] = {
        {BandCB, 1, 7, "EU"}, {BandHAM, 14, 13, "VFO"}, {BandHF, 0, 15, "A"}, {BandHF, 16, 15, "MEM"}};
    for (const auto& c : cases) {
        WorkDocument.Band = static_cast<Integer>(c.band);
        WorkDocument.Settings.CurGroupIndex[static_cast<std::size_t>(c.band)] = static_cast<Integer>(c.stored);
        const Stored before;
        QComboBox* workGroup = open().findChild<QComboBox*>("Combo3");
        EXPECT_EQ(ComboItems(workGroup).size(), c.count) << c.stored;
        EXPECT_EQ(workGroup->currentText(), c.shown);
        EXPECT_EQ(IsOwnTextItem(workGroup, workGroup->currentIndex()), c.stored > c.count);
        EXPECT_TRUE(Stored() == before);
        if (c.stored == 16) {
            pickFirst(workGroup);
            EXPECT_EQ(WorkDocument.Settings.CurGroupIndex[BandHF], 1);
        }
        UnloadChildForms();
    }
}

TEST_F(ChannelEditor, TheBoxTakesDigitsAndAPointHoweverTheTextComes) {
    frmCommChInfo& w = open();
    doubleClick(w, 7);
    platform::GridEditBox* box = w.editBox();
    ASSERT_TRUE(box->isOpen());
    QTest::keyClicks(box, "2a8,-.5x");
    EXPECT_EQ(box->text(), "28.5");
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    box->paste();   // the pop-up's Paste, a middle click or a drop end here
    box->insert("9z");
    EXPECT_EQ(box->text(), "28.5");
    EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
    loseFocus(box);
    EXPECT_FALSE(box->isOpen());
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{1, 2, 7}));
}

TEST_F(ChannelEditor, AnOpenEditIsCommittedBeforeASaveAndOnClose) {
    frmCommChInfo& w = open();
    doubleClick(w, 9);
    QTest::keyClicks(w.editBox(), "28.9");
    CommitPendingEdits();  // what the main window does before Save and the modified test
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{1, 2, 9}));
    doubleClick(w, 9);
    w.editBox()->clear();  // only an emptied box removes a channel
    UnloadChildForms();
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{1, 2}));
    EXPECT_FALSE(ChInfoLoaded);
}

TEST_F(ChannelEditor, ShowingStoresNothingAndPicksStoreIntoTheRowsChannel) {
    ChannelTable(BandHF, 2, 2).TxToneType = 2;
    ChannelTable(BandHF, 2, 2).TxDcs = 7;
    ChannelTable(BandHF, 2, 2).Public = 1;
    const DocumentImage doc = WorkDocument;
    const auto table = ChannelTable.v;
    frmCommChInfo& w = open();
    for (int r : {2, 1, 3, 2}) w.grid()->setRow(r);
    pick(w.findChild<QComboBox*>("Combo6"), 3);  // a group without channels: panel hidden
    EXPECT_FALSE(w.findChild<QGroupBox*>("Frame2")->isVisible());
    pick(w.findChild<QComboBox*>("Combo6"), 1);
    w.grid()->setRow(2);
    EXPECT_EQ(ChannelTable.v, table);
    DocumentImage expected = doc;
    expected.CurGroup[1] = 2;  // the user's group picks
    expected.Settings.CurGroupIndex[1] = 2;
    EXPECT_EQ(WorkDocument, expected);
    EXPECT_EQ(w.findChild<QGroupBox*>("Frame2")->title(), "More Information -- CH 2");
    EXPECT_FALSE(w.combo8(0)->isHidden() == false);
    EXPECT_TRUE(w.combo8(16)->isHidden() == false);
    EXPECT_EQ(w.combo8(16)->currentIndex(), 7);
    // A public channel greys what follows the band, BUSY stays.
    EXPECT_FALSE(w.combo8(12)->isEnabled());
    EXPECT_FALSE(w.label5(19)->isEnabled());
    EXPECT_TRUE(w.combo8(6)->isEnabled());
    pick(w.combo8(9), 0);
    EXPECT_EQ(ChannelTable(BandHF, 2, 2).Public, 0);
    EXPECT_TRUE(w.combo8(12)->isEnabled());
    pick(w.combo8(12), 3);
    EXPECT_EQ(ChannelTable(BandHF, 2, 2).Mode, 3);
    EXPECT_EQ(ChannelTable(BandHF, 1, 2).Mode, 0);
    pick(w.combo8(17), 1);
    EXPECT_EQ(ChannelTable(BandHF, 2, 2).TxToneType, 1);
    EXPECT_TRUE(w.combo8(0)->isHidden() == false);
}

TEST_F(ChannelEditor, AWorkGroupPickReachesTheFileAndTheRadioImage) {
    testsupport::RuntimeDir rt;
    LoadVersionIni();
    PrepareSaveImage();
    frmCommChInfo& w = open();
    auto* work = w.findChild<QComboBox*>("Combo3");
    pick(work, work->findText("C"));
    EXPECT_TRUE(IsDataModified());
    w.reShowGrid(1);
    EXPECT_EQ(work->currentText(), "C");
    Doc.DataFilePath = rt.root() + "/work.dat";
    ASSERT_TRUE(SaveDataFile());
    PackSettings(WorkDocument.Settings);
    EXPECT_EQ(RadioImage[0x18003], 2);  // HF's work group, sent zero-based
    WorkDocument.Settings.CurGroupIndex[BandHF] = 1;
    ASSERT_TRUE(OpenDataFile(Doc.DataFilePath, OpenDocumentRefusal));
    EXPECT_EQ(WorkDocument.Settings.CurGroupIndex[BandHF], 3);
}

TEST_F(ChannelEditor, TheLastValidGroupCannotBeSwitchedOff) {
    frmCommChInfo& w = open();
    QComboBox* valid = w.findChild<QComboBox*>("Combo1_6");
    ASSERT_NE(valid, nullptr);
    EXPECT_EQ(valid->currentIndex(), 1);
    pick(valid, 0);
    EXPECT_EQ(valid->currentIndex(), 1);
    EXPECT_EQ(WorkDocument.Settings.GroupValid(BandHF, 2), 1);
    // With another valid group it goes off; switching an empty group on gives it channel 1.
    WorkDocument.Settings.GroupValid(BandHF, 12) = 1;
    pick(valid, 0);
    EXPECT_EQ(WorkDocument.Settings.GroupValid(BandHF, 2), 0);
    pick(w.findChild<QComboBox*>("Combo6"), 3);  // group 4, empty
    pick(valid, 1);
    EXPECT_EQ(WorkDocument.Settings.GroupValid(BandHF, 4), 1);
    EXPECT_EQ(Numbers(BandHF, 4), std::vector<int>{1});
    EXPECT_EQ(w.grid()->textMatrix(1, 1), "28.08500");
    EXPECT_EQ(WorkDocument.Settings.WorkChannel(BandHF, 4), 1);
}

TEST_F(ChannelEditor, SwitchingOnAnEmptyCbPlanAddsThePlansOwnFirstChannel) {
    WorkDocument.Band = BandCB;
    WorkDocument.Settings.CurGroupIndex[0] = 7;  // empty and off in a new document
    frmCommChInfo& w = open();
    pick(w.findChild<QComboBox*>("Combo1_6"), 1);
    EXPECT_EQ(ChannelTable(BandCB, 1, 7).RxFreq.str(), "27601250");
    EXPECT_EQ(w.grid()->textMatrix(1, 1), "27.60125");
}

TEST_F(ChannelEditor, TheGridMenuOpensWhereListEditsApply) {
    frmCommChInfo& w = open();
    QMenu menu;
    int shown = 0;
    frmCommChInfo::PopupMenu = [&](QMenu*, QPoint) { ++shown; };
    // No main window: nothing pops up, but a right click never fails.
    emit w.grid()->rightMouseDown(2, 1, {});
    EXPECT_EQ(shown, 0);
    // HF groups other than MEM have no menu; MEM selects the row.
    pick(w.findChild<QComboBox*>("Combo6"), 15);
    EXPECT_EQ(w.shownGroup(), 16);
    EXPECT_EQ(w.ShownChannelPosition(), (QList<int>{1, 16, 1}));
    EXPECT_EQ(w.grid()->rows(), 100);
    EXPECT_EQ(w.grid()->textMatrix(99, 0), "M99");
}

// In the block plans 5 and 7 share, an entry's channel list is the plan it refers to.
TEST_F(ChannelEditor, ASharedMemoryEntryListsTheChannelsOfItsOwnPlan) {
    ChannelRecord& e = SharedPlansWithEntry65({1, 10}, {1, 2}, 10);  // channel 10 of plan 5
    frmCommChInfo& w = open();
    w.grid()->setRow(41);
    EXPECT_EQ(w.combo8(22)->currentText(), "10");
    EXPECT_FALSE(w.grid()->textMatrix(41, 1).isEmpty());
    pick(w.combo8(23), 1);  // plan 7 has no channel 10: the entry is free
    EXPECT_EQ(e.InUse, 0);
    EXPECT_EQ(e.MemRefCh, 255);
    EXPECT_EQ(w.combo8(22)->currentText(), "Off");
    EXPECT_EQ(ComboItems(w.combo8(22)), QStringList({"Off", "1", "2"}));
    EXPECT_TRUE(w.grid()->textMatrix(41, 1).isEmpty());
}

// A Cut and a Paste move a channel's memory entries only within one
// document: the editor a new document opens in forgets what a Cut freed.
TEST_F(ChannelEditor, ACutsFreedEntriesStayWithTheDocumentTheyCameFrom) {
    WorkDocument.Band = BandCB;
    WorkDocument.ChannelCount(BandCB, 1) = 0;
    AddChannel(11, BandCB, 1, "27.085000");
    ChannelRecord& e = MemChannelList(2);  // EU M2 on channel 11
    std::tie(e.InUse, e.MemRefCh) = std::tuple(1, 11);
    open();
    CutChannel(BandCB, 1, 11);
    EXPECT_EQ(e.InUse, 0);
    UnloadChildForms();  // as New, Open and a radio read do
    open();
    PasteChannel(BandCB, 1, 11);
    EXPECT_EQ(ChannelTable(BandCB, FindChannelPos(11, BandCB, 1), 1).InUse, 1);
    EXPECT_EQ(e.InUse, 0);
    EXPECT_EQ(e.MemRefCh, 255);
    EXPECT_TRUE(msgs_.shown().empty());
}

TEST_F(ChannelEditor, CbPlansShowTheirMemoryRows) {
    ChannelRecord& e = SharedPlansWithEntry65({1, 2}, {1, 2}, 255);
    WorkDocument.CurGroup[0] = 1;  // stale: the shown plan decides
    frmCommChInfo& w = open();
    EXPECT_EQ(w.shownGroup(), 7);
    EXPECT_FALSE(w.findChild<QComboBox*>("Combo1_4")->isEnabled());  // plan 5's work channel
    EXPECT_TRUE(w.combo8(7)->isHidden());
    EXPECT_TRUE(w.combo8(5)->isHidden());
    EXPECT_EQ(w.findChild<QComboBox*>("Combo2")->currentText(), "CB -- 26.96500 - 27.86125 MHz");
    EXPECT_EQ(w.grid()->rows(), 57);
    w.grid()->setRow(41);
    EXPECT_EQ(w.findChild<QGroupBox*>("Frame2")->title(), "More Information -- CH M1");
    EXPECT_FALSE(w.combo8(22)->isHidden());
    EXPECT_FALSE(w.combo8(23)->isHidden());
    EXPECT_EQ(w.combo8(22)->currentText(), "Off");
    pick(w.combo8(23), 1);   // refers to plan 7
    pick(w.combo8(22), 2);   // slot 2
    EXPECT_EQ(e.MemRefCh, 2);
    EXPECT_EQ(e.MemRefBand, 1);
    EXPECT_EQ(e.InUse, 1);
    EXPECT_EQ(w.grid()->textMatrix(41, 1), "28.10200");
    pick(w.combo8(12), 2);   // an attribute of the memory entry, not of a channel
    EXPECT_EQ(e.Mode, 2);
    EXPECT_EQ(ChannelTable(BandCB, 1, 7).Mode, 0);
    // Plan 3 has 80 channel rows, then M1..M16 on entries 33..48.
    pick(w.findChild<QComboBox*>("Combo6"), 2);
    EXPECT_TRUE(w.findChild<QComboBox*>("Combo1_4")->isEnabled());
    EXPECT_EQ(w.grid()->rows(), 97);
    EXPECT_EQ(w.grid()->textMatrix(81, 0), "M1");
    // Leaving CB: it is not offered again.
    QComboBox* band = w.findChild<QComboBox*>("Combo2");
    pick(band, 1);
    EXPECT_EQ(w.shownBand(), BandHF);
    EXPECT_EQ(band->count(), 2);
}

// Tone lists and a CB memory row's lists come and go: in either language and
// every band the panel keeps its width, and no list, the band list included, is cut.
TEST_F(ChannelEditor, MemoryRowsLeaveTheBandListWhole) {
    for (int language : {1, 2})
        for (int band : {BandCB, BandHF, BandHAM}) {
            CurrentLanguage = language;
            WorkDocument.Band = static_cast<Integer>(band);
            WorkDocument.Settings.CurGroupIndex[static_cast<std::size_t>(band)] = 1;
            Fill(band, 1, {1, 2});
            frmCommChInfo& w = open();
            auto* panel = w.findChild<QGroupBox*>("Frame2");
            const int panelWidth = panel->width();
            auto check = [&] {
                QApplication::processEvents();
                EXPECT_EQ(panel->width(), panelWidth) << language << band;
                for (auto* list : w.findChildren<QComboBox*>())
                    EXPECT_TRUE(list->isHidden() || list->width() >= list->sizeHint().width()) << language << band;
            };
            for (int list : {18, 17})
                for (int toneType : {1, 2, 0}) {
                    pick(w.combo8(list), toneType);
                    check();
                }
            w.grid()->setRow(band == BandCB ? 41 : 2);
            EXPECT_EQ(w.combo8(22)->isHidden(), band != BandCB);
            check();
            UnloadChildForms();
        }
}

TEST_F(ChannelEditor, CorruptFrequenciesShowEmptyWithOneMessage) {
    Fill(BandHF, 2, {1, 2, 3});
    ChannelTable(BandHF, 2, 2).RxFreq = "28x00000";
    ChannelTable(BandHF, 3, 2).RxFreq = "??";
    frmCommChInfo& w = open();
    EXPECT_EQ(msgs_.texts(), QStringList{"Not IsNumeric"});
    EXPECT_EQ(w.grid()->textMatrix(2, 1), "");
    EXPECT_EQ(w.grid()->textMatrix(3, 1), "");
    EXPECT_EQ(ChannelTable(BandHF, 2, 2).RxFreq.str(), "28x00000");  // shown, never rewritten
}

TEST_F(ChannelEditor, ARedrawOfAnotherRowLeavesThePanelOnTheCurrentRow) {
    frmCommChInfo& w = open();
    w.grid()->setRow(1);
    ChannelTable(BandHF, 2, 2).Mode = 4;
    w.reShowGrid(2);
    EXPECT_EQ(w.grid()->row(), 1);
    EXPECT_EQ(w.findChild<QGroupBox*>("Frame2")->title(), "More Information -- CH 1");
    EXPECT_EQ(w.combo8(12)->currentText(), "FM");
    w.grid()->setRow(2);
    EXPECT_EQ(w.combo8(12)->currentText(), "PA");
}

TEST_F(ChannelEditor, BandSwitchAppliesTheBandsRange) {
    App.BandRangeText = QStringLiteral("28.0000 - 29.6990 MHz");  // as a radio read leaves it
    frmCommChInfo& w = open();
    EXPECT_EQ(App.BandRangeText, "24.7150 - 30.1050 MHz");
    QComboBox* band = w.findChild<QComboBox*>("Combo2");
    pick(band, 1);
    EXPECT_EQ(WorkDocument.Band, BandHAM);
    EXPECT_EQ(App.BandRangeText, "28.0000 - 29.7000 MHz");
    EXPECT_EQ(w.findChild<QComboBox*>("Combo6")->count(), 14);
    EXPECT_TRUE(w.combo8(7)->isHidden() == false);
}

}  // namespace channeltest

#include <QSettings>
#include <QTemporaryDir>

#include "core/ModMain.h"
#include "mainwindow/frmMain.h"

namespace channeltest {

// The editor inside the real main window: the grid's menu is the main
// window's Tools menu, and its keys leave a text box alone.
TEST_F(ChannelLogicTest, TheGridMenuAndTheToolsKeysInTheMainWindow) {
    testsupport::RuntimeDir rt;
    QTemporaryDir store;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
    ResetProcessState();
    Main();
    CurrentLanguage = 1;
    App.ShownLanguage = 1;
    auto w = std::make_unique<frmMain>();
    w->MDIForm_Load();
    w->show();
    QApplication::processEvents();
    auto* ed = qobject_cast<frmCommChInfo*>(FindChildForm(FormName::ChannelInfo));
    ASSERT_NE(ed, nullptr);
    if (ed->shownBand() != BandHAM) {
        auto* band = ed->findChild<QComboBox*>("Combo2");
        const int ham = band->findText("HAM -- 28.0000 - 29.7000 MHz");
        band->setCurrentIndex(ham);
        emit band->activated(ham);
    }
    ASSERT_EQ(ed->shownBand(), BandHAM);
    const int group = ed->shownGroup();
    Fill(BandHAM, group, {1, 2, 3});
    ed->reShowGrid(1);

    QStringList enabled;
    QAction* copy = w->menuAction("MnuLECopy");
    frmCommChInfo::PopupMenu = [&](QMenu* menu, QPoint) {
        enabled.clear();
        for (QAction* a : menu->actions())
            if (a->isEnabled() && !a->isSeparator()) enabled << a->objectName();
        copy->trigger();  // the user picks Copy
    };
    emit ed->grid()->rightMouseDown(2, 1, {});
    EXPECT_EQ(ed->grid()->row(), 2);
    EXPECT_EQ(enabled, (QStringList{"MnuLECopy", "MnuLECut", "MnuLEInsert", "MnuLEDelete"}));
    EXPECT_EQ(ChannelClipboard.ChNo, 2);
    emit ed->grid()->rightMouseDown(0, 1, {});  // the header row: no menu
    emit ed->grid()->rightMouseDown(3, 1, {});
    EXPECT_TRUE(enabled.contains("MnuLEPaste"));
    frmCommChInfo::PopupMenu = nullptr;

    // Paste into a free row through the Tools menu, redrawn in the grid.
    ed->grid()->setRow(9);
    w->MnuLEPaste_Click();
    EXPECT_EQ(Numbers(BandHAM, group), (std::vector<int>{1, 2, 3, 9}));
    EXPECT_EQ(ed->grid()->textMatrix(9, 1), "28.10300");  // channel 3, copied by the second menu

    // Del while the frequency box has the focus deletes a character, not channel 9.
    w->activateWindow();
    ed->grid()->setRow(9);
    ed->EnterGridEdit();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), ed->editBox());
    w->MnuLEDelete_Click();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHAM, group), 4);
    ed->commitPendingEdit();
    w->MnuLEDelete_Click();
    EXPECT_EQ(Numbers(BandHAM, group), (std::vector<int>{1, 2, 3}));
    UnloadChildForms();
    w.reset();
}

}  // namespace channeltest

namespace channeltest {

// A file command closes the editor and opens a new one at once; the old one
// goes later and must not take the new one's redraw and loaded state with it.
TEST_F(ChannelEditor, AReopenedEditorKeepsShowingWhatIsTyped) {
    open();
    UnloadChildForms();  // the old window is deleted later
    frmCommChInfo& w = open();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(ChInfoLoaded);
    doubleClick(w, 7);
    QTest::keyClicks(w.editBox(), "28.3");
    QTest::keyClick(w.editBox(), Qt::Key_Return);
    EXPECT_EQ(Numbers(BandHF, 2), (std::vector<int>{1, 2, 7}));
    EXPECT_EQ(w.grid()->textMatrix(7, 1), "28.30000");
    UnloadChildForms();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(ChInfoLoaded);
}

}  // namespace channeltest
