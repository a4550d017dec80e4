// A transfer reports success only when it succeeded: the line faults that
// make an acknowledge pass for another frame's, the read-back that catches
// them, and "END" on a quiet line.
#include "TransferFixture.h"

#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

using namespace ulbrix;
using testsupport::FakeRadio;
using Kind = FakeRadio::Kind;

namespace linktest {
namespace {

constexpr int kLate = 2 * kTestTimeoutMs;  // an answer held up past the time-out and the settle pause

class Verify : public TransferFixture {
protected:
    void SetUp() override {
        TransferFixture::SetUp();
        radio.fillPattern(17);  // a block left unwritten shows up
    }

    // Blocks of the walk in which the radio and the image differ.
    int DifferingBlocks() {
        const auto mem = radio.memory();
        int n = 0;
        for (std::uint32_t a : WalkAddresses())
            n += !std::equal(mem.begin() + a, mem.begin() + a + 16, RadioImage.begin() + a);
        return n;
    }

    int WritesTo(std::uint32_t address) {
        int n = 0;
        for (const auto& f : radio.frames()) n += f.kind == Kind::Write && f.address == address;
        return n;
    }
};

struct Sequence {
    const char* name;
    int mode;
    // Set up the radio's misbehaviour; walk holds the block addresses.
    std::function<void(FakeRadio&, const std::vector<std::uint32_t>& walk)> arrange;
    bool readBack;  // a write that must be read back
};

const Sequence kSequences[] = {
    {"acknowledge late past the time-out, a frame lost five blocks later", CommModeWrite,
     [](FakeRadio& r, const std::vector<std::uint32_t>& walk) {
         const std::uint32_t slow = walk[50], lost = walk[55];
         auto sends = std::make_shared<std::map<std::uint32_t, int>>();  // the radio's thread only
         r.setBehaviour([slow, lost, sends](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind != Kind::Write) return;
             const int n = (*sends)[f.address]++;
             if (f.address == slow && n == 0) a.lateMs = kLate;
             if (f.address == lost && n == 0) a.lost = true;
         });
     },
     true},
    {"identify late with a stray acknowledge, the first write frame lost", CommModeWrite,
     [](FakeRadio& r, const std::vector<std::uint32_t>&) {
         r.setBehaviour([&r](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind == Kind::Identify && f.sameKind == 0) {
                 a.lateMs = kLate;
                 r.injectLater(QByteArray(1, '\x06'), kLate + 60);
             }
             if (f.kind == Kind::Write && f.sameKind == 0) a.lost = true;
         });
     },
     true},
    {"last acknowledge late, END lost", CommModeWrite,
     [](FakeRadio& r, const std::vector<std::uint32_t>& walk) {
         const std::uint32_t last = walk.back();
         r.setBehaviour([last](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind == Kind::Write && f.address == last && f.sameKind == 1871) a.lateMs = kLate;
             if (f.kind == Kind::End && f.sameKind == 0) a.lost = true;
         });
     },
     true},
    {"last read reply late and in pieces, END lost", CommModeRead,
     [](FakeRadio& r, const std::vector<std::uint32_t>&) {
         r.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind == Kind::Read && f.sameKind == 1871) {
                 a.lateMs = kLate;
                 a.splitAt = 23;  // its last byte, 06, comes alone
             }
             if (f.kind == Kind::End && f.sameKind == 0) a.lost = true;
         });
     },
     false},
    {"acknowledge doubled, a frame lost later", CommModeWrite,
     [](FakeRadio& r, const std::vector<std::uint32_t>&) {
         r.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind == Kind::Write && f.sameKind == 20) a.reply = QByteArray("\x06\x06", 2);
             if (f.kind == Kind::Write && f.sameKind == 30) a.lost = true;
         });
     },
     true},
    {"acknowledges one frame out of step, a frame lost, then a lost acknowledge far later", CommModeWrite,
     [](FakeRadio& r, const std::vector<std::uint32_t>&) {
         // An extra acknowledge ahead of frame 11's own puts every answer one
         // frame behind (the radio answers each only after the next frame is
         // out); losing frame 20 brings the count back in step unnoticed. The
         // fault at frame 1000 must still make block 20 read back.
         r.setBehaviour([&r](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind != Kind::Write) return;
             if (f.sameKind == 11) r.inject(QByteArray(1, '\x06'));
             if (f.sameKind >= 11 && f.sameKind < 20) a.delayMs = 40;
             if (f.sameKind == 20) a.lost = true;
             if (f.sameKind == 1000) a.reply.clear();
         });
     },
     true},
    {"write frame corrupted on the way", CommModeWrite,
     [](FakeRadio& r, const std::vector<std::uint32_t>&) {
         r.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind == Kind::Write && f.sameKind == 40) a.corruptAt = 9;
         });
     },
     true},
    {"END answered after noise", CommModeRead,
     [](FakeRadio& r, const std::vector<std::uint32_t>&) {
         r.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
             if (f.kind == Kind::End && f.sameKind == 0) {
                 a.reply = QByteArray("\x15\x06", 2);
                 a.splitAt = 1;
             }
         });
     },
     false},
};

TEST_F(Verify, LineFaultsEndWithTheRadioHoldingTheImageAndOutOfProgrammingMode) {
    const auto walk = WalkAddresses();
    for (const Sequence& s : kSequences) {
        SCOPED_TRACE(s.name);
        NextCase();
        radio.fillPattern(17);
        s.arrange(radio, walk);
        ASSERT_TRUE(Run(s.mode));
        EXPECT_TRUE(result);
        EXPECT_FALSE(radio.inProgramMode());
        EXPECT_EQ(DifferingBlocks(), 0);
        EXPECT_EQ(msgs.texts(), QStringList{s.mode == CommModeWrite ? "Write Data Completed." : "Read Data Completed."});
        if (s.readBack) {
            EXPECT_GT(radio.frameCount(Kind::Read), 0);
        }
        const auto frames = radio.frames();
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.back().kind, Kind::End);
        EXPECT_FALSE(frames.back().lost);
        EXPECT_EQ(Comm.CommMode, 0);
        EXPECT_FALSE(link.isOpen());
    }
}

// The read-back covers the whole walk, however late the fault, under its own
// caption, and a block that reads back right is not written again.
TEST_F(Verify, ReadBackCoversEveryBlock) {
    const auto walk = WalkAddresses();
    const std::uint32_t lostAck = walk[1000];
    radio.setBehaviour([lostAck](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        if (f.kind == Kind::Write && f.address == lostAck && f.sameKind == 1000) a.reply.clear();
    });
    std::vector<TransferPass> passes;
    engine->showPass = [&](TransferPass p) { passes.push_back(p); };
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_TRUE(result);
    EXPECT_EQ(DifferingBlocks(), 0);
    EXPECT_EQ(passes, std::vector<TransferPass>{TransferPass::Verify});
    std::vector<std::uint32_t> reads;
    for (const auto& f : radio.frames())
        if (f.kind == Kind::Read) reads.push_back(f.address);
    EXPECT_EQ(reads, walk);
    EXPECT_EQ(radio.frameCount(Kind::Write), 1873);  // the one resend, nothing rewritten
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(Verify, ABlockTheRadioKeepsRefusingEndsAsAFailedWrite) {
    const auto walk = WalkAddresses();
    radio.refuseWrites(walk[100]);
    // A lost acknowledge earlier makes the write read itself back.
    radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        if (f.kind == Kind::Write && f.sameKind == 10) a.reply.clear();
    });
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_FALSE(result);
    EXPECT_EQ(msgs.texts(), QStringList{WriteIncompleteText(1)});
    EXPECT_EQ(WritesTo(walk[100]), 1 + MaxRewrites);
    EXPECT_FALSE(radio.inProgramMode());
    EXPECT_FALSE(link.isOpen());
}

// A clean transfer is exactly as before: no read frame, no quiet-line wait,
// no settle pause. With long time-outs any such wait would show.
TEST_F(Verify, ACleanTransferReadsNothingBackAndWaitsForNothing) {
    engine->setReplyTimeout(5000);
    engine->setSettleInterval(5000);
    for (int mode : {CommModeWrite, CommModeRead}) {
        SCOPED_TRACE(mode);
        NextCase();
        QElapsedTimer t;
        t.start();
        ASSERT_TRUE(Run(mode));
        EXPECT_TRUE(result);
        EXPECT_LT(t.elapsed(), 4000);
        EXPECT_EQ(radio.frameCount(Kind::End), 1);
        if (mode == CommModeWrite) {
            EXPECT_EQ(radio.frameCount(Kind::Read), 0);
        }
        EXPECT_FALSE(radio.inProgramMode());
    }
}

// A coarse timer may round its expiry to a 500 ms step of the monotonic
// clock, up to 5% early. Started 40 ms after such a step, a coarse 1000 ms
// time-out would fire at about 960 ms, before an answer due at 970 ms.
void StartJustAfterAHalfSecond() {
    using namespace std::chrono;
    for (;;) {
        const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() % 500;
        if (ms >= 38 && ms <= 40) return;
    }
}

TEST_F(Verify, TheReplyTimeOutIsPrecise) {
    engine->setReplyTimeout(DefaultReplyTimeoutMs);
    const std::pair<int, bool> cases[] = {{970, false}, {1060, true}};  // answer delay, resent
    for (auto [delay, resent] : cases) {
        SCOPED_TRACE(delay);
        NextCase();
        radio.setBehaviour([delay](const FakeRadio::Frame& f, FakeRadio::Action& a) {
            if (f.kind == Kind::Program && f.sameKind == 0) a.delayMs = delay;
        });
        StartJustAfterAHalfSecond();
        ASSERT_TRUE(Run(CommModeRadioInfo));
        EXPECT_EQ(radio.frameCount(Kind::Program) > 1, resent);
    }
}

// "END" that is never answered: the radio may still be in programming mode,
// and the user is told so instead of "Completed". A write whose blocks all
// went through does not claim the memory is incomplete.
TEST_F(Verify, EndNeverAnsweredIsAFailureThatSaysSo) {
    for (int mode : {CommModeWrite, CommModeRead}) {
        SCOPED_TRACE(mode);
        NextCase();
        const DocumentImage doc = WorkDocument;
        radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
            if (f.kind == Kind::End) a.lost = true;
        });
        ASSERT_TRUE(Run(mode));
        EXPECT_FALSE(result);
        EXPECT_EQ(radio.frameCount(Kind::End), MaxSendAttempts);
        EXPECT_EQ(msgs.texts(), QStringList{EndUnansweredText(1)});
        EXPECT_TRUE(WorkDocument == doc);
        if (mode == CommModeWrite) {
            EXPECT_EQ(DifferingBlocks(), 0);
        }
    }
}

}  // namespace
}  // namespace linktest
