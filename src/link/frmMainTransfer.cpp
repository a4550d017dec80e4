#include "link/frmMainTransfer.h"

#include <QWidget>

#include "core/ModMain.h"
#include "core/ModMsg.h"
#include "core/ModVersion.h"
#include "link/ChangedBlockMap.h"
#include "link/FrmComSet.h"
#include "link/FrmProgress.h"
#include "link/ImageValidation.h"
#include "link/ModChannelCodec.h"
#include "link/ModComm.h"
#include "link/RadioImage.h"
#include "link/frmMProgress.h"
#include "platform/MsgBox.h"
#include "platform/SerialLink.h"

namespace ulbrix {

frmMainTransfer::frmMainTransfer(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmMainTransfer"));
    MSComm1 = new platform::SerialLink(this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    WaitTimer = new QTimer(this);
    WaitTimer->setObjectName(QStringLiteral("WaitTimer"));
    TimerWrite = new QTimer(this);
    TimerWrite->setObjectName(QStringLiteral("TimerWrite"));
    TimerWrite->setInterval(200);
    connect(TimerWrite, &QTimer::timeout, this, &frmMainTransfer::TimerWrite_Timer);

    engine_ = new CommEngine(MSComm1, WaitTimer, this);
    engine_->showProgress = [this](int percent) {
        if (App.BatchWrite) {
            if (batchProgress_) batchProgress_->ShowPercent(percent);
        } else if (progress_ && progress_->isVisible()) {
            progress_->ShowPercent(percent);
        }
    };
    engine_->closeProgress = [this] {
        if (batchProgress_) batchProgress_->Unload();
        if (progress_) progress_->Unload();
    };
    engine_->unloadChildForms = [this] {
        if (unloadChildForms) unloadChildForms();
    };
    engine_->afterRead = [this] {
        if (afterRead) afterRead();
    };
    engine_->saveQuestion = [this] { return saveQuestion ? saveQuestion() : true; };
    engine_->portChanged = [this] {
        if (portChanged) portChanged();
    };
    // A hand-over to another release must not leave the port open.
    previousHandOver_ = SetHandOverHook([this] { MSComm1->close(); });
}

frmMainTransfer::~frmMainTransfer() { SetHandOverHook(std::move(previousHandOver_)); }

bool frmMainTransfer::TransferUnderWay() const { return engine_->TransferUnderWay(); }

void frmMainTransfer::runProgress() {
    FrmProgress dialog(*engine_, mainWindow_);
    progress_ = &dialog;
    dialog.exec();
    progress_ = nullptr;
}

void frmMainTransfer::runBatchProgress() {
    frmMProgress dialog(*engine_, mainWindow_);
    batchProgress_ = &dialog;
    dialog.exec();
    batchProgress_ = nullptr;
}

// Asks to go on; on anything but OK the port is closed and nothing changes.
bool frmMainTransfer::confirm(const TextTable& text) {
    if (platform::MsgBox(Tr(text), platform::MsgButtons::OkCancel, platform::MsgIcon::Question) ==
        platform::MsgResult::Ok)
        return true;
    engine_->ClosePort();
    Comm.CommActive = false;
    Comm.CommMode = CommModeIdle;
    return false;
}

// A document that cannot be packed as it is must not reach the radio.
bool frmMainTransfer::documentWritable() {
    const std::vector<ImageProblem> problems = ValidateDocumentForWrite();
    if (problems.empty()) return true;
    platform::MsgBox(ProblemsMessage(problems, CurrentLanguage), platform::MsgButtons::Ok,
                     platform::MsgIcon::Exclamation);
    return false;
}

void frmMainTransfer::mnuReadFromRadio_Click() {
    if (TransferUnderWay()) return;
    Comm.CommMode = CommModeRead;
    Comm.ReadStep = StepIdle;
    if (!engine_->OpenCommPort()) {
        Comm.CommMode = CommModeIdle;
        return;
    }
    if (!confirm(MsgReadConfirm)) return;
    ClearBlockMap(0);
    ClearImage();
    runProgress();
}

void frmMainTransfer::mnuWriteToRadio_Click() {
    if (TransferUnderWay() || TimerWrite->isActive()) return;
    if (commitEditors) commitEditors();
    TimerWrite->start();
}

void frmMainTransfer::TimerWrite_Timer() {
    TimerWrite->stop();
    if (TransferUnderWay()) return;
    if (!documentWritable()) return;
    Comm.CommMode = CommModeWrite;
    Comm.WriteStep = StepIdle;
    if (!engine_->OpenCommPort()) {
        Comm.CommMode = CommModeIdle;
        return;
    }
    if (!confirm(MsgWriteConfirm)) return;
    ClearImage();
    PackImage();
    runProgress();
}

void frmMainTransfer::mnuMWriteToRadio_Click() {
    if (TransferUnderWay()) return;
    if (!documentWritable()) return;
    Comm.CommMode = CommModeWrite;
    Comm.WriteStep = StepIdle;
    if (!engine_->OpenCommPort()) {
        Comm.CommMode = CommModeIdle;
        return;
    }
    if (!confirm(MsgWriteConfirm)) return;
    ClearImage();
    PackImage();
    App.BatchWrite = true;
    runBatchProgress();
}

void frmMainTransfer::mnuRadioInfo_Click() {
    if (TransferUnderWay()) return;
    Comm.CommMode = CommModeRadioInfo;
    Comm.ReadStep = StepIdle;
    if (engine_->OpenCommPort()) engine_->SendProgramCmd();
    else Comm.CommMode = CommModeIdle;
}

void frmMainTransfer::ReadRMGDataFromRadio() {
    if (TransferUnderWay()) return;
    Comm.CommMode = CommModeRadioInfo;
    if (engine_->OpenCommPort()) {
        ClearImage();
        engine_->SendProgramCmd();
    } else {
        Comm.CommMode = CommModeIdle;
    }
}

void frmMainTransfer::mnuComm_Click() {
    if (TransferUnderWay()) return;
    FrmComSet dialog(mainWindow_);
    dialog.exec();
    if (dialog.PortStored() && portChanged) portChanged();
}

}  // namespace ulbrix
