#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QtGlobal>
#include <cmath>
#include <numbers>

#include "platform/ToneOutput.h"

namespace {
int warnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtWarningMsg) ++warnings;
}

// A sound device that only one may hold at a time, as a card opened for
// exclusive use is; `broken` makes every write fail.
struct ExclusiveDevice : platform::ToneDevice {
    static inline int holders = 0;
    static inline int heard = 0;
    static inline bool broken = false;
    bool held = false;
    QString name() const override { return QStringLiteral("ulbrix_test_exclusive"); }
    bool open(QString& error) override {
        if (holders > 0) {
            error = QStringLiteral("busy");
            return false;
        }
        held = true;
        ++holders;
        return true;
    }
    bool write(const std::vector<short>&, QString& error) override {
        if (broken) error = QStringLiteral("gone");
        else ++heard;
        return !broken;
    }
    void close() override {
        if (held) --holders;
        held = false;
    }
};

// Power at `hz` of the samples under a Hann window (Goertzel).
double power(const std::vector<short>& s, double hz) {
    const double c = 2 * std::cos(2 * std::numbers::pi * hz / platform::ToneOutput::SampleRate);
    double s1 = 0, s2 = 0;
    const double n = static_cast<double>(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double x = s[i] * (0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / n));
        const double s0 = x + c * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}
double dbBelow(const std::vector<short>& s, double hz, double ref) { return 10 * std::log10(power(s, hz) / ref); }
}  // namespace

TEST(ToneOutput, WithoutADeviceTonesTakeTheirLengthInSilenceAndWarnOnce) {
    warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
    for (int i = 0; i < 2; ++i) {
        platform::ToneOutput out(QStringLiteral("no_such_ulbrix_device"));
        QElapsedTimer t;
        t.start();
        out.play(1000, 120);
        out.play(0, 30);  // a silent tone waits as well
        const qint64 took = t.elapsed();
        EXPECT_GE(took, 148);
        EXPECT_LT(took, 400);
    }
    qInstallMessageHandler(previous);
    EXPECT_LE(warnings, 1);
    platform::ToneOutput out(QStringLiteral("no_such_ulbrix_device"));
    QElapsedTimer t;
    t.start();
    out.play(1000, 0);
    out.play(1000, -50);
    EXPECT_LT(t.elapsed(), 20);
}

TEST(ToneOutput, TheDeviceIsFreeBetweenTonesAndEachLaterFailureIsLogged) {
    ExclusiveDevice::heard = 0;
    platform::ToneOutput first(std::make_unique<ExclusiveDevice>());
    first.play(1000, 10);
    // A second playback started while the first waits out its gap has the device.
    platform::ToneOutput second(std::make_unique<ExclusiveDevice>());
    second.play(1000, 10);
    first.play(1000, 10);
    EXPECT_EQ(ExclusiveDevice::heard, 3);
    EXPECT_EQ(ExclusiveDevice::holders, 0);

    warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
    ExclusiveDevice other;  // another program takes the device
    QString error;
    ASSERT_TRUE(other.open(error));
    first.play(1000, 10);
    second.play(1000, 10);
    other.close();
    ExclusiveDevice::broken = true;
    first.play(1000, 10);
    ExclusiveDevice::broken = false;
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 3);
    EXPECT_EQ(ExclusiveDevice::heard, 3);
}

TEST(ToneOutput, OnlyTrueHarmonicsSound) {
    for (int hz : {2550, 1230, 410}) {
        const std::vector<short> s = platform::ToneOutput::toneSamples(hz, 500);
        ASSERT_EQ(s.size(), 24000u);
        const double fundamental = power(s, hz);
        // Still a square wave: the third harmonic at about a third.
        EXPECT_NEAR(dbBelow(s, 3 * hz, fundamental), -9.5, 2.5) << hz;
        auto nearHarmonic = [hz](double f) {
            for (int k = 1; k * hz < 24200; k += 2)
                if (std::abs(f - k * hz) < 100) return true;
            return false;
        };
        std::vector<double> probes{451, 4649};
        for (int f = 50; f < 24000; f += 50) probes.push_back(f);
        for (double f : probes)
            if (!nearHarmonic(f)) {
                EXPECT_LT(dbBelow(s, f, fundamental), -50) << hz << " Hz at " << f;
            }
    }
}

TEST(ToneOutput, PlaysOnARealAlsaDevice) {
    platform::ToneOutput out(QStringLiteral("null"));
    if (!out.probe()) GTEST_SKIP() << "no ALSA device can be opened here (not even \"null\")";
    // Pitches the device cannot carry are held below its limit.
    for (int hz : {1000, 20000, 48000}) out.play(hz, 40);
}
