// What every editor window has in common: it is a child window of the main
// window that commits a pending edit on request and on close; while it shows
// values it stores nothing (the fill guard); and no fault inside one of its
// handlers reaches Qt's event loop (the trap).
//
// An editor derives from EditorBase, builds its controls, connects user picks
// with onPick/onClick, shows values inside a FillGuard, and is registered in
// mainwindow/EditorTable.cpp with RegisterEditor<T>(FormName::...). A list or
// check box stores every change of its value, by mouse, keys or a screen
// reader: any value set by code outside a FillGuard is stored too.
#pragma once

#include <QRect>
#include <QString>
#include <QWidget>
#include <concepts>
#include <exception>
#include <functional>
#include <span>
#include <vector>

#include "core/ModMsg.h"
#include "platform/widgets/ChildForms.h"

class QAbstractButton;
class QComboBox;
class QPushButton;

namespace ulbrix {

class ControlRows;

// The fixed layouts are drawn in twips, 15 to a pixel.
constexpr int px(int twips) { return twips / 15; }
constexpr QRect pxRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// A caption from a language table onto the child of that object name (label,
// button, check box, group box); the empty name is the window title.
struct CaptionRow {
    const char* objectName;
    const TextTable* text;
};

class EditorBase : public QWidget, public ChildForm {
    Q_OBJECT
public:
    explicit EditorBase(QWidget* parent = nullptr);

    // Every editor says what an unfinished edit is and how it is stored.
    void commitPendingEdit() override = 0;

    // False while values are being shown: handlers must store nothing then.
    bool EventsEnabled() const { return fillDepth_ == 0; }

    // The control tables of this window (each ControlRows adds itself).
    std::span<ControlRows* const> controlTables() const { return controlTables_; }

    class FillGuard {
    public:
        explicit FillGuard(EditorBase& w) : w_(w) { ++w_.fillDepth_; }
        ~FillGuard() { --w_.fillDepth_; }
        FillGuard(const FillGuard&) = delete;
        FillGuard& operator=(const FillGuard&) = delete;

    private:
        EditorBase& w_;
    };

    // Runs fn. A fault (a checked table index out of range, a short record)
    // ends it there and shows `message`; an empty message shows nothing.
    // Returns false when fn did not finish.
    template <class F>
    bool Trap(const QString& message, F&& fn) noexcept {
        try {
            std::forward<F>(fn)();
            return true;
        } catch (const std::exception& e) {
            reportFault(message, e.what());
        } catch (...) {
            reportFault(message, "unknown fault");
        }
        return false;
    }

protected:
    // A list's new index (and a pick of the item it shows), a check box's new
    // state, a click on any other button: the handler runs trapped and only
    // while EventsEnabled(). A list with no item selected picks nothing.
    void onPick(QComboBox* box, std::function<void(int index)> handler);
    void onClick(QAbstractButton* button, std::function<void()> handler);

    // Any other signal, trapped (the fill guard does not gate it).
    template <class Sender, class Signal, class F>
    void onEvent(Sender* sender, Signal signal, F&& fn) {
        connect(sender, signal, this, [this, fn = std::forward<F>(fn)](auto&&... args) {
            Trap(handlerErrorText(), [&] { fn(std::forward<decltype(args)>(args)...); });
        });
    }

    // The message a trapped handler fault shows.
    virtual QString handlerErrorText() const;

    void applyCaptions(std::span<const CaptionRow> rows);

    // The window's "Help" and "Close" buttons (CommandHelp, CommandClose; their
    // captions come from SetCommonButtonCaptions), at the given places in
    // twips, or for a layout to place when the places are empty. Close closes
    // the window as its close box does; Help has nothing behind it.
    struct CommonButtons {
        QPushButton* help;
        QPushButton* close;
    };
    CommonButtons addCommonButtons(QRect helpTwips = {}, QRect closeTwips = {});

    // Closes the window as its close box does: through its frame when it has one.
    void closeWindow();

    // Runs when the window closes, after its pending edit was committed.
    virtual void formUnload() {}

    void closeEvent(QCloseEvent* event) override;

private:
    friend class ControlRows;
    std::vector<ControlRows*> controlTables_;
    void reportFault(const QString& message, const char* what) noexcept;
    int fillDepth_ = 0;
};

// Makes T openable by window name from the menus, the tree and ShowChildForm.
template <class T>
    requires std::derived_from<T, EditorBase>
void RegisterEditor(const QString& formName) {
    RegisterChildForm(formName, [](QWidget* parent) -> QWidget* { return new T(parent); }, &T::staticMetaObject);
}

// A closed list that the mouse wheel changes only while it has the focus, so
// scrolling over a panel never rewrites a value.
void IgnoreWheelUnlessFocused(QComboBox* box);

// Sets a caption label's buddy, so the control is named after its caption.
void SetCaptionBuddy(QWidget* label, QWidget* control);

// A caption label and the width in pixels its text may take.
struct CaptionSpace {
    QWidget* label;
    int width;
};
// Sets the captions of one window in one font: their parent's, or the largest
// smaller size at which every caption fits its width, so none is cut and none
// stands smaller than the others. Returns the point size set.
qreal FitCaptions(std::span<const CaptionSpace> captions);

}  // namespace ulbrix
