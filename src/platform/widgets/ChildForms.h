// The child windows of the main window: one instance per window name at most,
// opened by name, closed together, and reachable by name for the few calls
// one window makes on another.
#pragma once

#include <QGenericArgument>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QWidget;

namespace ulbrix {

// Every editor window implements this (beside QWidget): before a save, a
// modified test or a write, the main window asks each open editor to commit
// what the user has typed but not yet confirmed (an open in-place edit).
class ChildForm {
public:
    virtual ~ChildForm() = default;
    virtual void commitPendingEdit() {}
};

// Makes the window of a given name; the widget's objectName is set to the name.
using ChildFormFactory = std::function<QWidget*(QWidget* parent)>;

// The area the child windows live in (the main window sets it; nullptr clears).
void SetChildFormHost(QMdiArea* area);
QMdiArea* ChildFormHost();

// The host's list-edit menu (Copy, Cut, Paste, Insert, Delete), which a child
// window may pop up over its own list; nullptr when the host has none.
void SetListEditMenu(QMenu* menu);
QMenu* ListEditMenu();

// Makes a window openable by name. The editors are registered, one line
// each, in EditorTable.cpp (RegisterEditor); tests register stand-ins. `meta`
// describes the window's class, so its callable operations can be checked
// without opening it.
void RegisterChildForm(const QString& name, ChildFormFactory factory, const QMetaObject* meta = nullptr);
void UnregisterChildForm(const QString& name);
// The registered window names, sorted, and the class of one (nullptr when
// unknown).
QStringList RegisteredChildForms();
const QMetaObject* RegisteredChildFormClass(const QString& name);

// Opens the window of that name, or gives it the focus when it is open; then
// the child windows are cascaded. Returns the window, nullptr when no window
// of that name exists in this build (nothing happens then).
QWidget* ShowChildForm(const QString& name);
// The open window of that name, nullptr when it is not open.
QWidget* FindChildForm(const QString& name);
bool IsChildFormOpen(const QString& name);
// Names of the open windows, in the order they were opened.
QStringList OpenChildFormNames();
// Closes every child window, each as by its close box.
void UnloadChildForms();
// Asks every open window to commit its pending edit.
void CommitPendingEdits();

// Calls a public operation (slot or Q_INVOKABLE) of an open window by name.
// A window that is not open is never created for it: the result is then
// false, as it is when the window has no such operation.
bool CallChildForm(const QString& name, const char* method,
                   QGenericArgument a0 = QGenericArgument(), QGenericArgument a1 = QGenericArgument(),
                   QGenericArgument a2 = QGenericArgument());
// The same with a result (use Q_RETURN_ARG).
bool CallChildFormRet(const QString& name, const char* method, QGenericReturnArgument ret,
                      QGenericArgument a0 = QGenericArgument(), QGenericArgument a1 = QGenericArgument());

// The window names the main window opens.
namespace FormName {
inline const QString ChannelInfo = QStringLiteral("frmCommChInfo");
inline const QString OptFeatures = QStringLiteral("FrmOptFeatures");
inline const QString ToneTips = QStringLiteral("FrmToneTips");
inline const QString DTMF = QStringLiteral("FrmDTMF");
inline const QString Emergency = QStringLiteral("frm_emg");
inline const QString DualWatch = QStringLiteral("frm_dw");
inline const QString MemChannel = QStringLiteral("frm_MEM");
inline const QString GroupName = QStringLiteral("Frm_GroupName");
inline const QString Weather = QStringLiteral("FrmTVCH");
}  // namespace FormName

}  // namespace ulbrix
