// Tones on the sound card: a square wave of a given pitch and length, played
// through ALSA and drained, so a call returns once the tone has been heard.
// Where no sound device can be opened (a server, a CI machine) the call waits
// the tone's length in silence instead; that is warned about once on the log
// and never shown to the user.
#pragma once

#include <QString>

namespace platform {

class ToneOutput {
public:
    // `device` is an ALSA PCM name; "default" is the user's sound output.
    explicit ToneOutput(QString device = QStringLiteral("default"));
    ~ToneOutput();
    ToneOutput(const ToneOutput&) = delete;
    ToneOutput& operator=(const ToneOutput&) = delete;

    // Plays `hz` for `ms` milliseconds and returns when it has ended. A pitch
    // of 0 or below is a silent wait; the pitch is held below the Nyquist limit
    // of the device. Nothing else runs meanwhile: events wait, as they do for
    // a tone on a speaker.
    void play(int hz, int ms);

    // Opens the device now (play() opens it when needed); false when there is
    // none. The device stays open until the object goes.
    bool open();
    bool isOpen() const { return pcm_ != nullptr; }

    static constexpr int SampleRate = 48000;

private:
    bool writeTone(int hz, int ms);
    void close();

    QString device_;
    void* pcm_ = nullptr;  // snd_pcm_t*, kept out of this header
    bool failed_ = false;  // opening failed once: stay silent
};

}  // namespace platform
