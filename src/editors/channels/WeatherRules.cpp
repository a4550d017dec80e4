#include "editors/channels/WeatherRules.h"

#include <QLocale>
#include <cmath>
#include <stdexcept>

#include "core/GlobalState.h"
#include "core/ModFun.h"
#include "core/ModPubFun.h"

namespace ulbrix {

double TV_CH_Step(double f) {
    // Units of 10 Hz, halves to the even neighbour (the default rounding mode).
    const double units = std::nearbyint(f * 100000.0);
    if (!std::isfinite(units) || std::fabs(units) > 2.0e9) return f;
    const auto n = static_cast<long long>(units);
    if (n % 500 == 0 || n % 625 == 0) return f;
    return static_cast<double>(n - n % 500) / 100000.0;
}

QString TV_CH_CheckFre(const QString& text) {
    const auto value = NumericValue(text);
    if (!value) return QString();
    double f = *value;
    if (f < WeatherLowMHz) f = WeatherLowMHz;
    else if (f > WeatherHighMHz) f = WeatherHighMHz;
    else f = TV_CH_Step(f);
    return QString::number(f, 'g', QLocale::FloatingPointShortest);
}

WeatherFrequencyCommit WeatherFrequencyFromText(const QString& text) {
    if (text.trimmed().isEmpty()) return {WeatherFrequencyCommit::Clear, 0.0};
    const QString s = TV_CH_CheckFre(text);
    if (s.isEmpty()) return {WeatherFrequencyCommit::Keep, 0.0};
    return {WeatherFrequencyCommit::Store, s.toDouble()};
}

void ApplyWeatherFrequency(WeatherChannelRecord& entry, const WeatherFrequencyCommit& commit) {
    switch (commit.kind) {
    case WeatherFrequencyCommit::Store:
        entry.InUse = 1;
        entry.OnOff = 0;
        entry.Wide = 1;
        entry.FreqMHz = commit.freqMHz;
        break;
    case WeatherFrequencyCommit::Clear:
        entry.InUse = 0;
        break;
    case WeatherFrequencyCommit::Keep:
        break;
    }
}

QString FormatWeatherFrequency(double f) {
    if (!std::isfinite(f)) return QString();
    QString s = QString::asprintf("%09.5f", std::fabs(f));
    return f < 0 ? QLatin1Char('-') + s : s;
}

QStringList UsedWeatherChannelItems() {
    QStringList items;
    for (int r = 1; r <= 40; ++r)
        if (WeatherEntry(r).InUse == 1) items << QString::number(r);
    return items;
}

WeatherChannelRecord& WeatherEntry(int row) {
    if (row < 1 || row > WeatherChannelRows) throw std::out_of_range("weather channel row");
    return WorkDocument.Settings.WeatherChannel[static_cast<std::size_t>(row - 1)];
}

QStringList WeatherRowTexts(const WeatherChannelRecord& entry, const QStringList& wideItems,
                            const QStringList& scanItems) {
    if (entry.InUse != 1) return {QString(), QString(), QString(), QString()};
    return {FormatWeatherFrequency(entry.FreqMHz), QString(), GetComboItem(wideItems, entry.Wide),
            GetComboItem(scanItems, entry.ScanAdd)};
}

bool WeatherFrequencyKey(QChar c) {
    const ushort k = c.unicode();
    if (k < 32 || k == 127) return true;
    return (k >= '0' && k <= '9') || k == '.';
}

}  // namespace ulbrix
