#include "link/dialogs/frmMProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <algorithm>

#include "core/ModEndlishProgress.h"
#include "core/GlobalState.h"
#include "link/ModComm.h"

namespace ulbrix {

frmMProgress::frmMProgress(CommEngine& engine, QWidget* parent) : QDialog(parent), engine_(engine) {
    setObjectName(QStringLiteral("frmMProgress"));
    setModal(true);
    setFixedSize(380, 150);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(20, 20, 340, 22);
    ProgressBar2 = new QProgressBar(this);
    ProgressBar2->setTextVisible(false);
    ProgressBar2->setGeometry(20, 80, 340, 22);
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    Label2->setGeometry(300, 50, 60, 20);
    Label3 = new QLabel(this);
    Label3->setGeometry(300, 110, 60, 20);
    Label4 = new QLabel(this);
}

void frmMProgress::ShowPercent(int percent) {
    ProgressBar1->setValue(percent);
    Label2->setText(QString::number(percent) + QStringLiteral("%"));
}

void frmMProgress::Unload() {
    unloading_ = true;
    done(QDialog::Accepted);
}

void frmMProgress::Form_Load() {
    ShowPercent(0);
    // A batch of BatchCount radios; the bar needs a range of at least one.
    ProgressBar2->setRange(0, std::max(BatchCount, 1));
    ProgressBar2->setValue(1);
    Label3->setText(QStringLiteral("1"));
    App.BatchFormOpen = true;
    setWindowTitle(ProgressTitleText[Comm.CommMode + 3 * CurrentLanguage]);
    Label1->setText(ProgressLabelText[CurrentLanguage]);
    Label4->setText(RadioCountText[CurrentLanguage]);
    int w = Label1->sizeHint().width();
    Label1->setGeometry(Label2->x() - w - 10, Label2->y(), w, Label2->height());
    w = Label4->sizeHint().width();
    Label4->setGeometry(Label3->x() - w - 10, Label3->y(), w, Label3->height());
    engine_.SendProgramCmd();
}

void frmMProgress::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (loaded_) return;
    loaded_ = true;
    QTimer::singleShot(0, this, [this] { Form_Load(); });
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
