#include "editors/settings/RogerBeepPlayer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "core/GlobalState.h"
#include "editors/settings/RogerBeepRules.h"
#include "platform/ToneOutput.h"

namespace ulbrix {

namespace {

const RogerBeepPattern* patternOf(int n) {
    if (n < 1 || n > RBPatternCount) return nullptr;
    return &WorkDocument.RogerBeep.at(static_cast<std::size_t>(n));
}

}  // namespace

void WaitWithEvents(int ms) {
    if (ms <= 0) return;
    const QDeadlineTimer deadline(ms, Qt::PreciseTimer);
    while (!deadline.hasExpired()) {
        QEventLoop loop;
        QTimer::singleShot(std::max<qint64>(deadline.remainingTime(), 0), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        // The application is quitting: nested loops return at once, so stop here.
        if (loop.exec() < 0) return;
    }
}

PlayerIO SoundCardIO() {
    // One output for the playback; it holds the device only while a tone sounds.
    auto out = std::make_shared<platform::ToneOutput>();
    return PlayerIO{[out](int hz, int ms) { out->play(hz, ms); }, WaitWithEvents,
                    [] { QCoreApplication::processEvents(); }};
}

int PlayedToneMs(const RogerBeepTone& tone) {
    const Long ms = Long{tone.Length} * 10;
    return ms <= 5 ? 0 : static_cast<int>(std::min<Long>(ms, MaxToneMs));
}

int PlayedToneHz(const RogerBeepTone& tone) {
    const Long hz = Long{tone.Freq} * 10;
    return hz < 50 ? 0 : static_cast<int>(std::min<Long>(hz, MaxToneHz));
}

int PlayedGapMs(Long gapMs) { return static_cast<int>(std::clamp<Long>(gapMs, 0, MaxGapMs)); }

Long GetRBTotalLength(int n) {
    const RogerBeepPattern* p = patternOf(n);
    if (!p) return 0;
    // A negative length from a damaged file sounds nothing; it must not cancel
    // the tones that do sound.
    Long total = 0;
    for (int k = 1; k <= RBToneCount; ++k) total += std::max<Long>(p->Tone.at(static_cast<std::size_t>(k)).Length, 0) * 10;
    return total;
}

bool PrepareRBPlay(int n) {
    ++Player.Generation;
    Player.StopPlay = false;
    Player.PlayingRBIndex = static_cast<Integer>(n);
    const RogerBeepPattern* p = patternOf(n);
    Player.PlayLoops = p ? p->Recycle : 0;
    Player.PlayIntervalMs = p ? Long{p->Interval} * 10 : 0;
    return GetRBTotalLength(n) >= 5;
}

void PlayRB(const PlayerIO& io) {
    const unsigned generation = Player.Generation;
    const int n = Player.PlayingRBIndex;
    const Long loops = Player.PlayLoops;
    const int gapMs = PlayedGapMs(Player.PlayIntervalMs);
    if (loops < 1 || !patternOf(n)) return;
    auto stopped = [generation] { return Player.StopPlay || Player.Generation != generation; };
    for (Long pass = 0; pass < loops; ++pass) {
        for (int k = 1; k <= RBToneCount; ++k) {
            // Read now: an edit made while the previous tone played is heard.
            const RogerBeepTone tone = patternOf(n)->Tone.at(static_cast<std::size_t>(k));
            const int toneMs = PlayedToneMs(tone);
            if (toneMs == 0) continue;
            if (stopped()) return;
            const int hz = PlayedToneHz(tone);
            if (hz == 0)
                io.wait(toneMs);
            else
                io.tone(hz, toneMs);
            io.pumpEvents();
        }
        io.wait(gapMs);
    }
}

}  // namespace ulbrix
