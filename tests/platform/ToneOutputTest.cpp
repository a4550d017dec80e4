#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QtGlobal>

#include "platform/ToneOutput.h"

namespace {
int warnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtWarningMsg) ++warnings;
}
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
        EXPECT_FALSE(out.isOpen());
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

TEST(ToneOutput, PlaysOnARealAlsaDevice) {
    platform::ToneOutput out(QStringLiteral("null"));
    if (!out.open()) GTEST_SKIP() << "no ALSA device can be opened here (not even \"null\")";
    // Pitches the device cannot carry are held below its limit.
    for (int hz : {1000, 20000, 48000}) out.play(hz, 40);
    EXPECT_TRUE(out.isOpen());
}
