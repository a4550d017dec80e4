// Tones on the sound card: a band-limited square wave of a given pitch and
// length, played through ALSA and drained, so a call returns once the tone has
// been heard. The device is opened for each tone and closed after it, so
// between tones another playback (or another program, on a device that only
// one may hold) can have it. Where no sound device can be opened (a server, a
// CI machine) the call waits the tone's length in silence instead; that is
// warned about once on the log and never shown to the user. A device that had
// worked and fails is logged every time.
#pragma once

#include <QString>
#include <memory>
#include <vector>

namespace platform {

// Where the samples go: ALSA's PCM unless a test gives another.
class ToneDevice {
public:
    virtual ~ToneDevice() = default;
    // Names the device in the log; devices of one name share "had worked".
    virtual QString name() const = 0;
    // False, with the reason in `error`, when the device cannot be had.
    virtual bool open(QString& error) = 0;
    // Plays mono samples at ToneOutput::SampleRate and returns when the last
    // one has been heard; false, with the reason, when the device failed.
    virtual bool write(const std::vector<short>& samples, QString& error) = 0;
    virtual void close() = 0;
};

class ToneOutput {
public:
    // `device` is an ALSA PCM name; "default" is the user's sound output.
    explicit ToneOutput(QString device = QStringLiteral("default"));
    // Another device (a test's); none means the user's sound output.
    explicit ToneOutput(std::unique_ptr<ToneDevice> device);
    ~ToneOutput();
    ToneOutput(const ToneOutput&) = delete;
    ToneOutput& operator=(const ToneOutput&) = delete;

    // Plays `hz` for `ms` milliseconds and returns when it has ended. A pitch
    // of 0 or below is a silent wait; the pitch is held below the Nyquist limit
    // of the device. Nothing else runs meanwhile: events wait, as they do for
    // a tone on a speaker. The device is free again when this returns.
    void play(int hz, int ms);

    // True when the device can be opened now; it is closed again at once.
    bool probe();

    // The samples play() sends for a tone: odd harmonics below the Nyquist
    // limit only, so no alias sounds, with short fades at both ends.
    static std::vector<short> toneSamples(int hz, int ms);

    static constexpr int SampleRate = 48000;

private:
    bool sound(int hz, int ms);
    void deviceFailed(const QString& error);

    std::unique_ptr<ToneDevice> device_;
};

}  // namespace platform
