// The main window: menus, toolbar, tree pane, status bar and the area the
// editor windows live in. Its handlers call the core; the rules that are not
// drawing live in MainWindowRules.h.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class QTreeWidget;
class QFrame;
class QPushButton;

namespace ulbrix {

class TransferCommands;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // Loading: geometry, hidden items, captions, tree, new document.
    void MDIForm_Load();
    // Applies a language changed since the window was last drawn.
    void MDIForm_Activate();

    // Public operations other modules call (also by name).
    Q_INVOKABLE void Change_Language();
    Q_INVOKABLE void LoadBKPic();
    Q_INVOKABLE void LoadNewDoc();

    // The file dialogs; tests replace them. An empty result means cancelled.
    std::function<QString(const QString& filter, const QString& startDir)> openFileDialog;
    std::function<QString(const QString& filter, const QString& startPath)> saveFileDialog;

    QMdiArea* mdiArea() const { return mdi_; }
    TransferCommands* transfer() const { return transfer_; }
    QMenu* MnuListEdit() const { return listEditMenu_; }
    // A menu item, menu or separator by its object name.
    QAction* menuAction(const QString& name) const;
    // A toolbar button by its key.
    QAction* toolButton(const QString& key) const;
    QTreeWidget* treeView() const { return tree_; }
    QWidget* treePane() const { return pane_; }
    QLabel* statusPanel(int n) const;  // 1..5
    int paneWidthTwips() const { return paneWidthTw_; }
    int innerWidthTwips() const;
    int innerHeightTwips() const;
    // The picture the background was last built from; empty for a plain one.
    QString backgroundPicture() const { return bkPicture_; }
    QString fileFilter() const { return fileFilter_; }

public slots:
    // File menu.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();
    // Edit menu and editors.
    void mnuChannelInfo_Click();
    void mnuOptFeature_Click();
    void mnuToneTips_Click();
    void mnuDTMF_Click();
    // Setup menu.
    void mnuLanguage_Click();
    void MnuInitial_Click();
    // List-edit menu.
    void MnuLECopy_Click();
    void MnuLECut_Click();
    void MnuLEPaste_Click();
    void MnuLEInsert_Click();
    void MnuLEDelete_Click();
    // View and Window menus.
    void mnuTreeView_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();
    void mnuCloseAll_Click();
    // Help menu.
    void mnuHelpAbout_Click();
    // Toolbar buttons, tree nodes and the tree pane's close button, by key.
    void tbToolBar_ButtonClick(const QString& key);
    void TreeView1_NodeClick(const QString& key);
    void Toolbar1_ButtonClick(const QString& key);
    // The splitter between the tree pane and the editor area; x in twips
    // within the bar.
    void CommandMove_MouseDown();
    void CommandMove_MouseMove(int xTwips);
    void CommandMove_MouseUp();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override { return nullptr; }

private:
    void buildMenus();
    void buildToolbar();
    void buildTreePane();
    void buildStatusBar();
    void wireTransfer();
    void SetMainCaptions();
    void BuildTreeNodes();
    void setCaption();
    void layoutPane();
    void MDIForm_Resize();
    bool MDIForm_Unload();
    void updateClock();
    void fillWindowList();
    void runListEdit(int which);
    bool confirmOverwrite(const QString& path);
    // File commands; each returns false when it ended without doing its work.
    bool DoFileOpen();
    bool DoFileSave();
    bool saveAs();
    bool askSaveChanges();
    void showChannelEditor();

    QMdiArea* mdi_ = nullptr;
    TransferCommands* transfer_ = nullptr;
    QMenu* listEditMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QWidget* pane_ = nullptr;         // Picture1
    QFrame* frame_ = nullptr;         // Frame1
    QTreeWidget* tree_ = nullptr;     // TreeView1
    QToolBar* paneToolbar_ = nullptr; // Toolbar1
    QPushButton* splitter_ = nullptr; // CommandMove
    QLabel* panels_[5] = {};
    QTimer* clock_ = nullptr;
    QList<QAction*> windowListActions_;
    int paneWidthTw_ = 3300;
    int frameHeightTw_ = 0;
    int treeHeightTw_ = 0;
    int splitterHeightTw_ = 0;
    bool dragging_ = false;
    bool firstShowDone_ = false;
    QString fileFilter_;
    QString bkPicture_;
    int bkLanguage_ = -1;
};

// The main window while it exists.
inline QPointer<frmMain> fMainForm;

}  // namespace ulbrix
