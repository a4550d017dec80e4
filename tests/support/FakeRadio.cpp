#include "support/FakeRadio.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace testsupport {

namespace {
void pause(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
std::uint32_t addressOf(const QByteArray& b) {
    return (std::uint32_t{static_cast<std::uint8_t>(b[1])} << 24) |
           (std::uint32_t{static_cast<std::uint8_t>(b[2])} << 16) |
           (std::uint32_t{static_cast<std::uint8_t>(b[3])} << 8) | std::uint32_t{static_cast<std::uint8_t>(b[4])};
}
}  // namespace

FakeRadio::FakeRadio() : memory_(MemorySize, 0) {
    model_ = QByteArray("ZR9040\0", 7);
    firmware_ = "V100";
    char name[256] = {0};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    slavePath_ = QString::fromLocal8Bit(name);
    termios t{};
    if (tcgetattr(slave_, &t) == 0) {
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    thread_ = std::thread([this] { run(); });
}

FakeRadio::~FakeRadio() { unplug(); }

void FakeRadio::unplug() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
}

std::vector<std::uint8_t> FakeRadio::memory() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return memory_;
}

void FakeRadio::setMemory(const std::vector<std::uint8_t>& bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    memory_ = bytes;
    memory_.resize(MemorySize, 0);
}

void FakeRadio::fillPattern(std::uint32_t seed) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::uint32_t x = seed | 1u;
    for (auto& b : memory_) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(x);
    }
}

void FakeRadio::setModel(const QByteArray& m) {
    std::lock_guard<std::mutex> lock(mutex_);
    model_ = m.left(7);
    model_.append(QByteArray(7 - model_.size(), '\0'));
}

void FakeRadio::setFirmware(const QByteArray& f) {
    std::lock_guard<std::mutex> lock(mutex_);
    firmware_ = f.left(4);
    firmware_.append(QByteArray(4 - firmware_.size(), ' '));
}

void FakeRadio::setOptionByte(std::uint8_t b) {
    std::lock_guard<std::mutex> lock(mutex_);
    option_ = b;
}

void FakeRadio::setBehaviour(Behaviour b) {
    std::lock_guard<std::mutex> lock(mutex_);
    behaviour_ = std::move(b);
}

std::vector<FakeRadio::Frame> FakeRadio::frames() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return frames_;
}

int FakeRadio::frameCount(Kind k) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return kindCounts_[static_cast<int>(k)];
}

void FakeRadio::clearFrames() {
    std::lock_guard<std::mutex> lock(mutex_);
    frames_.clear();
    for (int& c : kindCounts_) c = 0;
}

void FakeRadio::inject(const QByteArray& bytes) { send(bytes); }

std::uint8_t FakeRadio::Sum(const QByteArray& b, int first, int last) {
    unsigned s = 0;
    for (int i = first; i <= last && i < b.size(); ++i) s += static_cast<std::uint8_t>(b[i]);
    return static_cast<std::uint8_t>(s);
}

QByteArray FakeRadio::answerFor(const Frame& f) const {
    std::lock_guard<std::mutex> lock(mutex_);
    switch (f.kind) {
        case Kind::Program: return QByteArray("ZW\x06", 3);
        case Kind::Identify: {
            QByteArray r(1, 'I');
            r += model_;
            r += static_cast<char>(option_);
            r += firmware_;
            r += QByteArray(3, '\0');
            return r;
        }
        case Kind::Read: {
            if (f.bytes[5] != 0x10) return QByteArray();  // a read asks for one 16-byte block
            QByteArray r(1, 'W');
            r += f.bytes.mid(1, 4);
            r += static_cast<char>(0x10);
            for (int i = 0; i < 16; ++i) {
                const std::size_t a = f.address + static_cast<std::size_t>(i);
                r += static_cast<char>(a < memory_.size() ? memory_[a] : 0);
            }
            r += static_cast<char>(Sum(r, 1, 21));
            r += '\x06';
            return r;
        }
        case Kind::Write:
            if (f.bytes[5] != 0x10 || Sum(f.bytes, 1, 21) != static_cast<std::uint8_t>(f.bytes[22]) ||
                f.bytes[23] != '\x06')
                return QByteArray();
            return QByteArray(1, '\x06');
        case Kind::End: return QByteArray(1, '\x06');
        case Kind::Unknown: return QByteArray();
    }
    return QByteArray();
}

bool FakeRadio::parseOne(QByteArray& in, Frame& f) {
    while (!in.isEmpty()) {
        const char c = in[0];
        int need = 0;
        Kind k = Kind::Unknown;
        if (c == 'P') { need = 7; k = Kind::Program; }
        else if (c == '\x02') { need = 1; k = Kind::Identify; }
        else if (c == 'R') { need = 6; k = Kind::Read; }
        else if (c == 'W') { need = 24; k = Kind::Write; }
        else if (c == 'E') { need = 3; k = Kind::End; }
        else { in.remove(0, 1); continue; }  // noise: resynchronise
        if (in.size() < need) return false;
        const QByteArray bytes = in.left(need);
        if ((k == Kind::Program && bytes != "PROGRAM") || (k == Kind::End && bytes != "END")) {
            in.remove(0, 1);
            continue;
        }
        in.remove(0, need);
        f = Frame{};
        f.kind = k;
        f.bytes = bytes;
        if (k == Kind::Read || k == Kind::Write) f.address = addressOf(bytes);
        return true;
    }
    return false;
}

void FakeRadio::refuseWrites(std::uint32_t address) {
    std::lock_guard<std::mutex> lock(mutex_);
    refused_.push_back(address);
}

bool FakeRadio::inProgramMode() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return programMode_;
}

// A frame that reached the radio changes its state: a good write block its
// memory (unless the block refuses writes), "PROGRAM" and "END" its mode.
void FakeRadio::apply(const Frame& f) {
    const bool good = !answerFor(f).isEmpty();
    std::lock_guard<std::mutex> lock(mutex_);
    if (f.kind == Kind::Program) programMode_ = true;
    if (f.kind == Kind::End) programMode_ = false;
    if (f.kind != Kind::Write || !good) return;
    for (std::uint32_t r : refused_)
        if (r == f.address) return;
    for (int i = 0; i < 16; ++i) {
        const std::size_t addr = f.address + static_cast<std::size_t>(i);
        if (addr < memory_.size()) memory_[addr] = static_cast<std::uint8_t>(f.bytes[6 + i]);
    }
}

void FakeRadio::handle(const Frame& incoming) {
    Frame f = incoming;
    Behaviour behaviour;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        f.index = static_cast<int>(frames_.size());
        f.sameKind = kindCounts_[static_cast<int>(f.kind)]++;
        frames_.push_back(f);
        behaviour = behaviour_;
    }
    Action a;
    a.reply = answerFor(f);
    if (behaviour) behaviour(f, a);
    if (a.lost) {
        std::lock_guard<std::mutex> lock(mutex_);
        frames_[static_cast<std::size_t>(f.index)].lost = true;
        return;
    }
    if (a.corruptAt > 0 && a.corruptAt < f.bytes.size()) {
        // The radio sees other bytes than were sent and answers what it saw.
        f.bytes[a.corruptAt] = static_cast<char>(f.bytes[a.corruptAt] ^ 0x01);
        if (f.kind == Kind::Read || f.kind == Kind::Write) f.address = addressOf(f.bytes);
        a.reply = answerFor(f);
    }
    if (a.apply) apply(f);
    if (a.reply.isEmpty()) return;
    const int copies = a.doubled ? 2 * a.repeat : a.repeat;
    if (a.lateMs > 0) {
        for (int n = 0; n < copies; ++n) {
            const int at = a.lateMs + n * a.repeatGapMs;
            if (a.splitAt > 0 && a.splitAt < a.reply.size()) {
                sendLater(a.reply.left(a.splitAt), at);
                sendLater(a.reply.mid(a.splitAt), at + a.splitPauseMs);
            } else {
                sendLater(a.reply, at);
            }
        }
        return;
    }
    pause(a.delayMs);
    for (int n = 0; n < copies; ++n) {
        if (n > 0) pause(a.repeatGapMs);
        if (a.splitAt > 0 && a.splitAt < a.reply.size()) {
            send(a.reply.left(a.splitAt));
            pause(a.splitPauseMs);
            send(a.reply.mid(a.splitAt));
        } else {
            send(a.reply);
        }
    }
}

void FakeRadio::sendLater(const QByteArray& bytes, int ms) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto at = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    auto pos = due_.begin();
    while (pos != due_.end() && pos->at <= at) ++pos;
    due_.insert(pos, Due{at, bytes});
}

void FakeRadio::injectLater(const QByteArray& bytes, int ms) { sendLater(bytes, ms); }

void FakeRadio::sendDue() {
    for (;;) {
        QByteArray bytes;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (due_.empty() || due_.front().at > std::chrono::steady_clock::now()) return;
            bytes = due_.front().bytes;
            due_.erase(due_.begin());
        }
        send(bytes);
    }
}

int FakeRadio::msToNextDue() const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (due_.empty()) return 5;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due_.front().at -
                                                                            std::chrono::steady_clock::now());
    return static_cast<int>(std::clamp<long long>(left.count(), 0, 5));
}

void FakeRadio::send(const QByteArray& bytes) {
    int done = 0;
    while (done < bytes.size() && master_ >= 0) {
        const ssize_t n = ::write(master_, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) done += static_cast<int>(n);
        else if (n < 0 && errno != EAGAIN && errno != EINTR) return;
        else pause(1);
    }
}

void FakeRadio::run() {
    QByteArray in;
    char buf[4096];
    while (!stop_) {
        pollfd p{master_, POLLIN, 0};
        const int r = ::poll(&p, 1, msToNextDue());
        sendDue();
        if (r <= 0 || !(p.revents & POLLIN)) continue;
        const ssize_t n = ::read(master_, buf, sizeof buf);
        if (n <= 0) continue;
        in.append(buf, static_cast<int>(n));
        Frame f;
        while (parseOne(in, f)) handle(f);
    }
}

}  // namespace testsupport
