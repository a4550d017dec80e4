#include "platform/ToneOutput.h"

#include <alsa/asoundlib.h>

#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>
#include <vector>

namespace platform {

namespace {

constexpr int Amplitude = 6000;        // about a fifth of full scale
constexpr int RampMs = 4;              // fade in and out, so the edges do not click
constexpr unsigned LatencyUs = 60000;  // buffer the device keeps ahead

std::atomic<bool> warnedNoDevice{false};

// ALSA reports a missing card on stderr by itself; we warn once on our own.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

snd_pcm_t* pcmOf(void* p) { return static_cast<snd_pcm_t*>(p); }

// One tone: a square wave with linear ramps at both ends.
std::vector<short> squareWave(int hz, int frames) {
    std::vector<short> samples(static_cast<std::size_t>(frames));
    const int ramp = std::min(frames / 2, ToneOutput::SampleRate * RampMs / 1000);
    const double period = static_cast<double>(ToneOutput::SampleRate) / hz;
    for (int i = 0; i < frames; ++i) {
        const double phase = std::fmod(i, period) / period;
        double level = phase < 0.5 ? Amplitude : -Amplitude;
        if (ramp > 0) {
            const int edge = std::min(i, frames - 1 - i);
            if (edge < ramp) level = level * edge / ramp;
        }
        samples[static_cast<std::size_t>(i)] = static_cast<short>(std::lround(level));
    }
    return samples;
}

// Waits on a monotonic clock without running events.
void SilentWait(int ms) {
    if (ms <= 0) return;
    std::this_thread::sleep_until(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms));
}

}  // namespace

ToneOutput::ToneOutput(QString device) : device_(std::move(device)) {}

ToneOutput::~ToneOutput() { close(); }

bool ToneOutput::open() {
    if (pcm_) return true;
    if (failed_) return false;
    snd_lib_error_set_handler(quietAlsa);
    snd_pcm_t* pcm = nullptr;
    // Opened without blocking, so a busy device fails at once instead of hanging;
    // the writes then block until the samples are taken.
    int rc = snd_pcm_open(&pcm, device_.toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
    if (rc >= 0) rc = snd_pcm_nonblock(pcm, 0);
    if (rc >= 0)
        rc = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, SampleRate, 1, LatencyUs);
    if (rc < 0) {
        if (pcm) snd_pcm_close(pcm);
        failed_ = true;
        if (!warnedNoDevice.exchange(true))
            qWarning("No sound device (%s: %s); roger-beep tones are waited out in silence.",
                     device_.toLocal8Bit().constData(), snd_strerror(rc));
        return false;
    }
    pcm_ = pcm;
    return true;
}

void ToneOutput::close() {
    if (!pcm_) return;
    snd_pcm_close(pcmOf(pcm_));
    pcm_ = nullptr;
}

void ToneOutput::play(int hz, int ms) {
    if (ms <= 0) return;
    const auto start = std::chrono::steady_clock::now();
    if (hz > 0 && open() && writeTone(hz, ms)) return;
    // Silent tone, no device or a device that failed under way: the rest of
    // the tone's time passes in silence.
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    SilentWait(ms - static_cast<int>(spent.count()));
}

bool ToneOutput::writeTone(int hz, int ms) {
    hz = std::min(hz, SampleRate / 2 - 1);
    const long frames = static_cast<long>(SampleRate) * ms / 1000;
    if (frames <= 0) return true;
    const std::vector<short> samples = squareWave(hz, static_cast<int>(frames));
    snd_pcm_t* pcm = pcmOf(pcm_);
    if (snd_pcm_state(pcm) != SND_PCM_STATE_PREPARED && snd_pcm_prepare(pcm) < 0) {
        close();
        return false;
    }
    long done = 0;
    while (done < frames) {
        snd_pcm_sframes_t n = snd_pcm_writei(pcm, samples.data() + done, static_cast<snd_pcm_uframes_t>(frames - done));
        if (n < 0) n = snd_pcm_recover(pcm, static_cast<int>(n), 1);
        if (n < 0) {
            close();
            return false;
        }
        done += n;
    }
    // Returns when the device has played the last sample.
    if (snd_pcm_drain(pcm) < 0) {
        close();
        return false;
    }
    return true;
}

}  // namespace platform
