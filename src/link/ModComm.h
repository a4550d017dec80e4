// The radio transfer: frames, reply checks, the block walk, time-outs and
// resends, the model and firmware check and the end of a transfer. The
// engine runs entirely on the UI thread as a chain of event handlers (bytes
// arrived, reply timer); nothing in it waits or sleeps. Windows take part only
// through the hooks below, so the engine runs in tests without any window.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform {
class SerialLink;
}

namespace ulbrix {

enum CommModeValue : int {
    CommModeIdle = 0,
    CommModeRead = 1,
    CommModeWrite = 2,
    CommModeRadioInfo = 3,
    CommModePortSearch = 9,
};

// Steps of a read (ReadStep) and a write (WriteStep).
enum CommStepValue : int {
    StepIdle = 0,
    StepProgramSent = 1,
    StepIdentifySent = 3,
    StepWriteBlocks = 4,
    StepReadBlocks = 5,
    StepVerifyRead = 6,      // write: a block read back after a line fault
    StepVerifyRewrite = 7,   // write: a block that read back wrong, written again
    StepEndAfterWalk = 69,
    StepEndAfterFailedCheck = 70,
    StepEndAfterCancel = 71, // "END" sent once after the user gave up
};

// The two passes of a write that met line faults, as the progress shows them.
enum class TransferPass { Transfer, Verify };

struct CommState {
    int CommMode = CommModeIdle;
    int ReadStep = StepIdle;
    int WriteStep = StepIdle;
    std::int32_t CommTotal = 139776;
    int CommBlockSize = 16;
    std::int32_t CommAddress = -16;
    int CommLastPercent = 0;
    QString RadioModelText;
    // Set from the identify reply's option byte; the optional-features editor
    // sets it too when it loads. Read by that editor and the band-0 range check.
    bool RadioHasOption = false;
    int SendAttempt = 0;
    QByteArray LastFrame;
    int LastFrameLen = 0;
    int ExpectedReplyLen = 0;
    bool CommActive = false;
    int BatchIndex = 0;  // counted up at each successful batch radio, never reset
};

inline CommState Comm;
inline bool& RadioHasOption = Comm.RadioHasOption;
// Radios of a batch write; nothing sets it, so a batch is one radio.
inline int BatchCount = 0;

// Sends of one frame before the transfer gives up on it.
inline constexpr int MaxSendAttempts = 5;
// The reply time-out of WaitTimer.
inline constexpr int DefaultReplyTimeoutMs = 1000;
// After a reply that needed a resend, how long the line is left to settle
// (late answers to the earlier sends are dropped) before the next frame.
inline constexpr int DefaultSettleMs = 300;
// Writes of one block during the read-back before the write gives up on it.
inline constexpr int MaxRewrites = 5;

// Said after a write that ended as failed once blocks had gone out.
QString WriteIncompleteText(int language);
// Said when a finished read's data cannot be turned into a document.
QString UnusableReadText(int language);
// Said when "END" went unanswered: the radio may not have left programming mode.
QString EndUnansweredText(int language);

// Fresh transfer state (tests).
void ResetCommState();

// ---- frames ----
QByteArray ProgramFrame();                       // "PROGRAM", reply 3
QByteArray IdentifyFrame();                      // 02, reply 16
QByteArray ReadBlockFrame(std::uint32_t address);  // "R" A3 A2 A1 A0 10, reply 24
// "W" A3 A2 A1 A0 LEN D0..D15 SUM 06 from the image bytes at address; reply 1.
QByteArray WriteBlockFrame(std::uint32_t address, const std::uint8_t* data, int length = 16);
QByteArray EndFrame();                           // "END", reply 1

// Sum of bytes first..last modulo 256; last = 0 means the frame's last index - 2.
std::uint8_t FrameChecksum(const QByteArray& frame, int first, int last = 0);
// The sum of bytes first .. (last index - back - 1) modulo 256 equals the byte
// at (last index - back).
bool VerifyChecksum(const QByteArray& reply, int first, int back);

// ---- replies ----
enum class ReplyKind { None, Ack, Program, Ident, ReadData };
bool IsAckReply(const QByteArray& reply);
bool IsProgramReply(const QByteArray& reply);
bool IsIdentReply(const QByteArray& reply);
// A read reply for address with LEN = blockSize, last byte 06 and a good sum.
bool IsReadDataReply(const QByteArray& reply, std::int64_t address, int blockSize);

// Fills RadioModelText, RadioHasOption and FirmwareVersion from an identify reply.
void ParseIdentReply(const QByteArray& reply);

// address * 100 / total, rounded to the nearest whole number, halves to even.
int ProgressPercent(std::int64_t address, std::int64_t total);

class PortSearch;

// The transfer engine. One exists per serial control; it uses the process-wide
// CommState `Comm`.
class CommEngine : public QObject {
    Q_OBJECT
public:
    // port is MSComm1, waitTimer the 1000 ms reply timer; neither is owned.
    CommEngine(platform::SerialLink* port, QTimer* waitTimer, QObject* parent = nullptr);
    ~CommEngine() override;

    // ---- hooks filled by the windows; each may be left empty ----
    // The progress display (percent 0..100).
    std::function<void(int percent)> showProgress;
    // A new pass starts (the read-back of a write); its bar starts from 0.
    std::function<void(TransferPass pass)> showPass;
    // Unloads the progress dialog (ends its modal loop).
    std::function<void()> closeProgress;
    // Closes every child window before a read replaces the document.
    std::function<void()> unloadChildForms;
    // After a read has replaced the document and named it "new.dat".
    std::function<void()> afterRead;
    // Asked before a hand-over to another release when the document is
    // modified; false when the user cancels.
    std::function<bool()> saveQuestion;
    // The port number changed (the port search saved a new one).
    std::function<void()> portChanged;

    // Test settings: the reply time-out and the settle pause.
    void setReplyTimeout(int ms);
    int replyTimeout() const;
    void setSettleInterval(int ms) { settleMs_ = ms; }

    platform::SerialLink* port() const { return port_; }
    QTimer* waitTimer() const { return wait_; }
    bool TransferUnderWay() const;
    // True while a frame waits for its reply (input is taken only then).
    bool FrameOutstanding() const { return outstanding_; }

    // ---- the transfer ----
    bool OpenCommPort();
    void SendFrame(const QByteArray& frame, int replyLen);
    void ResendFrame();
    // The read-back of a write: one read frame for the block at CommAddress,
    // and, when it read back wrong, the block written again.
    void SendVerifyRead();
    void SendRewriteBlock();
    void SendProgramCmd();
    void SendIdentifyCmd();
    void SendNextReadCmd();
    void SendNextWriteBlock();
    void SendEndCmd();
    void EndTransfer();
    void StoreReadBlock(const QByteArray& reply);
    bool CheckRadioModel();
    void CommStep();
    void CommFinish(bool ok);
    void UpdateProgress();
    void AskRetryConnection();
    // The batch dialog was closed: the batch is cancelled.
    void CancelBatch();
    // Closes MSComm1 if it is open.
    void ClosePort();

    PortSearch& portSearch();

signals:
    // The transfer has ended (after every message it shows).
    void finished(bool ok);

public slots:
    // The receive event of MSComm1.
    void MSComm1_OnComm();
    void WaitTimer_Timer();
    // MSComm1 can no longer be used (adapter unplugged).
    void MSComm1_Failed();

private:
    ReplyKind expectedReply() const;
    bool accepts(ReplyKind kind, const QByteArray& reply) const;
    void transmit();
    void failPort();
    bool endOutstanding() const;
    void resetRun();
    int& step();
    // Anything that went wrong on the line: a time-out, a resend, a reply
    // judged invalid, a byte that came when no frame waited for it.
    void noteFault();
    enum class AfterQuiet { None, Verify, End, EndAgain };
    // Waits until no byte has arrived for one full reply time-out, empties
    // the input, then goes on with next.
    void waitForQuietLine(AfterQuiet next);
    void lineNotQuiet();
    void lineQuiet();
    void startVerify();
    void verifyReply();
    void sendEndNow();
    void sendEndAfterCancel();

    platform::SerialLink* port_;
    QTimer* wait_;
    QTimer settle_;
    int settleMs_ = DefaultSettleMs;
    QTimer quiet_;
    QElapsedTimer quietClock_;
    AfterQuiet afterQuiet_ = AfterQuiet::None;
    bool lineFault_ = false;
    int rewriteTries_ = 0;
    bool blockMatched_ = false;     // the last block read back equals the image
    bool memoryConfirmed_ = false;  // every block is known to hold the image
    bool endUnanswered_ = false;
    QByteArray rx_;
    bool outstanding_ = false;
    bool settleNext_ = false;
    bool blocksSent_ = false;   // a write block went out in this transfer
    bool handOver_ = false;     // start the radio's release after END
    QString failureText_;       // shown with the critical icon at the end
    unsigned run_ = 0;          // changes whenever a transfer ends
    std::unique_ptr<PortSearch> search_;
};

}  // namespace ulbrix
