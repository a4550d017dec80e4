// Full reads and writes of all 1,872 blocks through the real engine and
// serial link against the fake radio on a pseudo-terminal that answers at
// once. The CPU time is the program's own (the radio runs on its own
// thread); the per-block counters and the line estimate are derived from it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <clocale>
#include <ctime>
#include <memory>

#include "core/ModEnglish.h"
#include "core/ModInitV.h"
#include "core/GlobalState.h"
#include "core/ModVersion.h"
#include "link/ChannelCodec.h"
#include "link/ModComm.h"
#include "link/RadioImage.h"
#include "platform/SerialLink.h"
#include "support/FakeRadio.h"
#include "support/Support.h"

namespace {

constexpr int kBlocks = 1872;
// A 38,400-baud 8N1 line moves 3,840 bytes a second. A read block is 6 bytes
// out and 24 back, a write block 24 out and 1 back.
constexpr double kLineBytesPerSecond = 3840.0;
constexpr double kReadLineSeconds = kBlocks * 30 / kLineBytesPerSecond;
constexpr double kWriteLineSeconds = kBlocks * 25 / kLineBytesPerSecond;

double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

struct Bench {
    testsupport::RuntimeDir rt;
    testsupport::MsgRecorder msgs;
    testsupport::FakeRadio radio;
    platform::SerialLink link;
    QTimer wait;
    std::unique_ptr<ulbrix::CommEngine> engine;
    bool finished = false;
    bool ok = false;

    Bench() {
        ulbrix::ResetProcessState();
        ulbrix::ResetCommState();
        ulbrix::LoadVersionIni();
        ulbrix::InitLanguageStrings();
        ulbrix::NewDocument();
        radio.fillPattern(1);
        rt.writeFile("ports/.keep", "");
        QFile::link(radio.devicePath(), rt.root() + "/ports/com3");
        ulbrix::App.ComPort = 3;
        engine = std::make_unique<ulbrix::CommEngine>(&link, &wait);
        QObject::connect(engine.get(), &ulbrix::CommEngine::finished, [this](bool r) {
            finished = true;
            ok = r;
        });
    }

    bool run(int mode) {
        finished = false;
        ulbrix::Comm.CommMode = mode;
        if (!engine->OpenCommPort()) return false;
        ulbrix::ClearImage();
        if (mode == ulbrix::CommModeWrite) ulbrix::PackImage();
        engine->SendProgramCmd();
        QEventLoop loop;
        QObject::connect(engine.get(), &ulbrix::CommEngine::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (!finished) loop.exec();
        msgs.clear();
        return finished && ok;
    }
};

void Transfer(benchmark::State& state, int mode) {
    Bench b;
    double cpu = 0, wall = 0;
    double extraFrames = 0;
    for (auto _ : state) {
        b.radio.clearFrames();
        QElapsedTimer t;
        t.start();
        const double c0 = threadCpuSeconds();
        if (!b.run(mode)) {
            state.SkipWithError("transfer failed");
            return;
        }
        cpu += threadCpuSeconds() - c0;
        wall += static_cast<double>(t.nsecsElapsed()) * 1e-9;
        // PROGRAM, identify, the blocks and END; anything more is a resend or a read-back.
        extraFrames += static_cast<double>(b.radio.frames().size()) - (kBlocks + 3);
    }
    const double n = static_cast<double>(state.iterations());
    const double cpuPerBlock = cpu / n / kBlocks;
    const double lineSeconds = mode == ulbrix::CommModeRead ? kReadLineSeconds : kWriteLineSeconds;
    state.counters["program_us_per_block"] = cpuPerBlock * 1e6;
    state.counters["wall_us_per_block"] = wall / n / kBlocks * 1e6;
    state.counters["pty_transfer_s"] = wall / n;
    state.counters["line_s_38400"] = lineSeconds;
    state.counters["added_pct_at_38400"] = cpuPerBlock * kBlocks / lineSeconds * 100.0;
    state.counters["extra_frames"] = extraFrames / n;
}

void BM_FullRead(benchmark::State& state) { Transfer(state, ulbrix::CommModeRead); }
void BM_FullWrite(benchmark::State& state) { Transfer(state, ulbrix::CommModeWrite); }

BENCHMARK(BM_FullRead)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_FullWrite)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
