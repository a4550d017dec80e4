// A radio on the other end of a pseudo-terminal, for tests and benchmarks.
// It answers the block protocol from its own 139,776-byte memory and applies
// writes to it, on a thread of its own, so the program drives the terminal's
// slave side exactly as it would drive a USB serial adapter. A behaviour hook
// makes it misbehave on request.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace testsupport {

class FakeRadio {
public:
    enum class Kind { Program, Identify, Read, Write, End, Unknown };

    struct Frame {
        Kind kind = Kind::Unknown;
        std::uint32_t address = 0;  // read and write blocks
        int index = 0;              // 0-based count of frames received so far
        int sameKind = 0;           // 0-based count of earlier frames of this kind
        QByteArray bytes;
        bool lost = false;          // the behaviour dropped it on the way in
    };

    // What the radio does with one frame. `reply` starts as the proper answer
    // and may be replaced; an empty reply sends nothing.
    struct Action {
        QByteArray reply;
        bool apply = true;        // a write block changes the memory
        int delayMs = 0;          // the radio is busy this long before it answers (later frames wait)
        int lateMs = 0;           // the answer is held up on the line; the radio goes on at once
        int splitAt = 0;          // > 0: send the first splitAt bytes, pause, then the rest
        int splitPauseMs = 20;
        int repeat = 1;           // send the reply this many times (a late duplicate)
        int repeatGapMs = 0;
        bool lost = false;        // the frame never reached the radio: no effect, no answer
        bool doubled = false;     // the frame reached the radio twice: handled and answered twice
        int corruptAt = -1;       // this byte of the frame (1..) arrived with its low bit flipped
    };
    using Behaviour = std::function<void(const Frame&, Action&)>;

    FakeRadio();
    ~FakeRadio();
    FakeRadio(const FakeRadio&) = delete;
    FakeRadio& operator=(const FakeRadio&) = delete;

    bool ok() const { return master_ >= 0; }
    // The slave side, as a serial device path (/dev/pts/N).
    QString devicePath() const { return slavePath_; }

    static constexpr std::size_t MemorySize = 139776;
    std::vector<std::uint8_t> memory() const;
    void setMemory(const std::vector<std::uint8_t>& bytes);
    // Fills the memory with a pattern that differs in every block.
    void fillPattern(std::uint32_t seed);

    void setModel(const QByteArray& sevenBytes);  // "ZR9040" padded with NUL
    void setFirmware(const QByteArray& fourBytes);
    void setOptionByte(std::uint8_t b);
    // Replaced or cleared (empty function) at any time.
    void setBehaviour(Behaviour b);
    // Writes to the block at address are acknowledged but never stored.
    void refuseWrites(std::uint32_t address);
    // Between an answered "PROGRAM" and a received "END".
    bool inProgramMode() const;

    // Every frame received, in order.
    std::vector<Frame> frames() const;
    int frameCount(Kind k) const;
    void clearFrames();

    // Sends bytes unasked (noise).
    void inject(const QByteArray& bytes);
    // Sends bytes unasked after ms, without holding up the radio.
    void injectLater(const QByteArray& bytes, int ms);
    // The adapter is pulled out: the terminal's master side goes away.
    void unplug();

    // The proper answer of a frame.
    QByteArray answerFor(const Frame& f) const;
    static std::uint8_t Sum(const QByteArray& b, int first, int last);

private:
    void run();
    void handle(const Frame& f);
    void send(const QByteArray& bytes);
    void sendLater(const QByteArray& bytes, int ms);
    void sendDue();
    int msToNextDue() const;
    bool parseOne(QByteArray& in, Frame& f);
    void apply(const Frame& f);

    int master_ = -1;
    int slave_ = -1;
    QString slavePath_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> memory_;
    QByteArray model_;
    QByteArray firmware_;
    std::uint8_t option_ = 1;
    Behaviour behaviour_;
    std::vector<Frame> frames_;
    int kindCounts_[6] = {0, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> refused_;
    bool programMode_ = false;
    struct Due {
        std::chrono::steady_clock::time_point at;
        QByteArray bytes;
    };
    std::vector<Due> due_;  // answers held up on the line, in order of their time
};

}  // namespace testsupport
