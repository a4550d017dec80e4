#include "editors/settings/FrmToneTips.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <vector>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "editors/ComboHelpers.h"
#include "editors/settings/RogerBeepChart.h"
#include "editors/settings/RogerBeepRules.h"

namespace ulbrix {

namespace {

std::function<PlayerIO()>& playerIOFactory() {
    static std::function<PlayerIO()> factory = SoundCardIO;
    return factory;
}

// Frequency list: item 0 "None", item j (1..216) is (j + 39) x 10 Hz, stored as j + 39.
constexpr int FirstFreq = 40, LastFreq = 255;
int frequencyItemOf(int freq) { return freq >= FirstFreq && freq <= LastFreq ? freq - FirstFreq + 1 : 0; }
Integer frequencyOfItem(int item) {
    return static_cast<Integer>(item >= 1 && item <= LastFreq - FirstFreq + 1 ? item + FirstFreq - 1 : 0);
}
// The frequency item of a pitch as played: None for silence, -1 when the
// list does not offer it.
int frequencyItemOfHz(int hz) {
    if (hz == 0) return 0;
    return hz % 10 == 0 && hz / 10 >= FirstFreq && hz / 10 <= LastFreq ? frequencyItemOf(hz / 10) : -1;
}
// Passes Off, 1..10; gap and lengths 0..255 (x 10 ms): the item is the value.
constexpr int MaxPasses = 10, MaxLength = 255;
int itemOf(int value, int max) { return value >= 0 && value <= max ? value : 0; }

// Shows `item`; with -1, a value the list does not offer (from a file) shows
// as its own text, so the list still says what plays.
void showItem(QComboBox* box, int item, const QString& unlisted = QString()) {
    ShowComboValue(box, {item, item < 0 ? unlisted : QString()});
}

RogerBeepPattern& shownPattern() {
    const int n = Player.CurrentRBIndex;
    if (n < 1 || n > RBPatternCount) throw std::out_of_range("roger-beep pattern number");
    return WorkDocument.RogerBeep.at(static_cast<std::size_t>(n));
}

RogerBeepTone& toneOf(RogerBeepPattern& p, int tone) { return p.Tone.at(static_cast<std::size_t>(tone + 1)); }

QComboBox* makeList(QWidget* parent, const QString& name, int leftTw, int topTw) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(px(leftTw), px(topTw), px(1335), 22);
    // Long lists drop down as a short scrolling list, whatever the style.
    box->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    box->setMaxVisibleItems(12);
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& name, int leftTw, int topTw) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->move(px(leftTw), px(topTw));
    return label;
}

// A label's right edge 100 twips left of its control.
void alignLeftOf(QLabel* label, QWidget* control) {
    label->adjustSize();
    label->move(std::max(0, control->x() - label->width() - px(100)), control->y() + (control->height() - label->height()) / 2);
    SetCaptionBuddy(label, control);
}

}  // namespace

void FrmToneTips::SetPlayerIOFactory(std::function<PlayerIO()> factory) {
    playerIOFactory() = factory ? std::move(factory) : std::function<PlayerIO()>(SoundCardIO);
}

FrmToneTips::FrmToneTips(QWidget* parent) : EditorBase(parent) {
    buildControls();
    Player.CurrentRBIndex = static_cast<Integer>(TabStrip1->currentIndex() + 1);
    SetLanguageText();
    InitToneCombos();
    ShowRBPattern();
}

void FrmToneTips::buildControls() {
    // Laid out by position, as designed: the frame must not shrink it.
    setMinimumSize(px(10455), px(7215));
    resize(px(10455), px(7215));
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    for (int i = 0; i < RBPatternCount; ++i) TabStrip1->addTab(QString());
    TabStrip1->setGeometry(px(120), px(120), px(10215), px(360));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Frame1->setGeometry(px(240), px(480), px(9975), px(5775));

    makeLabel(Frame1, QStringLiteral("Label1_0"), 0, 360);
    makeLabel(Frame1, QStringLiteral("Label2_0"), 0, 360);
    Combo1 = makeList(Frame1, QStringLiteral("Combo1_0"), 2520, 360);
    Combo2 = makeList(Frame1, QStringLiteral("Combo2_0"), 7080, 360);
    makeLabel(Frame1, QStringLiteral("Label3_0"), 2040, 960);
    makeLabel(Frame1, QStringLiteral("Label4_0"), 3480, 960);
    makeLabel(Frame1, QStringLiteral("Label3_1"), 6960, 960);
    makeLabel(Frame1, QStringLiteral("Label4_1"), 8520, 960);
    for (int i = 0; i < RBToneCount; ++i) {
        const bool right = i >= 7;
        const int top = 1320 + 360 * (i % 7);
        makeLabel(Frame1, QStringLiteral("Label5_%1").arg(i), right ? 6000 : 960, top + 45);
        Combo3.at(static_cast<std::size_t>(i)) = makeList(Frame1, QStringLiteral("Combo3_%1").arg(i), right ? 6840 : 1800, top);
        Combo4.at(static_cast<std::size_t>(i)) = makeList(Frame1, QStringLiteral("Combo4_%1").arg(i), right ? 8400 : 3360, top);
    }
    auto* divider = new QFrame(Frame1);
    divider->setObjectName(QStringLiteral("Frame2"));
    divider->setFrameShape(QFrame::VLine);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(px(5040) - 1, px(840), 3, px(3015));

    Picture1 = new RogerBeepChart(Frame1);
    Picture1->setObjectName(QStringLiteral("Picture1_0"));
    Picture1->setGeometry(px(120), px(4080), px(8295), px(1575));
    Command1 = new QPushButton(Frame1);
    Command1->setObjectName(QStringLiteral("Command1_0"));
    Command1->setGeometry(px(8520), px(4800), px(1335), px(375));
    Command2 = new QPushButton(Frame1);
    Command2->setObjectName(QStringLiteral("Command2_0"));
    Command2->setGeometry(px(8520), px(5280), px(1335), px(375));

    addCommonButtons(QRect(8640, 6720, 1095, 375), QRect(7320, 6720, 1095, 375));

    onEvent(TabStrip1, &QTabBar::currentChanged, [this](int index) { TabStrip1_Click(index); });
    onPick(Combo1, [this](int index) { Combo1_Click(index); });
    onPick(Combo2, [this](int index) { Combo2_Click(index); });
    for (int i = 0; i < RBToneCount; ++i) {
        onPick(Combo3.at(static_cast<std::size_t>(i)), [this, i](int index) { Combo3_Click(i, index); });
        onPick(Combo4.at(static_cast<std::size_t>(i)), [this, i](int index) { Combo4_Click(i, index); });
    }
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { StopPlaying(); });
}

void FrmToneTips::SetLanguageText() {
    setWindowTitle(GetRBText(29000));
    for (int i = 0; i < TabStrip1->count(); ++i)
        TabStrip1->setTabText(i, GetRBText(29001) + QLatin1Char(' ') + QString::number(i + 1));
    auto label = [this](const QString& name) { return Frame1->findChild<QLabel*>(name); };
    label(QStringLiteral("Label1_0"))->setText(GetRBText(29002));
    label(QStringLiteral("Label2_0"))->setText(GetRBText(29003));
    for (int side = 0; side < 2; ++side) {
        label(QStringLiteral("Label3_%1").arg(side))->setText(GetRBText(29004));
        label(QStringLiteral("Label4_%1").arg(side))->setText(GetRBText(29005));
    }
    for (int i = 0; i < RBToneCount; ++i) label(QStringLiteral("Label5_%1").arg(i))->setText(GetRBText(29100 + i));
    fitCaptions();
    alignLeftOf(label(QStringLiteral("Label1_0")), Combo1);
    alignLeftOf(label(QStringLiteral("Label2_0")), Combo2);
    for (int side = 0; side < 2; ++side) {
        QLabel* freq = label(QStringLiteral("Label3_%1").arg(side));
        QLabel* length = label(QStringLiteral("Label4_%1").arg(side));
        freq->adjustSize();
        length->adjustSize();
        SetCaptionBuddy(freq, Combo3.at(static_cast<std::size_t>(7 * side)));
        SetCaptionBuddy(length, Combo4.at(static_cast<std::size_t>(7 * side)));
    }
    for (int i = 0; i < RBToneCount; ++i)
        alignLeftOf(label(QStringLiteral("Label5_%1").arg(i)), Combo3.at(static_cast<std::size_t>(i)));
    Command1->setText(GetRBText(29006));
    Command2->setText(GetRBText(29007));
    SetCommonButtonCaptions(this);
}

void FrmToneTips::fitCaptions() {
    // The room of each caption: left of its list from the list or divider
    // before it, or above its column up to the next caption; 120 twips apart.
    const int gap = px(120), divider = px(5040) + 2;
    auto label = [this](const QString& name) { return Frame1->findChild<QLabel*>(name); };
    std::vector<CaptionSpace> captions{
        {label(QStringLiteral("Label1_0")), Combo1->x() - px(100) - gap},
        {label(QStringLiteral("Label2_0")), Combo2->x() - px(100) - (Combo1->geometry().right() + gap)},
    };
    for (int side = 0; side < 2; ++side) {
        QLabel* freq = label(QStringLiteral("Label3_%1").arg(side));
        QLabel* length = label(QStringLiteral("Label4_%1").arg(side));
        const int end = side == 0 ? divider : Frame1->width();
        captions.push_back({freq, length->x() - gap - freq->x()});
        captions.push_back({length, end - gap - length->x()});
    }
    for (int i = 0; i < RBToneCount; ++i) {
        const int start = i >= 7 ? divider + gap : gap;
        captions.push_back({label(QStringLiteral("Label5_%1").arg(i)),
                            Combo3.at(static_cast<std::size_t>(i))->x() - px(100) - start});
    }
    FitCaptions(captions);
}

void FrmToneTips::InitToneCombos() {
    FillGuard guard(*this);
    QStringList passes{GetRBText(29200)};
    for (int k = 1; k <= MaxPasses; ++k) passes << QString::number(k);
    QStringList lengths;
    for (int k = 0; k <= MaxLength; ++k) lengths << QString::number(k * 10);
    QStringList frequencies{GetRBText(29201)};
    for (int v = FirstFreq; v <= LastFreq; ++v) frequencies << QString::number(v * 10);

    Combo1->clear();
    Combo1->addItems(passes);
    // Each list has items of its own: a value one of them lacks is shown as
    // an item of that list alone.
    Combo2->clear();
    Combo2->addItems(lengths);
    for (QComboBox* box : Combo3) {
        box->clear();
        box->addItems(frequencies);
    }
    for (QComboBox* box : Combo4) {
        box->clear();
        box->addItems(lengths);
    }
}

void FrmToneTips::ShowRBPattern() {
    FillGuard guard(*this);
    // Each value is shown as it plays: a length or gap beyond what is sounded
    // shows the held one, a pitch too low to sound shows None, and a count or
    // pitch the lists lack shows its own text. Nothing is stored.
    RogerBeepPattern& p = shownPattern();
    showItem(Combo1, p.Recycle > MaxPasses ? -1 : itemOf(p.Recycle, MaxPasses), QString::number(p.Recycle));
    showItem(Combo2, PlayedGapMs(Long{p.Interval} * 10) / 10);
    for (int i = 0; i < RBToneCount; ++i) {
        const int hz = PlayedToneHz(toneOf(p, i));
        showItem(Combo3.at(static_cast<std::size_t>(i)), frequencyItemOfHz(hz), QString::number(hz));
        showItem(Combo4.at(static_cast<std::size_t>(i)), PlayedToneMs(toneOf(p, i)) / 10);
    }
    Picture1->setPattern(Player.CurrentRBIndex);
}

void FrmToneTips::TabStrip1_Click(int index) {
    if (index < 0 || index + 1 == Player.CurrentRBIndex) return;
    Player.CurrentRBIndex = static_cast<Integer>(index + 1);
    ShowRBPattern();
}

bool FrmToneTips::changeUnlessLastValidGoes(const std::function<void(RogerBeepPattern&)>& change) {
    RogerBeepPattern& p = shownPattern();
    const RogerBeepPattern before = p;
    const int validBefore = CountValidRB();
    change(p);
    if (validBefore > 0 && CountValidRB() == 0) {
        p = before;
        ShowRBPattern();  // the list shows the stored value again
        return false;
    }
    return true;
}

void FrmToneTips::Combo1_Click(int index) {
    if (index < 0 || index == shownPattern().Recycle) return;
    if (!changeUnlessLastValidGoes([index](RogerBeepPattern& p) { p.Recycle = static_cast<Integer>(index); }))
        return;
    RefreshRBReferences();
}

void FrmToneTips::Combo2_Click(int index) {
    if (index < 0) return;
    shownPattern().Interval = static_cast<Integer>(index);
}

void FrmToneTips::Combo3_Click(int tone, int index) {
    if (index < 0) return;
    toneOf(shownPattern(), tone).Freq = frequencyOfItem(index);
    Picture1->update();
}

void FrmToneTips::Combo4_Click(int tone, int index) {
    if (index < 0 || index == toneOf(shownPattern(), tone).Length) return;
    if (!changeUnlessLastValidGoes(
            [tone, index](RogerBeepPattern& p) { toneOf(p, tone).Length = static_cast<Integer>(index); }))
        return;
    Picture1->update();
    RefreshRBReferences();
}

void FrmToneTips::Command1_Click() {
    if (!PrepareRBPlay(Player.CurrentRBIndex)) return;
    QPointer<FrmToneTips> self(this);
    Command1->setEnabled(false);
    ++playDepth_;
    const PlayerIO io = playerIOFactory()();
    PlayRB(io);
    if (!self) return;
    --playDepth_;
    if (closedDuringPlay_) {
        // Closed while playing: no widget is touched any more; the window
        // goes once no playback of it is left on the stack.
        if (playDepth_ == 0 && deleteWhenDone_) deleteWhenDone_->deleteLater();
        return;
    }
    StopPlaying();
}

void FrmToneTips::StopPlaying() {
    RequestStopPlay();
    Command1->setEnabled(true);
}

void FrmToneTips::formUnload() {
    RequestStopPlay();
    if (playDepth_ == 0) return;
    // The Play handler is still on the stack: the window must outlive it.
    // Whoever would delete it on this close (its frame, or itself) is told
    // not to; the Play handler deletes it when it has unwound.
    closedDuringPlay_ = true;
    QWidget* owner = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!owner || !owner->testAttribute(Qt::WA_DeleteOnClose)) owner = this;
    if (owner->testAttribute(Qt::WA_DeleteOnClose)) {
        owner->setAttribute(Qt::WA_DeleteOnClose, false);
        deleteWhenDone_ = owner;
    }
}

}  // namespace ulbrix
