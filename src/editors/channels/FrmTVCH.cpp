#include "editors/channels/FrmTVCH.h"

#include <QEvent>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <vector>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModFun.h"
#include "editors/ComboHelpers.h"
#include "editors/channels/WeatherRules.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"

namespace ulbrix {

namespace {

Integer& Setting(int word) { return WorkDocument.Settings.Weather.w.at(static_cast<std::size_t>(word)); }

// Lists from the top of the window: object, label, top (twips).
struct ListPlace {
    const char* list;
    const char* label;
    int top;
};
const ListPlace kPlaces[] = {{"Combo10", "Label7", 105}, {"Combo1", "Label1", 465},  {"Combo5", "Label2", 825},
                             {"Combo6", "Label3", 1185}, {"Combo7", "Label4", 1545}, {"Combo8", "Label5", 1905},
                             {"Combo9", "Label6", 2265}};
constexpr int kListLeft = 2280, kListWidth = 1335, kGridRight = 360 + 4515;

}  // namespace

FrmTVCH::FrmTVCH(QWidget* parent) : EditorBase(parent), rows_(*this, WeatherSettingRows()) {
    buildControls();
    Trap(handlerErrorText(), [this] { Form_Load(); });
}

void FrmTVCH::buildControls() {
    setFixedSize(px(5235), px(7935));
    for (const ListPlace& p : kPlaces) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(p.list));
        box->setGeometry(px(kListLeft), px(p.top), px(kListWidth), px(315));
        auto* label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(p.label));
        label->move(0, px(p.top));
        label->setBuddy(box);
        if (p.list == std::string_view("Combo1")) combo1_ = box;
    }
    onPick(combo1_, [this](int) { Combo1_Click(); });
    combo1_->installEventFilter(this);

    grid_ = new platform::FlexGrid(this);
    grid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    grid_->setGeometry(px(360), px(2640), px(4515), px(4575));
    text1_ = new platform::GridEditBox(grid_);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(9);
    text1_->setKeyFilter(WeatherFrequencyKey);
    text1_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,9}")), text1_));
    onEvent(text1_, &platform::GridEditBox::commitRequested, [this] { Save_TVChannel(); });
    for (int i = 0; i < 3; ++i) {
        auto* box = new QComboBox(grid_->viewport());
        box->setObjectName(QStringLiteral("Combo%1").arg(i + 2));
        box->hide();
        cellLists_[i] = box;
        // OFF/ON and W/N commit at once; a Scan pick waits for the next commit.
        const bool commitAtOnce = i < 2;
        onPick(box, [this, commitAtOnce](int) {
            cellPicked_ = true;
            if (commitAtOnce) Save_TVChannel();
        });
    }
    onEvent(grid_, &QTableWidget::cellClicked, [this](int, int) { Save_TVChannel(); });
    onEvent(grid_, &platform::FlexGrid::cellDoubleClick, [this](int, int) { MSFlexGrid1_DblClick(); });

    addCommonButtons(QRect(2520, 7320, 1095, 375), QRect(1200, 7320, 1095, 375));
}

void FrmTVCH::Form_Load() {
    FillGuard guard(*this);  // FormReady is False until the end of the load
    editRow_ = 0;
    editCol_ = 0;
    InitTvChCaptions();
    InitComboLists();
    SetCaptionsByLanguage();
    ShowData();
    rows_.connectPicks();
}

void FrmTVCH::InitComboLists() {
    combo1_->clear();
    combo1_->addItems(UsedWeatherChannelItems());
    grid_->setRows(WeatherChannelRows + 1);
    grid_->setCols(5);
    grid_->setFixedRows(1);
    grid_->setFixedCols(1);
    for (int c = 0; c < 5; ++c) grid_->setColAlignment(c, Qt::AlignCenter);
    grid_->setRowHeightTwips(0, 510);
    const int widths[5] = {700, 1200, 0, 1200, 1000};
    for (int c = 0; c < 5; ++c) grid_->setColWidthTwips(c, widths[c]);
    const QStringList cellItems[3] = {TrItems(CapOffOn), WeatherWideItems(), TrItems(CapDelAdd)};
    for (int i = 0; i < 3; ++i) {
        cellLists_[i]->clear();
        cellLists_[i]->addItems(cellItems[i]);
    }
    rows_.fill();
}

void FrmTVCH::SetCaptionsByLanguage() {
    setWindowTitle(Tr(CapWeatherChannel));
    const CaptionRow label1[] = {{"Label1", &CapCurrentWeatherChannel}};
    applyCaptions(label1);
    rows_.applyCaptions();
    // Each label ends 100 twips left of its list and keeps 120 twips from the
    // window's edge. A long caption moves the lists right, no further than the
    // grid's right edge; the captions then share the one size that fits.
    int widest = 0;
    for (const ListPlace& p : kPlaces)
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(p.label)))
            widest = std::max(widest, fontMetrics().size(Qt::TextShowMnemonic, label->text()).width());
    const int listLeft = std::clamp(px(120) + widest + px(100), px(kListLeft), px(kGridRight - kListWidth));
    std::vector<CaptionSpace> captions;
    for (const ListPlace& p : kPlaces) {
        auto* label = findChild<QLabel*>(QString::fromLatin1(p.label));
        if (auto* box = findChild<QComboBox*>(QString::fromLatin1(p.list))) box->move(listLeft, box->y());
        if (label) captions.push_back({label, listLeft - px(100) - px(120)});
    }
    FitCaptions(captions);
    for (const CaptionSpace& c : captions) {
        auto* label = static_cast<QLabel*>(c.label);
        label->adjustSize();
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setGeometry(listLeft - px(100) - label->width(), label->y(), label->width(), px(315));
    }
    grid_->setTextMatrix(0, 0, Tr(CapCHNo));
    // The number column is at least as wide as its caption.
    const int numberWidth = grid_->fontMetrics().horizontalAdvance(Tr(CapCHNo)) + 12;
    if (grid_->columnWidth(0) < numberWidth) grid_->setColumnWidth(0, numberWidth);
    grid_->setTextMatrix(0, 1, Tr(CapFrequency));
    grid_->setTextMatrix(0, 3, Tr(CapWN));
    grid_->setTextMatrix(0, 4, Tr(CapScan));
    for (int r = 1; r <= 40; ++r) grid_->setTextMatrix(r, 0, QString::number(r));
    grid_->setTextMatrix(WeatherChannelRows, 0, QStringLiteral("VFO"));
    SetCommonButtonCaptions(this);
}

void FrmTVCH::ShowData() {
    FillGuard guard(*this);
    ShowComboValue(combo1_, ShowText(ComboItems(combo1_), QString::number(int(Setting(CurWxChannel)) + 1)));
    for (int r = 1; r <= WeatherChannelRows; ++r) ShowGridRow(r);
    rows_.show();
}

void FrmTVCH::ShowGridRow(int row) {
    const QStringList texts = WeatherRowTexts(WeatherEntry(row), ComboItems(cellList(3)), ComboItems(cellList(4)));
    for (int c = 1; c <= 4; ++c)
        if (c != 2) grid_->setTextMatrix(row, c, texts.at(c - 1));
}

void FrmTVCH::ShowCurrentWxChannel() {
    const QString kept = combo1_->currentText();
    {
        FillGuard guard(*this);
        combo1_->clear();
        combo1_->addItems(UsedWeatherChannelItems());
        SelectComboText(combo1_, kept);
    }
    // Selecting a number is handled as its pick; an empty list selects nothing.
    if (combo1_->currentIndex() >= 0) Combo1_Click();
}

void FrmTVCH::Combo1_Click() {
    if (!EventsEnabled()) return;
    Setting(CurWxChannel) = static_cast<Integer>(ValOrDefault(combo1_->currentText(), 1) - 1);
}

QComboBox* FrmTVCH::cellList(int col) const {
    return col >= 2 && col <= 4 ? cellLists_[col - 2] : nullptr;
}

void FrmTVCH::MSFlexGrid1_DblClick() {
    const int row = grid_->row(), col = grid_->col();
    if (row < 1 || col < 1 || row > WeatherChannelRows || col > 4) return;
    editRow_ = row;
    editCol_ = col;
    const QString text = grid_->textMatrix(row, col);
    if (col == 1) {
        text1_->openAt(row, col, text);
        return;
    }
    QComboBox* box = cellList(col);
    cellPicked_ = false;  // the item shown for the cell is not a choice
    {
        FillGuard guard(*this);
        ShowComboValue(box, ShowText(ComboItems(box), text));
    }
    const QRect cell = grid_->cellRect(row, col);
    box->setGeometry(cell.x(), cell.y(), cell.width(), box->sizeHint().height());
    box->show();
    box->raise();
}

void FrmTVCH::hideCellEditors() {
    if (text1_->isOpen()) text1_->takeText();
    text1_->hide();
    for (QComboBox* list : cellLists_) list->hide();
}

void FrmTVCH::Save_TVChannel() {
    if (editRow_ < 1 || editCol_ < 1) return;
    QComboBox* list = cellList(editCol_);
    if (editCol_ == 1 && text1_->isOpen() && text1_->isModified()) {
        const WeatherFrequencyCommit commit = WeatherFrequencyFromText(text1_->takeText());
        ApplyWeatherFrequency(WeatherEntry(editRow_), commit);
        ShowGridRow(editRow_);
        if (commit.kind != WeatherFrequencyCommit::Keep) ShowCurrentWxChannel();
    } else if (list && !list->isHidden() && cellPicked_ && list->currentIndex() >= 0) {
        WeatherChannelRecord& entry = WeatherEntry(editRow_);
        const auto picked = static_cast<Integer>(list->currentIndex());
        if (editCol_ == 2) entry.OnOff = picked;
        else if (editCol_ == 3) entry.Wide = picked;
        else entry.ScanAdd = picked;
        ShowGridRow(editRow_);
    }
    // A frequency box nobody typed in and a list nobody picked from store nothing.
    hideCellEditors();
}

void FrmTVCH::commitPendingEdit() { Save_TVChannel(); }

bool FrmTVCH::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combo1_ && event->type() == QEvent::FocusIn)
        Trap(handlerErrorText(), [this] { Save_TVChannel(); });
    return EditorBase::eventFilter(watched, event);
}

}  // namespace ulbrix
