#include "mainwindow/frmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <map>
#include <vector>

#include "core/ModEnglish.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ModInitV.h"
#include "core/GlobalState.h"
#include "core/ModMsg.h"
#include "core/Records.h"
#include "editors/WindowCalls.h"
#include "editors/EditorBase.h"
#include "editors/channels/ChannelListEdit.h"
#include "editors/channels/SpecialChannelMaps.h"
#include "editors/settings/RogerBeepRules.h"
#include "mainwindow/EditorTable.h"
#include "mainwindow/TransferCommands.h"
#include "mainwindow/FrmSetLanguage.h"
#include "mainwindow/MainWindowRules.h"
#include "mainwindow/frmAbout.h"
#include "platform/MsgBox.h"
#include "platform/widgets/ChildForms.h"
#include "platform/Paths.h"

// The icons live in a static library: their resource must be pulled in by name.
static void InitMainWindowResources() { Q_INIT_RESOURCE(mainwindow); }

namespace ulbrix {

namespace {

// ---- the menu bar, as data ----

enum class Kind { Menu, Item, Separator };
// yes: always shown; design: never shown; load: hidden when the window loads.
enum class Shown { Yes, Design, Load };

struct MenuDef {
    const char* name;
    const char* parent;  // nullptr: the menu bar
    Kind kind;
    Shown shown;
    const char* shortcut;
    bool checkable;
    void (frmMain::*handler)();
    const char* fixedCaption;  // a caption that is never translated
};

constexpr auto Y = Shown::Yes;
constexpr auto D = Shown::Design;
constexpr auto L = Shown::Load;
constexpr auto M = Kind::Menu;
constexpr auto I = Kind::Item;
constexpr auto S = Kind::Separator;

// Menu order, as the menu bar shows it. Items whose handler lives on the
// transfer object have none here; wireTransfer() connects them.
const MenuDef kMenus[] = {
    {"mnuFile", nullptr, M, Y, nullptr, false, nullptr, nullptr},
    {"mnuFileNew", "mnuFile", I, Y, "Ctrl+N", false, &frmMain::mnuFileNew_Click, nullptr},
    {"mnuFileOpen", "mnuFile", I, Y, "Ctrl+O", false, &frmMain::mnuFileOpen_Click, nullptr},
    {"mnuFileSave", "mnuFile", I, Y, nullptr, false, &frmMain::mnuFileSave_Click, nullptr},
    {"mnuFileSaveAs", "mnuFile", I, Y, nullptr, false, &frmMain::mnuFileSaveAs_Click, nullptr},
    {"mnuFileBar0", "mnuFile", S, Y, nullptr, false, nullptr, nullptr},
    {"mnuFilePrint", "mnuFile", I, D, nullptr, false, nullptr, nullptr},
    {"mnuFileBar1", "mnuFile", S, D, nullptr, false, nullptr, nullptr},
    {"mnuFileExit", "mnuFile", I, Y, nullptr, false, &frmMain::mnuFileExit_Click, nullptr},

    {"mnuModel", nullptr, M, D, nullptr, false, nullptr, nullptr},
    {"mnuModelInfo", "mnuModel", I, Y, nullptr, false, nullptr, nullptr},
    {"MnuBand", "mnuModel", M, Y, nullptr, false, nullptr, nullptr},
    {"MnuCheckRadioBand", "MnuBand", I, Y, nullptr, false, nullptr, nullptr},
    {"MnuFrequencyCheck", "MnuBand", I, Y, nullptr, false, nullptr, nullptr},

    {"mnuEdit", nullptr, M, Y, nullptr, false, nullptr, nullptr},
    {"mnuChannelInfo", "mnuEdit", I, Y, nullptr, false, &frmMain::mnuChannelInfo_Click, nullptr},
    {"mnuEditBar0", "mnuEdit", S, Y, nullptr, false, nullptr, nullptr},
    {"mnuOptFeature", "mnuEdit", I, Y, nullptr, false, &frmMain::mnuOptFeature_Click, nullptr},
    {"mnuToneTips", "mnuEdit", I, Y, nullptr, false, &frmMain::mnuToneTips_Click, nullptr},
    {"mnuKeyAssignm", "mnuEdit", I, D, nullptr, false, nullptr, nullptr},
    {"mnuScanInfo", "mnuEdit", I, D, nullptr, false, nullptr, nullptr},
    {"mnuEditBar1", "mnuEdit", S, D, nullptr, false, nullptr, nullptr},
    {"mnuDTMF", "mnuEdit", I, L, nullptr, false, &frmMain::mnuDTMF_Click, nullptr},
    {"mnuFleetSync", "mnuEdit", I, L, nullptr, false, nullptr, nullptr},
    {"mnuEditBar2", "mnuEdit", S, D, nullptr, false, nullptr, nullptr},
    {"mnuTestFre", "mnuEdit", I, L, nullptr, false, nullptr, nullptr},
    {"mnuEmbeddedMsg", "mnuEdit", I, L, nullptr, false, nullptr, nullptr},
    {"mnuEMG", "mnuEdit", I, L, nullptr, false, nullptr, nullptr},

    {"mnuProgram", nullptr, M, Y, nullptr, false, nullptr, nullptr},
    {"mnuReadFromRadio", "mnuProgram", I, Y, nullptr, false, nullptr, nullptr},
    {"mnuWriteToRadio", "mnuProgram", I, Y, nullptr, false, nullptr, nullptr},
    {"mnuTest", "mnuProgram", I, L, nullptr, false, nullptr, nullptr},
    {"mnuMWriteToRadio", "mnuProgram", I, L, nullptr, false, nullptr, nullptr},

    {"mnuTools", nullptr, M, L, nullptr, false, nullptr, nullptr},
    {"mnuRadioInfo", "mnuTools", I, Y, nullptr, false, nullptr, nullptr},
    {"mnuSetRadioInfo", "mnuTools", I, Y, nullptr, false, nullptr, nullptr},

    {"mnuSet", nullptr, M, Y, nullptr, false, nullptr, nullptr},
    {"mnuComm", "mnuSet", I, Y, nullptr, false, nullptr, nullptr},
    {"mnuLanguage", "mnuSet", I, Y, nullptr, false, &frmMain::mnuLanguage_Click, nullptr},
    {"MnuInitial", "mnuSet", I, Y, nullptr, false, &frmMain::MnuInitial_Click, nullptr},
    {"MnuInitialBand1", "mnuSet", I, D, nullptr, false, nullptr, "Band1"},
    {"MnuInitialBand2", "mnuSet", I, D, nullptr, false, nullptr, "Band2"},

    {"MnuListEdit", nullptr, M, Y, nullptr, false, nullptr, "Tools"},
    {"MnuLECopy", "MnuListEdit", I, Y, "Ctrl+C", false, &frmMain::MnuLECopy_Click, "Copy"},
    {"MnuLECut", "MnuListEdit", I, Y, "Ctrl+X", false, &frmMain::MnuLECut_Click, "Cut"},
    {"MnuLEPaste", "MnuListEdit", I, Y, "Ctrl+V", false, &frmMain::MnuLEPaste_Click, "Paste"},
    {"MnuLEInsert", "MnuListEdit", I, Y, "Ctrl+I", false, &frmMain::MnuLEInsert_Click, "Insert&Paste"},
    {"MnuLEDelete", "MnuListEdit", I, Y, "Del", false, &frmMain::MnuLEDelete_Click, "Delete"},

    {"mnuView", nullptr, M, Y, nullptr, false, nullptr, nullptr},
    {"mnuTreeView", "mnuView", I, Y, nullptr, true, &frmMain::mnuTreeView_Click, nullptr},
    {"mnuViewBar0", "mnuView", S, Y, nullptr, false, nullptr, nullptr},
    {"mnuViewToolbar", "mnuView", I, Y, nullptr, true, &frmMain::mnuViewToolbar_Click, nullptr},
    {"mnuViewStatusBar", "mnuView", I, Y, nullptr, true, &frmMain::mnuViewStatusBar_Click, nullptr},

    {"mnuWindow", nullptr, M, Y, nullptr, false, nullptr, nullptr},
    {"mnuWindowCascade", "mnuWindow", I, Y, nullptr, false, &frmMain::mnuWindowCascade_Click, nullptr},
    {"mnuWindowTileHorizontal", "mnuWindow", I, L, nullptr, false, &frmMain::mnuWindowTileHorizontal_Click, nullptr},
    {"mnuWindowTileVertical", "mnuWindow", I, L, nullptr, false, &frmMain::mnuWindowTileVertical_Click, nullptr},
    {"mnuWindowArrangeIcons", "mnuWindow", I, L, nullptr, false, &frmMain::mnuWindowArrangeIcons_Click, nullptr},
    {"mnuWindowBar0", "mnuWindow", S, Y, nullptr, false, nullptr, nullptr},
    {"mnuCloseAll", "mnuWindow", I, Y, nullptr, false, &frmMain::mnuCloseAll_Click, nullptr},
    {"mnuWindowBar1", "mnuWindow", S, D, nullptr, false, nullptr, nullptr},

    {"mnuHelp", nullptr, M, Y, nullptr, false, nullptr, nullptr},
    {"mnuHelpTopic", "mnuHelp", I, D, nullptr, false, nullptr, nullptr},
    {"mnuHelpBar0", "mnuHelp", S, D, nullptr, false, nullptr, nullptr},
    {"mnuHelpAbout", "mnuHelp", I, Y, nullptr, false, &frmMain::mnuHelpAbout_Click, nullptr},
};

// ---- the main toolbar, as data ----

struct ToolDef {
    const char* key;       // nullptr: a separator
    const char* icon;      // resource of the image key
    const char* tipMenu;   // the menu item whose caption is the tooltip
    bool hidden;           // hidden when the window loads
};

// Positions 1 to 13.
const ToolDef kTools[] = {
    {"新建", ":/mainwindow/icons/new.png", "mnuFileNew", false},
    {"打开", ":/mainwindow/icons/open.png", "mnuFileOpen", false},
    {"保存", ":/mainwindow/icons/save.png", "mnuFileSave", false},
    {nullptr, nullptr, nullptr, false},
    {"打印", ":/mainwindow/icons/print.png", "mnuFilePrint", false},
    {nullptr, nullptr, nullptr, false},
    {"ReadRadio", ":/mainwindow/icons/read.png", "mnuReadFromRadio", false},
    {"CommSet", ":/mainwindow/icons/comm.png", "mnuComm", false},
    {"WriteRadio", ":/mainwindow/icons/write.png", "mnuWriteToRadio", false},
    {nullptr, nullptr, nullptr, false},
    {"MWriteRadio", ":/mainwindow/icons/mwrite.png", nullptr, true},
    {nullptr, nullptr, nullptr, false},
    {"About", ":/mainwindow/icons/help.png", "mnuHelpAbout", false},
};

// ---- the tree pane's nodes, as data ----

struct NodeDef {
    const char* key;
    const char* captionMenu;  // the menu item whose caption the node shows
    int rogerBeepText;        // or a roger-beep text number
    const char* fixedText;    // or a text that is the same in both languages
};

const NodeDef kNodes[] = {
    {"N1", "mnuChannelInfo", 0, nullptr},
    {"N2", "mnuOptFeature", 0, nullptr},
    {"N12", nullptr, 12014, nullptr},
    {"N3", nullptr, 0, "Emg Channel Setting"},
    {"N4", nullptr, 0, "DW Channel Setting"},
    {"N6", nullptr, 0, "MEM Channel Setting"},
    {"N8", nullptr, 0, "Group Name"},
};

// Which window a tree node opens. "N5" and "N7" are known but never built.
const std::map<QString, QString>& nodeForms() {
    static const std::map<QString, QString> m = {
        {QStringLiteral("N1"), FormName::ChannelInfo}, {QStringLiteral("N2"), FormName::OptFeatures},
        {QStringLiteral("N12"), FormName::ToneTips},   {QStringLiteral("N3"), FormName::Emergency},
        {QStringLiteral("N4"), FormName::DualWatch},   {QStringLiteral("N5"), FormName::DTMF},
        {QStringLiteral("N6"), FormName::MemChannel},  {QStringLiteral("N7"), FormName::Weather},
        {QStringLiteral("N8"), FormName::GroupName},
    };
    return m;
}

const QString kRootText = QStringLiteral("Ulbrix");  // the design caption of Label1
constexpr int kSplitterPx = 5;

QString menuCaption(const QString& name) {
    if (name == QLatin1String("mnuToneTips")) return GetRBText(10221);
    for (const MenuCaption& m : MainMenuCaptions())
        if (name == QLatin1String(m.control)) return Tr(*m.caption);
    return {};
}

// The bar between the tree pane and the editor area.
class SplitterBar : public QPushButton {
public:
    explicit SplitterBar(frmMain* owner, QWidget* parent) : QPushButton(parent), owner_(owner) {
        setObjectName(QStringLiteral("CommandMove"));
        setFocusPolicy(Qt::NoFocus);
        setFlat(true);
        setMouseTracking(true);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) owner_->CommandMove_MouseDown();
        e->accept();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        setCursor(Qt::SizeHorCursor);
        owner_->CommandMove_MouseMove(PxToTwips(qRound(e->position().x())));
        e->accept();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        owner_->CommandMove_MouseUp();
        e->accept();
    }

private:
    frmMain* owner_;
};

}  // namespace

// ---------------------------------------------------------------------------

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    InitMainWindowResources();
    setObjectName(QStringLiteral("frmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/mainwindow/icons/ulbrix64.png")));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    buildTreePane();
    row->addWidget(pane_);
    mdi_ = new QMdiArea(central);
    mdi_->setObjectName(QStringLiteral("MDIArea"));
    // A fixed-size editor wider than the area stays reachable.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    row->addWidget(mdi_, 1);
    setCentralWidget(central);
    central->installEventFilter(this);

    buildMenus();
    buildToolbar();
    buildStatusBar();

    transfer_ = new TransferCommands(this);
    wireTransfer();

    openFileDialog = [this](const QString& filter, const QString& startDir) {
        return QFileDialog::getOpenFileName(this, QString(), startDir, filter);
    };
    saveFileDialog = [this](const QString& filter, const QString& start) {
        return QFileDialog::getSaveFileName(this, QString(), start, filter);
    };

    SetChildFormHost(mdi_);
    SetListEditMenu(listEditMenu_);
    RegisterKnownEditors();
    WindowHooks.setCaption = [this] { setCaption(); };
    WindowHooks.showOpened = [this] {
        showChannelEditor();
        Change_Language();
    };
    fMainForm = this;
}

frmMain::~frmMain() {
    if (ChildFormHost() == mdi_) SetChildFormHost(nullptr);
    if (ListEditMenu() == listEditMenu_) SetListEditMenu(nullptr);
    WindowHooks = DocumentWindowHooks{};
}

QAction* frmMain::menuAction(const QString& name) const {
    for (QAction* a : findChildren<QAction*>(name)) return a;
    if (auto* m = findChild<QMenu*>(name)) return m->menuAction();
    return nullptr;
}

QAction* frmMain::toolButton(const QString& key) const {
    for (QAction* a : toolbar_->actions())
        if (a->property("key").toString() == key) return a;
    return nullptr;
}

QLabel* frmMain::statusPanel(int n) const { return n >= 1 && n <= 5 ? panels_[n - 1] : nullptr; }

int frmMain::innerWidthTwips() const { return PxToTwips(centralWidget()->width()); }
int frmMain::innerHeightTwips() const { return PxToTwips(centralWidget()->height()); }

void frmMain::buildMenus() {
    std::map<QString, QMenu*> menus;
    for (const MenuDef& d : kMenus) {
        const QString name = QString::fromLatin1(d.name);
        QMenu* parentMenu = d.parent ? menus.at(QString::fromLatin1(d.parent)) : nullptr;
        QAction* action = nullptr;
        if (d.kind == Kind::Menu) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(QString()) : menuBar()->addMenu(QString());
            menu->setObjectName(name);
            menus[name] = menu;
            action = menu->menuAction();
        } else {
            action = new QAction(this);
            if (d.kind == Kind::Separator) action->setSeparator(true);
            parentMenu->addAction(action);
        }
        action->setObjectName(name);
        if (d.fixedCaption) action->setText(QString::fromUtf8(d.fixedCaption));
        if (d.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(d.shortcut)));
        if (d.checkable) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (d.shown == Shown::Design) action->setVisible(false);
        if (d.handler) connect(action, &QAction::triggered, this, d.handler);
    }
    listEditMenu_ = menus.at(QStringLiteral("MnuListEdit"));
    windowMenu_ = menus.at(QStringLiteral("mnuWindow"));
    connect(windowMenu_, &QMenu::aboutToShow, this, &frmMain::fillWindowList);
}

void frmMain::buildToolbar() {
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tbToolBar"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, toolbar_);
    for (const ToolDef& t : kTools) {
        if (!t.key) {
            toolbar_->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf8(t.key);
        QAction* a = toolbar_->addAction(QIcon(QString::fromLatin1(t.icon)), QString());
        a->setProperty("key", key);
        a->setProperty("tipMenu", QString::fromLatin1(t.tipMenu ? t.tipMenu : ""));
        connect(a, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
}

void frmMain::buildTreePane() {
    pane_ = new QWidget(this);
    pane_->setObjectName(QStringLiteral("Picture1"));
    frame_ = new QFrame(pane_);
    frame_->setObjectName(QStringLiteral("Frame1"));
    frame_->setFrameShape(QFrame::StyledPanel);
    tree_ = new QTreeWidget(pane_);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    tree_->setRootIsDecorated(true);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        if (item) TreeView1_NodeClick(item->data(0, Qt::UserRole).toString());
    });
    paneToolbar_ = new QToolBar(pane_);
    paneToolbar_->setObjectName(QStringLiteral("Toolbar1"));
    paneToolbar_->setIconSize(QSize(16, 16));
    const QString closeKey = QStringLiteral("删除");
    QAction* close = paneToolbar_->addAction(QIcon(QStringLiteral(":/mainwindow/icons/close.png")), QString());
    close->setProperty("key", closeKey);
    connect(close, &QAction::triggered, this, [this, closeKey] { Toolbar1_ButtonClick(closeKey); });
    splitter_ = new SplitterBar(this, pane_);
    pane_->installEventFilter(this);
}

void frmMain::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    setStatusBar(bar);
    for (int i = 0; i < 5; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setContentsMargins(4, 0, 4, 0);
        if (i == 0) bar->addWidget(panels_[i], 1);
        else bar->addPermanentWidget(panels_[i]);
    }
    panels_[0]->setText(QStringLiteral("状态"));
    panels_[1]->setVisible(false);
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &frmMain::updateClock);
    clock_->start();
    updateClock();
}

void frmMain::updateClock() {
    const QLocale locale = QLocale::system();
    panels_[3]->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    panels_[4]->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void frmMain::wireTransfer() {
    struct Route {
        const char* menu;
        void (TransferCommands::*slot)();
    };
    const Route routes[] = {
        {"mnuReadFromRadio", &TransferCommands::mnuReadFromRadio_Click},
        {"mnuWriteToRadio", &TransferCommands::mnuWriteToRadio_Click},
        {"mnuMWriteToRadio", &TransferCommands::mnuMWriteToRadio_Click},
        {"mnuRadioInfo", &TransferCommands::mnuRadioInfo_Click},
        {"mnuEMG", &TransferCommands::ReadRMGDataFromRadio},
        {"mnuComm", &TransferCommands::mnuComm_Click},
    };
    for (const Route& r : routes)
        if (QAction* a = menuAction(QString::fromLatin1(r.menu))) connect(a, &QAction::triggered, transfer_, r.slot);

    transfer_->commitEditors = [] { CommitPendingEdits(); };
    transfer_->unloadChildForms = [] { UnloadChildForms(); };
    transfer_->afterRead = [this] {
        Change_Language();
        setCaption();
        showChannelEditor();
    };
    transfer_->portChanged = [this] { panels_[2]->setText(StatusPortText(App.ComPort)); };
    transfer_->saveQuestion = [this] { return askSaveChanges(); };
}

// ---- loading, language and captions ----

namespace {

// The optional-features page whole, at the usual 9-point font; it scrolls in
// a lower area.
constexpr QSize kOptionalFeaturesPage(740, 956);

// The largest editors as they open last of all the others: client size,
// frame and a cascade step (10 px across, a title bar down) for every window
// opened before. The special-channel dialogs are the widest, the
// optional-features page the tallest.
std::vector<QSize> LargestEditorFrames(const QStyle* style) {
    QStyleOptionTitleBar option;
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, &option);
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int before = std::max(1, static_cast<int>(RegisteredChildForms().size()) - 1);
    const QSize around(2 * border + 10 * before, title + border + title * before);
    std::vector<QSize> sizes{kOptionalFeaturesPage + around};
    for (const SpecialDialogMap* m : {&EmergencyDialogMap(), &DualWatchDialogMap(), &MemChannelDialogMap()})
        sizes.push_back(QSize(px(m->clientWidth), px(m->clientHeight)) + around);
    return sizes;
}

}  // namespace

void frmMain::MDIForm_Load() {
    QSettings store(GeometryOrganisation, GeometryApplication);
    const WindowGeometryTw g = LoadWindowGeometry(store);
    QRect r(TwipsToPx(g.left), TwipsToPx(g.top), TwipsToPx(g.width), TwipsToPx(g.height));
    // The frame is not known before the window is shown: a title bar and thin borders.
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QMargins frame(4, title + 4, 4, 4);
    if (!HasStoredWindowSize(store)) {
        // Until the user sizes it, the window shows the largest editor whole where the screen allows.
        const int mdiFrame = 2 * mdi_->frameWidth();
        const QSize around(TwipsToPx(paneWidthTw_) + mdiFrame,
                           menuBar()->sizeHint().height() + toolbar_->sizeHint().height() +
                               statusBar()->sizeHint().height() + mdiFrame);
        const std::vector<QSize> editors = LargestEditorFrames(mdi_->style());
        r = FirstStartGeometry(editors, around, r, screen()->availableGeometry().marginsRemoved(frame));
        r.translate(-frame.left(), -frame.top());  // move() places the frame
    } else {
        // Stored on a larger screen or on one since gone: fitted, frame and all,
        // to the screen it lands on. The place is the frame's, the size the inside's.
        const QRect outer(r.topLeft(), r.size().grownBy(frame));
        QScreen* on = QGuiApplication::screenAt(outer.center());
        if (!on) on = QGuiApplication::primaryScreen();
        const QRect fitted = FitToScreen(outer, on ? on->availableGeometry() : QRect());
        r = QRect(fitted.topLeft(), fitted.size().shrunkBy(frame));
    }
    move(r.topLeft());
    resize(r.size());

    for (const MenuDef& d : kMenus)
        if (d.shown == Shown::Load)
            if (QAction* a = menuAction(QString::fromLatin1(d.name))) a->setVisible(false);
    for (const ToolDef& t : kTools)
        if (t.key && t.hidden)
            if (QAction* a = toolButton(QString::fromUtf8(t.key))) a->setVisible(false);

    SetMainCaptions();
    BuildTreeNodes();
    LoadNewDoc();
}

void frmMain::MDIForm_Activate() {
    if (App.CurrentLanguage == App.ShownLanguage) return;
    App.ShownLanguage = App.CurrentLanguage;
    CommitPendingEdits();
    Change_Language();
    UnloadChildForms();
    showChannelEditor();
}

void frmMain::Change_Language() {
    SetMainCaptions();
    BuildTreeNodes();
}

void frmMain::setCaption() { setWindowTitle(MainCaptionText()); }

void frmMain::SetMainCaptions() {
    fileFilter_ = Tr(MsgDataFile) + QStringLiteral(" (*.dat)");
    panels_[2]->setText(StatusPortText(App.ComPort));
    panels_[1]->setText(StatusBandText());
    panels_[1]->setVisible(false);
    LoadBKPic();
    setCaption();
    for (const MenuDef& d : kMenus) {
        if (d.kind == Kind::Separator || d.fixedCaption) continue;
        const QString name = QString::fromLatin1(d.name);
        if (QAction* a = menuAction(name)) {
            const QString caption = menuCaption(name);
            if (!caption.isEmpty()) a->setText(caption);
        }
    }
    for (QAction* a : toolbar_->actions()) {
        const QString tipMenu = a->property("tipMenu").toString();
        if (tipMenu.isEmpty()) continue;
        // The caption as the menu shows it, ampersand and all.
        a->setToolTip(menuCaption(tipMenu));
    }
}

void frmMain::BuildTreeNodes() {
    tree_->clear();
    auto* root = new QTreeWidgetItem(tree_, QStringList(kRootText));
    root->setData(0, Qt::UserRole, QStringLiteral("N0"));
    for (const NodeDef& n : kNodes) {
        QString text;
        if (n.captionMenu) text = menuCaption(QString::fromLatin1(n.captionMenu));
        else if (n.rogerBeepText) text = GetRBText(n.rogerBeepText);
        else text = QString::fromLatin1(n.fixedText);
        auto* item = new QTreeWidgetItem(root, QStringList(text));
        item->setData(0, Qt::UserRole, QString::fromLatin1(n.key));
    }
    root->setExpanded(true);
}

void frmMain::LoadBKPic() {
    const int lang = App.CurrentLanguage;
    if (lang == bkLanguage_) return;
    bkLanguage_ = lang;
    const QString path = BackgroundPicturePath(platform::ProgramDir(), lang);
    QImageReader reader(path);
    const QImage picture = reader.read();
    const QRect tile = BackgroundTileRect(picture.size());
    if (picture.isNull() || tile.isEmpty()) {
        // Missing or unreadable: a plain background.
        bkPicture_.clear();
        mdi_->setBackground(palette().brush(QPalette::Dark));
        return;
    }
    bkPicture_ = path;
    mdi_->setBackground(QBrush(QPixmap::fromImage(picture.copy(tile))));
}

// ---- layout ----

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void frmMain::MDIForm_Resize() {
    if (const auto h = ResizePaneHeights(innerHeightTwips())) {
        frameHeightTw_ = h->frame;
        treeHeightTw_ = h->tree;
        splitterHeightTw_ = h->splitter;
    }
    // Between transfers the reply timer is off; during one a resize must not stop it.
    if (transfer_ && !transfer_->TransferUnderWay() && transfer_->WaitTimer) transfer_->WaitTimer->stop();
    layoutPane();
    LoadBKPic();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        if (watched == centralWidget()) MDIForm_Resize();
        else if (watched == pane_) layoutPane();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::layoutPane() {
    const int paneW = std::max(TwipsToPx(paneWidthTw_), kSplitterPx + 8);
    pane_->setFixedWidth(paneW);
    const int innerW = paneW - kSplitterPx;
    splitter_->setGeometry(innerW, 0, kSplitterPx, std::max(1, TwipsToPx(splitterHeightTw_)));
    frame_->setGeometry(2, 2, innerW - 4, std::max(1, TwipsToPx(frameHeightTw_)));
    const QSize tb = paneToolbar_->sizeHint();
    paneToolbar_->setGeometry(innerW - 4 - tb.width() - 2, 4, tb.width(), tb.height());
    const int treeTop = 4 + tb.height() + 2;
    tree_->setGeometry(6, treeTop, std::max(1, innerW - 12), std::max(1, TwipsToPx(treeHeightTw_)));
}

void frmMain::CommandMove_MouseDown() { dragging_ = true; }
void frmMain::CommandMove_MouseUp() { dragging_ = false; }

void frmMain::CommandMove_MouseMove(int xTwips) {
    splitter_->setCursor(Qt::SizeHorCursor);
    if (!dragging_) return;
    const auto w = SplitterPaneWidth(paneWidthTw_, xTwips, innerWidthTwips());
    if (!w) return;
    paneWidthTw_ = *w;
    layoutPane();
}

// ---- showing, activation, closing ----

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShowDone_) return;
    firstShowDone_ = true;
    // The platform may never report the first activation; a language read
    // from the settings file is applied once the window is up either way.
    QTimer::singleShot(0, this, [this] { MDIForm_Activate(); });
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) MDIForm_Activate();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (MDIForm_Unload()) event->accept();
    else event->ignore();
}

bool frmMain::MDIForm_Unload() {
    CommitPendingEdits();
    if (!askSaveChanges()) return false;
    if (!isMinimized()) {
        QSettings store(GeometryOrganisation, GeometryApplication);
        const QPoint p = pos();
        SaveWindowGeometry(store, {PxToTwips(p.x()), PxToTwips(p.y()), PxToTwips(width()), PxToTwips(height())});
    }
    // The decimal separator was never changed outside this process: nothing to set back.
    UnloadChildForms();
    return true;
}

// ---- file commands ----

bool frmMain::askSaveChanges() {
    CommitPendingEdits();
    SaveQuestionActions actions;
    actions.isModified = [] { return IsDataModified(); };
    actions.untitled = [] { return Doc.Untitled; };
    actions.save = [this] { return DoFileSave(); };
    actions.saveAs = [this] { return saveAs(); };
    return AskSaveChanges(actions);
}

void frmMain::LoadNewDoc() {
    UnloadChildForms();
    LoadInitFileNew();
    SetMainCaptions();
    showChannelEditor();
    setCaption();
}

void frmMain::showChannelEditor() {
    ShowChildForm(FormName::ChannelInfo);
    mdi_->cascadeSubWindows();
}

void frmMain::mnuFileNew_Click() {
    const auto answer = platform::MsgBox(Tr(MsgClearAll), platform::MsgButtons::OkCancel, platform::MsgIcon::Exclamation);
    if (answer == platform::MsgResult::Ok) LoadNewDoc();
}

void frmMain::mnuFileOpen_Click() {
    if (!askSaveChanges()) return;
    DoFileOpen();
}

bool frmMain::DoFileOpen() {
    // The folder of the current file, or the home folder for a document without one.
    const QFileInfo current(Doc.DataFilePath);
    const QString startDir = current.isAbsolute() ? current.absolutePath() : QDir::homePath();
    const QString path = openFileDialog ? openFileDialog(fileFilter_, startDir) : QString();
    if (path.isEmpty()) return false;
    UnloadChildForms();
    // A refused file leaves the document and its name as they were, so a
    // later Save cannot write it over the file that was refused. A file that
    // holds a value the radio cannot hold does not open either; the kept
    // document is shown again.
    if (OpenDataFile(path, OpenDocumentRefusal)) return true;
    showChannelEditor();
    return false;
}

bool frmMain::DoFileSave() {
    CommitPendingEdits();
    return SaveDataFile();
}

void frmMain::mnuFileSave_Click() {
    CommitPendingEdits();
    if (Doc.Untitled) {
        saveAs();
        return;
    }
    if (confirmOverwrite(Doc.DataFilePath)) DoFileSave();
}

// The question before a file is written over: '"name.dat"file will be Overwrite,Continue?'.
bool frmMain::confirmOverwrite(const QString& path) {
    const QString text = QStringLiteral("\"") + FileNameFromPath(path) + QStringLiteral("\"") + Tr(MsgOverwrite);
    return platform::MsgBox(text, platform::MsgButtons::OkCancel, platform::MsgIcon::Question) ==
           platform::MsgResult::Ok;
}

void frmMain::mnuFileSaveAs_Click() { saveAs(); }

bool frmMain::saveAs() {
    CommitPendingEdits();
    QString start = Doc.DataFilePath;
    // A document without a file starts the dialog in the home folder, not
    // wherever the program happened to be started.
    if (QFileInfo(start).isRelative()) start = QDir::home().filePath(FileNameFromPath(start));
    const QString path = saveFileDialog ? saveFileDialog(fileFilter_, start) : QString();
    if (path.isEmpty()) return false;
    // The dialog asked about the name as typed; when ".dat" is added, the
    // file actually written may exist and gets the same question.
    const QString written = DataFileNameToWrite(path);
    if (written != path && QFileInfo::exists(written) && !confirmOverwrite(written)) return false;
    Doc.DataFilePath = path;
    return DoFileSave();
}

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::MnuInitial_Click() {
    if (!askSaveChanges()) return;
    UnloadChildForms();
    if (!LoadInitFile()) platform::MsgBox(Tr(MsgFileError));
    showChannelEditor();
}

// ---- editors ----

void frmMain::mnuChannelInfo_Click() { ShowChildForm(FormName::ChannelInfo); }
void frmMain::mnuOptFeature_Click() { ShowChildForm(FormName::OptFeatures); }
void frmMain::mnuToneTips_Click() { ShowChildForm(FormName::ToneTips); }
void frmMain::mnuDTMF_Click() { ShowChildForm(FormName::DTMF); }

void frmMain::TreeView1_NodeClick(const QString& key) {
    const auto& forms = nodeForms();
    const auto it = forms.find(key);
    if (it != forms.end()) ShowChildForm(it->second);
}

void frmMain::tbToolBar_ButtonClick(const QString& key) {
    if (key == QStringLiteral("新建")) {
        // The toolbar's New has no warning of its own; changes are not dropped unasked.
        if (askSaveChanges()) LoadNewDoc();
    } else if (key == QStringLiteral("打开")) {
        mnuFileOpen_Click();
    } else if (key == QStringLiteral("保存")) {
        mnuFileSave_Click();
    } else if (key == QStringLiteral("ReadRadio")) {
        transfer_->mnuReadFromRadio_Click();
    } else if (key == QStringLiteral("CommSet")) {
        transfer_->mnuComm_Click();
    } else if (key == QStringLiteral("WriteRadio")) {
        transfer_->mnuWriteToRadio_Click();
    } else if (key == QStringLiteral("MWriteRadio")) {
        transfer_->mnuMWriteToRadio_Click();
    } else if (key == QStringLiteral("About")) {
        mnuHelpAbout_Click();
    }
}

void frmMain::Toolbar1_ButtonClick(const QString& key) {
    if (key != QStringLiteral("删除")) return;
    pane_->setVisible(false);
    if (QAction* a = menuAction(QStringLiteral("mnuTreeView"))) a->setChecked(false);
}

// ---- list-edit commands ----

void frmMain::runListEdit(int which) {
    // The keys belong to a text box that has the focus (Del deletes a character there).
    const QWidget* focus = QApplication::focusWidget();
    if (qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus) ||
        qobject_cast<const QTextEdit*>(focus) || qobject_cast<const QPlainTextEdit*>(focus))
        return;
    // Only while the channel editor is the window in front: Del or Ctrl+V typed
    // in another editor's grid never changes a channel out of sight.
    if (QMdiSubWindow* front = mdi_ ? mdi_->currentSubWindow() : nullptr)
        if (front->widget() != FindChildForm(FormName::ChannelInfo)) return;
    int band = 0, group = 0, row = 0;
    if (!calls::ChannelEditorPosition(band, group, row)) return;
    // A grid without a current row, or no group shown, names no channel.
    if (band < 0 || band > 2 || group < 1 || group > GroupsOfBand(band) || row < 1 || row > MaxSlot) return;
    try {
        ListEditResult done;
        switch (which) {
            case 0: CopyChannel(band, group, row); break;
            case 1: done = CutChannel(band, group, row); break;
            case 2: done = PasteChannel(band, group, row); break;
            case 3: done = InsertChannel(band, group, row); break;
            default: done = DeleteChannel(band, group, row); break;
        }
        for (int r = done.firstRow; done.changed() && r <= done.lastRow; ++r) calls::reShowGrid(r);
    } catch (const std::exception& e) {
        qWarning("list edit: %s", e.what());
    }
}

void frmMain::MnuLECopy_Click() { runListEdit(0); }
void frmMain::MnuLECut_Click() { runListEdit(1); }
void frmMain::MnuLEPaste_Click() { runListEdit(2); }
void frmMain::MnuLEInsert_Click() { runListEdit(3); }
void frmMain::MnuLEDelete_Click() { runListEdit(4); }

// ---- view and window commands ----

void frmMain::mnuTreeView_Click() {
    pane_->setVisible(pane_->isHidden());
    if (QAction* a = menuAction(QStringLiteral("mnuTreeView"))) a->setChecked(!pane_->isHidden());
}

void frmMain::mnuViewToolbar_Click() {
    if (QAction* a = menuAction(QStringLiteral("mnuViewToolbar"))) toolbar_->setVisible(a->isChecked());
}

void frmMain::mnuViewStatusBar_Click() {
    if (QAction* a = menuAction(QStringLiteral("mnuViewStatusBar"))) statusBar()->setVisible(a->isChecked());
}

void frmMain::mnuWindowCascade_Click() { mdi_->cascadeSubWindows(); }

namespace {
// Open, not minimised child windows side by side (across) or one above the other.
void tileWindows(QMdiArea* area, bool across) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area->subWindowList())
        if (!w->isMinimized() && !w->isHidden()) windows << w;
    if (windows.isEmpty()) return;
    const QRect r = area->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        windows[i]->showNormal();
        if (across) {
            const int x0 = r.width() * i / n, x1 = r.width() * (i + 1) / n;
            windows[i]->setGeometry(x0, 0, x1 - x0, r.height());
        } else {
            const int y0 = r.height() * i / n, y1 = r.height() * (i + 1) / n;
            windows[i]->setGeometry(0, y0, r.width(), y1 - y0);
        }
    }
}
}  // namespace

void frmMain::mnuWindowTileHorizontal_Click() { tileWindows(mdi_, false); }
void frmMain::mnuWindowTileVertical_Click() { tileWindows(mdi_, true); }
void frmMain::mnuWindowArrangeIcons_Click() {
    // Minimised windows in a row along the bottom of the area.
    int x = 0;
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, mdi_->viewport()->height() - w->height());
        x += w->width();
    }
}
void frmMain::mnuCloseAll_Click() { UnloadChildForms(); }

void frmMain::fillWindowList() {
    for (QAction* a : windowListActions_) {
        windowMenu_->removeAction(a);
        a->deleteLater();
    }
    windowListActions_.clear();
    const auto windows = mdi_->subWindowList();
    if (windows.isEmpty()) return;
    windowListActions_ << windowMenu_->addSeparator();
    int n = 0;
    for (QMdiSubWindow* sub : windows) {
        QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        QPointer<QMdiSubWindow> target(sub);
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) mdi_->setActiveSubWindow(target);
        });
        windowListActions_ << a;
    }
}

// ---- setup and help ----

void frmMain::mnuLanguage_Click() {
    FrmSetLanguage dialog(this);
    dialog.exec();
    // The activation that follows a modal dialog is not reliable on every
    // platform: apply a changed language here.
    MDIForm_Activate();
}

void frmMain::mnuHelpAbout_Click() {
    if (App.CurrentLanguage != 1) {
        frmAbout box(this);
        box.exec();
    } else {
        FrmAbout2 box(this);
        box.exec();
    }
}

}  // namespace ulbrix
