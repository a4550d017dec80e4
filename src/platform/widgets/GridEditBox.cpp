#include "platform/widgets/GridEditBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "platform/widgets/FlexGrid.h"

namespace platform {

GridEditBox::GridEditBox(FlexGrid* grid) : QLineEdit(grid->viewport()), grid_(grid) {
    setContextMenuPolicy(Qt::NoContextMenu);
    setFrame(false);
    hide();
}

void GridEditBox::openAt(int row, int col, const QString& text) {
    setGeometry(grid_->cellRect(row, col));
    row_ = row;
    col_ = col;
    setText(text);
    open_ = true;
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

QString GridEditBox::takeText() {
    open_ = false;
    hide();
    return text();
}

bool DropsKey(const QKeyEvent& event, const std::function<bool(QChar)>& accept) {
    if (event.modifiers() & Qt::ControlModifier) {
        const int k = event.key();
        if (k == Qt::Key_C || k == Qt::Key_V || k == Qt::Key_X) return true;
    }
    if (event.matches(QKeySequence::Paste) || event.matches(QKeySequence::Copy) || event.matches(QKeySequence::Cut))
        return true;
    const QString t = event.text();
    if (t.isEmpty()) return false;
    const QChar ch = t.at(0);
    if (ch.unicode() > 127) return true;
    if (ch.unicode() < 32 || ch.unicode() == 127) return false;
    return accept && !accept(ch);
}

void GridEditBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Up and Down act as Enter: the grid behind an open box never moves
        // to another row than the one being edited.
        event->accept();
        if (open_) emit commitRequested();
        return;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->accept();
        return;
    default:
        break;
    }
    if (DropsKey(*event, accept_)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void GridEditBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (open_ && event->reason() != Qt::PopupFocusReason) emit commitRequested();
}

}  // namespace platform
