#include "editors/channels/SpecialChannelDialog.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <stdexcept>
#include <vector>

#include "core/GlobalState.h"
#include "editors/ComboHelpers.h"

namespace ulbrix {

namespace {

const char* const kFrameNames[3] = {"FraCBBAND", "FraHFBand", "FraHANBand"};
const char* const kFrameCaptions[3] = {"CB", "HF Band", "HAM Band"};

}  // namespace

SpecialChannelDialog::SpecialChannelDialog(const SpecialDialogMap& map, QWidget* parent)
    : EditorBase(parent), map_(map) {
    setWindowTitle(QString::fromLatin1(map_.caption));
    buildControls();
    Trap(handlerErrorText(), [this] { Form_Load(); });
}

void SpecialChannelDialog::buildControls() {
    setFixedSize(px(map_.clientWidth), px(map_.clientHeight));
    // The layout is drawn for a small font; a larger one would cut the captions.
    QFont small(QStringLiteral("Tahoma"));
    small.setPointSizeF(8.25);
    setFont(small);
    QGroupBox* frames[3];
    for (int f = 0; f < 3; ++f) {
        const FrameBox& b = map_.frames[f];
        frames[f] = new QGroupBox(QString::fromLatin1(kFrameCaptions[f]), this);
        frames[f]->setObjectName(QString::fromLatin1(kFrameNames[f]));
        // A frame reaching past the window's left edge would lose the start of its caption.
        frames[f]->setGeometry(std::max(0, px(b.left)), px(b.top), px(b.width), px(b.height));
    }
    frames[static_cast<int>(SpecialFrame::CB)]->hide();  // its lists work, but nobody sees them

    int highest = 0;
    for (const SpecialControl& c : map_.controls) highest = std::max(highest, c.combo);
    combos_.assign(static_cast<std::size_t>(highest + 1), nullptr);
    // The captions that are seen share one size; those of the hidden frame fit on their own.
    std::vector<CaptionSpace> captions, unseen;
    for (const SpecialControl& c : map_.controls) {
        QGroupBox* frame = frames[static_cast<int>(c.frame)];
        auto* box = new QComboBox(frame);
        box->setObjectName(QStringLiteral("Combo1_%1").arg(c.combo));
        box->setEditable(false);
        box->setGeometry(px(c.listLeft), px(c.listTop), px(1575), px(315));
        auto* label = new QLabel(QString::fromLatin1(c.caption), frame);
        label->setObjectName(QStringLiteral("lblEuEmg_%1").arg(c.label));
        // The label ends just before its list, on the list's line.
        label->setGeometry(px(c.labelLeft), px(c.listTop), px(c.listLeft - c.labelLeft - 30), px(315));
        label->setBuddy(box);
        (frame->isHidden() ? unseen : captions).push_back({label, label->width()});
        combos_[static_cast<std::size_t>(c.combo)] = box;
        const int index = c.combo;
        onPick(box, [this, index](int) { Combo1_Click(index); });
    }
    FitCaptions(captions);
    FitCaptions(unseen);
    save_ = new QPushButton(QStringLiteral("Save"), this);
    save_->setObjectName(QStringLiteral("cmdSave"));
    save_->setGeometry(px(map_.saveLeft), px(map_.saveTop), px(990), px(360));
    onClick(save_, [this] { cmdSave_Click(); });
}

QComboBox* SpecialChannelDialog::combo(int index) const {
    if (index < 0 || index >= static_cast<int>(combos_.size())) return nullptr;
    return combos_[static_cast<std::size_t>(index)];
}

Integer& SpecialChannelDialog::word(int index) {
    if (index < 0 || index >= static_cast<int>(work_.size())) throw std::out_of_range("special record word");
    return work_[static_cast<std::size_t>(index)];
}

void SpecialChannelDialog::Form_Load() {
    const std::span<Integer> record = map_.record(WorkDocument);
    work_.assign(record.begin(), record.end());
    InitComboLists();
    ShowData();
}

void SpecialChannelDialog::InitComboLists() {
    FillGuard guard(*this);
    // Freed before the memory lists are read, so an entry without a channel is never offered.
    if (map_.clearsUnreferencedMemory) ClearUnreferencedMemEntries();
    for (const SpecialControl& c : map_.controls) {
        QComboBox* box = combo(c.combo);
        box->clear();
        if (c.groupCombo < 0) box->addItems(SpecialItems(c));  // a group's channels wait for the group
    }
}

void SpecialChannelDialog::showControl(const SpecialControl& c, const QStringList& items) {
    QComboBox* box = combo(c.combo);
    FillGuard guard(*this);
    if (ComboItems(box) != items) {
        box->clear();
        box->addItems(items);
    }
    const ShownValue shown = ShowSpecialValue(c, items, word(c.word));
    box->setCurrentIndex(shown.index);
    word(c.word) = shown.value;
}

void SpecialChannelDialog::ShowData() {
    for (const SpecialControl& c : map_.controls) {
        QStringList items;
        if (c.groupCombo >= 0) {
            const QComboBox* group = combo(c.groupCombo);
            items = SpecialItems(c, group ? group->currentIndex() + 1 : 0);
        } else {
            items = ComboItems(combo(c.combo));
        }
        showControl(c, items);
    }
}

void SpecialChannelDialog::Combo1_Click(int index) {
    const SpecialControl* c = FindSpecialControl(map_, index);
    QComboBox* box = combo(index);
    if (!c || !box) return;
    const PickedValue picked = PickSpecialValue(*c, ComboItems(box), box->currentIndex());
    if (!picked.ok) return;
    word(c->word) = picked.value;
    // A new group lists its own channels, so Save never pairs it with another group's channel.
    if (c->list == SpecialList::Groups)
        if (const SpecialControl* channel = ChannelListFollowing(map_, c->combo))
            showControl(*channel, SpecialItems(*channel, box->currentIndex() + 1));
}

void SpecialChannelDialog::cmdSave_Click() {
    const std::span<Integer> record = map_.record(WorkDocument);
    if (record.size() != work_.size()) throw std::length_error("special record size");
    std::copy(work_.begin(), work_.end(), record.begin());
    closeWindow();
}

void SpecialChannelDialog::showEvent(QShowEvent* event) {
    EditorBase::showEvent(event);
    // A fixed-size dialog: no maximise button on its frame.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const Qt::WindowFlags wanted = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                       Qt::WindowCloseButtonHint;
        if (frame->windowFlags() != wanted) frame->setWindowFlags(wanted);
    }
}

}  // namespace ulbrix
