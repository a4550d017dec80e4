#include "platform/ToneOutput.h"

#include <alsa/asoundlib.h>

#include <QSet>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <mutex>
#include <numbers>
#include <numeric>
#include <thread>

namespace platform {

namespace {

constexpr int Amplitude = 6000;        // about a fifth of full scale
constexpr int RampMs = 4;              // fade in and out, so the edges do not click
constexpr int LowestHz = 20;           // below hearing; keeps the harmonics few enough to sum
constexpr unsigned LatencyUs = 60000;  // buffer the device keeps ahead

std::atomic<bool> warnedNoDevice{false};

// Devices that have played a tone in this process: a later failure of one of
// them is news and is logged each time.
std::mutex workedLock;
QSet<QString>& workedDevices() {
    static QSet<QString> names;
    return names;
}

// ALSA reports a missing card on stderr by itself; we log on our own terms.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

class AlsaDevice : public ToneDevice {
public:
    explicit AlsaDevice(QString name) : name_(std::move(name)) {}
    ~AlsaDevice() override { close(); }

    QString name() const override { return name_; }

    bool open(QString& error) override {
        if (pcm_) return true;
        snd_lib_error_set_handler(quietAlsa);
        snd_pcm_t* pcm = nullptr;
        // Opened without blocking, so a busy device fails at once instead of
        // hanging; the writes then block until the samples are taken.
        int rc = snd_pcm_open(&pcm, name_.toLocal8Bit().constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        if (rc >= 0) rc = snd_pcm_nonblock(pcm, 0);
        if (rc >= 0)
            rc = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                                    ToneOutput::SampleRate, 1, LatencyUs);
        if (rc < 0) {
            if (pcm) snd_pcm_close(pcm);
            error = QString::fromLocal8Bit(snd_strerror(rc));
            return false;
        }
        pcm_ = pcm;
        return true;
    }

    bool write(const std::vector<short>& samples, QString& error) override {
        if (!pcm_) {
            error = QStringLiteral("not open");
            return false;
        }
        int rc = 0;
        if (snd_pcm_state(pcm_) != SND_PCM_STATE_PREPARED) rc = snd_pcm_prepare(pcm_);
        const long frames = static_cast<long>(samples.size());
        long done = 0;
        while (rc >= 0 && done < frames) {
            snd_pcm_sframes_t n =
                snd_pcm_writei(pcm_, samples.data() + done, static_cast<snd_pcm_uframes_t>(frames - done));
            if (n < 0) n = snd_pcm_recover(pcm_, static_cast<int>(n), 1);
            if (n < 0) rc = static_cast<int>(n);
            else done += n;
        }
        // Returns when the device has played the last sample.
        if (rc >= 0) rc = snd_pcm_drain(pcm_);
        if (rc < 0) error = QString::fromLocal8Bit(snd_strerror(rc));
        return rc >= 0;
    }

    void close() override {
        if (!pcm_) return;
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }

private:
    QString name_;
    snd_pcm_t* pcm_ = nullptr;
};

// sin(2 pi j / SampleRate) for every j: a harmonic of a whole pitch steps
// through it by whole numbers, so no sample is interpolated.
const std::vector<double>& sineTable() {
    static const std::vector<double> table = [] {
        std::vector<double> t(ToneOutput::SampleRate);
        for (int j = 0; j < ToneOutput::SampleRate; ++j)
            t[static_cast<std::size_t>(j)] = std::sin(2 * std::numbers::pi * j / ToneOutput::SampleRate);
        return t;
    }();
    return table;
}

// Waits on a monotonic clock without running events.
void SilentWait(int ms) {
    if (ms <= 0) return;
    std::this_thread::sleep_until(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms));
}

}  // namespace

std::vector<short> ToneOutput::toneSamples(int hz, int ms) {
    if (hz <= 0 || ms <= 0) return {};
    hz = std::clamp(hz, LowestHz, SampleRate / 2 - 1);
    const long frames = static_cast<long>(SampleRate) * ms / 1000;
    if (frames <= 0) return {};
    // A whole pitch at a whole rate repeats exactly after this many samples:
    // one such stretch is summed and then repeated.
    const long period = SampleRate / std::gcd(hz, SampleRate);
    const std::size_t n = static_cast<std::size_t>(std::min(period, frames));
    int top = 1;  // highest odd harmonic below the Nyquist limit
    while (static_cast<long>(top + 2) * hz < SampleRate / 2) top += 2;
    // The Fourier series of a square wave, 4 / (pi k) for odd k, cut at the
    // Nyquist limit; the Lanczos factor tames the ringing the cut leaves.
    const double m = top + 2;
    const std::vector<double>& sine = sineTable();
    std::vector<double> wave(n, 0.0);
    for (int k = 1; k <= top; k += 2) {
        const double x = std::numbers::pi * k / m;
        const double gain = Amplitude * 4.0 / (std::numbers::pi * k) * std::sin(x) / x;
        const long step = static_cast<long>(k) * hz % SampleRate;
        long at = 0;
        for (std::size_t i = 0; i < n; ++i) {
            wave[i] += gain * sine[static_cast<std::size_t>(at)];
            at += step;
            if (at >= SampleRate) at -= SampleRate;
        }
    }
    std::vector<short> samples(static_cast<std::size_t>(frames));
    const long ramp = std::min(frames / 2, static_cast<long>(SampleRate) * RampMs / 1000);
    for (long i = 0; i < frames; ++i) {
        double level = wave[static_cast<std::size_t>(i) % n];
        const long edge = std::min(i, frames - 1 - i);
        if (edge < ramp) level = level * static_cast<double>(edge) / static_cast<double>(ramp);
        samples[static_cast<std::size_t>(i)] = static_cast<short>(std::lround(level));
    }
    return samples;
}

ToneOutput::ToneOutput(QString device) : device_(std::make_unique<AlsaDevice>(std::move(device))) {}

ToneOutput::ToneOutput(std::unique_ptr<ToneDevice> device)
    : device_(device ? std::move(device) : std::make_unique<AlsaDevice>(QStringLiteral("default"))) {}

ToneOutput::~ToneOutput() { device_->close(); }

bool ToneOutput::probe() {
    QString error;
    const bool ok = device_->open(error);
    device_->close();
    return ok;
}

void ToneOutput::play(int hz, int ms) {
    if (ms <= 0) return;
    const auto start = std::chrono::steady_clock::now();
    if (hz > 0 && sound(hz, ms)) return;
    // Silent tone, no device or a device that failed under way: the rest of
    // the tone's time passes in silence.
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    SilentWait(ms - static_cast<int>(spent.count()));
}

bool ToneOutput::sound(int hz, int ms) {
    const std::vector<short> samples = toneSamples(hz, ms);
    if (samples.empty()) return true;
    QString error;
    if (!device_->open(error)) {
        deviceFailed(error);
        return false;
    }
    const bool ok = device_->write(samples, error);
    // Released after every tone: a device that only one may hold is free
    // for whatever wants it during the gaps.
    device_->close();
    if (!ok) {
        deviceFailed(error);
        return false;
    }
    const std::lock_guard lock(workedLock);
    workedDevices().insert(device_->name());
    return true;
}

void ToneOutput::deviceFailed(const QString& error) {
    const QByteArray name = device_->name().toLocal8Bit();
    const QByteArray reason = error.toLocal8Bit();
    bool worked = false;
    {
        const std::lock_guard lock(workedLock);
        worked = workedDevices().contains(device_->name());
    }
    if (worked)
        qWarning("Sound device %s failed (%s); the tone is waited out in silence.", name.constData(),
                 reason.constData());
    else if (!warnedNoDevice.exchange(true))
        qWarning("No sound device (%s: %s); roger-beep tones are waited out in silence.", name.constData(),
                 reason.constData());
}

}  // namespace platform
