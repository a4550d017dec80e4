#include "editors/settings/FrmOptFeatures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/ModEnglish.h"
#include "core/ModEnglishOpt.h"
#include "core/GlobalState.h"
#include "editors/ComboHelpers.h"
#include "editors/settings/OptionRules.h"
#include "link/ModComm.h"
#include "platform/widgets/GridEditBox.h"

namespace ulbrix {

// ---- the text box ----

OptTextBox::OptTextBox(const char* allowed, int maxLength, QWidget* parent)
    : QLineEdit(parent), allowed_(QString::fromLatin1(allowed ? allowed : "")) {
    setMaxLength(maxLength);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    QString pattern;
    if (!allowed_.isEmpty()) {
        pattern = QStringLiteral("^[%1]{0,%2}$").arg(QRegularExpression::escape(allowed_)).arg(maxLength);
        setAttribute(Qt::WA_InputMethodEnabled, false);
    } else {
        // Any character the document's single-byte text can hold.
        pattern = QStringLiteral("^[\\x{20}-\\x{FF}]{0,%1}$").arg(maxLength);
    }
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

void OptTextBox::showValue(const QString& text) {
    setText(text);
    setModified(false);
}

void OptTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit commitRequested();
        return;
    }
    if (!allowed_.isEmpty() && platform::DropsKey(*event, [this](QChar c) { return allowed_.contains(c); })) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void OptTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, [this] { if (hasFocus()) selectAll(); });
}

void OptTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) emit commitRequested();
}

// ---- the window ----

namespace {

constexpr int kBeepHighId = 71;
constexpr int kBeepLowId = 72;
constexpr int kGeneralColumns = 3;

QLabel* CaptionLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

const TextRow* FindTextRow(const QString& name) {
    for (const TextRow& t : TextRows())
        if (name == QLatin1String(t.objectName)) return &t;
    return nullptr;
}

}  // namespace

FrmOptFeatures::FrmOptFeatures(QWidget* parent) : EditorBase(parent) {
    setObjectName(FormName::OptFeatures);
    // Opening this window means the radio has the options.
    RadioHasOption = true;
    buildWindow();
    Trap(handlerErrorText(), [this] {
        FillGuard guard(*this);
        FillOptLists();
        SetOptCaptions();
        ShowOptData();
        applyLimitEnables();
        applyKeyEnables();
    });
}

QSize FrmOptFeatures::sizeHint() const {
    // The whole page when it fits the main window's area, else the area (it scrolls).
    QSize want(760, 900);
    if (auto* content = findChild<QWidget*>(QStringLiteral("OptContent")))
        want = content->sizeHint() + QSize(40, 60);
    if (QMdiArea* area = ChildFormHost()) {
        // The room below and right of where the cascade puts the frame, less
        // the frame's title bar and borders, so Help and Close stay in view.
        QSize step(0, 0), frameSize(8, 28);
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
            QStyleOptionTitleBar option;
            option.initFrom(frame);
            const int title = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame);
            const int border = frame->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
            frameSize = QSize(2 * border, title + border);
            step = QSize(10, title) * std::max<qsizetype>(0, area->subWindowList().indexOf(frame));
        }
        const QSize room = area->viewport()->size() - frameSize - step - QSize(4, 4);
        if (room.isValid()) want = want.boundedTo(room);
    }
    return want;
}

QWidget* FrmOptFeatures::makeControl(const OptionRow& row, QWidget* parent) {
    // A control that stores nothing must not show a change either.
    const bool storesNothing = row.rule == OptRule::Inert || row.rule == OptRule::NoField;
    if (row.kind == OptKind::Check) {
        auto* box = new QCheckBox(parent);
        box->setObjectName(QLatin1String(row.objectName));
        box->setEnabled(!storesNothing);
        checks_[row.id] = box;
        onClick(box, [this, &row, box] { pick(row, box->isChecked() ? 1 : 0); });
        return box;
    }
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(row.objectName));
    box->setEnabled(!storesNothing);
    lists_[row.id] = box;
    onPick(box, [this, &row](int index) { pick(row, index); });
    return box;
}

void FrmOptFeatures::buildWindow() {
    auto* outer = new QVBoxLayout(this);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("OptContent"));
    scroll->setWidget(content);
    outer->addWidget(scroll);
    auto* page = new QVBoxLayout(content);

    // Controls the user never sees: filled and shown, never picked.
    auto* hidden = new QWidget(content);
    hidden->setObjectName(QStringLiteral("HiddenControls"));
    hidden->hide();
    auto* hiddenLayout = new QVBoxLayout(hidden);
    auto addHidden = [&](const OptionRow& row) {
        const QString labelName = RowLabelName(row);
        if (!labelName.isEmpty()) hiddenLayout->addWidget(CaptionLabel(labelName, hidden));
        hiddenLayout->addWidget(makeControl(row, hidden));
    };

    // The general lists, column by column, the beep row's two lists side by side.
    auto* general = new QWidget(content);
    auto* grid = new QGridLayout(general);
    grid->setHorizontalSpacing(6);
    std::vector<const OptionRow*> generalRows;
    for (const OptionRow& row : OptionRows())
        if (row.section == OptSection::General && row.id != kBeepLowId) generalRows.push_back(&row);
    const int perColumn = static_cast<int>((generalRows.size() + kGeneralColumns - 1) / kGeneralColumns);
    for (std::size_t k = 0; k < generalRows.size(); ++k) {
        const OptionRow& row = *generalRows[k];
        const int r = static_cast<int>(k) % perColumn, c = 2 * (static_cast<int>(k) / perColumn);
        grid->addWidget(CaptionLabel(RowLabelName(row), general), r, c);
        QWidget* control = makeControl(row, general);
        if (row.id == kBeepHighId) {
            auto* pair = new QHBoxLayout;
            pair->addWidget(control);
            pair->addWidget(makeControl(*FindOptionRow(kBeepLowId), general));
            grid->addLayout(pair, r, c + 1);
        } else {
            grid->addWidget(control, r, c + 1);
        }
    }
    for (int c = 0; c < kGeneralColumns; ++c) grid->setColumnStretch(2 * c + 1, 1);
    page->addWidget(general);

    // The public groups and the mode enables.
    auto* middle = new QHBoxLayout;
    auto frame = [&](const char* name, const QString& captionKey) {
        auto* box = new QGroupBox(content);
        box->setObjectName(QLatin1String(name));
        frames_.emplace_back(box, captionKey);
        return box;
    };
    struct PublicFrame { OptSection section; const char* name; const char* prefix; };
    for (const PublicFrame& pf : {PublicFrame{OptSection::CBPublic, "Frame2", "CB "},
                                  PublicFrame{OptSection::HFPublic, "Fra_1", "HF "},
                                  PublicFrame{OptSection::HAMPublic, "Fra_0", "HAM "}}) {
        QGroupBox* box = frame(pf.name, QLatin1String(pf.prefix));
        auto* fg = new QGridLayout(box);
        int r = 0;
        for (const OptionRow& row : OptionRows()) {
            if (row.section != pf.section) continue;
            fg->addWidget(CaptionLabel(RowLabelName(row), box), r, 0);
            fg->addWidget(makeControl(row, box), r, 1);
            ++r;
        }
        middle->addWidget(box);
    }
    page->addLayout(middle);

    // Mode enables, protection limits, the repeater offset; the RSSI thresholds.
    auto* bottom = new QHBoxLayout;
    auto* rssi = new QHBoxLayout;
    QGroupBox* modes = frame("FraModeEnable", QStringLiteral("Mode Enable"));
    auto* mg = new QGridLayout(modes);
    int modeCount = 0;
    for (const OptionRow& row : OptionRows())
        if (row.section == OptSection::ModeEnable) {
            mg->addWidget(makeControl(row, modes), modeCount / 3, modeCount % 3);
            ++modeCount;
        }
    bottom->addWidget(modes);
    auto* protection = new QWidget(content);
    auto* pg = new QGridLayout(protection);
    auto makeTextBox = [&](const char* name, QWidget* parent) {
        const TextRow* t = FindTextRow(QLatin1String(name));
        if (!t) throw std::logic_error("text box without a row");
        auto* box = new OptTextBox(t->allowed, t->maxLength, parent);
        box->setObjectName(QLatin1String(name));
        box->setMaximumWidth(t->maxLength > 2 ? 70 : 36);
        texts_.emplace_back(t, box);
        onEvent(box, &OptTextBox::commitRequested, [this, box, t] { commitText(box, *t); });
        QLabel* label = t->labelName ? CaptionLabel(QLatin1String(t->labelName), parent) : nullptr;
        if (label) SetCaptionBuddy(label, box);
        return std::pair{label, box};
    };
    auto limitBox = [&](const char* name, int r, int c) {
        auto [l, b] = makeTextBox(name, protection);
        pg->addWidget(l, r, c);
        pg->addWidget(b, r, c + 1);
    };
    pg->addWidget(makeControl(*FindOptionRow(103), protection), 0, 0);
    limitBox("Text2_0", 0, 1);
    pg->addWidget(makeControl(*FindOptionRow(104), protection), 1, 0);
    limitBox("Text2_1", 1, 1);
    limitBox("Text2_2", 1, 3);
    bottom->addWidget(protection);
    for (int f = 0; f < 2; ++f) {
        QGroupBox* box = frame(f == 0 ? "Frame3_0" : "Frame3_1", f == 0 ? QStringLiteral("FM/AM RSSI")
                                                                         : QStringLiteral("USB/LSB RSSI"));
        auto* rg = new QGridLayout(box);
        for (int k = 0; k < 6; ++k) {
            auto [l, b] = makeTextBox(qPrintable(QStringLiteral("Text4_%1").arg(6 * f + k)), box);
            l->setAlignment(Qt::AlignCenter);
            rg->addWidget(l, 0, k);
            rg->addWidget(b, 1, k);
        }
        rssi->addWidget(box);
    }
    rssi->addStretch();
    auto* rep = new QWidget(content);
    auto* rl = new QHBoxLayout(rep);
    {
        auto [l, b] = makeTextBox("Text4_12", rep);
        rl->addWidget(l);
        rl->addWidget(b);
        QLabel* unit = CaptionLabel(QStringLiteral("Label10"), rep);
        unit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        rl->addWidget(unit);
        rl->addStretch();
    }
    pg->addWidget(rep, 2, 0, 1, 5);
    bottom->addStretch();
    page->addLayout(bottom);
    page->addLayout(rssi);
    page->addStretch();

    for (const OptionRow& row : OptionRows())
        if (row.section == OptSection::Hidden) addHidden(row);
    {
        auto [l, b] = makeTextBox("Text4_13", hidden);
        hiddenLayout->addWidget(l);
        hiddenLayout->addWidget(b);
    }

    // Caption labels name their controls.
    for (const OptionRow& row : OptionRows()) {
        const QString labelName = RowLabelName(row);
        if (labelName.isEmpty()) continue;
        auto* label = findChild<QLabel*>(labelName);
        QWidget* control = row.kind == OptKind::Check ? static_cast<QWidget*>(check(row.id)) : list(row.id);
        if (label && control) SetCaptionBuddy(label, control);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    const auto [help, close] = addCommonButtons();
    buttons->addWidget(help);
    buttons->addWidget(close);
    outer->addLayout(buttons);
}

QComboBox* FrmOptFeatures::list(int id) const {
    const auto it = lists_.find(id);
    return it == lists_.end() ? nullptr : it->second;
}

QCheckBox* FrmOptFeatures::check(int id) const {
    const auto it = checks_.find(id);
    return it == checks_.end() ? nullptr : it->second;
}

OptTextBox* FrmOptFeatures::textBox(const QString& objectName) const {
    for (const auto& [row, box] : texts_)
        if (objectName == QLatin1String(row->objectName)) return box;
    return nullptr;
}

void FrmOptFeatures::refill(const OptionRow& row) {
    QComboBox* box = list(row.id);
    if (!box || !row.items) return;
    // Emptied first: a refill never leaves old items behind.
    box->clear();
    box->addItems(row.items());
}

void FrmOptFeatures::FillOptLists() {
    FillGuard guard(*this);
    for (const OptionRow& row : OptionRows()) refill(row);
}

void FrmOptFeatures::SetOptCaptions() {
    setWindowTitle(Tr(CapOptionalFeatures));
    for (const OptionRow& row : OptionRows()) {
        const QString text = RowCaption(row);
        if (QCheckBox* box = check(row.id)) {
            box->setText(text);
            continue;
        }
        const QString labelName = RowLabelName(row);
        if (auto* label = labelName.isEmpty() ? nullptr : findChild<QLabel*>(labelName)) label->setText(text);
    }
    for (const TextRow& t : TextRows()) {
        if (!t.labelName) continue;
        if (auto* label = findChild<QLabel*>(QLatin1String(t.labelName)))
            label->setText(t.caption ? Tr(*t.caption) : QString::fromUtf8(t.fixedCaption));
    }
    if (auto* mhz = findChild<QLabel*>(QStringLiteral("Label10"))) mhz->setText(QStringLiteral("MHz"));
    for (const auto& [box, key] : frames_) {
        const bool isPublic = key.endsWith(QLatin1Char(' '));
        box->setTitle(isPublic ? key + Tr(CapPublic) : key);
    }
    SetCommonButtonCaptions(this);
}

void FrmOptFeatures::showRow(const OptionRow& row) {
    if (QComboBox* box = list(row.id)) ShowComboValue(box, ShownValue(row, ComboItems(box)));
    else if (QCheckBox* box = check(row.id)) box->setChecked(ShownValue(row, {}).index != 0);
}

void FrmOptFeatures::ShowOptData() {
    FillGuard guard(*this);
    for (const OptionRow& row : OptionRows()) showRow(row);
    for (const auto& [row, box] : texts_) box->showValue(ShownText(*row));
    applyVoxEnables();
    ShowRB();
}

void FrmOptFeatures::ShowRB() {
    Trap(handlerErrorText(), [this] {
        FillGuard guard(*this);
        for (const OptionRow& row : OptionRows())
            if (row.rule == OptRule::Roger) {
                refill(row);
                showRow(row);
            }
    });
}

void FrmOptFeatures::ReShowData() {
    Trap(handlerErrorText(), [this] {
        FillOptLists();
        ShowOptData();
    });
}

void FrmOptFeatures::ShowDTMF() {
    Trap(handlerErrorText(), [this] {
        FillGuard guard(*this);
        for (const OptionRow& row : OptionRows()) {
            if (row.rule != OptRule::Dtmf) continue;
            QComboBox* box = list(row.id);
            if (!box) continue;
            const QString remembered = box->currentText();
            refill(row);
            // The autodial lists are not shown in this window: they keep no selection.
            if (row.visible()) SelectComboText(box, remembered);
            else box->setCurrentIndex(-1);
        }
    });
}

void FrmOptFeatures::SaveOptFeat(int id) {
    const OptionRow* row = FindOptionRow(id);
    if (!row) return;
    if (QComboBox* box = list(id)) {
        // A value the list lacks is stored already.
        if (!IsOwnTextItem(box, box->currentIndex())) pick(*row, box->currentIndex());
    }
    else if (QCheckBox* box = check(id)) pick(*row, box->isChecked() ? 1 : 0);
}

void FrmOptFeatures::pick(const OptionRow& row, int index) {
    QComboBox* box = list(row.id);
    const QStringList items = box ? ComboItems(box) : QStringList();
    const StoreResult r = StorePick(row, index, items, [this](int id) {
        if (QCheckBox* c = check(id)) return c->isChecked() ? 1 : 0;
        QComboBox* l = list(id);
        return l ? l->currentIndex() : 0;
    });
    if (row.kind == OptKind::Check) {
        if (r.stored && row.rule == OptRule::ModeEnable) {
            // The last enabled mode stays enabled.
            FillGuard guard(*this);
            check(row.id)->setChecked(r.value != 0);
        }
        applyLimitEnables();
    }
    if (r.voxEnables) applyVoxEnables();
    if (r.keyEnables) applyKeyEnables();
    if (r.reopenChannelEditor) reopenChannelEditor();
}

void FrmOptFeatures::commitText(OptTextBox* box, const TextRow& row) {
    if (!box || !box->isModified()) return;
    switch (row.rule) {
    case TextRule::Swr:
    case TextRule::BatteryMin:
    case TextRule::BatteryMax: {
        OptTextBox* boxes[3] = {textBox(QStringLiteral("Text2_0")), textBox(QStringLiteral("Text2_1")),
                                textBox(QStringLiteral("Text2_2"))};
        std::array<QString, 3> texts;
        for (int k = 0; k < 3; ++k) texts.at(static_cast<std::size_t>(k)) = boxes[k] ? boxes[k]->text() : QString();
        CommitLimitTexts(row.rule, texts);
        if (row.rule == TextRule::Swr) {
            box->showValue(texts[0]);
        } else {
            for (int k = 1; k < 3; ++k)
                if (boxes[k]) boxes[k]->showValue(texts.at(static_cast<std::size_t>(k)));
        }
        break;
    }
    default:
        box->showValue(CommitText4(row, box->text()));
        break;
    }
}

void FrmOptFeatures::commitPendingEdit() {
    for (const auto& [row, box] : texts_) commitText(box, *row);
}

void FrmOptFeatures::applyLimitEnables() {
    const bool swr = check(103) && check(103)->isChecked();
    const bool tdc = check(104) && check(104)->isChecked();
    if (auto* b = textBox(QStringLiteral("Text2_0"))) b->setEnabled(swr);
    if (auto* b = textBox(QStringLiteral("Text2_1"))) b->setEnabled(tdc);
    if (auto* b = textBox(QStringLiteral("Text2_2"))) b->setEnabled(tdc);
}

void FrmOptFeatures::applyKeyEnables() {
    const bool pf = PfKeyEnabled(WorkDocument.Settings.KeyAssignEnable);
    if (QComboBox* b = list(67)) b->setEnabled(pf);
    for (int id : {42, 45, 46, 54})
        if (QComboBox* b = list(id)) b->setEnabled(!pf);
}

void FrmOptFeatures::applyVoxEnables() {
    const OptionRow* vox = FindOptionRow(69);
    QComboBox* level = list(27);
    const VoxEnables e = VoxEnablesOf(vox ? static_cast<int>(FieldValue(vox->field, WorkDocument)) : 0,
                                      level ? level->currentIndex() : 0);
    if (level) level->setEnabled(e.level);
    if (QComboBox* delay = list(28)) delay->setEnabled(e.delay);
}

void FrmOptFeatures::reopenChannelEditor() {
    // The channel editor shows the Public words: it is built again from them.
    if (QWidget* w = FindChildForm(FormName::ChannelInfo)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget())) sub->close();
        else w->close();
    }
    ShowChildForm(FormName::ChannelInfo);
}

}  // namespace ulbrix
