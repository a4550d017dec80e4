#include "link/dialogs/FrmProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <exception>

#include "core/GlobalState.h"
#include "core/ModEndlishProgress.h"
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

FrmProgress::FrmProgress(CommEngine& engine, QWidget* parent) : ProgressDialog(engine, "FrmProgress", parent) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(380, 100);
}

void FrmProgress::SetProgressValue(int rValue) {
    trapped("SetProgressValueError", [&] { ProgressBar1->setValue(rValue); });
}

void FrmProgress::SetBar(int percent) { SetProgressValue(percent); }

void FrmProgress::ChangShowByLanguage() {
    trapped("ProgressChangShowByLanguageError", [&] {
        setTransferCaption();
        Label1->setText(ProgressLabelText[CurrentLanguage]);
    });
}

// The caption ends 10 units left of the percentage: the row's layout keeps
// it there once it knows the caption's new width.
void FrmProgress::justSize() {
    trapped("ProgressjustSizeError", [&] {
        Label1->adjustSize();
        layout_->activate();
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

void FrmProgress::closeEvent(QCloseEvent* e) {
    if (unloading_) QDialog::closeEvent(e);
    else e->ignore();
}

void FrmProgress::reject() {
    if (unloading_) QDialog::reject();
}

}  // namespace ulbrix
