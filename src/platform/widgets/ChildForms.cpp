#include "platform/widgets/ChildForms.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMetaObject>
#include <QWidget>
#include <map>
#include <vector>

namespace ulbrix {

namespace {

// The frame of a child window; tells the registry when it has really closed
// (an editor may refuse), before the deferred delete takes it away.
class ChildFrame : public QMdiSubWindow {
public:
    std::function<void()> onClosed;

protected:
    void closeEvent(QCloseEvent* event) override {
        QMdiSubWindow::closeEvent(event);
        if (event->isAccepted() && onClosed) onClosed();
    }
};

struct Registry {
    QPointer<QMdiArea> host;
    QPointer<QMenu> listEditMenu;
    std::map<QString, ChildFormFactory> factories;
    std::map<QString, const QMetaObject*> classes;
    // Open windows by name, in opening order. The pointers clear themselves
    // when a window is closed by its own close box.
    std::vector<std::pair<QString, QPointer<QWidget>>> open;

    void prune() {
        std::erase_if(open, [](const auto& e) { return e.second.isNull(); });
    }
    void forget(QWidget* w) {
        std::erase_if(open, [w](const auto& e) { return e.second.isNull() || e.second.data() == w; });
    }
};

Registry& reg() {
    static Registry r;
    return r;
}

QMdiSubWindow* frameOf(QWidget* w) {
    return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
}

// The open windows, copied: closing or committing one may change the list.
std::vector<QPointer<QWidget>> openWindows() {
    reg().prune();
    std::vector<QPointer<QWidget>> windows;
    for (auto& e : reg().open) windows.push_back(e.second);
    return windows;
}

}  // namespace

void SetChildFormHost(QMdiArea* area) { reg().host = area; }
QMdiArea* ChildFormHost() { return reg().host; }

void SetListEditMenu(QMenu* menu) { reg().listEditMenu = menu; }
QMenu* ListEditMenu() { return reg().listEditMenu; }

void RegisterChildForm(const QString& name, ChildFormFactory factory, const QMetaObject* meta) {
    reg().factories[name] = std::move(factory);
    reg().classes[name] = meta;
}

void UnregisterChildForm(const QString& name) {
    reg().factories.erase(name);
    reg().classes.erase(name);
}

QStringList RegisteredChildForms() {
    QStringList names;
    for (const auto& f : reg().factories) names << f.first;
    return names;
}

const QMetaObject* RegisteredChildFormClass(const QString& name) {
    auto it = reg().classes.find(name);
    return it == reg().classes.end() ? nullptr : it->second;
}

QWidget* FindChildForm(const QString& name) {
    reg().prune();
    for (auto& [n, w] : reg().open)
        if (n == name) return w.data();
    return nullptr;
}

bool IsChildFormOpen(const QString& name) { return FindChildForm(name) != nullptr; }

QStringList OpenChildFormNames() {
    reg().prune();
    QStringList names;
    for (auto& e : reg().open) names << e.first;
    return names;
}

QWidget* ShowChildForm(const QString& name) {
    Registry& r = reg();
    QWidget* w = FindChildForm(name);
    if (!w) {
        auto it = r.factories.find(name);
        if (it == r.factories.end() || !it->second || !r.host) return nullptr;
        w = it->second(nullptr);
        if (!w) return nullptr;
        w->setObjectName(name);
        // The editor goes with its frame: closing the frame ends the editor.
        auto* frame = new ChildFrame;
        frame->setWidget(w);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->onClosed = [w] { reg().forget(w); };
        r.host->addSubWindow(frame);
        r.open.emplace_back(name, QPointer<QWidget>(w));
    }
    if (QMdiSubWindow* sub = frameOf(w)) {
        sub->show();
        r.host->setActiveSubWindow(sub);
    } else {
        w->show();
    }
    w->setFocus();
    if (r.host) r.host->cascadeSubWindows();
    return w;
}

void UnloadChildForms() {
    for (auto& w : openWindows()) {
        if (w.isNull()) continue;
        if (QMdiSubWindow* sub = frameOf(w)) sub->close();
        else w->close();
    }
    // A window that refused to close keeps its place in the list.
    reg().prune();
}

void CommitPendingEdits() {
    for (auto& w : openWindows())
        if (auto* form = dynamic_cast<ChildForm*>(w.data())) form->commitPendingEdit();
}

bool CallChildForm(const QString& name, const char* method, QGenericArgument a0, QGenericArgument a1,
                   QGenericArgument a2) {
    QWidget* w = FindChildForm(name);
    if (!w) return false;
    return QMetaObject::invokeMethod(w, method, Qt::DirectConnection, a0, a1, a2);
}

bool CallChildFormRet(const QString& name, const char* method, QGenericReturnArgument ret, QGenericArgument a0,
                      QGenericArgument a1) {
    QWidget* w = FindChildForm(name);
    if (!w) return false;
    return QMetaObject::invokeMethod(w, method, Qt::DirectConnection, ret, a0, a1);
}

}  // namespace ulbrix
