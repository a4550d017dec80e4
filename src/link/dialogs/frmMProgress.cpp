#include "link/dialogs/frmMProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/GlobalState.h"
#include "core/ModEndlishProgress.h"
#include "link/ModComm.h"

namespace ulbrix {

frmMProgress::frmMProgress(CommEngine& engine, QWidget* parent) : ProgressDialog(engine, "frmMProgress", parent) {
    setFixedSize(380, 150);
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setObjectName(QStringLiteral("ProgressBar2"));
    ProgressBar2->setTextVisible(false);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    layout_->addWidget(ProgressBar2);
    layout_->addLayout(captionRow(Label4, Label3));
}

void frmMProgress::Form_Load() {
    ShowPercent(0);
    // A batch of BatchCount radios; the bar needs a range of at least one.
    ProgressBar2->setRange(0, std::max(BatchCount, 1));
    ProgressBar2->setValue(1);
    Label3->setText(QStringLiteral("1"));
    App.BatchFormOpen = true;
    setTransferCaption();
    Label1->setText(ProgressLabelText[CurrentLanguage]);
    Label4->setText(RadioCountText[CurrentLanguage]);
    engine_.SendProgramCmd();
}

void frmMProgress::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
    if (!unloading_) {
        unloading_ = true;
        engine_.CancelBatch();
    }
}

void frmMProgress::reject() {
    if (!unloading_) {
        unloading_ = true;
        engine_.CancelBatch();
    }
    QDialog::reject();
}

}  // namespace ulbrix
