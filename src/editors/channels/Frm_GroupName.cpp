#include "editors/channels/Frm_GroupName.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QValidator>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModFun.h"
#include "editors/WindowCalls.h"
#include "editors/channels/GroupNameRules.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"

namespace ulbrix {

namespace {

// Whatever way text comes in (typed, pasted, dropped, an input method), a
// name box holds at most one character of the name set, upper-cased.
class GroupNameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (input.size() > 1) return Invalid;
        for (QChar& c : input) {
            const auto mapped = GroupNameChar(c);
            if (!mapped) return Invalid;
            c = *mapped;
        }
        return Acceptable;
    }
};

}  // namespace

int ChannelEditorBand() {
    int band = -1, group = 0, row = 0;
    if (calls::ChannelEditorPosition(band, group, row) && band >= 0 && band <= 2) return band;
    return WorkDocument.Band;
}

GroupNameBox::GroupNameBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(1);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAlignment(Qt::AlignCenter);
    setValidator(new GroupNameValidator(this));
    hide();
}

void GroupNameBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        emit enterPressed();
        return;
    }
    if (platform::DropsKey(*event, [](QChar c) { return GroupNameChar(c).has_value(); })) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);  // the validator upper-cases what comes in
}

void GroupNameBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!text().isEmpty()) selectAll();
}

void GroupNameBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) emit focusLeft(QApplication::focusWidget());
}

Frm_GroupName::Frm_GroupName(QWidget* parent) : EditorBase(parent) {
    setWindowTitle(QStringLiteral("Group Name"));
    buildControls();
    Trap(handlerErrorText(), [this] { Form_Load(); });
}

void Frm_GroupName::buildControls() {
    setFixedSize(px(3600), px(5400));
    grid_ = new platform::FlexGrid(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setGeometry(px(120), px(120), px(3360), px(4500));
    grid_->installEventFilter(this);
    onEvent(grid_, &platform::FlexGrid::cellDoubleClick, [this](int, int) { MSFlexGrid1_DblClick(); });
    onEvent(grid_, &platform::FlexGrid::enterPressed, [this] { MSFlexGrid1_DblClick(); });

    const auto [help, close] = addCommonButtons(QRect(360, 4800, 1215, 375), QRect(2025, 4800, 1215, 375));

    for (int i = 0; i < 2; ++i) {
        text1_[i] = new GroupNameBox(grid_->viewport());
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        onEvent(text1_[i], &GroupNameBox::focusLeft, [this](QWidget* to) {
            if (to != text1_[0] && to != text1_[1]) SaveOldData();
        });
    }
    // Enter moves on as Tab would: first box, second box, then the grid (which commits).
    onEvent(text1_[0], &GroupNameBox::enterPressed, [this] { text1_[1]->setFocus(Qt::TabFocusReason); });
    onEvent(text1_[1], &GroupNameBox::enterPressed, [this] { grid_->setFocus(Qt::TabFocusReason); });
    setTabOrder(grid_, help);
    setTabOrder(help, close);
    setTabOrder(close, text1_[0]);
    setTabOrder(text1_[0], text1_[1]);
}

void Frm_GroupName::Form_Load() {
    band_ = ChannelEditorBand();
    // CB names are the fixed plan names: the grid takes no input for CB.
    grid_->setEnabled(band_ != BandCB);
    editRow_ = 0;
    grid_->setCols(3);
    grid_->setFixedRows(1);
    grid_->setFixedCols(2);
    grid_->setRows(1);
    const int widths[3] = {1500, 0, 1500};
    const char* const headers[3] = {"Name", "Group Frequency", "Rename"};
    for (int c = 0; c < 3; ++c) {
        grid_->setColAlignment(c, Qt::AlignCenter);
        grid_->setColWidthTwips(c, widths[c]);
        grid_->setTextMatrix(0, c, QString::fromLatin1(headers[c]));
    }
    SetCommonButtonCaptions(this);
    ShowAllGroups();
}

void Frm_GroupName::ShowAllGroups() {
    const int rows = GroupNameGridRows(band_);
    if (rows == 0) return;
    grid_->setRows(rows);
    for (int g = 1; g < rows; ++g) ShowGroupRow(g - 1);
}

void Frm_GroupName::ShowGroupRow(int row) {
    const int g = row + 1;
    const QString name = FixedToQString(WorkDocument.Settings.GroupName(band_, g));
    grid_->setTextMatrix(g, 0, name);
    grid_->setTextMatrix(g, 1, GroupRangeText(band_, g));
    grid_->setTextMatrix(g, 2, name);
}

void Frm_GroupName::MSFlexGrid1_DblClick() {
    const int row = grid_->row(), col = grid_->col();
    if (col < 2 || row < 1 || row >= grid_->rows()) return;
    editRow_ = row;
    const QRect cell = grid_->cellRect(row, col);
    const int half = cell.width() / 2;
    text1_[0]->setGeometry(cell.x(), cell.y(), half, cell.height());
    text1_[1]->setGeometry(cell.x() + half, cell.y(), half, cell.height());
    const GroupNameBoxes texts = GroupNameBoxTexts(grid_->textMatrix(row, col));
    text1_[0]->setText(texts.first);
    text1_[1]->setText(texts.second);
    for (GroupNameBox* b : text1_) {
        b->show();
        b->raise();
    }
    text1_[0]->setFocus(Qt::OtherFocusReason);
}

bool Frm_GroupName::renameOpen() const { return !text1_[0]->isHidden() && !text1_[1]->isHidden(); }

void Frm_GroupName::SaveOldData() {
    if (!renameOpen()) return;
    const QString name = GroupNameCommitText(text1_[0]->text(), text1_[1]->text());
    // The band of the grid, whatever the channel editor shows now.
    WorkDocument.Settings.GroupName(band_, editRow_) = QStringToFixed(name);
    ShowGroupRow(editRow_ - 1);
    text1_[0]->hide();
    text1_[1]->hide();
    calls::ReShow_Group_Name();
}

bool Frm_GroupName::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::FocusIn)
        Trap(handlerErrorText(), [this] { SaveOldData(); });
    return EditorBase::eventFilter(watched, event);
}

}  // namespace ulbrix
