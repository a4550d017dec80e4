#include "editors/EditorBase.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QObject>
#include <algorithm>
#include <memory>
#include <utility>

#include "core/GlobalState.h"
#include "editors/ComboHelpers.h"
#include "platform/MsgBox.h"

namespace ulbrix {

namespace {

class WheelGate : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Wheel) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && !w->hasFocus()) {
                event->ignore();  // the scroll area behind it scrolls instead
                return true;
            }
        }
        return false;
    }
};

}  // namespace

EditorBase::EditorBase(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_DeleteOnClose, false); }

void EditorBase::onPick(QComboBox* box, std::function<void(int)> handler) {
    IgnoreWheelUnlessFocused(box);
    // A new index stores however it came (mouse, keys, a screen reader). A
    // mouse or key pick then also reports `activated`; that report stores
    // only a pick of the item already shown, so no pick stores twice.
    auto storedIndex = std::make_shared<int>(-1);
    auto run = [this, handler = std::move(handler)](int index) {
        Trap(handlerErrorText(), [&] { handler(index); });
    };
    // The item that shows a stored value the list lacks is that value: a
    // pick of it stores nothing, and a pick of any other item drops it.
    connect(box, &QComboBox::currentIndexChanged, this, [this, box, run, storedIndex](int index) {
        *storedIndex = -1;
        if (!EventsEnabled() || index < 0 || IsOwnTextItem(box, index)) return;
        run(index);
        *storedIndex = index;  // after the handler: it may show another index
        FillGuard guard(*this);
        DropOwnTextItem(box);
    });
    connect(box, &QComboBox::activated, this, [this, box, run, storedIndex](int index) {
        if (std::exchange(*storedIndex, -1) == index || !EventsEnabled() || IsOwnTextItem(box, index)) return;
        run(index);
    });
}

void EditorBase::onClick(QAbstractButton* button, std::function<void()> handler) {
    auto run = [this, handler = std::move(handler)] {
        if (!EventsEnabled()) return;
        Trap(handlerErrorText(), [&] { handler(); });
    };
    // A check box changes by a click, a key or a screen reader's toggle:
    // every change of its state stores.
    if (button->isCheckable()) connect(button, &QAbstractButton::toggled, this, run);
    else connect(button, &QAbstractButton::clicked, this, run);
}

QString EditorBase::handlerErrorText() const {
    return objectName().isEmpty() ? QStringLiteral("Internal fault") : objectName();
}

void EditorBase::reportFault(const QString& message, const char* what) noexcept {
    if (message.isEmpty()) return;
    try {
        qWarning("%s: %s", qPrintable(objectName()), what);
        platform::MsgBox(message, platform::MsgButtons::Ok);
    } catch (...) {
    }
}

void EditorBase::applyCaptions(std::span<const CaptionRow> rows) {
    for (const CaptionRow& row : rows) {
        if (!row.text) continue;
        const QString text = (*row.text)(CurrentLanguage);
        const QString name = QString::fromLatin1(row.objectName);
        if (name.isEmpty()) {
            setWindowTitle(text);
            continue;
        }
        QObject* o = findChild<QObject*>(name);
        if (auto* label = qobject_cast<QLabel*>(o)) label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(o)) button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(o)) group->setTitle(text);
        else if (auto* w = qobject_cast<QWidget*>(o)) w->setWindowTitle(text);
    }
}

EditorBase::CommonButtons EditorBase::addCommonButtons(QRect helpTwips, QRect closeTwips) {
    auto make = [this](const char* name, QRect twips) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        if (!twips.isEmpty()) b->setGeometry(pxRect(twips.x(), twips.y(), twips.width(), twips.height()));
        return b;
    };
    CommonButtons buttons{make("CommandHelp", helpTwips), make("CommandClose", closeTwips)};
    onClick(buttons.close, [this] { closeWindow(); });
    return buttons;
}

void EditorBase::closeWindow() {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->close();
    else close();
}

void EditorBase::closeEvent(QCloseEvent* event) {
    Trap(handlerErrorText(), [this] { commitPendingEdit(); });
    Trap(QString(), [this] { formUnload(); });
    event->accept();
}

void IgnoreWheelUnlessFocused(QComboBox* box) {
    if (!box || box->property("ulbrixWheelGate").toBool()) return;
    box->setFocusPolicy(Qt::StrongFocus);
    box->installEventFilter(new WheelGate(box));
    box->setProperty("ulbrixWheelGate", true);
}

void SetCaptionBuddy(QWidget* label, QWidget* control) {
    if (auto* l = qobject_cast<QLabel*>(label)) l->setBuddy(control);
}

qreal FitCaptions(std::span<const CaptionSpace> captions) {
    constexpr qreal kSmallest = 6.0, kStep = 0.25;
    struct Fit {
        QLabel* label;
        QFont font;  // the parent's, so a fit after a language switch starts from full size again
        int width;
    };
    std::vector<Fit> fits;
    qreal size = 0;
    for (const CaptionSpace& c : captions) {
        auto* l = qobject_cast<QLabel*>(c.label);
        if (!l) continue;
        const QFont base = l->parentWidget() ? l->parentWidget()->font() : l->font();
        fits.push_back({l, base, c.width});
        if (size <= 0 || base.pointSizeF() < size) size = base.pointSizeF();
    }
    if (fits.empty() || size <= 0) return size;
    auto allFit = [&](qreal points) {
        for (Fit& f : fits) {
            f.font.setPointSizeF(points);
            if (QFontMetrics(f.font).size(Qt::TextShowMnemonic, f.label->text()).width() > f.width) return false;
        }
        return true;
    };
    while (size > kSmallest && !allFit(size)) size = std::max(kSmallest, size - kStep);
    for (Fit& f : fits) {
        f.font.setPointSizeF(size);
        f.label->setFont(f.font);
    }
    return size;
}

}  // namespace ulbrix
