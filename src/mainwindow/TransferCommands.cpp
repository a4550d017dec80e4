#include "mainwindow/TransferCommands.h"

#include <QWidget>
#include <algorithm>

#include "core/GlobalState.h"
#include "core/ModMsg.h"
#include "core/ModVersion.h"
#include "link/ChangedBlockMap.h"
#include "link/dialogs/FrmComSet.h"
#include "link/dialogs/FrmProgress.h"
#include "link/ImageValidation.h"
#include "link/ChannelCodec.h"
#include "link/ModComm.h"
#include "link/RadioImage.h"
#include "link/dialogs/frmMProgress.h"
#include "platform/MsgBox.h"
#include "platform/SerialLink.h"

namespace ulbrix {

TransferCommands::TransferCommands(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("TransferCommands"));
    MSComm1 = new platform::SerialLink(this);
    MSComm1->setObjectName(QStringLiteral("MSComm1"));
    WaitTimer = new QTimer(this);
    WaitTimer->setObjectName(QStringLiteral("WaitTimer"));
    TimerWrite = new QTimer(this);
    TimerWrite->setObjectName(QStringLiteral("TimerWrite"));
    TimerWrite->setInterval(200);
    connect(TimerWrite, &QTimer::timeout, this, &TransferCommands::TimerWrite_Timer);

    engine_ = new CommEngine(MSComm1, WaitTimer, this);
    engine_->showProgress = [this](int percent) {
        if (App.BatchWrite) {
            if (batchProgress_) batchProgress_->ShowPercent(percent);
        } else if (progress_ && progress_->isVisible()) {
            progress_->ShowPercent(percent);
        }
    };
    engine_->showPass = [this](TransferPass pass) {
        if (App.BatchWrite) {
            if (batchProgress_) batchProgress_->ShowPass(pass);
        } else if (progress_) {
            progress_->ShowPass(pass);
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

TransferCommands::~TransferCommands() { SetHandOverHook(std::move(previousHandOver_)); }

bool TransferCommands::TransferUnderWay() const { return engine_->TransferUnderWay(); }

void TransferCommands::runProgress() {
    FrmProgress dialog(*engine_, mainWindow_);
    progress_ = &dialog;
    dialog.exec();
    progress_ = nullptr;
}

void TransferCommands::runBatchProgress() {
    frmMProgress dialog(*engine_, mainWindow_);
    batchProgress_ = &dialog;
    dialog.exec();
    batchProgress_ = nullptr;
}

// Asks to go on; on anything but OK the port is closed and nothing changes.
// A port that failed while the question was open has already ended the
// transfer and said so; OK then starts nothing.
bool TransferCommands::confirm(const TextTable& text) {
    if (platform::MsgBox(Tr(text), platform::MsgButtons::OkCancel, platform::MsgIcon::Question) ==
        platform::MsgResult::Ok)
        return TransferUnderWay();
    engine_->ClosePort();
    Comm.CommActive = false;
    Comm.CommMode = CommModeIdle;
    return false;
}

QString OpenDocumentRefusal(const DocumentImage& doc, const ChannelTableType& channels,
                            const MemChannelListType& memList) {
    const std::vector<ImageProblem> problems = ValidateDocumentForWrite(doc, channels, memList);
    return problems.empty() ? QString() : OpenProblemsMessage(problems, CurrentLanguage);
}

// A document that cannot be packed as it is must not reach the radio.
bool TransferCommands::documentWritable() {
    const std::vector<ImageProblem> problems = ValidateDocumentForWrite(WorkDocument, ChannelTable, MemChannelList);
    if (problems.empty()) return true;
    platform::MsgBox(ProblemsMessage(problems, CurrentLanguage), platform::MsgButtons::Ok,
                     platform::MsgIcon::Exclamation);
    return false;
}

// Sets the mode and opens the port; on failure (already reported) the
// transfer is idle again.
bool TransferCommands::openForMode(int mode) {
    Comm.CommMode = mode;
    Comm.ReadStep = StepIdle;
    Comm.WriteStep = StepIdle;
    if (engine_->OpenCommPort()) return true;
    Comm.CommMode = CommModeIdle;
    return false;
}

// The common start of both writes: check the document, open the port, ask,
// then pack the image from the working records.
bool TransferCommands::prepareWrite() {
    if (!documentWritable()) return false;
    if (!openForMode(CommModeWrite)) return false;
    if (!confirm(MsgWriteConfirm)) return false;
    ClearImage();
    PackImage();
    return true;
}

void TransferCommands::mnuReadFromRadio_Click() {
    if (TransferUnderWay()) return;
    if (!openForMode(CommModeRead)) return;
    if (!confirm(MsgReadConfirm)) return;
    ClearBlockMap(0);
    ClearImage();
    runProgress();
}

void TransferCommands::mnuWriteToRadio_Click() {
    if (TransferUnderWay() || TimerWrite->isActive()) return;
    if (commitEditors) commitEditors();
    TimerWrite->start();
}

void TransferCommands::TimerWrite_Timer() {
    TimerWrite->stop();
    if (TransferUnderWay()) return;
    if (!prepareWrite()) return;
    runProgress();
}

void TransferCommands::mnuMWriteToRadio_Click() {
    if (TransferUnderWay()) return;
    if (commitEditors) commitEditors();
    if (!prepareWrite()) return;
    App.BatchWrite = true;
    runBatchProgress();
}

void TransferCommands::mnuRadioInfo_Click() {
    if (TransferUnderWay()) return;
    if (openForMode(CommModeRadioInfo)) engine_->SendProgramCmd();
}

void TransferCommands::ReadRMGDataFromRadio() {
    if (TransferUnderWay()) return;
    if (!openForMode(CommModeRadioInfo)) return;
    ClearImage();
    engine_->SendProgramCmd();
}

void TransferCommands::mnuComm_Click() {
    if (TransferUnderWay()) return;
    FrmComSet dialog(mainWindow_);
    dialog.exec();
    if (dialog.PortStored() && portChanged) portChanged();
}

}  // namespace ulbrix
