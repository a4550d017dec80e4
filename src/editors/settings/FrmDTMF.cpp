#include "editors/settings/FrmDTMF.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <algorithm>
#include <vector>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModEnglishChannelInfo.h"
#include "core/ModEnglishDTMF.h"
#include "core/ModFun.h"
#include "core/ModPubFun.h"
#include "editors/settings/DtmfMemories.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"

namespace ulbrix {

namespace {

// Controls on a tab page sit this much higher than on the tab area they were
// laid out on: the page starts below the tab row.
constexpr int pageTop(int twips) { return px(twips - 300); }

// Captions that ControlRows does not set.
const CaptionRow kCaptions[] = {
    {"", &CapDTMF},
    {"Frame1", &CapStun},
    {"Label2_0", &CapIDCode},
    {"Label2_1", &CapGroupCode},
    {"Label2_2", &CapAutoResetTimer},
    {"Label2_3", &CapCallAlert},
    {"Label2_4", &CapTranspond},
    {"Check2", &CapClearToTranspond},
    {"Label3_0", &CapStunCode},
    {"Label3_1", &CapStunType},
};

template <class T>
T* make(QWidget* parent, const char* name, QRect geometry) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    return w;
}

QLabel* makeLabel(QWidget* parent, const char* name, int topTwips) {
    auto* l = make<QLabel>(parent, name, QRect(0, topTwips + 2, 10, 18));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

// The boxes of the switched-off tab store nothing; they still take only what
// their codes could hold.
void guardTextBox(QLineEdit* box) {
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Da-d*#]*")), box));
}

}  // namespace

FrmDTMF::FrmDTMF(QWidget* parent) : EditorBase(parent) {
    buildControls();
    encodeRows_ = std::make_unique<ControlRows>(*this, DtmfEncodeRows());
    InitDTMFControls();
    SetLanguageText();
    ShowDTMFData();
    encodeRows_->connectPicks();
}

FrmDTMF::~FrmDTMF() {
    // The box loses the focus as the children go: nothing may reach this
    // half-destroyed window then.
    QObject::disconnect(Text3, nullptr, this, nullptr);
    QObject::disconnect(MSFlexGrid1, nullptr, this, nullptr);
}

void FrmDTMF::buildControls() {
    // Laid out by position, as designed: the frame must not shrink it.
    setMinimumSize(px(6225), px(6555));
    resize(px(6225), px(6555));
    SSTab1 = make<QTabWidget>(this, "SSTab1", QRect(px(240), px(240), px(5895), px(5775)));
    auto* encode = new QWidget;
    auto* decode = new QWidget;
    auto* memories = new QWidget;
    SSTab1->addTab(encode, QString());
    SSTab1->addTab(decode, QString());
    SSTab1->addTab(memories, QString());

    const int tops[] = {480, 960, 1440, 1920, 2400};
    for (int i = 0; i < 5; ++i) {
        makeLabel(encode, qPrintable(QStringLiteral("Label1_%1").arg(i)), pageTop(tops[i]));
        make<QComboBox>(encode, qPrintable(QStringLiteral("Combo1_%1").arg(i)),
                        QRect(px(2400), pageTop(tops[i]), px(1695), 22));
    }
    make<QCheckBox>(encode, "Check1", QRect(px(1320), pageTop(3000), px(3000), 22));

    // Decode: shown as laid out, switched off, stores nothing.
    for (int i = 0; i < 5; ++i) makeLabel(decode, qPrintable(QStringLiteral("Label2_%1").arg(i)), pageTop(tops[i]));
    Text1 = make<QLineEdit>(decode, "Text1", QRect(px(3120), pageTop(480), px(1575), 22));
    Text1->setMaxLength(10);
    guardTextBox(Text1);
    for (int i = 0; i < 4; ++i) {
        auto* box = make<QComboBox>(decode, qPrintable(QStringLiteral("Combo2_%1").arg(i)),
                                    QRect(px(3120), pageTop(tops[i + 1]), px(1575), 22));
        IgnoreWheelUnlessFocused(box);
    }
    make<QCheckBox>(decode, "Check2", QRect(px(2040), pageTop(2880), px(3000), 22));
    auto* frame = make<QGroupBox>(decode, "Frame1", QRect(px(360), pageTop(3360), px(4575), px(1455)));
    makeLabel(frame, "Label3_0", px(360));
    makeLabel(frame, "Label3_1", px(840));
    Text2 = make<QLineEdit>(frame, "Text2", QRect(px(2760), px(360), px(1575), 22));
    guardTextBox(Text2);
    IgnoreWheelUnlessFocused(make<QComboBox>(frame, "Combo3", QRect(px(2760), px(840), px(1575), 22)));

    MSFlexGrid1 = make<platform::FlexGrid>(memories, "MSFlexGrid1", QRect(px(480), pageTop(480), px(3975), px(4695)));
    MSFlexGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text3 = new platform::GridEditBox(MSFlexGrid1);
    Text3->setObjectName(QStringLiteral("Text3"));
    // No length limit on the box itself: a pasted text is cut only after the
    // characters the radio cannot send have been dropped (the validator). A
    // 17th typed key is refused here.
    Text3->setKeyFilter([this](QChar c) {
        return IsDtmfKey(c) && (Text3->text().size() < DtmfMemoryLength || Text3->hasSelectedText());
    });
    Text3->setValidator(new DtmfValidator(Text3));
    Text3->setAlignment(Qt::AlignCenter);
    Text3->installEventFilter(this);

    const CommonButtons common = addCommonButtons(QRect(1680, 6120, 1095, 375), QRect(360, 6120, 1095, 375));
    CommandHelp = common.help;
    CommandClose = common.close;

    onEvent(MSFlexGrid1, &platform::FlexGrid::enterCell, [this](int r, int c) { MSFlexGrid1_EnterCell(r, c); });
    onEvent(MSFlexGrid1, &QTableWidget::cellClicked, [this](int r, int c) { MSFlexGrid1_Click(r, c); });
    onEvent(Text3, &QLineEdit::textEdited, [this](const QString& t) { Text3_Edited(t); });
    onEvent(Text3, &platform::GridEditBox::commitRequested, [this] {
        const bool enter = std::exchange(enterPressed_, false);
        CommitCellEdit();
        // Enter moves on, as the Tab key would from the grid.
        if (enter) {
            MSFlexGrid1->setFocus(Qt::TabFocusReason);
            focusNextChild();
        }
    });
}

bool FrmDTMF::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text3 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) enterPressed_ = true;
    }
    return EditorBase::eventFilter(watched, event);
}

void FrmDTMF::InitDTMFControls() {
    encodeRows_->fill();
    FillGuard guard(*this);
    const QString off = Tr(CapOff);
    auto fill = [this](const char* name, const QStringList& items) {
        if (auto* box = findChild<QComboBox*>(QString::fromLatin1(name))) {
            box->clear();
            box->addItems(items);
            box->setCurrentIndex(-1);  // the switched-off tab shows no choice
        }
    };
    fill("Combo2_0", QStringList{off, "A", "B", "C", "D", "#", "*"});
    fill("Combo2_1", QStringList{off} + NumberItems(1, 15, 1));
    fill("Combo2_2", TrItems(CapCallAlertItems));
    fill("Combo2_3", TrItems(CapTranspondItems));
    fill("Combo3", TrItems(CapStunTypeItems));
    Text1->setText(QStringLiteral("000"));
    Text2->setText(QStringLiteral("Text2"));

    MSFlexGrid1->setRows(DtmfMemoryCount + 1);
    MSFlexGrid1->setCols(2);
    MSFlexGrid1->setFixedRows(1);
    MSFlexGrid1->setFixedCols(1);
    for (int c = 0; c < 2; ++c) MSFlexGrid1->setColAlignment(c, Qt::AlignCenter);
    const int inner = MSFlexGrid1->width() - 2 * MSFlexGrid1->frameWidth();
    MSFlexGrid1->setColumnWidth(0, px(700));
    MSFlexGrid1->setColumnWidth(1, inner - MSFlexGrid1->columnWidth(0));
    const int rowHeight = std::max(16, inner > 0 ? (MSFlexGrid1->height() - 2 * MSFlexGrid1->frameWidth()) / 17 : 18);
    for (int r = 0; r <= DtmfMemoryCount; ++r) {
        if (r == 0) MSFlexGrid1->setRowHeightTwips(0, rowHeight * platform::FlexGrid::TwipsPerPixel);
        else MSFlexGrid1->setRowHeight(r, rowHeight);
        if (r > 0) MSFlexGrid1->setTextMatrix(r, 0, QString::number(r));
    }
}

void FrmDTMF::SetLanguageText() {
    applyCaptions(kCaptions);
    encodeRows_->applyCaptions();
    SSTab1->setTabText(0, Tr(CapEncode));
    SSTab1->setTabText(1, Tr(CapDecode));
    SSTab1->setTabText(2, Tr(CapAutodialMemory));
    SSTab1->setTabEnabled(1, false);
    MSFlexGrid1->setTextMatrix(0, 0, Tr(CapNo));
    MSFlexGrid1->setTextMatrix(0, 1, Tr(CapAutodialMemory));
    SetCommonButtonCaptions(this);
    AlignLabels();
}

void FrmDTMF::AlignLabels() {
    struct Pair {
        const char* label;
        const char* control;
    };
    static constexpr Pair pairs[] = {
        {"Label1_0", "Combo1_0"}, {"Label1_1", "Combo1_1"}, {"Label1_2", "Combo1_2"}, {"Label1_3", "Combo1_3"},
        {"Label1_4", "Combo1_4"}, {"Label2_0", "Text1"},    {"Label2_1", "Combo2_0"}, {"Label2_2", "Combo2_1"},
        {"Label2_3", "Combo2_2"}, {"Label2_4", "Combo2_3"}, {"Label3_0", "Text2"},    {"Label3_1", "Combo3"},
    };
    // One size for all captions: the largest at which each fits left of its
    // control, 120 twips from its page's edge.
    std::vector<CaptionSpace> captions;
    for (const Pair& p : pairs) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(p.label));
        auto* control = findChild<QWidget*>(QString::fromLatin1(p.control));
        if (label && control) captions.push_back({label, control->x() - px(100) - px(120)});
    }
    FitCaptions(captions);
    for (const Pair& p : pairs) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(p.label));
        auto* control = findChild<QWidget*>(QString::fromLatin1(p.control));
        if (!label || !control) continue;
        SetCaptionBuddy(label, control);
        label->adjustSize();
        const int width = label->width();
        label->setGeometry(std::max(0, control->x() - width - px(100)), control->y(), width, control->height());
    }
}

void FrmDTMF::ShowDTMFData() {
    encodeRows_->show();
    FillGuard guard(*this);
    for (int n = 1; n <= DtmfMemoryCount; ++n) MSFlexGrid1->setTextMatrix(n, 1, DtmfMemoryText(n));
    MSFlexGrid1->setCurrentCell(1, 1);
}

void FrmDTMF::MSFlexGrid1_EnterCell(int row, int col) {
    if (!EventsEnabled()) return;
    if (Text3->isOpen()) CommitCellEdit();
    if (row < 1 || col != 1) {
        // Only a memory can be the current cell.
        MSFlexGrid1->setCurrentCell(std::clamp(row, 1, DtmfMemoryCount), 1);
        return;
    }
    Text3->openAt(row, 1, MSFlexGrid1->textMatrix(row, 1));
}

void FrmDTMF::MSFlexGrid1_Click(int row, int col) {
    // A click on the current cell enters no cell; it opens the box all the same.
    if (!Text3->isOpen() && row >= 1 && col == 1 && row == MSFlexGrid1->row() && col == MSFlexGrid1->col())
        Text3->openAt(row, 1, MSFlexGrid1->textMatrix(row, 1));
}

void FrmDTMF::storeMemory(int row, const QString& text) {
    if (row < 1 || row > DtmfMemoryCount) return;
    if (StoreDtmfMemory(row, text)) cleanupDue_ = true;
    MSFlexGrid1->setTextMatrix(row, 1, DtmfMemoryText(row));
}

void FrmDTMF::Text3_Edited(const QString& text) {
    // Stored as it is typed; the references wait until the edit ends, so a
    // memory emptied on the way to its new code keeps them.
    if (Text3->isOpen()) storeMemory(Text3->editRow(), text);
}

void FrmDTMF::CommitCellEdit() {
    if (Text3->isOpen()) {
        const int row = Text3->editRow();
        storeMemory(row, Text3->takeText());
    }
    if (std::exchange(cleanupDue_, false)) ulbrix::SetDTMFList();
}

void FrmDTMF::commitPendingEdit() { CommitCellEdit(); }

void FrmDTMF::SetDTMFList() { ulbrix::SetDTMFList(); }

}  // namespace ulbrix
