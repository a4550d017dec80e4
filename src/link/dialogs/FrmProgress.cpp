#include "link/dialogs/FrmProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <exception>

#include "core/ModEndlishProgress.h"
#include "core/GlobalState.h"
#include "link/ModComm.h"
#include "platform/MsgBox.h"

namespace ulbrix {

namespace {
// Runs a routine; a failure inside it is reported by its fixed text and ends it.
template <typename F>
void trapped(const char* errorText, F&& f) {
    try {
        f();
    } catch (const std::exception&) {
        platform::MsgBox(QString::fromLatin1(errorText), platform::MsgButtons::Ok);
    }
}
}  // namespace

FrmProgress::FrmProgress(CommEngine& engine, QWidget* parent) : QDialog(parent), engine_(engine) {
    setObjectName(QStringLiteral("FrmProgress"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(380, 100);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setGeometry(20, 20, 340, 22);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(300, 60, 60, 20);
}

void FrmProgress::SetProgressValue(int rValue) {
    trapped("SetProgressValueError", [&] { ProgressBar1->setValue(rValue); });
}

void FrmProgress::ShowPercent(int percent) {
    SetProgressValue(percent);
    Label2->setText(QString::number(percent) + QStringLiteral("%"));
}

void FrmProgress::Unload() {
    unloading_ = true;
    done(QDialog::Accepted);
}

void FrmProgress::ChangShowByLanguage() {
    trapped("ProgressChangShowByLanguageError", [&] {
        setWindowTitle(ProgressTitleText[Comm.CommMode + 3 * CurrentLanguage]);
        Label1->setText(ProgressLabelText[CurrentLanguage]);
    });
}

void FrmProgress::justSize() {
    trapped("ProgressjustSizeError", [&] {
        const int width = Label1->sizeHint().width();
        Label1->setGeometry(Label2->x() - width - 10, Label2->y(), width, Label2->height());
    });
}

void FrmProgress::Form_Load() {
    trapped("ProgressForm_LoadError", [&] {
        ChangShowByLanguage();
        justSize();
        ShowPercent(0);
        if (Comm.CommMode == CommModeRead || Comm.CommMode == CommModeWrite) engine_.SendProgramCmd();
    });
    // Nothing under way would ever close this dialog, and the user cannot.
    if (!engine_.TransferUnderWay()) Unload();
}

void FrmProgress::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (loaded_) return;
    loaded_ = true;
    // Start once the modal loop runs, so that the transfer's end can leave it.
    QTimer::singleShot(0, this, [this] { Form_Load(); });
}

void FrmProgress::closeEvent(QCloseEvent* e) {
    if (unloading_) QDialog::closeEvent(e);
    else e->ignore();
}

void FrmProgress::reject() {
    if (unloading_) QDialog::reject();
}

}  // namespace ulbrix
