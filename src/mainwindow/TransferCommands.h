// The main window's radio transfer commands: read, write, batch write, the
// hidden radio-information reads and the port dialog. It owns the serial
// control and the two timers of a transfer; the main window constructs it
// with itself as parent, wires its menus and toolbar keys to the slots below
// and fills the hooks.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "link/ImageValidation.h"

class QWidget;

namespace platform {
class SerialLink;
}

namespace ulbrix {

class CommEngine;
class TextTable;
class FrmProgress;
class frmMProgress;

// Open's DocumentCheck: the write's refusal of a value the radio cannot hold,
// in the current language; empty when the file may open.
QString OpenDocumentRefusal(const DocumentImage& doc, const ChannelTableType& channels,
                            const MemChannelListType& memList);

class TransferCommands : public QObject {
    Q_OBJECT
public:
    explicit TransferCommands(QWidget* mainWindow);
    ~TransferCommands() override;

    // True from the moment a transfer opens the port until it has finished.
    bool TransferUnderWay() const;

    // Asks every open editor to commit a pending edit (before a write).
    std::function<void()> commitEditors;
    // Closes every child window before a read replaces the document.
    std::function<void()> unloadChildForms;
    // After a successful read has replaced the document: re-apply the main
    // window's texts and caption, reopen the channel editor, cascade.
    std::function<void()> afterRead;
    // The port number changed (status bar).
    std::function<void()> portChanged;
    // The save question before the program hands over to another release,
    // asked only when the document is modified; false when the user cancels.
    std::function<bool()> saveQuestion;

    platform::SerialLink* MSComm1 = nullptr;
    QTimer* WaitTimer = nullptr;   // reply time-out, 1000 ms
    QTimer* TimerWrite = nullptr;  // write start, 200 ms, one-shot

    CommEngine& engine() { return *engine_; }

public slots:
    void mnuReadFromRadio_Click();
    void mnuWriteToRadio_Click();
    void TimerWrite_Timer();
    void mnuMWriteToRadio_Click();
    void mnuRadioInfo_Click();
    void ReadRMGDataFromRadio();
    // Settings > Communication Port and toolbar key "CommSet".
    void mnuComm_Click();

private:
    void runProgress();
    void runBatchProgress();
    bool confirm(const TextTable& text);
    bool documentWritable();
    bool openForMode(int mode);
    bool prepareWrite();

    QWidget* mainWindow_;
    CommEngine* engine_ = nullptr;
    QPointer<FrmProgress> progress_;
    QPointer<frmMProgress> batchProgress_;
    std::function<void()> previousHandOver_;
};

}  // namespace ulbrix
