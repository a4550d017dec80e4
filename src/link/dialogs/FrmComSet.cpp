#include "link/dialogs/FrmComSet.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/ModEnglish.h"
#include "core/GlobalState.h"
#include "core/ModMsg.h"

namespace ulbrix {

FrmComSet::FrmComSet(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmComSet"));
    setModal(true);
    setFixedSize(300, 120);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label1->setBuddy(Combo1);
    CommandOK = new QPushButton(this);
    CommandOK->setObjectName(QStringLiteral("CommandOK"));
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton(this);
    CommandCancel->setObjectName(QStringLiteral("CommandCancel"));

    auto* portRow = new QHBoxLayout;
    portRow->setSpacing(10);
    portRow->addWidget(Label1);
    portRow->addWidget(Combo1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(20);
    buttons->addStretch(1);
    buttons->addWidget(CommandOK);
    buttons->addWidget(CommandCancel);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->addLayout(portRow);
    layout->addStretch(1);
    layout->addLayout(buttons);
    ReShowComPortTimer = new QTimer(this);
    ReShowComPortTimer->setInterval(1000);

    connect(Combo1, &QComboBox::currentIndexChanged, this, &FrmComSet::Combo1_Click);
    connect(CommandOK, &QPushButton::clicked, this, &FrmComSet::CommandOK_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FrmComSet::CommandCancel_Click);
    connect(ReShowComPortTimer, &QTimer::timeout, this, &FrmComSet::ReShowComPortTimer_Timer);
    Form_Load();
}

void FrmComSet::SetLanguageText() {
    setWindowTitle(Tr(CapCommunicationPort));
    Label1->setText(Tr(CapCOM));
    SetOkCancelCaptions(this);
}

void FrmComSet::fillCombo() {
    filling_ = true;
    Combo1->clear();
    Combo1->addItems(model_.Items);
    Combo1->setCurrentIndex(model_.ShownIndex);
    filling_ = false;
}

void FrmComSet::Form_Load() {
    SetLanguageText();
    model_.Load(App.IsVista, App.ComPort);
    fillCombo();
    if (App.IsVista != 1) ReShowComPortTimer->start();
}

void FrmComSet::ReShowComPortTimer_Timer() {
    const bool open = Combo1->view() && Combo1->view()->isVisible();
    if (model_.Refresh(open)) fillCombo();
}

void FrmComSet::Combo1_Click(int index) {
    if (filling_) return;
    model_.Select(index);
}

void FrmComSet::CommandOK_Click() {
    stored_ = model_.Ok(Combo1->currentIndex());
    accept();
}

void FrmComSet::CommandCancel_Click() { reject(); }

void FrmComSet::done(int r) {
    ReShowComPortTimer->stop();
    QDialog::done(r);
}

}  // namespace ulbrix
