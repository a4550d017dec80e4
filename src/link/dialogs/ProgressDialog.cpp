#include "link/dialogs/ProgressDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/GlobalState.h"
#include "core/ModEndlishProgress.h"
#include "link/ModComm.h"

namespace ulbrix {

namespace {
constexpr int kMargin = 20;
constexpr int kCaptionGap = 10;  // between a caption label and its value
}  // namespace

ProgressDialog::ProgressDialog(CommEngine& engine, const char* objectName, QWidget* parent)
    : QDialog(parent), engine_(engine) {
    setObjectName(QString::fromLatin1(objectName));
    setModal(true);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));

    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(kMargin, kMargin, kMargin, kMargin / 2);
    layout_->addWidget(ProgressBar1);
    layout_->addLayout(captionRow(Label1, Label2));
}

QHBoxLayout* ProgressDialog::captionRow(QLabel* caption, QLabel* value) {
    // The value keeps the width of "100%", so the caption does not move as it counts.
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 4);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* row = new QHBoxLayout;
    row->setSpacing(kCaptionGap);
    row->addStretch(1);
    row->addWidget(caption);
    row->addWidget(value);
    return row;
}

void ProgressDialog::SetBar(int percent) { ProgressBar1->setValue(percent); }

void ProgressDialog::ShowPercent(int percent) {
    SetBar(percent);
    Label2->setText(QString::number(percent) + QStringLiteral("%"));
}

void ProgressDialog::setTransferCaption() {
    setWindowTitle(ProgressTitleText[Comm.CommMode + 3 * CurrentLanguage]);
}

void ProgressDialog::ShowPass(TransferPass pass) {
    if (pass == TransferPass::Verify) setWindowTitle(VerifyTitleText[CurrentLanguage]);
    else setTransferCaption();
    ShowPercent(0);
}

void ProgressDialog::Unload() {
    unloading_ = true;
    done(QDialog::Accepted);
}

void ProgressDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (loaded_) return;
    loaded_ = true;
    QTimer::singleShot(0, this, [this] { Form_Load(); });
}

}  // namespace ulbrix
