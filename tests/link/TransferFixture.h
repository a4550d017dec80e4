// Shared set-up of the transfer tests: a runtime folder whose port 3 is the
// slave side of a fake radio's pseudo-terminal, the language tables and the
// version file loaded, and short time-outs.
#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <memory>
#include <vector>

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

namespace linktest {

inline constexpr int kTestTimeoutMs = 250;
inline constexpr int kTestSettleMs = 150;

// Addresses of every block the walk exchanges.
inline std::vector<std::uint32_t> WalkAddresses() {
    std::vector<std::uint32_t> out;
    for (std::int32_t a = ulbrix::NextValidAddress(0); a < 139776; a = ulbrix::NextValidAddress(a + 16))
        out.push_back(static_cast<std::uint32_t>(a));
    return out;
}

// Runs the event loop until pred holds or ms pass; true when it held.
template <typename Pred>
bool SpinUntil(Pred pred, int ms) {
    QElapsedTimer t;
    t.start();
    while (!pred()) {
        if (t.elapsed() > ms) return false;
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

class TransferFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ulbrix::ResetProcessState();
        ulbrix::ResetCommState();
        ulbrix::LoadVersionIni();
        ulbrix::InitLanguageStrings();
        ulbrix::NewDocument();
        ASSERT_TRUE(radio.ok());
        linkPort(3, radio.devicePath());
        ulbrix::App.ComPort = 3;
        engine = std::make_unique<ulbrix::CommEngine>(&link, &wait);
        engine->setReplyTimeout(kTestTimeoutMs);
        engine->setSettleInterval(kTestSettleMs);
        engine->showProgress = [this](int p) { progress.push_back(p); };
        QObject::connect(engine.get(), &ulbrix::CommEngine::finished, [this](bool ok) {
            finished = true;
            result = ok;
        });
    }
    void TearDown() override {
        engine.reset();
        link.close();
        ulbrix::ResetCommState();
    }

    void linkPort(int n, const QString& target) {
        const QString path = rt.root() + "/ports/com" + QString::number(n);
        rt.writeFile("ports/.keep", "");
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(target, path));
    }

    // Before each case of a table: a fresh transfer state, no messages, no frames.
    void NextCase() {
        ulbrix::ResetCommState();
        finished = false;
        msgs.clear();
        radio.clearFrames();
    }

    // Starts a transfer of mode as the commands do (without dialogs) and runs
    // it to its end. False when it did not end within ms.
    bool Run(int mode, int ms = 30000) {
        ulbrix::Comm.CommMode = mode;
        if (mode == ulbrix::CommModeWrite) ulbrix::Comm.WriteStep = 0;
        else ulbrix::Comm.ReadStep = 0;
        if (!engine->OpenCommPort()) {
            ulbrix::Comm.CommMode = 0;
            return true;
        }
        if (mode == ulbrix::CommModeRead) ulbrix::ClearImage();
        if (mode == ulbrix::CommModeWrite) {
            ulbrix::ClearImage();
            ulbrix::PackImage();
        }
        engine->SendProgramCmd();
        return SpinUntil([this] { return finished; }, ms);
    }

    testsupport::RuntimeDir rt;
    testsupport::MsgRecorder msgs;
    testsupport::FakeRadio radio;
    platform::SerialLink link;
    QTimer wait;
    std::unique_ptr<ulbrix::CommEngine> engine;
    std::vector<int> progress;
    bool finished = false;
    bool result = false;
};

}  // namespace linktest
