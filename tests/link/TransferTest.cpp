// Whole transfers through the engine and the serial link against the fake
// radio on a pseudo-terminal.
#include "TransferFixture.h"

#include <algorithm>
#include <atomic>

#include "link/PortSearch.h"
#include "platform/IniFile.h"
#include "platform/Process.h"

using namespace ulbrix;
using testsupport::FakeRadio;
using Kind = FakeRadio::Kind;

namespace linktest {
namespace {

// The image bytes the walk exchanges must equal the radio's; the rest is 0.
void ExpectImageMatchesRadio(const std::vector<std::uint8_t>& mem) {
    int mismatches = 0;
    for (std::uint32_t a = 0; a < 139776 && mismatches < 5; ++a) {
        const std::uint8_t want = IsExchangedAddress(a) ? mem[a] : 0;
        if (RadioImage[a] != want) {
            ADD_FAILURE() << "image byte 0x" << std::hex << a;
            ++mismatches;
        }
    }
}

class Transfer : public TransferFixture {};

TEST_F(Transfer, FullReadFetchesEveryBlockAndReplacesTheDocument) {
    radio.fillPattern(7);
    radio.setOptionByte(1);
    radio.setFirmware("V100");
    Doc.DataFilePath = "/tmp/old.dat";
    Doc.Untitled = false;
    ASSERT_TRUE(Run(CommModeRead));
    EXPECT_TRUE(result);
    ExpectImageMatchesRadio(radio.memory());

    const auto frames = radio.frames();
    const auto walk = WalkAddresses();
    ASSERT_EQ(walk.size(), 1872u);
    ASSERT_EQ(frames.size(), walk.size() + 3);
    EXPECT_EQ(frames[0].kind, Kind::Program);
    EXPECT_EQ(frames[1].kind, Kind::Identify);
    for (std::size_t i = 0; i < walk.size(); ++i) {
        ASSERT_EQ(frames[i + 2].kind, Kind::Read);
        ASSERT_EQ(frames[i + 2].address, walk[i]);
    }
    EXPECT_EQ(frames.back().kind, Kind::End);
    EXPECT_EQ(walk.front(), 0u);
    EXPECT_EQ(walk[200], 0x2000u);  // 0x0C80 / 16 blocks, then the hole
    EXPECT_EQ(walk.back(), 0x22160u);

    EXPECT_EQ(msgs.texts(), QStringList{"Read Data Completed."});
    EXPECT_EQ(Doc.DataFilePath, "new.dat");
    EXPECT_TRUE(Doc.Untitled);
    EXPECT_TRUE(RadioHasOption);
    EXPECT_EQ(App.FirmwareVersion, "V100");
    EXPECT_EQ(Comm.CommMode, 0);
    EXPECT_FALSE(link.isOpen());
    // Progress rises at every whole percent the walk passes, never repeats a
    // value and ends at 100 on the last block.
    std::vector<int> want;
    int last = 0;
    for (std::uint32_t a : walk) {
        const int p = ProgressPercent(a, 139776);
        if (p > last) want.push_back(last = p);
    }
    EXPECT_EQ(progress, want);
    EXPECT_EQ(want.front(), 1);
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(Transfer, FullWriteSendsThePackedDocument) {
    radio.fillPattern(3);  // anything the write does not cover shows up
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_TRUE(result);
    const auto mem = radio.memory();
    int mismatches = 0;
    for (std::uint32_t a = 0; a < 139776 && mismatches < 5; ++a) {
        if (!IsExchangedAddress(a)) continue;
        if (mem[a] != RadioImage[a]) {
            ADD_FAILURE() << "radio byte 0x" << std::hex << a;
            ++mismatches;
        }
    }
    EXPECT_EQ(radio.frameCount(Kind::Write), 1872);
    for (const auto& f : radio.frames()) {
        if (f.kind == Kind::Write && f.address == 0x4000) {
            EXPECT_EQ(f.bytes.left(6), QByteArray("\x57\x00\x00\x40\x00\x10", 6));
        }
    }
    EXPECT_EQ(msgs.texts(), QStringList{"Write Data Completed."});
    EXPECT_EQ(progress.back(), 100);
}


// ---- misbehaviour the transfer recovers from ----

struct Glitch {
    const char* name;
    Kind kind;   // frame kind whose answer goes wrong
    int nth;     // which frame of that kind
    std::function<void(FakeRadio::Action&)> spoil;
};

QByteArray Resummed(QByteArray r) {
    r[22] = static_cast<char>(FakeRadio::Sum(r, 1, 21));
    return r;
}

const Glitch kReadGlitches[] = {
    {"program answer lost", Kind::Program, 0, [](FakeRadio::Action& a) { a.reply.clear(); }},
    {"identify reply lost", Kind::Identify, 0, [](FakeRadio::Action& a) { a.reply.clear(); }},
    {"identify answered as PROGRAM", Kind::Identify, 0, [](FakeRadio::Action& a) { a.reply = "ZW\x06"; }},
    {"read reply lost", Kind::Read, 10, [](FakeRadio::Action& a) { a.reply.clear(); }},
    {"bad checksum", Kind::Read, 10, [](FakeRadio::Action& a) { a.reply[22] = static_cast<char>(a.reply[22] ^ 1); }},
    {"other address", Kind::Read, 10,
     [](FakeRadio::Action& a) {
         a.reply[4] = static_cast<char>(a.reply[4] ^ 0x10);
         a.reply = Resummed(a.reply);
     }},
    {"LEN 15", Kind::Read, 10,
     [](FakeRadio::Action& a) {
         a.reply[5] = 15;
         a.reply = Resummed(a.reply);
     }},
    {"last byte not 06", Kind::Read, 10, [](FakeRadio::Action& a) { a.reply[23] = 0x05; }},
    {"reply one byte long", Kind::Read, 10, [](FakeRadio::Action& a) { a.reply.append('\0'); }},
    {"END acknowledge lost", Kind::End, 0, [](FakeRadio::Action& a) { a.reply.clear(); }},
    {"END answered with the wrong kind", Kind::End, 0, [](FakeRadio::Action& a) { a.reply = "ZW\x06"; }},
};

TEST_F(Transfer, ReadRecoversFromABadReplyByResending) {
    radio.fillPattern(11);
    for (const Glitch& g : kReadGlitches) {
        SCOPED_TRACE(g.name);
        NextCase();
        radio.setBehaviour([&g](const FakeRadio::Frame& f, FakeRadio::Action& a) {
            if (f.kind == g.kind && f.sameKind == g.nth) g.spoil(a);
        });
        ASSERT_TRUE(Run(CommModeRead));
        EXPECT_TRUE(result);
        ExpectImageMatchesRadio(radio.memory());
        EXPECT_EQ(radio.frameCount(g.kind), g.kind == Kind::Read ? 1873 : 2);
        EXPECT_EQ(msgs.texts(), QStringList{"Read Data Completed."});
    }
}

TEST_F(Transfer, RepliesArrivingInPiecesAreJoined) {
    radio.fillPattern(5);
    radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        if (f.kind != Kind::Read || f.sameKind < 40) {
            a.splitAt = a.reply.size() > 1 ? 2 : 0;
            a.splitPauseMs = 3;
        }
    });
    ASSERT_TRUE(Run(CommModeRead));
    EXPECT_TRUE(result);
    ExpectImageMatchesRadio(radio.memory());
    EXPECT_EQ(radio.frameCount(Kind::Read), 1872);  // nothing needed a resend
}

TEST_F(Transfer, WriteRecoversFromALostOrGarbledAcknowledge) {
    const std::pair<const char*, QByteArray> cases[] = {{"lost", QByteArray()}, {"NAK", QByteArray("\x15")}};
    for (const auto& [name, reply] : cases) {
        SCOPED_TRACE(name);
        ResetCommState();
        finished = false;
        radio.clearFrames();
        radio.setMemory(std::vector<std::uint8_t>(FakeRadio::MemorySize, 0xEE));
        const QByteArray r = reply;
        radio.setBehaviour([r](const FakeRadio::Frame& f, FakeRadio::Action& a) {
            if (f.kind == Kind::Write && f.sameKind == 30) {
                a.reply = r;
                a.apply = false;
            }
        });
        ASSERT_TRUE(Run(CommModeWrite));
        EXPECT_TRUE(result);
        EXPECT_EQ(radio.frameCount(Kind::Write), 1873);
        const auto mem = radio.memory();
        for (std::uint32_t a : WalkAddresses())
            for (std::uint32_t i = 0; i < 16; ++i) ASSERT_EQ(mem[a + i], RadioImage[a + i]) << std::hex << a + i;
    }
}

// An acknowledge carries no block number: a late answer to a resent block
// must not be taken for the next block's.
TEST_F(Transfer, LateAcknowledgeOfAResentBlockIsNotTakenForTheNext) {
    const auto walk = WalkAddresses();
    const std::uint32_t slow = walk[50];
    const std::uint32_t next = walk[51];
    std::atomic<int> slowSends{0}, nextSends{0};
    radio.setBehaviour([&](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        if (f.kind != Kind::Write) return;
        if (f.address == slow) {
            // The first answer comes after the time-out, the answer to the
            // resend a little later again.
            a.delayMs = ++slowSends == 1 ? kTestTimeoutMs * 3 / 2 : kTestTimeoutMs * 2 / 5;
        } else if (f.address == next && ++nextSends == 1) {
            a.reply.clear();  // the radio was still busy and missed it
            a.apply = false;
        }
    });
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_TRUE(result);
    EXPECT_EQ(nextSends.load(), 2);
    const auto mem = radio.memory();
    for (std::uint32_t i = 0; i < 16; ++i) EXPECT_EQ(mem[next + i], RadioImage[next + i]);
}

// ---- failures ----

TEST_F(Transfer, SilentRadioAsksToCheckTheConnectionAfterFiveSends) {
    radio.setBehaviour([](const FakeRadio::Frame&, FakeRadio::Action& a) { a.reply.clear(); });
    msgs.answer(platform::MsgResult::Cancel);
    ASSERT_TRUE(Run(CommModeRead));
    EXPECT_FALSE(result);
    EXPECT_EQ(radio.frameCount(Kind::Program), 5);
    ASSERT_EQ(msgs.texts(), QStringList{"Check Connection. Retry or Cancel?"});
    EXPECT_EQ(msgs.shown()[0].buttons, platform::MsgButtons::OkCancel);
    EXPECT_EQ(msgs.shown()[0].icon, platform::MsgIcon::Question);
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(Comm.CommMode, 0);
}

TEST_F(Transfer, RetryStartsAgainFromProgram) {
    radio.fillPattern(9);
    radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        // Silent until the question has been answered, then well.
        if (f.kind == Kind::Program && f.sameKind < 5) a.reply.clear();
        if (f.kind == Kind::Read && f.sameKind >= 100 && f.sameKind < 105) a.reply.clear();
    });
    msgs.answer(platform::MsgResult::Ok);
    msgs.answer(platform::MsgResult::Ok);
    ASSERT_TRUE(Run(CommModeRead));
    EXPECT_TRUE(result);
    EXPECT_EQ(radio.frameCount(Kind::Program), 7);
    EXPECT_EQ(msgs.texts(), (QStringList{"Check Connection. Retry or Cancel?", "Check Connection. Retry or Cancel?",
                                          "Read Data Completed."}));
    ExpectImageMatchesRadio(radio.memory());
    // After the retry the bar starts again from 0.
    EXPECT_NE(std::find(progress.begin(), progress.end(), 0), progress.end());
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(Transfer, WriteCancelledHalfWaySaysTheRadioMayBeIncomplete) {
    radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        if (f.kind == Kind::Write && f.sameKind >= 100) a.reply.clear();
    });
    msgs.answer(platform::MsgResult::Cancel);
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_FALSE(result);
    ASSERT_EQ(msgs.texts().size(), 2);
    EXPECT_EQ(msgs.texts()[0], "Check Connection. Retry or Cancel?");
    EXPECT_EQ(msgs.texts()[1], WriteIncompleteText(1));
    EXPECT_FALSE(App.BatchWrite);
    // The radio still listens: one "END" takes it out of programming mode.
    EXPECT_EQ(radio.frameCount(Kind::End), 1);
    EXPECT_FALSE(radio.inProgramMode());
}

TEST_F(Transfer, FailedReadLeavesTheDocumentUntouched) {
    radio.fillPattern(13);
    Doc.DataFilePath = "/home/u/radio.dat";
    Doc.Untitled = false;
    const DocumentImage doc = WorkDocument;
    const auto channels = ChannelTable.v;
    radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        if (f.kind == Kind::Read && f.sameKind >= 50) a.reply.clear();
    });
    msgs.answer(platform::MsgResult::Cancel);
    ASSERT_TRUE(Run(CommModeRead));
    EXPECT_FALSE(result);
    EXPECT_TRUE(WorkDocument == doc);
    EXPECT_TRUE(ChannelTable.v == channels);
    EXPECT_EQ(Doc.DataFilePath, "/home/u/radio.dat");
    EXPECT_FALSE(Doc.Untitled);
    EXPECT_EQ(radio.frameCount(Kind::End), 1);
    EXPECT_FALSE(radio.inProgramMode());
}

TEST_F(Transfer, UnpluggedAdapterEndsTheTransferWithThePortMessage) {
    for (int mode : {CommModeRead, CommModeWrite}) {
        SCOPED_TRACE(mode);
        testsupport::FakeRadio r2;
        ASSERT_TRUE(r2.ok());
        linkPort(3, r2.devicePath());
        ResetCommState();
        finished = false;
        msgs.clear();
        const DocumentImage doc = WorkDocument;
        Comm.CommMode = mode;
        ASSERT_TRUE(engine->OpenCommPort());
        ClearImage();
        if (mode == CommModeWrite) PackImage();
        engine->SendProgramCmd();
        const Kind k = mode == CommModeRead ? Kind::Read : Kind::Write;
        ASSERT_TRUE(SpinUntil([&] { return r2.frameCount(k) >= 20; }, 10000));
        r2.unplug();
        ASSERT_TRUE(SpinUntil([this] { return finished; }, 10000));
        EXPECT_FALSE(result);
        ASSERT_GE(msgs.shown().size(), 1u);
        EXPECT_EQ(msgs.shown()[0].text, "Cannot Open Communication Port.");
        EXPECT_EQ(msgs.shown()[0].icon, platform::MsgIcon::Critical);
        if (mode == CommModeWrite) {
            ASSERT_EQ(msgs.texts().size(), 2);
            EXPECT_EQ(msgs.texts()[1], WriteIncompleteText(1));
        } else {
            EXPECT_EQ(msgs.texts().size(), 1);
        }
        EXPECT_FALSE(link.isOpen());
        EXPECT_TRUE(WorkDocument == doc);
    }
}

TEST_F(Transfer, PortThatCannotBeOpenedSaysSo) {
    App.ComPort = 40;  // /dev/ttyUSB7, not present
    Comm.CommMode = CommModeRead;
    EXPECT_FALSE(engine->OpenCommPort());
    ASSERT_EQ(msgs.texts(), QStringList{"Cannot Open Communication Port."});
    EXPECT_EQ(msgs.shown()[0].icon, platform::MsgIcon::Critical);
    EXPECT_FALSE(Comm.CommActive);
}

// ---- model and firmware ----

TEST_F(Transfer, WrongModelIsReportedAfterTheTransferAndNothingIsWritten) {
    const char* models[] = {"ZR9041", "zr9040", "ZR904"};
    for (const char* model : models) {
        for (int mode : {CommModeRead, CommModeWrite}) {
            SCOPED_TRACE(std::string(model) + (mode == CommModeRead ? " read" : " write"));
            NextCase();
            radio.setModel(model);
            const DocumentImage doc = WorkDocument;
            ASSERT_TRUE(Run(mode));
            EXPECT_FALSE(result);
            EXPECT_EQ(msgs.texts(), QStringList{"Model type is wrong."});
            std::vector<Kind> kinds;
            for (const auto& f : radio.frames()) kinds.push_back(f.kind);
            EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Program, Kind::Identify, Kind::End}));
            EXPECT_TRUE(WorkDocument == doc);
        }
    }
}

TEST_F(Transfer, ModelPaddedWithBlanksOrNulMatches) {
    radio.setModel(QByteArray("ZR9040 ", 7));
    ASSERT_TRUE(Run(CommModeRead));
    EXPECT_TRUE(result);
}

TEST_F(Transfer, UnlistedFirmwareAsksAndNoEndsTheTransfer) {
    radio.setFirmware("V101");
    msgs.answer(platform::MsgResult::No);
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_FALSE(result);
    ASSERT_EQ(msgs.shown().size(), 1u);
    EXPECT_EQ(msgs.shown()[0].text, BuildVersionMessage("V100", "V101", VersionKindFirmware));
    EXPECT_EQ(msgs.shown()[0].buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(radio.frameCount(Kind::Write), 0);
    EXPECT_EQ(radio.frameCount(Kind::End), 1);
}

// Replies that come in while a question is open are not taken as answers.
TEST_F(Transfer, RepliesDuringAQuestionAreDropped) {
    struct Case {
        const char* name;
        QByteArray firmware;
        bool silent;
        platform::MsgResult answer;
    };
    const Case cases[] = {{"connection question", "V100", true, platform::MsgResult::Cancel},
                          {"firmware question", "V101", false, platform::MsgResult::No}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetCommState();
        finished = false;
        radio.clearFrames();
        radio.setFirmware(c.firmware);
        const bool silent = c.silent;
        radio.setBehaviour([silent](const FakeRadio::Frame&, FakeRadio::Action& a) {
            if (silent) a.reply.clear();
        });
        int questions = 0;
        auto previous = platform::SetMsgHandler([&](const platform::MsgRequest&) {
            ++questions;
            // The answers the open question would have been waiting for.
            FakeRadio::Frame f;
            f.kind = silent ? Kind::Program : Kind::Identify;
            radio.setBehaviour({});
            radio.inject(radio.answerFor(f));
            SpinUntil([] { return false; }, kTestSettleMs + 200);
            return c.answer;
        });
        const bool ended = Run(CommModeRead);
        platform::SetMsgHandler(previous);
        ASSERT_TRUE(ended);
        EXPECT_FALSE(result);
        EXPECT_EQ(questions, 1);
        EXPECT_EQ(radio.frameCount(Kind::Read), 0);
        EXPECT_EQ(radio.frameCount(Kind::Identify), silent ? 0 : 1);
    }
}

struct HandOverCase {
    const char* firmware;
    bool modified;
    bool saveAnswer;
    bool asked;
    bool started;
};

TEST_F(Transfer, HandOverEndsProgrammingModeAndOffersToSaveFirst) {
    rt.writeFile("Version.ini",
                 "[Version]\nCurrentVersion=V100\nSoftVersionCount=2\nFirmVersionCount=2\n"
                 "[Soft]\nVersion0=V100\nVersion1=V200\n[Firm]\nFirm0=V100V100\nFirm1=V200V101\n");
    LoadVersionIni();
    const HandOverCase cases[] = {{"V101", false, true, false, true},
                                  {"V101", true, true, true, true},
                                  {"V101", true, false, true, false},
                                  // No release pairs with it: nothing to save for.
                                  {"V102", true, true, false, false}};
    for (const HandOverCase& c : cases) {
        SCOPED_TRACE(std::string(c.firmware) + char('0' + c.modified) + char('0' + c.saveAnswer));
        radio.setFirmware(c.firmware);
        NextCase();
        SavedDocument = WorkDocument;
        SavedChannelTable = ChannelTable;
        SavedMemChannelList = MemChannelList;
        if (c.modified) WorkDocument.RssiThreshold[1] = static_cast<Integer>(WorkDocument.RssiThreshold[1] + 1);
        bool asked = false;
        engine->saveQuestion = [&] {
            asked = true;
            EXPECT_FALSE(link.isOpen());
            return c.saveAnswer;
        };
        QString started;
        int endsAtStart = -1;
        bool portOpenAtStart = true;
        auto prevStart = platform::SetStartHandler([&](const QString& path) {
            started = path;
            endsAtStart = radio.frameCount(Kind::End);
            portOpenAtStart = link.isOpen();
            return true;
        });
        int exitCode = -1;
        auto prevExit = platform::SetExitHandler([&](int code) { exitCode = code; });
        msgs.answer(platform::MsgResult::Yes);
        const bool ended = Run(CommModeRead);
        platform::SetStartHandler(prevStart);
        platform::SetExitHandler(prevExit);
        ASSERT_TRUE(ended);
        EXPECT_FALSE(result);
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(!started.isEmpty(), c.started);
        if (c.started) {
            EXPECT_EQ(started, ReleaseExecutablePath("V200"));
            EXPECT_EQ(endsAtStart, 1);
            EXPECT_FALSE(portOpenAtStart);
            EXPECT_EQ(exitCode, 0);
        }
        if (!c.asked && !c.started) {
            EXPECT_EQ(msgs.texts().last(), VerTextNoRelease[1]);
        }
    }
}

// ---- the hidden transfers ----

TEST_F(Transfer, RadioInformationReadTakesTheRadioOutOfProgrammingMode) {
    ASSERT_TRUE(Run(CommModeRadioInfo));
    EXPECT_FALSE(result);
    std::vector<Kind> kinds;
    for (const auto& f : radio.frames()) kinds.push_back(f.kind);
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Program, Kind::End}));
    EXPECT_TRUE(msgs.texts().isEmpty());
}

TEST_F(Transfer, BatchWriteChecksTheModelToo) {
    App.BatchWrite = true;
    App.BatchFormOpen = true;
    radio.setModel("XX1234");
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_FALSE(result);
    EXPECT_EQ(radio.frameCount(Kind::Write), 0);
    EXPECT_FALSE(App.BatchWrite);
    EXPECT_FALSE(App.BatchFormOpen);

    ResetCommState();
    finished = false;
    msgs.clear();
    radio.setModel("ZR9040");
    App.BatchWrite = true;
    App.BatchFormOpen = true;
    bool closed = false;
    engine->closeProgress = [&] { closed = true; };
    ASSERT_TRUE(Run(CommModeWrite));
    EXPECT_TRUE(result);
    EXPECT_TRUE(closed);
    EXPECT_EQ(radio.frameCount(Kind::Write), 1872);
    EXPECT_EQ(msgs.texts(), QStringList{"Write Data Completed."});
}

// ---- the port search (nothing in the program starts it) ----

TEST_F(Transfer, PortSearchKeepsTheSettingWhereTheRadioAnswers) {
    struct Case {
        const char* name;
        QByteArray model;
        bool ok;
        std::vector<Kind> head;  // the first frames the radio sees
    };
    const Case cases[] = {
        // The probe's lost answer is followed by the probe again, not an older frame.
        {"expected model", "ZR9040", true, {Kind::Program, Kind::Program, Kind::Identify, Kind::Read}},
        // Every setting of port 3 is tried, then the transfer starts at the
        // first one that answered and reports the model.
        {"other model", "XX1234", false, {Kind::Program, Kind::Program, Kind::Identify, Kind::Program}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NextCase();
        radio.setModel(c.model);
        radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
            if (f.kind == Kind::Program && f.index == 0) a.reply.clear();
        });
        App.ComPort = 1;
        engine->portSearch().StartPortSearch({40, 3}, CommModeRead);  // COM40 does not exist
        ASSERT_TRUE(SpinUntil([this] { return finished; }, 30000));
        EXPECT_EQ(result, c.ok);
        const auto frames = radio.frames();
        ASSERT_GE(frames.size(), c.head.size());
        for (std::size_t i = 0; i < c.head.size(); ++i) EXPECT_EQ(frames[i].kind, c.head[i]) << i;
        EXPECT_EQ(App.ComPort, 3);
        EXPECT_EQ(platform::GetPrivateProfileString("language", "comPort", "", rt.settingsFile()), "3");
        EXPECT_EQ(platform::GetPrivateProfileString("language", "StopBit", "", rt.settingsFile()), "1");
        if (c.ok) {
            EXPECT_EQ(radio.frameCount(Kind::Read), 1872);
            EXPECT_EQ(msgs.texts(), QStringList{"Read Data Completed."});
        } else {
            EXPECT_EQ(radio.frameCount(Kind::Identify), 9);  // 8 settings, then the transfer's own
            EXPECT_EQ(radio.frameCount(Kind::Read), 0);
            EXPECT_EQ(msgs.texts(), QStringList{"Model type is wrong."});
        }
        EXPECT_FALSE(link.isOpen());
    }
}

// ---- frames and replies ----

TEST(Frames, BytesOnTheWire) {
    EXPECT_EQ(ProgramFrame(), QByteArray("PROGRAM"));
    EXPECT_EQ(IdentifyFrame(), QByteArray(1, '\x02'));
    EXPECT_EQ(EndFrame(), QByteArray("END"));
    EXPECT_EQ(ReadBlockFrame(0x22160), QByteArray("R\x00\x02\x21\x60\x10", 6));
    std::uint8_t data[16];
    for (int i = 0; i < 16; ++i) data[i] = static_cast<std::uint8_t>(0xF0 + i);
    const QByteArray w = WriteBlockFrame(0x4000, data);
    ASSERT_EQ(w.size(), 24);
    EXPECT_EQ(w.left(6), QByteArray("W\x00\x00\x40\x00\x10", 6));
    unsigned sum = 0x40 + 0x10;
    for (int i = 0; i < 16; ++i) sum += data[i];
    EXPECT_EQ(static_cast<std::uint8_t>(w[22]), sum & 0xFF);
    EXPECT_EQ(w[23], '\x06');
    EXPECT_EQ(FrameChecksum(w, 1, 0), sum & 0xFF);  // 0 means up to the last index - 2
}

TEST(Frames, ReadReplyChecks) {
    QByteArray good(1, 'W');
    good += QByteArray("\x00\x01\x23\x40\x10", 5);
    for (int i = 0; i < 16; ++i) good += static_cast<char>(0x80 + i);
    good += static_cast<char>(FakeRadio::Sum(good, 1, 21));
    good += '\x06';
    struct Case {
        const char* name;
        std::function<void(QByteArray&)> change;
        std::int64_t address;
        bool ok;
    };
    const Case cases[] = {
        {"good", [](QByteArray&) {}, 0x12340, true},
        {"other address", [](QByteArray&) {}, 0x12350, false},
        {"address compared unsigned", [](QByteArray& r) { r[1] = '\x80'; r[22] = static_cast<char>(r[22] + 0x80); },
         0x80012340LL, true},
        {"LEN 15", [](QByteArray& r) { r[5] = 15; }, 0x12340, false},
        {"bad sum", [](QByteArray& r) { r[22] = static_cast<char>(r[22] + 1); }, 0x12340, false},
        {"last byte 05", [](QByteArray& r) { r[23] = 5; }, 0x12340, false},
        {"first byte", [](QByteArray& r) { r[0] = 'X'; }, 0x12340, false},
        {"short", [](QByteArray& r) { r.chop(1); }, 0x12340, false},
        {"long", [](QByteArray& r) { r.append('\x06'); }, 0x12340, false},
    };
    for (const Case& c : cases) {
        QByteArray r = good;
        c.change(r);
        EXPECT_EQ(IsReadDataReply(r, c.address, 16), c.ok) << c.name;
    }
    EXPECT_TRUE(IsAckReply(QByteArray(1, '\x06')));
    EXPECT_FALSE(IsAckReply(QByteArray("\x06\x06", 2)));
    EXPECT_TRUE(IsProgramReply(QByteArray("ZW\x06", 3)));
    EXPECT_FALSE(IsProgramReply(QByteArray("ZW\x06\x00", 4)));
    EXPECT_TRUE(IsIdentReply(QByteArray("I") + QByteArray(15, '\0')));
    EXPECT_FALSE(IsIdentReply(QByteArray("I") + QByteArray(14, '\0')));
}

TEST(Frames, IdentifyReplyFields) {
    ResetCommState();
    QByteArray r("I", 1);
    r += QByteArray("ZR9040\0", 7);
    r += '\x01';
    r += "V123";
    r += QByteArray(3, '\x7F');
    ParseIdentReply(r);
    EXPECT_EQ(Comm.RadioModelText, "ZR9040");
    EXPECT_TRUE(RadioHasOption);
    EXPECT_EQ(App.FirmwareVersion, "V123");
    r[8] = 2;
    ParseIdentReply(r);
    EXPECT_FALSE(RadioHasOption);
}

TEST(Frames, ProgressRoundsHalvesToEven) {
    const std::pair<std::int64_t, int> cases[] = {{0, 0}, {-16, 0}, {698, 0}, {699, 1}, {0x22160, 100}};
    for (auto [address, percent] : cases) EXPECT_EQ(ProgressPercent(address, 139776), percent) << address;
    EXPECT_EQ(ProgressPercent(1, 200), 0);  // 0.5
    EXPECT_EQ(ProgressPercent(3, 200), 2);  // 1.5
    EXPECT_EQ(ProgressPercent(5, 200), 2);  // 2.5
}

}  // namespace
}  // namespace linktest
