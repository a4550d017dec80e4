// The main window as a user meets it: start-up texts in both languages, the
// language switch, the file commands and their questions, closing, the
// splitter, and the commands that open editors.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "editors/channels/ChannelListEdit.h"
#include "link/ImageValidation.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ModMain.h"
#include "core/ModVersion.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/FrmSetLanguage.h"
#include "mainwindow/MainWindowRules.h"
#include "mainwindow/TransferCommands.h"
#include "mainwindow/frmMain.h"
#include "platform/IniFile.h"
#include "support/Support.h"

using namespace ulbrix;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

// Stands in for an editor: the list-edit controls and a pending edit.
class StandInEditor : public QWidget, public ChildForm {
    Q_OBJECT
public:
    explicit StandInEditor(QWidget* parent = nullptr) : QWidget(parent) {
        ++created;
        band = new QComboBox(this);
        band->setObjectName("Combo2");
        band->addItems({"CB", "HF", "HAM"});
        group = new QComboBox(this);
        group->setObjectName("Combo6");
        group->setEditable(true);
    }
    static inline int created = 0;
    static inline std::function<void()> onCommit;
    QComboBox* band;
    QComboBox* group;
    int row = 1;
    void commitPendingEdit() override {
        if (onCommit) onCommit();
    }
    int bandShown = 1;
    int groupShown = 1;
    std::vector<int> redrawn;
    Q_INVOKABLE QList<int> ShownChannelPosition() const { return {bandShown, groupShown, row}; }
    Q_INVOKABLE void reShowGrid(int r) { redrawn.push_back(r); }
};

const QString kStartCaption = "Ulbrix[28.0000 - 29.6990 MHz][File Name:new.dat]";

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store.path());
        StandInEditor::created = 0;
        StandInEditor::onCommit = nullptr;
        // A regression that saves "new.dat" into the current folder lands here.
        previousDir = QDir::currentPath();
        QDir::setCurrent(workDir.path());
        Main();
        rec.clear();
    }
    void TearDown() override {
        window.reset();
        UnregisterChildForm(FormName::ChannelInfo);
        UnregisterChildForm(FormName::OptFeatures);
        StandInEditor::onCommit = nullptr;
        ResetChannelClipboard();
        ResetProcessState();
        QDir::setCurrent(previousDir);
    }
    frmMain& open(int language, int shownLanguage = 0) {
        App.CurrentLanguage = language;
        App.ShownLanguage = shownLanguage ? shownLanguage : language;
        window.reset();
        window = std::make_unique<frmMain>();
        for (const QString& name : {FormName::ChannelInfo, FormName::OptFeatures})
            RegisterChildForm(name, [](QWidget* p) { return new StandInEditor(p); });
        window->openFileDialog = [this](const QString&, const QString&) { ++openDialogs; return nextOpen; };
        window->saveFileDialog = [this](const QString&, const QString& start) {
            ++saveDialogs;
            saveStart = start;
            return nextSave;
        };
        window->MDIForm_Load();
        window->show();
        QApplication::processEvents();
        return *window;
    }
    static void modify(const char* name = "ZZ") { WorkDocument.Settings.GroupName(1, 1) = name; }
    static QString groupName() { return QString::fromLatin1(TrimNull(WorkDocument.Settings.GroupName(1, 1))); }
    // A data file of this program holding HF group 1 named `name`.
    QString dataFile(const QString& file, const char* name) {
        const DocumentState keep = Doc;
        modify(name);
        Doc.DataFilePath = files.filePath(file);
        EXPECT_TRUE(SaveDataFile());
        Doc = keep;
        return files.filePath(file);
    }
    QStringList treeTexts() const {
        QStringList l;
        QTreeWidgetItem* root = window->treeView()->topLevelItem(0);
        l << root->data(0, Qt::UserRole).toString() + "=" + root->text(0);
        for (int i = 0; i < root->childCount(); ++i)
            l << root->child(i)->data(0, Qt::UserRole).toString() + "=" + root->child(i)->text(0);
        return l;
    }

    testsupport::MsgRecorder rec;
    QTemporaryDir store;
    QTemporaryDir files;
    QTemporaryDir workDir;
    QString previousDir;
    testsupport::RuntimeDir runtime;
    std::unique_ptr<frmMain> window;
    int openDialogs = 0, saveDialogs = 0;
    QString nextOpen, nextSave, saveStart;
};

TEST_F(MainWindowTest, StartsInEnglish) {
    frmMain& w = open(1);
    EXPECT_EQ(w.windowTitle(), kStartCaption);
    EXPECT_EQ(w.menuAction("mnuFile")->text(), "&File");
    EXPECT_EQ(w.menuAction("mnuToneTips")->text(), "&Roger Beep");
    EXPECT_EQ(w.menuAction("MnuListEdit")->text(), "Tools");
    EXPECT_EQ(w.toolButton("新建")->toolTip(), "&New");
    EXPECT_EQ(w.fileFilter(), "Data File (*.dat)");
    EXPECT_EQ(w.statusPanel(1)->text(), "状态");
    EXPECT_EQ(w.statusPanel(3)->text(), "COM1");
    EXPECT_TRUE(w.statusPanel(2)->isHidden());
    EXPECT_EQ(w.statusPanel(2)->text(), "Ulbrix[28.0000 - 29.6990 MHz]");
    EXPECT_EQ(treeTexts(), QStringList({"N0=Ulbrix", "N1=&Channel Information", "N2=&Option Features",
                                        "N12=Roger Beep", "N3=Emg Channel Setting", "N4=DW Channel Setting",
                                        "N6=MEM Channel Setting", "N8=Group Name"}));
    EXPECT_TRUE(w.backgroundPicture().endsWith("/PIC/BK_1.jpg"));
    // Nothing stored: the first-start size, on the screen.
    EXPECT_TRUE(w.screen()->availableGeometry().contains(w.frameGeometry()));
    EXPECT_EQ(OpenChildFormNames(), QStringList({FormName::ChannelInfo}));
    EXPECT_FALSE(IsDataModified());
}

TEST_F(MainWindowTest, StartsInChinese) {
    frmMain& w = open(2);
    EXPECT_EQ(w.windowTitle(), "Ulbrix[28.0000 - 29.6990 MHz][文件名:new.dat]");
    EXPECT_EQ(w.menuAction("mnuFile")->text(), "文件&F");
    EXPECT_EQ(w.statusPanel(3)->text(), "通信口1");
    EXPECT_EQ(treeTexts().mid(1, 3), QStringList({"N1=信道信息(&C)", "N2=可选功能(&O)", "N12=RB音"}));
    EXPECT_TRUE(w.backgroundPicture().endsWith("/PIC/BK_2.jpg"));
}

TEST_F(MainWindowTest, SettingsFileLanguageIsAppliedOnceTheWindowIsUp) {
    frmMain& w = open(2, 1);  // the locale chose English, the settings file Chinese
    QApplication::processEvents();
    EXPECT_EQ(App.ShownLanguage, 2);
    EXPECT_TRUE(w.windowTitle().contains("文件名"));
}

TEST_F(MainWindowTest, LanguageDialogRedrawsMenusTreeStatusBarAndCaption) {
    App.LocaleLanguage = 2;
    App.ComPort = 3;
    frmMain& w = open(1);
    ShowChildForm(FormName::OptFeatures);
    const int editorsBefore = StandInEditor::created;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<FrmSetLanguage*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(dialog->Combo1()->count(), 2);
        dialog->Combo1()->setCurrentIndex(1);  // "Chinese"
        dialog->findChild<QPushButton*>("Command1")->click();
    });
    w.mnuLanguage_Click();

    EXPECT_EQ(App.CurrentLanguage, 2);
    EXPECT_EQ(w.windowTitle(), "Ulbrix[28.0000 - 29.6990 MHz][文件名:new.dat]");
    EXPECT_EQ(w.menuAction("mnuFileOpen")->text(), "打开(&O)");
    EXPECT_EQ(treeTexts()[1], "N1=信道信息(&C)");
    EXPECT_EQ(w.statusPanel(3)->text(), "通信口3");
    EXPECT_EQ(w.toolButton("打开")->toolTip(), "打开(&O)");
    // Other editors closed, the channel editor opened afresh.
    EXPECT_EQ(OpenChildFormNames(), QStringList({FormName::ChannelInfo}));
    EXPECT_EQ(StandInEditor::created, editorsBefore + 1);
    EXPECT_EQ(platform::GetPrivateProfileString("language", "CurrentLanguage", "", SettingsFilePath()), "2");
}

TEST_F(MainWindowTest, LanguageDialogListsAndApplies) {
    App.LocaleLanguage = 1;
    App.CurrentLanguage = 1;
    {
        FrmSetLanguage d;
        EXPECT_EQ(d.Combo1()->count(), 1);  // English alone off a Chinese system
        EXPECT_EQ(d.Combo1()->currentText(), "English");
    }
    // Chinese from the settings file on a non-Chinese system: its name is
    // not listed, so nothing is selected and OK changes nothing.
    App.CurrentLanguage = App.ShownLanguage = 2;
    {
        FrmSetLanguage d;
        EXPECT_EQ(d.Combo1()->count(), 1);
        EXPECT_EQ(d.Combo1()->itemText(0), "英语");
        EXPECT_EQ(d.Combo1()->currentIndex(), -1);
        d.Command1_Click();
        EXPECT_EQ(App.CurrentLanguage, 2);
    }
    {
        FrmSetLanguage d;
        d.Combo1()->setCurrentIndex(0);
        d.Command1_Click();
        EXPECT_EQ(App.CurrentLanguage, 1);
        EXPECT_EQ(App.ShownLanguage, 2);
    }
    // Cancel touches neither the language nor the settings file.
    App.LocaleLanguage = 2;
    const QByteArray before = runtime.readFile("language/mysetup.ini");
    {
        FrmSetLanguage d;
        d.Combo1()->setCurrentIndex(1);
        d.Command2_Click();
    }
    EXPECT_EQ(App.CurrentLanguage, 1);
    EXPECT_EQ(runtime.readFile("language/mysetup.ini"), before);
}

TEST_F(MainWindowTest, HiddenItemsStayHidden) {
    frmMain& w = open(1);
    const char* hidden[] = {"mnuFilePrint", "mnuFileBar1", "mnuModel", "mnuKeyAssignm", "mnuScanInfo",
                            "mnuEditBar1", "mnuDTMF", "mnuFleetSync", "mnuEditBar2", "mnuTestFre",
                            "mnuEmbeddedMsg", "mnuEMG", "mnuTest", "mnuMWriteToRadio", "mnuTools",
                            "MnuInitialBand1", "MnuInitialBand2", "mnuWindowTileHorizontal",
                            "mnuWindowTileVertical", "mnuWindowArrangeIcons", "mnuWindowBar1", "mnuHelpTopic",
                            "mnuHelpBar0"};
    const char* shown[] = {"mnuFileNew", "mnuFileOpen", "mnuFileSave", "mnuFileSaveAs", "mnuFileExit",
                           "mnuChannelInfo", "mnuOptFeature", "mnuToneTips", "mnuReadFromRadio",
                           "mnuWriteToRadio", "mnuComm", "mnuLanguage", "MnuInitial", "MnuListEdit",
                           "mnuTreeView", "mnuWindowCascade", "mnuCloseAll", "mnuHelpAbout"};
    for (int pass = 0; pass < 2; ++pass) {
        for (const char* n : hidden) EXPECT_FALSE(w.menuAction(n)->isVisible()) << n << " pass " << pass;
        for (const char* n : shown) EXPECT_TRUE(w.menuAction(n)->isVisible()) << n << " pass " << pass;
        EXPECT_FALSE(w.toolButton("MWriteRadio")->isVisible());
        EXPECT_FALSE(treeTexts().join(",").contains("N5="));
        EXPECT_FALSE(treeTexts().join(",").contains("N7="));
        App.CurrentLanguage = 2;  // a language switch redraws everything
        w.MDIForm_Activate();
    }
}

TEST_F(MainWindowTest, CancelOnClosingKeepsTheProgramAndWritesNoGeometry) {
    frmMain& w = open(1);
    modify();
    rec.answer(MsgResult::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(rec.texts(), QStringList({"File has been modify,save it now?"}));
    EXPECT_EQ(rec.shown()[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_FALSE(QSettings("Ulbrix", "Ulbrix").contains("Settings/MainLeft"));
    EXPECT_TRUE(IsDataModified());
}

TEST_F(MainWindowTest, AStoredSizeLargerThanTheScreenIsFittedToIt) {
    {
        QSettings s("Ulbrix", "Ulbrix");  // as left by a start on a large screen
        SaveWindowGeometry(s, {PxToTwips(300), PxToTwips(200), PxToTwips(1223), PxToTwips(1048)});
    }
    frmMain& w = open(1);
    const QRect area = w.screen()->availableGeometry();
    ASSERT_LT(area.width(), 1223);  // the offscreen screen is the small one
    EXPECT_TRUE(area.contains(w.frameGeometry()));
}

TEST_F(MainWindowTest, ClosingStoresGeometryUnlessMinimised) {
    {
        QSettings s("Ulbrix", "Ulbrix");
        s.setValue("Settings/MainLeft", "1500");
        s.setValue("Settings/MainTop", "1500");
        s.setValue("Settings/MainWidth", "9000");
        s.setValue("Settings/MainHeight", "7500");
    }
    frmMain& w = open(1);
    EXPECT_EQ(QRect(w.pos(), w.size()), QRect(100, 100, 600, 500));  // fits the screen: as stored
    w.resize(700, 520);
    w.showMinimized();
    EXPECT_TRUE(w.close());
    EXPECT_EQ(QSettings("Ulbrix", "Ulbrix").value("Settings/MainWidth").toString(), "9000");

    frmMain& again = open(1);
    again.resize(640, 480);
    EXPECT_TRUE(again.close());
    QSettings s("Ulbrix", "Ulbrix");
    EXPECT_EQ(s.value("Settings/MainWidth").toString(), "9600");
    EXPECT_EQ(s.value("Settings/MainHeight").toString(), "7200");
}

TEST_F(MainWindowTest, UntitledDocumentIsSavedThroughSaveAsWhenLeaving) {
    frmMain& w = open(1);
    modify();
    ASSERT_TRUE(QDir::current().entryList(QDir::Files).isEmpty());
    rec.answer(MsgResult::Yes);
    nextSave.clear();  // the save dialog is cancelled
    EXPECT_FALSE(w.close());
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_TRUE(QDir::current().entryList(QDir::Files).isEmpty());  // no "new.dat" written

    rec.answer(MsgResult::Yes);
    nextSave = files.filePath("kept.dat");
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(QFile::exists(files.filePath("kept.dat")));
    EXPECT_TRUE(QFile::exists(files.filePath("kept.fre")));
}

TEST_F(MainWindowTest, SaveOfALoadedFileAsksToOverwriteQuotingItsName) {
    frmMain& w = open(1);
    nextOpen = dataFile("a.dat", "AA");
    w.mnuFileOpen_Click();
    ASSERT_EQ(Doc.DataFilePath, nextOpen);
    QFile::remove(nextOpen);

    rec.answer(MsgResult::Cancel);
    w.mnuFileSave_Click();
    ASSERT_EQ(rec.shown().size(), 1u);
    EXPECT_EQ(rec.shown()[0].text, "\"a.dat\"file will be Overwrite,Continue?");
    EXPECT_EQ(rec.shown()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(rec.shown()[0].icon, MsgIcon::Question);
    EXPECT_FALSE(QFile::exists(nextOpen));

    rec.answer(MsgResult::Ok);
    w.mnuFileSave_Click();
    EXPECT_TRUE(QFile::exists(nextOpen));
    EXPECT_EQ(saveDialogs, 0);
}

TEST_F(MainWindowTest, SaveOfAnUntitledDocumentOpensTheSaveDialog) {
    frmMain& w = open(1);
    w.mnuFileSave_Click();  // cancelled
    EXPECT_EQ(saveDialogs, 1);
    EXPECT_TRUE(QDir::isAbsolutePath(saveStart));
    EXPECT_TRUE(saveStart.endsWith("new.dat"));
    EXPECT_TRUE(Doc.Untitled);
    EXPECT_TRUE(rec.shown().empty());

    nextSave = files.filePath("b.dat");
    w.mnuFileSave_Click();
    EXPECT_FALSE(Doc.Untitled);
    EXPECT_EQ(w.windowTitle(), "Ulbrix[28.0000 - 29.6990 MHz][File Name:b.dat]");
    EXPECT_TRUE(rec.shown().empty());  // no overwrite question on Save As
}

// The dialog only knew the typed name; the file written gets ".dat" added.
TEST_F(MainWindowTest, SaveAsAsksBeforeReplacingTheNameActuallyWritten) {
    frmMain& w = open(1);
    const QString existing = dataFile("radio.dat", "OL");
    const QByteArray old = [&] {
        QFile f(existing);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    ASSERT_FALSE(old.isEmpty());
    modify("NW");
    const QString before = Doc.DataFilePath;

    nextSave = files.filePath("radio");
    rec.answer(MsgResult::Cancel);
    w.mnuFileSaveAs_Click();
    ASSERT_EQ(rec.texts(), QStringList({"\"radio.dat\"file will be Overwrite,Continue?"}));
    EXPECT_EQ(rec.shown()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(rec.shown()[0].icon, MsgIcon::Question);
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), old);
    f.close();
    EXPECT_EQ(Doc.DataFilePath, before);
    EXPECT_TRUE(IsDataModified());

    rec.clear();
    rec.answer(MsgResult::Ok);
    w.mnuFileSaveAs_Click();
    EXPECT_EQ(rec.texts().size(), 1);
    EXPECT_EQ(Doc.DataFilePath, existing);
    EXPECT_FALSE(IsDataModified());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_NE(f.readAll(), old);
    f.close();

    // A name that exists with nothing added, or a new name: no question of ours.
    for (const char* name : {"radio.dat", "other"}) {
        rec.clear();
        modify("N2");
        nextSave = files.filePath(name);
        w.mnuFileSaveAs_Click();
        EXPECT_TRUE(rec.shown().empty()) << name;
        EXPECT_FALSE(IsDataModified()) << name;
    }
    EXPECT_TRUE(QFile::exists(files.filePath("other.dat")));
}

TEST_F(MainWindowTest, OpenAsksWhetherToSaveChanges) {
    struct Case {
        MsgResult answer;
        bool titled;
        bool saveAsOk;
        int openDialogs, saveDialogs;
        bool opened, currentSaved;
    };
    const Case cases[] = {
        {MsgResult::Cancel, true, true, 0, 0, false, false},
        {MsgResult::No, true, true, 1, 0, true, false},
        {MsgResult::Yes, true, true, 1, 0, true, true},
        {MsgResult::Yes, false, false, 0, 1, false, false},  // untitled, Save As cancelled
        {MsgResult::Yes, false, true, 1, 1, true, true},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n++);
        ResetProcessState();
        Main();
        openDialogs = saveDialogs = 0;
        const QString current = files.filePath(QString("cur%1.dat").arg(n));
        frmMain& w = open(1);
        if (c.titled) {
            nextOpen = dataFile(QFileInfo(current).fileName(), "CU");
            w.mnuFileOpen_Click();
            openDialogs = 0;
            QFile::remove(current);
        }
        nextOpen = dataFile("good.dat", "GD");
        nextSave = c.saveAsOk ? current : QString();
        modify("ED");
        rec.clear();
        rec.answer(c.answer);
        w.mnuFileOpen_Click();
        EXPECT_EQ(rec.texts(), QStringList({"File has been modify,save it now?"}));
        EXPECT_EQ(openDialogs, c.openDialogs);
        EXPECT_EQ(saveDialogs, c.saveDialogs);
        EXPECT_EQ(groupName(), c.opened ? "GD" : "ED");
        EXPECT_EQ(QFile::exists(current), c.currentSaved);
        window.reset();
    }
}

TEST_F(MainWindowTest, ARefusedFileLeavesTheDocumentItsName) {
    frmMain& w = open(1);
    const QString bad = files.filePath("bad.dat");
    QFile f(bad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("X100") + QByteArray(2889, '\0'));
    f.close();
    nextOpen = bad;
    w.mnuFileOpen_Click();
    EXPECT_EQ(rec.texts(), QStringList({"Unknown version Of DataFile!"}));
    EXPECT_EQ(Doc.DataFilePath, "new.dat");
    EXPECT_TRUE(Doc.Untitled);
    EXPECT_TRUE(IsChildFormOpen(FormName::ChannelInfo));  // the kept document is shown again

    // A file of this program holding a value the radio cannot hold.
    const DocumentState keep = Doc;
    WorkDocument.Settings.WorkChannel(BandHF, 2) = 32767;
    nextOpen = dataFile("value.dat", "BV");
    Doc = keep;
    rec.clear();
    w.mnuFileOpen_Click();
    ASSERT_EQ(rec.texts().size(), 1);
    EXPECT_TRUE(rec.texts()[0].startsWith("The file was not opened:\n"));
    EXPECT_NE(groupName(), "BV");
}

// Edits that empty a group, saved and opened again: no word, ready to write.
// An emptied group's work channel of 0, as earlier releases saved it, reads as 1.
TEST_F(MainWindowTest, ADocumentSavedAfterEditsOpensAgainWithoutAWord) {
    frmMain& w = open(1);
    auto* editor = static_cast<StandInEditor*>(FindChildForm(FormName::ChannelInfo));
    modify("ED");
    AddChannel(9, BandHF, 3, "28.9");
    editor->bandShown = 1;
    editor->groupShown = 3;
    for (int i = 0; i < 50 && WorkDocument.ChannelCount(BandHF, 3) > 0; ++i) {
        editor->row = ChannelTable(BandHF, 1, 3).ChNo;
        w.MnuLEDelete_Click();
    }
    ASSERT_EQ(WorkDocument.ChannelCount(BandHF, 3), 0);
    WorkDocument.Settings.WorkChannel(BandHF, 3) = 0;
    nextSave = nextOpen = files.filePath("edited.dat");
    w.mnuFileSaveAs_Click();
    w.mnuFileNew_Click();
    rec.clear();
    w.mnuFileOpen_Click();
    EXPECT_TRUE(rec.texts().isEmpty()) << rec.texts().join('|').toStdString();
    EXPECT_EQ(groupName(), "ED");
    EXPECT_EQ(WorkDocument.Settings.WorkChannel(BandHF, 3), 1);
    EXPECT_TRUE(ValidateDocumentForWrite().empty());
}

TEST_F(MainWindowTest, NewMenuWarnsAndNewButtonOnlyAsksAboutChanges) {
    frmMain& w = open(1);
    nextOpen = dataFile("cur.dat", "CU");
    w.mnuFileOpen_Click();
    const QString caption = w.windowTitle();
    ASSERT_TRUE(caption.endsWith("File Name:cur.dat]"));

    modify();
    rec.answer(MsgResult::Cancel);
    w.mnuFileNew_Click();
    ASSERT_EQ(rec.texts(), QStringList({"All data will be cleared."}));
    EXPECT_EQ(rec.shown()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(rec.shown()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(groupName(), "ZZ");

    rec.clear();
    w.mnuFileNew_Click();  // OK
    EXPECT_FALSE(IsDataModified());
    EXPECT_EQ(w.windowTitle(), caption);  // New keeps the file name
    EXPECT_EQ(Doc.DataFilePath, nextOpen);

    rec.clear();
    const int editors = StandInEditor::created;
    w.tbToolBar_ButtonClick("新建");  // unmodified: at once, no question
    EXPECT_TRUE(rec.shown().empty());
    EXPECT_EQ(StandInEditor::created, editors + 1);

    modify();
    rec.answer(MsgResult::Cancel);
    w.tbToolBar_ButtonClick("新建");
    EXPECT_EQ(rec.texts(), QStringList({"File has been modify,save it now?"}));
    EXPECT_EQ(groupName(), "ZZ");
}

TEST_F(MainWindowTest, InitialSettingAsksBeforeReplacingChanges) {
    frmMain& w = open(1);
    modify();
    rec.answer(MsgResult::Cancel);
    w.MnuInitial_Click();
    EXPECT_EQ(groupName(), "ZZ");

    rec.clear();
    rec.answer(MsgResult::No);
    w.MnuInitial_Click();
    EXPECT_EQ(rec.texts(), QStringList({"File has been modify,save it now?"}));
    EXPECT_FALSE(IsDataModified());
    EXPECT_NE(groupName(), "ZZ");
    EXPECT_EQ(w.windowTitle(), kStartCaption);
    EXPECT_EQ(OpenChildFormNames(), QStringList({FormName::ChannelInfo}));
}

TEST_F(MainWindowTest, OpenEditorsCommitBeforeTheModifiedTestAndSaving) {
    frmMain& w = open(1);
    StandInEditor::onCommit = [] { modify("PE"); };  // an edit typed but not yet confirmed
    rec.answer(MsgResult::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(rec.texts(), QStringList({"File has been modify,save it now?"}));

    nextSave = files.filePath("c.dat");
    w.mnuFileSaveAs_Click();
    StandInEditor::onCommit = nullptr;
    EXPECT_FALSE(IsDataModified());
    ResetProcessState();
    Main();
    ASSERT_TRUE(OpenDataFile(nextSave, OpenDocumentRefusal));
    EXPECT_EQ(groupName(), "PE");
}

TEST_F(MainWindowTest, SplitterAccepts300TwipsButNot299) {
    frmMain& w = open(1);
    const int start = w.paneWidthTwips();
    w.CommandMove_MouseMove(600);  // not dragging
    EXPECT_EQ(w.paneWidthTwips(), start);
    w.CommandMove_MouseDown();
    w.CommandMove_MouseMove(299 - start);
    EXPECT_EQ(w.paneWidthTwips(), start);
    w.CommandMove_MouseMove(300 - start);
    EXPECT_EQ(w.paneWidthTwips(), 300);
    EXPECT_EQ(w.treePane()->width(), 20);
    w.CommandMove_MouseMove(w.innerWidthTwips());  // wider than the window
    EXPECT_EQ(w.paneWidthTwips(), 300);
    w.CommandMove_MouseUp();
    w.CommandMove_MouseMove(600);
    EXPECT_EQ(w.paneWidthTwips(), 300);
}

TEST_F(MainWindowTest, BackgroundWithoutAUsablePictureIsPlain) {
    QFile::remove(runtime.bin() + "/PIC/BK_1.jpg");
    QImage tiny(2, 1, QImage::Format_RGB32);
    tiny.fill(Qt::red);
    ASSERT_TRUE(tiny.save(runtime.bin() + "/PIC/BK_2.jpg", "JPG"));
    frmMain& w = open(1);
    EXPECT_TRUE(w.backgroundPicture().isEmpty());
    App.CurrentLanguage = 2;
    w.MDIForm_Activate();
    EXPECT_TRUE(w.backgroundPicture().endsWith("BK_2.jpg"));
    w.resize(500, 400);
    QApplication::processEvents();
}

TEST_F(MainWindowTest, TreeAndPaneButtonsDispatchByKey) {
    frmMain& w = open(1);
    UnloadChildForms();
    w.TreeView1_NodeClick("N0");
    EXPECT_TRUE(OpenChildFormNames().isEmpty());
    w.TreeView1_NodeClick("N3");
    EXPECT_EQ(OpenChildFormNames(), QStringList({FormName::Emergency}));
    UnloadChildForms();
    w.TreeView1_NodeClick("N2");
    EXPECT_EQ(OpenChildFormNames(), QStringList({FormName::OptFeatures}));

    w.Toolbar1_ButtonClick("删除");
    EXPECT_TRUE(w.treePane()->isHidden());
    EXPECT_FALSE(w.menuAction("mnuTreeView")->isChecked());
    w.menuAction("mnuTreeView")->trigger();
    EXPECT_FALSE(w.treePane()->isHidden());
    EXPECT_TRUE(w.menuAction("mnuTreeView")->isChecked());
    w.menuAction("mnuViewToolbar")->trigger();
    EXPECT_TRUE(w.findChild<QToolBar*>("tbToolBar")->isHidden());
}

static std::vector<int> Numbers16() {
    std::vector<int> n;
    for (int s = 1; s <= WorkDocument.ChannelCount(BandHF, 16); ++s) n.push_back(ChannelTable(BandHF, s, 16).ChNo);
    return n;
}

TEST_F(MainWindowTest, ListEditCommandsActOnWhatTheChannelEditorShows) {
    frmMain& w = open(1);
    auto* editor = static_cast<StandInEditor*>(FindChildForm(FormName::ChannelInfo));
    ASSERT_NE(editor, nullptr);
    WorkDocument.ChannelCount(BandHF, 16) = 0;
    AddChannel(5, BandHF, 16, "28.5");
    AddChannel(9, BandHF, 16, "28.9");
    // The band and the group by position, whatever the group lists say.
    editor->bandShown = 1;
    editor->groupShown = 16;
    editor->row = 5;
    w.menuAction("MnuLECopy")->trigger();
    EXPECT_TRUE(ChannelClipboardFull);
    w.MnuLEDelete_Click();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 16), 1);
    EXPECT_EQ(ChannelTable(BandHF, 1, 16).ChNo, 9);
    EXPECT_EQ(editor->redrawn, std::vector<int>{5});
    editor->row = 7;
    w.MnuLEPaste_Click();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 16), 2);
    EXPECT_EQ(ChannelTable(BandHF, 2, 16).ChNo, 7);

    // No group shown, or no current row: nothing is handed on.
    editor->groupShown = 0;
    w.MnuLEDelete_Click();
    editor->groupShown = 16;
    editor->row = 0;
    w.MnuLEDelete_Click();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 16), 2);

    // Del in a text box deletes a character there, never a channel.
    editor->row = 7;
    QLineEdit box(editor);
    box.show();
    box.setFocus();
    QApplication::setActiveWindow(&box);
    if (QApplication::focusWidget() == &box) {
        w.MnuLEDelete_Click();
        EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 16), 2);
    }
    box.clearFocus();
    box.hide();

    // Another editor in front: its keys never reach the channels behind it.
    ShowChildForm(FormName::OptFeatures);
    ASSERT_NE(w.mdiArea()->currentSubWindow()->widget(), editor);
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();  // say, its grid
    w.MnuLEDelete_Click();
    EXPECT_EQ(Numbers16(), (std::vector<int>{9, 7}));
    editor->row = 3;
    w.menuAction("MnuLEPaste")->trigger();
    EXPECT_EQ(Numbers16(), (std::vector<int>{9, 7}));
    editor->row = 7;
    ShowChildForm(FormName::ChannelInfo);
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    w.MnuLEDelete_Click();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 16), 1);

    UnloadChildForms();
    w.MnuLEDelete_Click();
    EXPECT_EQ(WorkDocument.ChannelCount(BandHF, 16), 1);
}

TEST_F(MainWindowTest, AboutBoxFollowsTheLanguage) {
    frmMain& w = open(2);
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        seen = box->objectName() + "|" + box->findChild<QLabel*>("lblVersion")->text();
        box->findChild<QPushButton*>("cmdSysInfo")->click();
        box->findChild<QPushButton*>("cmdOK")->click();
    });
    w.mnuHelpAbout_Click();
    EXPECT_EQ(seen, "frmAbout|版本 1.0.0");
    EXPECT_EQ(rec.texts(), QStringList({"此时系统信息不可用"}));

    App.CurrentLanguage = App.ShownLanguage = 1;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        seen = box->objectName() + "|" + box->findChild<QLabel*>("lblVersion")->text();
        box->findChild<QPushButton*>("cmdOK")->click();
    });
    w.tbToolBar_ButtonClick("About");
    EXPECT_EQ(seen, "FrmAbout2|Version 1.0.0");
}

}  // namespace

#include "FrmMainTest.moc"
