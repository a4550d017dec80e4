#include "link/ModComm.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "core/ModMsg.h"
#include "core/ModVersion.h"
#include "link/ChangedBlockMap.h"
#include "link/ChannelCodec.h"
#include "link/PortSearch.h"
#include "link/RadioImage.h"
#include "platform/CodePage.h"
#include "platform/MsgBox.h"
#include "platform/SerialLink.h"
#include "platform/SerialPorts.h"

namespace ulbrix {

namespace {

constexpr int kProgramReplyLen = 3;
constexpr int kIdentReplyLen = 16;
constexpr int kReadReplyLen = 24;
constexpr int kAckReplyLen = 1;
constexpr char kAck = 0x06;

std::uint8_t at(const QByteArray& b, int i) { return static_cast<std::uint8_t>(b[i]); }

void appendAddress(QByteArray& frame, std::uint32_t address) {
    frame.append(static_cast<char>((address >> 24) & 0xFF));
    frame.append(static_cast<char>((address >> 16) & 0xFF));
    frame.append(static_cast<char>((address >> 8) & 0xFF));
    frame.append(static_cast<char>(address & 0xFF));
}

// One character per byte, as the system's single-byte code page has it.
QString bytesAsText(const QByteArray& bytes) {
    return platform::FromCodePageByteWise(bytes, platform::AnsiCodePageForLcid(App.SystemLCIDHex));
}

}  // namespace

// Said when a write ends as failed after blocks went out.
QString WriteIncompleteText(int language) {
    if (language == 2) return QStringLiteral("写入未完成，对讲机内的数据可能不完整。请重新写入。");
    return QStringLiteral("Write did not finish. The radio's memory may be incomplete. Please write again.");
}

// Said when the data of a finished read cannot be turned into a document.
QString UnusableReadText(int language) {
    if (language == 2) return QStringLiteral("从对讲机读取的数据无法使用，当前数据未被更改。");
    return QStringLiteral("The data read from the radio could not be used. The current data is unchanged.");
}

// Said when "END" went unanswered after all its sends.
QString EndUnansweredText(int language) {
    if (language == 2)
        return QStringLiteral("对讲机没有确认结束编程，可能仍处于编程状态。请关闭对讲机电源后再打开。");
    return QStringLiteral(
        "The radio did not confirm the end of programming and may still be in programming mode. "
        "Please switch it off and on again.");
}

void ResetCommState() {
    Comm = CommState{};
    BatchCount = 0;
}

namespace {
// The core asks the link, through this registration, to drop a transfer
// state with a new document and to forget everything in a fresh process.
void resetLinkState() {
    ResetCommState();
    ClearImage();
    ClearBlockMap();
    BlockMarking = false;
}
void transferToIdle() {
    Comm.CommMode = CommModeIdle;
    Comm.ReadStep = StepIdle;
    Comm.WriteStep = StepIdle;
}
[[maybe_unused]] const bool kResetRegistered = RegisterProcessStateReset({&resetLinkState, &transferToIdle});
}  // namespace

// ---- frames ----

QByteArray ProgramFrame() { return QByteArrayLiteral("PROGRAM"); }

QByteArray IdentifyFrame() { return QByteArray(1, '\x02'); }

QByteArray ReadBlockFrame(std::uint32_t address) {
    QByteArray f(1, 'R');
    appendAddress(f, address);
    f.append(static_cast<char>(0x10));
    return f;
}

QByteArray WriteBlockFrame(std::uint32_t address, const std::uint8_t* data, int length) {
    QByteArray f(1, 'W');
    appendAddress(f, address);
    f.append(static_cast<char>(length));
    for (int i = 0; i < length; ++i) f.append(static_cast<char>(data[i]));
    f.append(static_cast<char>(FrameChecksum(f, 1, f.size() - 1)));
    f.append(kAck);
    return f;
}

QByteArray EndFrame() { return QByteArrayLiteral("END"); }

std::uint8_t FrameChecksum(const QByteArray& frame, int first, int last) {
    if (last == 0) last = frame.size() - 1 - 2;
    unsigned sum = 0;
    for (int i = std::max(first, 0); i <= last && i < frame.size(); ++i) sum += at(frame, i);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

bool VerifyChecksum(const QByteArray& reply, int first, int back) {
    const int lastIndex = reply.size() - 1;
    const int sumAt = lastIndex - back;
    if (first < 0 || sumAt < first) return false;
    return FrameChecksum(reply, first, sumAt - 1) == at(reply, sumAt);
}

// ---- replies ----

bool IsAckReply(const QByteArray& r) { return r.size() == kAckReplyLen && r[0] == kAck; }

bool IsProgramReply(const QByteArray& r) { return r == QByteArrayLiteral("ZW\x06"); }

bool IsIdentReply(const QByteArray& r) { return r.size() == kIdentReplyLen && r[0] == 'I'; }

bool IsReadDataReply(const QByteArray& r, std::int64_t address, int blockSize) {
    if (r.size() != kReadReplyLen || r[0] != 'W' || at(r, 23) != 0x06) return false;
    const std::uint32_t got = (std::uint32_t{at(r, 1)} << 24) | (std::uint32_t{at(r, 2)} << 16) |
                              (std::uint32_t{at(r, 3)} << 8) | std::uint32_t{at(r, 4)};
    if (address < 0 || got != static_cast<std::uint64_t>(address)) return false;
    if (at(r, 5) != blockSize) return false;
    return VerifyChecksum(r, 1, 1);
}

void ParseIdentReply(const QByteArray& r) {
    if (r.size() < 13) return;
    Comm.RadioModelText = TrimNull(bytesAsText(r.mid(1, 7)));
    Comm.RadioHasOption = at(r, 8) == 1;
    App.FirmwareVersion = QString::fromLatin1(r.mid(9, 4));
}

int ProgressPercent(std::int64_t address, std::int64_t total) {
    if (total <= 0 || address <= 0) return 0;
    const std::int64_t num = address * 100;
    std::int64_t q = num / total;
    const std::int64_t twice = 2 * (num % total);
    if (twice > total || (twice == total && (q % 2) != 0)) ++q;
    return static_cast<int>(q);
}

// ---- the engine ----

CommEngine::CommEngine(platform::SerialLink* port, QTimer* waitTimer, QObject* parent)
    : QObject(parent), port_(port), wait_(waitTimer) {
    wait_->setInterval(DefaultReplyTimeoutMs);
    wait_->setSingleShot(false);
    // A coarse timer may fire 5% early and resend a frame whose answer is on its way.
    wait_->setTimerType(Qt::PreciseTimer);
    wait_->stop();
    settle_.setSingleShot(true);
    settle_.setTimerType(Qt::PreciseTimer);
    quiet_.setSingleShot(true);
    quiet_.setTimerType(Qt::PreciseTimer);
    connect(&quiet_, &QTimer::timeout, this, &CommEngine::lineQuiet);
    connect(wait_, &QTimer::timeout, this, &CommEngine::WaitTimer_Timer);
    connect(port_, &platform::SerialLink::bytesArrived, this, &CommEngine::MSComm1_OnComm);
    connect(port_, &platform::SerialLink::portFailed, this, &CommEngine::MSComm1_Failed);
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (!TransferUnderWay()) return;
        wait_->start();
        transmit();
    });
}

CommEngine::~CommEngine() = default;

void CommEngine::setReplyTimeout(int ms) { wait_->setInterval(ms); }
int CommEngine::replyTimeout() const { return wait_->interval(); }

bool CommEngine::TransferUnderWay() const { return Comm.CommMode != CommModeIdle; }

PortSearch& CommEngine::portSearch() {
    if (!search_) search_ = std::make_unique<PortSearch>(*this);
    return *search_;
}

void CommEngine::resetRun() {
    rx_.clear();
    outstanding_ = false;
    settleNext_ = false;
    settle_.stop();
    blocksSent_ = false;
    handOver_ = false;
    failureText_.clear();
    quiet_.stop();
    afterQuiet_ = AfterQuiet::None;
    lineFault_ = false;
    rewriteTries_ = 0;
    blockMatched_ = false;
    memoryConfirmed_ = false;
    endUnanswered_ = false;
}

int& CommEngine::step() { return Comm.CommMode == CommModeWrite ? Comm.WriteStep : Comm.ReadStep; }

void CommEngine::noteFault() { lineFault_ = true; }

void CommEngine::waitForQuietLine(AfterQuiet next) {
    wait_->stop();
    settle_.stop();
    settleNext_ = false;
    outstanding_ = false;
    rx_.clear();
    afterQuiet_ = next;
    quietClock_.start();
    quiet_.start(replyTimeout());
}

// Bytes came while the line should go quiet: start the wait again, unless
// the line has not been quiet for as long as all sends of a frame would take.
void CommEngine::lineNotQuiet() {
    if (quietClock_.elapsed() < static_cast<qint64>(MaxSendAttempts) * replyTimeout()) {
        quiet_.start(replyTimeout());
        return;
    }
    quiet_.stop();
    afterQuiet_ = AfterQuiet::None;
    endUnanswered_ = true;  // "END" could not be sent on a quiet line
    CommFinish(false);
}

void CommEngine::lineQuiet() {
    const AfterQuiet next = std::exchange(afterQuiet_, AfterQuiet::None);
    if (!TransferUnderWay()) return;
    port_->clearBuffers();
    rx_.clear();
    switch (next) {
        case AfterQuiet::Verify: SendVerifyRead(); break;
        case AfterQuiet::End: sendEndNow(); break;
        case AfterQuiet::EndAgain:
            if (Comm.SendAttempt >= MaxSendAttempts) {
                endUnanswered_ = true;
                CommFinish(false);
                return;
            }
            Comm.SendAttempt += 1;
            ResendFrame();
            break;
        case AfterQuiet::None: break;
    }
}

void CommEngine::ClosePort() {
    if (port_->isOpen()) port_->close();
}

bool CommEngine::OpenCommPort() {
    switch (Comm.CommMode) {
        case CommModeRead:
        case CommModeWrite:
            Comm.CommTotal = 139776;
            Comm.CommBlockSize = 16;
            Comm.CommAddress = -16;
            break;
        case CommModeRadioInfo:
            Comm.CommTotal = 139776;
            Comm.CommBlockSize = 16;
            Comm.CommAddress = 7920;
            break;
        default: break;
    }
    Comm.SendAttempt = 0;
    Comm.CommLastPercent = 0;
    Comm.CommActive = true;
    resetRun();
    ClosePort();
    if (!port_->open(platform::DeviceForPort(App.ComPort))) {
        Comm.CommActive = false;
        platform::MsgBox(Tr(MsgCannotOpenPort), platform::MsgButtons::Ok, platform::MsgIcon::Critical);
        return false;
    }
    return true;
}

void CommEngine::transmit() {
    rx_.clear();
    if (!port_->isOpen() && !port_->open(platform::DeviceForPort(App.ComPort))) {
        failPort();
        return;
    }
    // Bytes that nobody asked for are emptied out, but they tell that the
    // line is not in step.
    if (!port_->readAll().isEmpty()) noteFault();
    port_->clearBuffers();
    outstanding_ = true;
    if (!port_->write(Comm.LastFrame)) failPort();
}

void CommEngine::SendFrame(const QByteArray& frame, int replyLen) {
    Comm.LastFrame = frame;
    Comm.LastFrameLen = static_cast<int>(frame.size());
    Comm.SendAttempt = 1;
    Comm.ExpectedReplyLen = replyLen;
    if (settleNext_) {
        // The last reply came only after a resend: an answer to an earlier
        // send may still be on its way and must not be taken for the answer
        // to this frame. Let the line go quiet, then empty it and send.
        settleNext_ = false;
        outstanding_ = false;
        rx_.clear();
        wait_->stop();
        settle_.start(settleMs_);
        return;
    }
    transmit();
}

void CommEngine::ResendFrame() {
    wait_->start();
    transmit();
}

void CommEngine::SendProgramCmd() {
    switch (Comm.CommMode) {
        case CommModeRead:
        case CommModeRadioInfo:
        case CommModePortSearch:
            Comm.ReadStep = StepProgramSent;
            Comm.WriteStep = StepIdle;
            break;
        case CommModeWrite:
            Comm.WriteStep = StepProgramSent;
            Comm.ReadStep = StepIdle;
            break;
        default:
            Comm.CommMode = CommModeIdle;
            Comm.ReadStep = StepIdle;
            Comm.WriteStep = StepIdle;
            break;
    }
    wait_->start();
    SendFrame(ProgramFrame(), kProgramReplyLen);
}

void CommEngine::SendIdentifyCmd() {
    wait_->start();
    SendFrame(IdentifyFrame(), kIdentReplyLen);
}

void CommEngine::SendNextReadCmd() {
    Comm.CommAddress = NextValidAddress(Comm.CommAddress + Comm.CommBlockSize);
    if (Comm.CommAddress < Comm.CommTotal) {
        wait_->start();
        SendFrame(ReadBlockFrame(static_cast<std::uint32_t>(Comm.CommAddress)), kReadReplyLen);
    } else {
        EndTransfer();
    }
}

void CommEngine::SendNextWriteBlock() {
    Comm.CommAddress = NextValidAddress(Comm.CommAddress + Comm.CommBlockSize);
    if (Comm.CommAddress < Comm.CommTotal) {
        const auto address = static_cast<std::uint32_t>(Comm.CommAddress);
        const int length = Comm.CommBlockSize;
        if (address + length > RadioImage.size()) {  // cannot happen with the walk's table
            CommFinish(false);
            return;
        }
        const QByteArray frame = WriteBlockFrame(address, RadioImage.data() + address, length);
        UpdateProgress();
        wait_->start();
        blocksSent_ = true;
        SendFrame(frame, kAckReplyLen);
    } else {
        EndTransfer();
    }
}

// ---- the read-back of a write that met line faults ----
// An acknowledge carries no block number, so after any fault a late one may
// have been taken for another block's. A read reply carries its address and
// sum: reading back is what tells which blocks the radio really holds.

// Every block is read back, not only those after the fault: acknowledges that
// slipped one frame out of step without a visible fault, with a frame lost
// later, hide a block anywhere before it.
void CommEngine::startVerify() {
    Comm.WriteStep = StepVerifyRead;
    Comm.CommAddress = NextValidAddress(0);
    Comm.CommLastPercent = 0;
    rewriteTries_ = 0;
    if (showPass) showPass(TransferPass::Verify);
    if (showProgress) showProgress(0);
    waitForQuietLine(AfterQuiet::Verify);
}

void CommEngine::SendVerifyRead() {
    Comm.WriteStep = StepVerifyRead;
    wait_->start();
    SendFrame(ReadBlockFrame(static_cast<std::uint32_t>(Comm.CommAddress)), kReadReplyLen);
}

void CommEngine::SendRewriteBlock() {
    const auto address = static_cast<std::uint32_t>(Comm.CommAddress);
    Comm.WriteStep = StepVerifyRewrite;
    wait_->start();
    SendFrame(WriteBlockFrame(address, RadioImage.data() + address, Comm.CommBlockSize), kAckReplyLen);
}

void CommEngine::verifyReply() {
    if (!blockMatched_) {
        if (rewriteTries_ >= MaxRewrites) {
            // The radio keeps other bytes in this block: the write has failed,
            // but the radio still leaves programming mode.
            Comm.WriteStep = StepEndAfterFailedCheck;
            SendEndCmd();
            return;
        }
        ++rewriteTries_;
        SendRewriteBlock();
        return;
    }
    rewriteTries_ = 0;
    Comm.CommAddress = NextValidAddress(Comm.CommAddress + Comm.CommBlockSize);
    if (Comm.CommAddress < Comm.CommTotal) {
        UpdateProgress();
        SendVerifyRead();
        return;
    }
    if (showProgress) showProgress(100);
    memoryConfirmed_ = true;
    Comm.WriteStep = StepEndAfterWalk;
    SendEndCmd();
}

void CommEngine::SendEndCmd() {
    // After a fault, a late answer to an earlier frame could pass for the
    // answer to "END": let the line go quiet first.
    if (lineFault_) {
        waitForQuietLine(AfterQuiet::End);
        return;
    }
    sendEndNow();
}

void CommEngine::sendEndNow() {
    wait_->start();
    SendFrame(EndFrame(), kAckReplyLen);
}

// The user gave up at the connection question: one "END", so that a radio
// that still listens leaves programming mode, then the transfer ends on its
// answer or after one time-out.
void CommEngine::sendEndAfterCancel() {
    quiet_.stop();
    afterQuiet_ = AfterQuiet::None;
    if (!port_->isOpen()) {
        CommFinish(false);
        return;
    }
    step() = StepEndAfterCancel;
    settleNext_ = false;
    wait_->start();
    SendFrame(EndFrame(), kAckReplyLen);
    Comm.SendAttempt = MaxSendAttempts;
}

void CommEngine::EndTransfer() {
    switch (Comm.CommMode) {
        case CommModeRead:
        case CommModeRadioInfo:
            Comm.ReadStep = StepEndAfterWalk;
            SendEndCmd();
            break;
        case CommModeWrite:
            if (lineFault_) {
                startVerify();
                break;
            }
            // Every block was acknowledged in step with nothing astray.
            memoryConfirmed_ = true;
            Comm.WriteStep = StepEndAfterWalk;
            SendEndCmd();
            break;
        default: CommFinish(false); break;
    }
}

void CommEngine::StoreReadBlock(const QByteArray& reply) {
    const std::int64_t address = Comm.CommAddress;
    const int length = Comm.CommBlockSize;
    if (address < 0 || address + length > static_cast<std::int64_t>(RadioImage.size()) ||
        reply.size() < 6 + length)
        return;
    for (int i = 0; i < length; ++i) RadioImage[static_cast<std::size_t>(address + i)] = at(reply, 6 + i);
    if (Comm.CommMode == CommModeRead || Comm.CommMode == CommModeWrite) UpdateProgress();
}

bool CommEngine::CheckRadioModel() {
    wait_->stop();
    const bool modelGood = TrimNull(App.ModelName) == Comm.RadioModelText;
    const bool pairGood = IsVersionPairListed(OwnSoftwareVersion, App.FirmwareVersion);
    if (modelGood && pairGood) return true;
    if (!modelGood) {
        QueueMsg(Tr(MsgModelWrong));
        return false;
    }
    const unsigned run = run_;
    const auto answer = platform::MsgBox(BuildVersionMessage(OwnSoftwareVersion, App.FirmwareVersion,
                                                             VersionKindFirmware),
                                         platform::MsgButtons::YesNo, platform::MsgIcon::None);
    // The hand-over waits until the radio has left programming mode and the
    // port is closed (see CommFinish).
    if (run == run_ && answer == platform::MsgResult::Yes) handOver_ = true;
    return false;
}

ReplyKind CommEngine::expectedReply() const {
    int step = StepIdle;
    switch (Comm.CommMode) {
        case CommModeRead:
        case CommModeRadioInfo:
        case CommModePortSearch: step = Comm.ReadStep; break;
        case CommModeWrite: step = Comm.WriteStep; break;
        default: return ReplyKind::None;
    }
    switch (step) {
        case StepProgramSent: return ReplyKind::Program;
        case StepIdentifySent: return ReplyKind::Ident;
        case StepReadBlocks: return Comm.CommMode == CommModeWrite ? ReplyKind::None : ReplyKind::ReadData;
        case StepWriteBlocks: return Comm.CommMode == CommModeWrite ? ReplyKind::Ack : ReplyKind::None;
        case StepVerifyRead: return Comm.CommMode == CommModeWrite ? ReplyKind::ReadData : ReplyKind::None;
        case StepVerifyRewrite: return Comm.CommMode == CommModeWrite ? ReplyKind::Ack : ReplyKind::None;
        case StepEndAfterWalk:
        case StepEndAfterFailedCheck:
        case StepEndAfterCancel: return ReplyKind::Ack;
        default: return ReplyKind::None;
    }
}

bool CommEngine::accepts(ReplyKind kind, const QByteArray& reply) const {
    switch (kind) {
        case ReplyKind::Ack: return IsAckReply(reply);
        case ReplyKind::Program: return IsProgramReply(reply);
        case ReplyKind::Ident: return IsIdentReply(reply);
        case ReplyKind::ReadData: return IsReadDataReply(reply, Comm.CommAddress, Comm.CommBlockSize);
        case ReplyKind::None: return false;
    }
    return false;
}

void CommEngine::MSComm1_OnComm() {
    const QByteArray bytes = port_->readAll();
    if (bytes.isEmpty() || !TransferUnderWay()) return;
    if (afterQuiet_ != AfterQuiet::None) {
        noteFault();
        lineNotQuiet();
        return;
    }
    // Only a frame that waits for its answer takes input; anything else (a
    // late answer, noise, bytes while a question is open) is dropped.
    if (!outstanding_) {
        noteFault();
        return;
    }
    rx_ += bytes;
    if (rx_.size() < Comm.ExpectedReplyLen) return;
    const QByteArray reply = std::exchange(rx_, QByteArray());
    const ReplyKind kind = expectedReply();
    if (!accepts(kind, reply)) {
        // Dropped; the reply timer keeps running.
        noteFault();
        // An acknowledge that follows such bytes may be the tail of a late
        // reply rather than the answer to "END": send it again on a quiet line.
        if (endOutstanding()) waitForQuietLine(AfterQuiet::EndAgain);
        return;
    }

    outstanding_ = false;
    if (Comm.SendAttempt > 1) settleNext_ = true;
    if (kind == ReplyKind::Ident &&
        (Comm.CommMode == CommModeRead || Comm.CommMode == CommModeWrite || Comm.CommMode == CommModePortSearch))
        ParseIdentReply(reply);
    if (Comm.CommMode == CommModePortSearch) {
        portSearch().OnPortSearchEvent();
        return;
    }
    if (kind == ReplyKind::ReadData) {
        if (Comm.CommMode == CommModeWrite) {
            const auto address = static_cast<std::size_t>(Comm.CommAddress);
            blockMatched_ = std::equal(reply.begin() + 6, reply.begin() + 6 + Comm.CommBlockSize,
                                       RadioImage.begin() + static_cast<std::ptrdiff_t>(address),
                                       [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
        } else {
            StoreReadBlock(reply);
        }
    }
    CommStep();
}

void CommEngine::CommStep() {
    wait_->stop();
    const unsigned run = run_;
    switch (Comm.CommMode) {
        case CommModeRead:
        case CommModeWrite: {
            const bool write = Comm.CommMode == CommModeWrite;
            int& step = write ? Comm.WriteStep : Comm.ReadStep;
            switch (step) {
                case StepProgramSent:
                    if (write && App.BatchWrite && App.BatchFormOpen) App.BatchFormOpen = false;
                    step = StepIdentifySent;
                    SendIdentifyCmd();
                    break;
                case StepIdentifySent: {
                    // Writes (the batch write too) check the radio like reads:
                    // a wrong model or firmware must not be written over.
                    const bool good = CheckRadioModel();
                    if (run != run_) return;
                    if (good) {
                        step = write ? StepWriteBlocks : StepReadBlocks;
                        write ? SendNextWriteBlock() : SendNextReadCmd();
                    } else {
                        step = StepEndAfterFailedCheck;
                        SendEndCmd();
                    }
                    break;
                }
                case StepReadBlocks:
                case StepWriteBlocks:
                    if (step != (write ? StepWriteBlocks : StepReadBlocks)) {
                        CommFinish(false);
                        break;
                    }
                    write ? SendNextWriteBlock() : SendNextReadCmd();
                    break;
                case StepVerifyRead:
                case StepVerifyRewrite:
                    if (!write) {
                        CommFinish(false);
                        break;
                    }
                    if (step == StepVerifyRead) verifyReply();
                    else SendVerifyRead();  // and read it back again
                    break;
                case StepEndAfterWalk: CommFinish(true); break;
                default: CommFinish(false); break;
            }
            break;
        }
        case CommModeRadioInfo:
            // The radio has answered "PROGRAM": take it out of programming
            // mode again before the transfer ends.
            if (Comm.ReadStep == StepProgramSent) {
                Comm.ReadStep = StepEndAfterFailedCheck;
                SendEndCmd();
            } else {
                CommFinish(false);
            }
            break;
        default: CommFinish(false); break;
    }
}

bool CommEngine::endOutstanding() const {
    if (!outstanding_ || (Comm.CommMode != CommModeRead && Comm.CommMode != CommModeWrite)) return false;
    const int step = Comm.CommMode == CommModeWrite ? Comm.WriteStep : Comm.ReadStep;
    return step == StepEndAfterWalk || step == StepEndAfterFailedCheck;
}

void CommEngine::WaitTimer_Timer() {
    wait_->stop();
    if (!TransferUnderWay()) return;
    noteFault();
    const bool readOrWrite = Comm.CommMode == CommModeRead || Comm.CommMode == CommModeWrite;
    if (readOrWrite && step() == StepEndAfterCancel) {
        outstanding_ = false;
        CommFinish(false);
        return;
    }
    if (Comm.SendAttempt >= MaxSendAttempts) {
        const bool endSent = endOutstanding();
        outstanding_ = false;
        rx_.clear();
        if (Comm.CommMode == CommModePortSearch) {
            portSearch().OnProbeTimeout();
        } else if (endSent) {
            endUnanswered_ = true;
            CommFinish(false);
        } else if (readOrWrite) {
            AskRetryConnection();
        } else {
            CommFinish(false);
        }
        return;
    }
    Comm.SendAttempt += 1;
    ResendFrame();
}

void CommEngine::AskRetryConnection() {
    wait_->stop();
    outstanding_ = false;
    rx_.clear();
    const unsigned run = run_;
    const auto answer = platform::MsgBox(Tr(MsgCheckConnection), platform::MsgButtons::OkCancel,
                                         platform::MsgIcon::Question);
    if (run != run_) return;  // the port failed while the question was open
    if (answer != platform::MsgResult::Ok) {
        App.BatchWrite = false;
        sendEndAfterCancel();
        return;
    }
    Comm.SendAttempt = 0;
    Comm.CommAddress = -Comm.CommBlockSize;
    Comm.CommLastPercent = 0;
    // Everything is sent again, and all of it is read back afterwards.
    noteFault();
    rewriteTries_ = 0;
    quiet_.stop();
    afterQuiet_ = AfterQuiet::None;
    if (showPass) showPass(TransferPass::Transfer);
    if (showProgress) showProgress(0);
    settleNext_ = true;  // answers to the old frames may still come in
    SendProgramCmd();
}

void CommEngine::failPort() {
    if (!TransferUnderWay()) {
        ClosePort();
        return;
    }
    failureText_ = Tr(MsgCannotOpenPort);
    CommFinish(false);
}

void CommEngine::MSComm1_Failed() { failPort(); }

void CommEngine::CancelBatch() {
    if (!Comm.CommActive) return;
    Comm.CommActive = false;
    CommFinish(false);
}

void CommEngine::UpdateProgress() {
    const int percent = ProgressPercent(Comm.CommAddress, Comm.CommTotal);
    if (percent - Comm.CommLastPercent < 1) return;
    Comm.CommLastPercent = percent;
    if (showProgress) showProgress(percent);
}

void CommEngine::CommFinish(bool ok) {
    const int mode = Comm.CommMode;
    wait_->stop();
    settle_.stop();
    quiet_.stop();
    afterQuiet_ = AfterQuiet::None;
    outstanding_ = false;
    settleNext_ = false;
    rx_.clear();

    // 1. Further radios of a batch.
    if (ok && App.BatchWrite) {
        Comm.BatchIndex += 1;
        if (Comm.BatchIndex <= BatchCount) {
            Comm.CommAddress = -Comm.CommBlockSize;
            Comm.CommLastPercent = 0;
            if (showProgress) showProgress(0);
            SendProgramCmd();
            return;
        }
    }
    ++run_;

    // 2. The progress dialog.
    if (!App.BatchWrite) {
        if ((mode == CommModeRead || mode == CommModeWrite) && closeProgress) closeProgress();
    } else if (Comm.CommActive) {
        Comm.CommActive = false;
        if (closeProgress) closeProgress();
    }
    Comm.CommActive = false;

    // 3. Timer and port.
    ClosePort();

    // 4. What went wrong, then the queued messages.
    if (!ok && !failureText_.isEmpty())
        platform::MsgBox(failureText_, platform::MsgButtons::Ok, platform::MsgIcon::Critical);
    if (!ok && mode == CommModeWrite && blocksSent_ && !memoryConfirmed_)
        platform::MsgBox(WriteIncompleteText(CurrentLanguage), platform::MsgButtons::Ok,
                         platform::MsgIcon::Exclamation);
    if (!ok && endUnanswered_ && (mode == CommModeRead || mode == CommModeWrite))
        platform::MsgBox(EndUnansweredText(CurrentLanguage), platform::MsgButtons::Ok,
                         platform::MsgIcon::Exclamation);
    ShowQueuedMsgs();

    // 5. A good read replaces the document.
    if (ok && mode == CommModeRead) {
        if (unloadChildForms) unloadChildForms();
        // The document is replaced whole or not at all.
        const DocumentState before = Doc;
        try {
            UnpackImage();
        } catch (const std::exception&) {
            Doc = before;
            ok = false;
            platform::MsgBox(UnusableReadText(CurrentLanguage), platform::MsgButtons::Ok,
                             platform::MsgIcon::Exclamation);
        }
        if (ok) {
            // Named first, so the caption the main window sets names it.
            Doc.DataFilePath = QStringLiteral("new.dat");
            Doc.Untitled = true;
            if (afterRead) afterRead();
        }
    }
    if (ok) {
        if (mode == CommModeRead || mode == CommModeWrite)
            platform::MsgBox(MsgTransferCompleted[mode + 3 * CurrentLanguage], platform::MsgButtons::Ok,
                             platform::MsgIcon::None);
    }

    // 6. Idle again.
    App.BatchWrite = false;
    Comm.CommMode = CommModeIdle;
    Comm.ReadStep = StepIdle;
    Comm.WriteStep = StepIdle;

    const bool handOver = std::exchange(handOver_, false);
    blocksSent_ = false;
    failureText_.clear();
    lineFault_ = false;
    memoryConfirmed_ = false;
    endUnanswered_ = false;
    if (handOver) {
        // The radio has had its "END" and the port is closed; unsaved work
        // is offered for saving before this process ends. Without a release
        // to start the program goes on, and only says so.
        const bool release = !FindSoftForFirm(App.FirmwareVersion).isEmpty();
        const bool go = !release || !IsDataModified() || !saveQuestion || saveQuestion();
        if (go) StartMatchingVersion(App.FirmwareVersion);
    }
    emit finished(ok);
}

}  // namespace ulbrix
