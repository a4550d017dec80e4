#include "editors/channels/frmCommChInfo.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>
#include <utility>

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModEnglishChannelInfo.h"
#include "core/ModEnglishPrint.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ModInitV.h"
#include "core/ModPubFun.h"
#include "editors/ComboHelpers.h"
#include "editors/channels/ChannelAttributes.h"
#include "editors/channels/ChannelGridModel.h"
#include "editors/channels/ChannelListEdit.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/ChannelTableEdit.h"
#include "editors/channels/FrequencyRules.h"
#include "editors/settings/RogerBeepRules.h"
#include "platform/MsgBox.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"

namespace ulbrix {

namespace {

const QString DetailCaption = QStringLiteral("More Information -- CH ");

// The editor whose redraw hook is installed.
const frmCommChInfo* LoadedEditor = nullptr;

// Band list texts; the hidden list's index is the band number.
const QStringList BandItems = {QStringLiteral("CB -- 26.96500 - 27.86125 MHz"),
                               QStringLiteral("HF -- 24.7150 - 30.1050 MHz"),
                               QStringLiteral("HAM -- 28.0000 - 29.7000 MHz")};

const CaptionRow WindowCaptions[] = {
    {"", &CapChannelInformation},    {"Label3", &CapSelectHFHAM},     {"Label1", &CapBand},
    {"Label6", &CapWorkGroup},       {"Label2_4", &CapCurrentWorkChannel}, {"Label2_5", &CapMEMCHX},
    {"Label2_6", &CapGroupValid},    {"CommandCheckBand", &CapCheckRadioBand},
    {"CommandCHInfoEdit", &CapChannel}, {"CommandClose", &CapClose}, {"CommandHelp", &CapHelp},
};

QString Name(const char* base, int i) { return QString::fromLatin1(base) + QLatin1Char('_') + QString::number(i); }

// Items of a list replaced without a pick; the selection is the caller's.
void SetItems(QComboBox* box, const QStringList& items) {
    box->clear();
    box->addItems(items);
}

// The width a list needs for its present items. A list keeps the size hint it
// had when first measured, so a fresh list of the same items measures it.
int ListWidth(const QComboBox* box) {
    QComboBox probe;
    probe.setFont(box->font());
    probe.addItems(ComboItems(box));
    return probe.sizeHint().width();
}

}  // namespace

frmCommChInfo::frmCommChInfo(QWidget* parent) : EditorBase(parent) {
    setObjectName(FormName::ChannelInfo);
    // New, Open and a radio read each show their document in a new editor.
    ForgetCutMemEntries();
    FillGuard guard(*this);
    Trap(QString(), [&] {
        buildControls();
        InitGridFormat();
        ChangShowByLanguage();
        const int band = std::clamp<int>(WorkDocument.Band, 0, 2);
        BandView = band;
        // A CB document shows CB in the band list until the user picks HF or HAM.
        if (band == BandCB) combo2_->insertItem(0, BandItems.at(0));
        combo7_->setCurrentIndex(band);
        combo2_->setCurrentIndex(combo2_->findText(BandItems.at(band)));
        applyBand(band, false);
        ChInfoLoaded = true;
        ReShowGridHook = [this](int row) { reShowGrid(row); };
        LoadedEditor = this;
    });
}

frmCommChInfo::~frmCommChInfo() { formUnload(); }

QString frmCommChInfo::handlerErrorText() const { return QStringLiteral("frmCommChInfo"); }

void frmCommChInfo::formUnload() {
    // A file command opens the next editor before this one is deleted: only
    // the loaded one clears the loaded state and the redraw hook.
    if (LoadedEditor != this) return;
    LoadedEditor = nullptr;
    ChInfoLoaded = false;
    ReShowGridHook = nullptr;
}

// ---- building ----

void frmCommChInfo::buildControls() {
    auto* top = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    top->addLayout(body);
    auto* left = new QVBoxLayout;
    body->addLayout(left);

    frame1_ = new QGroupBox(this);
    frame1_->setObjectName("Frame1");
    auto* groupGrid = new QGridLayout(frame1_);
    auto addRow = [&](int r, QLabel*& label, const char* labelName, QComboBox*& box, const char* boxName) {
        label = new QLabel(frame1_);
        label->setObjectName(labelName);
        box = new QComboBox(frame1_);
        box->setObjectName(boxName);
        SetCaptionBuddy(label, box);
        groupGrid->addWidget(label, r, 0, Qt::AlignRight);
        groupGrid->addWidget(box, r, 1);
    };
    addRow(0, label3_, "Label3", combo2_, "Combo2");
    addRow(1, label1_, "Label1", combo6_, "Combo6");
    addRow(2, label6_, "Label6", combo3_, "Combo3");
    for (int i = 4; i <= 6; ++i) {
        QLabel* l = nullptr;
        QComboBox* c = nullptr;
        const QByteArray ln = Name("Label2", i).toLatin1();
        const QByteArray cn = Name("Combo1", i).toLatin1();
        addRow(i - 1, l, ln.constData(), c, cn.constData());
        label2_[static_cast<std::size_t>(i)] = l;
        combo1_[static_cast<std::size_t>(i)] = c;
    }
    combo7_ = new QComboBox(this);
    combo7_->setObjectName("Combo7");
    combo7_->addItems(BandItems);
    combo7_->hide();
    combo2_->addItems(BandItems.mid(1));
    combo2_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    left->addWidget(frame1_);

    grid_ = new platform::FlexGrid(this);
    grid_->setObjectName("MSFlexGrid1");
    grid_->setMinimumHeight(260);
    left->addWidget(grid_, 1, Qt::AlignLeft);
    text1_ = new platform::GridEditBox(grid_);
    text1_->setObjectName("Text1");
    text1_->setKeyFilter([](QChar c) { return c.isDigit() || c == QLatin1Char('.'); });
    text1_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), text1_));
    text1_->installEventFilter(this);

    frame2_ = new QGroupBox(this);
    frame2_->setObjectName("Frame2");
    auto* panel = new QGridLayout(frame2_);
    for (std::size_t i = 0; i < label5_.size(); ++i) {
        label5_[i] = new QLabel(frame2_);
        label5_[i]->setObjectName(Name("Label5", static_cast<int>(i)));
    }
    for (std::size_t i = 0; i < combo8_.size(); ++i) {
        combo8_[i] = new QComboBox(frame2_);
        combo8_[i]->setObjectName(Name("Combo8", static_cast<int>(i)));
    }
    for (const PanelList& p : ChannelPanelLists()) {
        QComboBox* box = combo8(p.combo);
        QLabel* label = p.label >= 0 ? label5(p.label) : nullptr;
        if (label) SetCaptionBuddy(label, box);
        if (p.row < 0) {
            box->hide();
            if (label) label->hide();
            continue;
        }
        if (label) panel->addWidget(label, p.row, 2 * p.pair, Qt::AlignRight);
        panel->addWidget(box, p.row, 2 * p.pair + 1);
        const int index = p.combo;
        onPick(box, [this, index](int) { Combo8_Click(index); });
    }
    panel->setRowStretch(11, 1);
    body->addWidget(frame2_, 0, Qt::AlignTop);
    // The panel's place stays when it hides, so the grid does not jump.
    QSizePolicy keep = frame2_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    frame2_->setSizePolicy(keep);
    frame2_->hide();

    auto* buttons = new QHBoxLayout;
    top->addLayout(buttons);
    auto button = [&](const char* name) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        buttons->addWidget(b);
        return b;
    };
    commandCheckBand_ = button("CommandCheckBand");
    commandChInfoEdit_ = button("CommandCHInfoEdit");
    buttons->addStretch(1);
    const auto common = addCommonButtons();
    commandClose_ = common.close;
    commandHelp_ = common.help;
    buttons->addWidget(commandClose_);
    buttons->addWidget(commandHelp_);
    // These buttons have no command behind them.
    commandCheckBand_->setEnabled(false);
    commandChInfoEdit_->setEnabled(false);
    commandHelp_->setEnabled(false);

    onPick(combo2_, [this](int index) { Combo2_Click(index); });
    onPick(combo6_, [this](int) { Combo6_Click(true); });
    for (int i = 4; i <= 6; ++i) onPick(combo1_[static_cast<std::size_t>(i)], [this, i](int) { Combo1_Click(i); });
    onPick(combo3_, [this](int index) { Combo3_Click(index); });
    onEvent(grid_, &platform::FlexGrid::enterCell, [this](int row, int) {
        // The panel shows the row being typed into: a move away commits first.
        if (text1_->isOpen() && row != text1_->editRow()) SaveShowGridData();
        editRow_ = grid_->row();
        ShowCurrentRowDetail();
    });
    onEvent(grid_, &platform::FlexGrid::cellDoubleClick, [this](int row, int col) {
        if (row < 1 || col < 1) return;
        setWindowTitle(Tr(CapChannelInformation));
        EnterGridEdit();
    });
    onEvent(grid_, &platform::FlexGrid::enterPressed, [this] { EnterGridEdit(); });
    onEvent(grid_, &platform::FlexGrid::rightMouseDown,
            [this](int row, int col, QPoint pos) { MSFlexGrid1_MouseDown(row, col, pos); });
    onEvent(text1_, &platform::GridEditBox::commitRequested, [this] { SaveShowGridData(); });
}

void frmCommChInfo::InitGridFormat() {
    grid_->setCols(2);
    grid_->setRows(2);
    grid_->setFixedRows(1);
    grid_->setFixedCols(1);
    grid_->setColAlignment(0, Qt::AlignCenter);
    grid_->setColAlignment(1, Qt::AlignCenter);
    grid_->setRowHeightTwips(0, 510);
    // Wide enough for the header "CH No." in either language.
    grid_->setColWidthTwips(0, 750);
    grid_->setColWidthTwips(1, 1260);
    frame2_->hide();
    text1_->hide();
}

// The lists whose items never change while the window is open, and those
// built from the current language and the document.
void frmCommChInfo::fillDesignLists() {
    for (const PanelList& p : ChannelPanelLists()) SetItems(combo8(p.combo), p.items());
    SetItems(combo1_[5], {"M1", "M2", "M3", "M4", "M5", "M6"});
    SetItems(combo1_[6], OffOnItems());
    fitPanelColumns();
}

// Each panel column is as wide as the widest list or caption that can show in
// it, shown now or not: lists that come and go with the tone type or a memory
// row never widen the panel onto the band and group lists, nor are they cut.
void frmCommChInfo::fitPanelColumns() {
    auto* panel = qobject_cast<QGridLayout*>(frame2_->layout());
    if (!panel) return;
    const bool cb = shownBand() == BandCB;
    std::array<int, 4> widths{};
    for (const PanelList& p : ChannelPanelLists()) {
        if (p.row < 0 || (!cb && (p.combo == 22 || p.combo == 23))) continue;
        auto& boxWidth = widths.at(static_cast<std::size_t>(2 * p.pair + 1));
        boxWidth = std::max(boxWidth, ListWidth(combo8(p.combo)));
        if (p.label < 0) continue;
        auto& labelWidth = widths.at(static_cast<std::size_t>(2 * p.pair));
        labelWidth = std::max(labelWidth, label5(p.label)->sizeHint().width());
    }
    for (std::size_t c = 0; c < widths.size(); ++c) panel->setColumnMinimumWidth(static_cast<int>(c), widths[c]);
}

void frmCommChInfo::ChangShowByLanguage() {
    FillGuard guard(*this);
    applyCaptions(WindowCaptions);
    grid_->setTextMatrix(0, 0, Tr(CapCHNo));
    grid_->setTextMatrix(0, 1, Tr(CapFrequency));
    for (std::size_t i = 0; i < label5_.size(); ++i) {
        label5_[i]->setText(PanelLabelCaption(static_cast<int>(i), CurrentLanguage));
    }
    fillDesignLists();
}

QString frmCommChInfo::offWord() const { return TrItem(CapOffOn, 1); }

// ---- band and group ----

int frmCommChInfo::shownBand() const { return combo7_ ? std::clamp(combo7_->currentIndex(), 0, 2) : 0; }

int frmCommChInfo::shownGroup() const {
    const int g = combo6_ ? combo6_->currentIndex() + 1 : 0;
    return g >= 1 && g <= GroupsOfBand(shownBand()) ? g : 0;
}

QList<int> frmCommChInfo::ShownChannelPosition() const { return {shownBand(), shownGroup(), grid_->row()}; }

void frmCommChInfo::Combo2_Click(int index) {
    const int band = BandItems.indexOf(combo2_->itemText(index));
    if (band < 0) return;
    if (band != BandCB) {
        // CB, once left, is not offered again.
        const int cb = combo2_->findText(BandItems.at(0));
        if (cb >= 0) {
            FillGuard guard(*this);
            combo2_->removeItem(cb);
            combo2_->setCurrentIndex(combo2_->findText(BandItems.at(band)));
        }
    }
    combo7_->setCurrentIndex(band);
    applyBand(band, true);
}

// The band switch. The band's range applies whenever a band is shown, so a
// typed frequency is always checked against the band on screen.
void frmCommChInfo::applyBand(int band, bool userPick) {
    if (userPick && band != WorkDocument.Band) WorkDocument.Band = static_cast<Integer>(band);
    App.BandRangeText = ChannelBandRangeText(band);
    ParseBandRange();
    const bool hfHam = band != BandCB;
    for (int i : HfHamOnlyLists()) {
        combo8(i)->setVisible(hfHam);
        label5(i)->setVisible(hfHam);
    }
    // In CB the memory rows' two lists keep their room while hidden: the panel
    // does not widen onto the band and group lists when a memory row is shown.
    for (QWidget* w : std::initializer_list<QWidget*>{combo8(22), combo8(23), label5(20), label5(21)}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(!hfHam);
        w->setSizePolicy(keep);
    }
    if (WindowHooks.setCaption) WindowHooks.setCaption();
    BandView = band;
    fitPanelColumns();
    FillGroupCombos(band);
    FillGuard guard(*this);
    const int work = WorkDocument.Settings.CurGroupIndex[static_cast<std::size_t>(band)];
    const int index = work >= 1 && work <= combo6_->count() ? work - 1 : 0;
    combo6_->setCurrentIndex(index);
    Combo6_Click(false);
    if (userPick && shownGroup() > 0)
        WorkDocument.LastRow(band, shownGroup()) = static_cast<Integer>(editRow_);
}

void frmCommChInfo::FillGroupCombos(int band) {
    FillGuard guard(*this);
    SetItems(combo6_, GroupListItems(band));
    InitComboWorkGroup();
}

// The list offers only the groups the radio may work on, so what it shows is
// what is stored; any other stored group shows as its own text until a pick.
void frmCommChInfo::InitComboWorkGroup() {
    FillGuard guard(*this);
    const int band = shownBand();
    SetItems(combo3_, GroupListItems(band).mid(0, LastWorkGroupOf(band)));
    const int stored = WorkDocument.Settings.CurGroupIndex[static_cast<std::size_t>(band)];
    ShowComboValue(combo3_, ShowWorkGroup(band, stored));
}

// The band's work group, sent to the radio: the list holds the band's work
// groups in group order.
void frmCommChInfo::Combo3_Click(int index) {
    const int band = shownBand();
    if (index < 0 || index >= LastWorkGroupOf(band)) return;
    WorkDocument.Settings.CurGroupIndex[static_cast<std::size_t>(band)] = static_cast<Integer>(index + 1);
}

void frmCommChInfo::Combo6_Click(bool userPick) {
    const int band = shownBand();
    const int group = shownGroup();
    if (group == 0) return;
    if (userPick) {
        WorkDocument.CurGroup[static_cast<std::size_t>(band)] = static_cast<Integer>(group);
        // The band's work group follows a named group (HAM's MEM too).
        if (group <= LastWorkGroupOf(band))
            WorkDocument.Settings.CurGroupIndex[static_cast<std::size_t>(band)] = static_cast<Integer>(group);
    }
    frame1_->setTitle(label1_->text() + QStringLiteral(" -- ") + combo6_->currentText());
    InitValidComboList();
    InitComboWorkGroup();
    SetEditNoVisable();
    SetGridData();
    if (grid_->rows() > 1) grid_->setRow(1);
    editRow_ = grid_->row();
    ShowCurrentRowDetail();
}

void frmCommChInfo::SetGroupControlsVisible(int group) {
    const int band = shownBand();
    auto show = [&](QWidget* control, QWidget* label, bool on) {
        control->setVisible(on);
        label->setVisible(on);
    };
    const bool mem = group == MemGroupOf(band);
    const bool vfo = group == VfoGroupOf(band);
    show(combo1_[4], label2_[4], band == BandCB || (!mem && !vfo));
    // Plan 7 shows plan 5's work channel, which it cannot change.
    combo1_[4]->setEnabled(band != BandCB || group != 7);
    show(combo1_[5], label2_[5], false);
    show(combo1_[6], label2_[6], band == BandCB || (!mem && !vfo));
    show(combo3_, label6_, band == BandCB || !vfo);
}

void frmCommChInfo::Combo1_Click(int index) {
    const int band = shownBand();
    const int group = shownGroup();
    if (group == 0) return;
    GeneralSettingsRecord& s = WorkDocument.Settings;
    if (index == 4) {
        if (band == BandCB && group == 7) return;  // plan 7 shows plan 5's work channel
        s.WorkChannel(band, group) = static_cast<Integer>(GetCHID(combo1_[4]->currentText()));
        return;
    }
    if (index != 6) return;
    const int picked = combo1_[6]->currentIndex();
    if (picked < 0) return;
    const int last = band == BandCB ? 15 : 12;
    bool otherValid = false;
    for (int g = 1; g <= last; ++g)
        if (g != group && s.GroupValid(band, g) > 0) otherValid = true;
    if (picked == 0 && !otherValid) {
        // The last valid group stays on: the list goes back to ON, which is stored.
        {
            FillGuard guard(*this);
            combo1_[6]->setCurrentIndex(1);
        }
        Combo1_Click(6);
        return;
    }
    const bool addDefault = s.GroupValid(band, group) == 0 && picked == 1 && CountGroupChannels(band, group) == 0;
    s.GroupValid(band, group) = static_cast<Integer>(picked);
    InitComboWorkGroup();
    if (addDefault) {
        if (band != BandCB) AddGroupDefaultChannel(band, group);
        else if (AddCbPlanChannel(group, 1) && ReShowGridHook) ReShowGridHook(1);
        RevalidateChannelRefs(band, group);
    }
}

void frmCommChInfo::ReShow_Group_Name() {
    Trap(handlerErrorText(), [this] { ReShow_Group_NameNow(); });
}

void frmCommChInfo::ReShow_Group_NameNow() {
    const int band = shownBand();
    const int group = shownGroup();
    FillGroupCombos(band);
    FillGuard guard(*this);
    if (group >= 1 && group <= combo6_->count()) combo6_->setCurrentIndex(group - 1);
    frame1_->setTitle(label1_->text() + QStringLiteral(" -- ") + combo6_->currentText());
}

// ---- the lists of the group and the panel ----

void frmCommChInfo::InitValidComboList() {
    Trap(handlerErrorText(), [this] { InitValidComboListNow(); });
}

void frmCommChInfo::InitValidComboListNow() {
    const int band = shownBand();
    const int group = shownGroup();
    if (group == 0 || group == MemGroupOf(band)) return;
    FillGuard guard(*this);
    SetItems(combo1_[4], FillChannelCombo(band, group));
}

void frmCommChInfo::ShowValidComboText() {
    Trap(handlerErrorText(), [this] { ShowValidComboTextNow(); });
}

void frmCommChInfo::ShowValidComboTextNow() {
    const int band = shownBand();
    const int group = shownGroup();
    if (group == 0 || group == MemGroupOf(band)) return;
    const int entry = band == BandCB && group == 7 ? 5 : group;
    FillGuard guard(*this);
    // A work channel the group lacks (an empty group's too) shows its own name.
    const QString work = GetCHName(WorkDocument.Settings.WorkChannel(band, entry));
    ShowComboValue(combo1_[4], ShowText(ComboItems(combo1_[4]), work));
}

void frmCommChInfo::ShowRB() {
    Trap(handlerErrorText(), [this] { ShowRBNow(); });
}

void frmCommChInfo::ShowRBNow() {
    FillGuard guard(*this);
    refillAttributeList(11, ValidRBItems());
    fitPanelColumns();
}

// New items for a panel list; it shows the current row's value again, or,
// with no record behind the row, no pick.
void frmCommChInfo::refillAttributeList(int index, const QStringList& items) {
    FillGuard guard(*this);
    QComboBox* box = combo8(index);
    SetItems(box, items);
    const RowRecord rr = RecordOfRow(shownBand(), shownGroup(), grid_->row());
    const AttributeField* f = AttributeFieldOf(index);
    if (rr && f) showAttribute(*f, *rr.record);
    else box->setCurrentIndex(-1);
}

void frmCommChInfo::ShowDTMF() {
    Trap(handlerErrorText(), [this] { ShowDTMFNow(); });
}

void frmCommChInfo::ShowDTMFNow() {
    FillGuard guard(*this);
    const QStringList items = DtmfMemoryItems();
    for (int i : {13, 14, 15}) refillAttributeList(i, items);
    fitPanelColumns();
}

// ---- the grid ----

void frmCommChInfo::reportCorrupt(int count) {
    // One message however many cells hold a stored frequency that is no number.
    if (count > 0) platform::MsgBox(QStringLiteral("Not IsNumeric"));
}

void frmCommChInfo::SetGridData() {
    const int band = shownBand();
    const int group = shownGroup();
    SetGroupControlsVisible(group);
    FillGuard guard(*this);
    showGroupValid(band, group);
    ShowValidComboText();
    const GridLayout layout = GridLayoutOf(band, group);
    const GridContents contents = GridContentsOf(band, group);
    grid_->setRows(layout.rows);
    grid_->setColWidthTwips(1, layout.frequencyWidthTw);
    fitGridWidth();
    for (int r = 1; r < layout.rows; ++r) {
        grid_->setTextMatrix(r, 0, layout.labels.at(r - 1));
        grid_->setTextMatrix(r, 1, contents.cells.at(r - 1));
    }
    const int row = InitialGridRow(band, group);
    if (row >= 1 && row < layout.rows) {
        grid_->setRow(row);
        editRow_ = row;
    }
    reportCorrupt(contents.corruptCells);
}

void frmCommChInfo::showGroupValid(int band, int group) {
    FillGuard guard(*this);
    if (group == MemGroupOf(band)) return;
    ShowComboValue(combo1_[6], ShowAt(ComboItems(combo1_[6]), WorkDocument.Settings.GroupValid(band, group)));
}

void frmCommChInfo::fitGridWidth() {
    const int frame = 2 * grid_->frameWidth();
    grid_->setFixedWidth(grid_->columnWidth(0) + grid_->columnWidth(1) + grid_->verticalScrollBar()->sizeHint().width() + frame);
}

void frmCommChInfo::reShowGrid(int row) {
    Trap(handlerErrorText(), [this, row] { reShowGridNow(row); });
}

void frmCommChInfo::reShowGridNow(int row) {
    const int band = shownBand();
    const int group = shownGroup();
    if (group == 0) return;
    showGroupValid(band, group);
    InitComboWorkGroup();
    if (row < 1 || row >= grid_->rows()) return;
    bool corrupt = false;
    grid_->setTextMatrix(row, 1, RowFrequencyText(band, group, row, &corrupt));
    if (row == grid_->row()) ShowCurrentRowDetail();
    reportCorrupt(corrupt ? 1 : 0);
}

void frmCommChInfo::SetEditNoVisable() { frame2_->hide(); }

void frmCommChInfo::ShowCurrentRowDetail() {
    const int band = shownBand();
    const int group = shownGroup();
    const int r = grid_->row();
    if (r < 1 || group == 0) return;
    const RowRecord rr = RecordOfRow(band, group, r);
    if (!rr) {
        frame2_->hide();
        return;
    }
    frame2_->setTitle(DetailCaption + grid_->textMatrix(r, 0));
    frame2_->show();
    FillGuard guard(*this);
    const bool memory = rr.memEntry > 0;
    combo8(22)->setVisible(memory);
    label5(20)->setVisible(memory);
    if (memory) {
        QComboBox* refs = combo8(22);
        SetItems(refs, MemRefItems(band, MemRefPlan(group, *rr.record)));
        // A channel the plan no longer holds shows its number until a pick.
        const int ch = rr.record->MemRefCh;
        ShowComboValue(refs, ch == 255 ? ShowIndex(ComboItems(refs), 0, QString())
                                       : ShowText(ComboItems(refs), QString::number(ch)));
    }
    const bool shared = memory && IsSharedMemPlan(band, group);
    combo8(23)->setVisible(shared);
    label5(21)->setVisible(shared);
    if (shared) ShowComboValue(combo8(23), ShowAt(ComboItems(combo8(23)), rr.record->MemRefBand));
    fillAttributes(*rr.record);
}

void frmCommChInfo::fillAttributes(const ChannelRecord& r) {
    FillGuard guard(*this);
    FillModeCombo(combo8(12));
    for (const AttributeField& f : ChannelAttributeFields()) showAttribute(f, r);
    // The stored values decide, whatever their lists show.
    for (const ToneListSet& t : ToneListSets()) {
        const AttributeField* type = AttributeFieldOf(t.toneType);
        if (type) showToneLists(t.ctcss, t.dcs, r.*type->field);
    }
    EnableChannelFields(r.Public);
}

void frmCommChInfo::showAttribute(const AttributeField& f, const ChannelRecord& r) {
    FillGuard guard(*this);
    QComboBox* box = combo8(f.index);
    ShowComboValue(box, AttributeShownValue(f, r, ComboItems(box)));
}

void frmCommChInfo::showToneLists(int ctcssList, int dcsList, int toneType) {
    // A tone type no list offers shows neither code list.
    const ToneLists lists = ToneListsFor(toneType).value_or(ToneLists{});
    combo8(ctcssList)->setVisible(lists.ctcss);
    combo8(dcsList)->setVisible(lists.dcs);
    // The caption beside the code lists names whichever of them shows.
    QLabel* label = label5(ctcssList == 0 ? 0 : 18);
    label->setVisible(lists.ctcss || lists.dcs);
    SetCaptionBuddy(label, combo8(lists.dcs ? dcsList : ctcssList));
}

void frmCommChInfo::EnableChannelFields(int flag) {
    const bool enabled = flag <= 0;
    for (int i : PublicFollowerLists()) combo8(i)->setEnabled(enabled);
    for (int i : PublicFollowerLabels()) label5(i)->setEnabled(enabled);
}

void frmCommChInfo::Combo8_Click(int index) {
    const int band = shownBand();
    const int group = shownGroup();
    const int row = grid_->row();
    const RowRecord rr = RecordOfRow(band, group, row);
    if (!rr) return;
    QComboBox* box = combo8(index);
    const int picked = box->currentIndex();
    if (index == 22 || index == 23) {
        if (!rr.memEntry) return;
        if (index == 22) {
            StoreMemRef(*rr.record, box->currentText());
        } else {
            StoreMemRefBand(*rr.record, picked);
            // The channel number stays where the plan now chosen has it; else the entry is free.
            FreeGoneMemEntries(MemRefPlan(group, *rr.record));
            ShowCurrentRowDetail();  // the channel list is the chosen plan's
        }
        grid_->setTextMatrix(row, 1, MemRowFrequency(band, group, *rr.record));
        return;
    }
    const AttributeField* f = AttributeFieldOf(index);
    if (!f) return;
    StoreAttribute(*f, *rr.record, picked, box->currentText());
    if (index == 9) EnableChannelFields(picked);
    for (const ToneListSet& t : ToneListSets())
        if (index == t.toneType) showToneLists(t.ctcss, t.dcs, picked);
}

// ---- typing in place ----

void frmCommChInfo::EnterGridEdit() {
    const int row = grid_->row();
    const int col = grid_->col();
    if (row < 1 || col != 1 || shownBand() == BandCB) return;
    text1_->openAt(row, col, grid_->textMatrix(row, col));
}

void frmCommChInfo::SaveShowGridData() {
    if (!text1_->isOpen()) return;
    const int row = text1_->editRow();
    const int col = text1_->editCol();
    // Hidden first: a message the commit raises cannot come back into the box.
    const QString text = text1_->takeText();
    const int band = shownBand();
    const int group = shownGroup();
    if (row >= 1 && col == 1 && band != BandCB && group > 0) {
        // A commit that changed nothing stores nothing, not even the current group.
        const CellCommit done = EditChannelCell(band, group, row, col, text);
        if (done != CellCommit::Unchanged && done != CellCommit::Rejected)
            WorkDocument.CurGroup[static_cast<std::size_t>(band)] = static_cast<Integer>(group);
    }
    // With two columns, the next cell is always the next row's.
    const int step = std::exchange(moveStep_, 0);
    if (step != 0) StepRow(row, step);
}

void frmCommChInfo::commitPendingEdit() { SaveShowGridData(); }

void frmCommChInfo::GridNextLine() { StepRow(grid_->row(), 1); }

// One row up or down from `from`, down past the last row to the first; up
// from the first row stays there. The grid takes the focus.
void frmCommChInfo::StepRow(int from, int step) {
    const int last = grid_->rows() - 1;
    int r = from + step;
    if (r > last) r = 1;
    r = std::max(r, 1);
    if (r >= 1 && r <= last) grid_->setRow(r);
    grid_->setFocus(Qt::OtherFocusReason);
}

void frmCommChInfo::GridNextCol() {
    const int c = grid_->col() + 1;
    if (c > grid_->cols() - 1) {
        grid_->setCol(1);
        GridNextLine();
    } else {
        grid_->setCol(c);
    }
}

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The box commits on Enter, Up and Down; Enter and Down then move
        // down one row from where the edit began, Up moves up (not past row 1).
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
            moveStep_ = text1_->isOpen() ? 1 : 0;
            break;
        case Qt::Key_Up:
            moveStep_ = text1_->isOpen() ? -1 : 0;
            break;
        default:
            break;
        }
    }
    return EditorBase::eventFilter(watched, event);
}

// ---- the right-click menu ----

void frmCommChInfo::MSFlexGrid1_MouseDown(int row, int col, QPoint globalPos) {
    const int band = shownBand();
    if (band == BandHF && shownGroup() != MemGroupOf(band)) return;
    if (row < 1) return;
    grid_->setFocus(Qt::MouseFocusReason);
    SaveShowGridData();
    grid_->setCurrentCell(row, std::max(col, 1));
    QMenu* menu = ListEditMenu();
    if (!menu) return;
    QAction* paste = nullptr;
    for (QAction* a : menu->actions()) {
        const QString name = a->objectName();
        if (name == QLatin1String("MnuLEPaste")) paste = a;
        else if (name.startsWith(QLatin1String("MnuLE"))) a->setEnabled(true);
    }
    if (paste) paste->setEnabled(ChannelClipboardFull);
    if (PopupMenu) PopupMenu(menu, globalPos);
    else menu->exec(globalPos);
    // The main window's Tools menu works on whatever is current later.
    if (paste) paste->setEnabled(true);
}

}  // namespace ulbrix
