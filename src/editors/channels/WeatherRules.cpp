#include "editors/channels/WeatherRules.h"

#include <QLocale>
#include <cmath>
#include <stdexcept>

#include "core/GlobalState.h"
#include "core/ModFun.h"
#include "core/ModEnglish.h"
#include "core/ModEnglishChannelInfo.h"
#include "core/ModPubFun.h"

namespace ulbrix {

namespace {

Integer& Setting(int word) { return WorkDocument.Settings.Weather.w.at(static_cast<std::size_t>(word)); }

QStringList OffOn() { return TrItems(CapOffOn); }
QStringList Steps() {
    return {QStringLiteral("100Hz"), QStringLiteral("1KHz"), QStringLiteral("5KHz"), QStringLiteral("6.25KHz"),
            QStringLiteral("10KHz"), QStringLiteral("12.5KHz"), QStringLiteral("25KHz"), QStringLiteral("100KHz"),
            QStringLiteral("1MHz")};
}
QStringList Squelch() {
    QStringList items{QStringLiteral("Off")};
    for (int i = 1; i <= 9; ++i) items << QString::number(i);
    return items;
}

template <int W>
int GetSetting() {
    return Setting(W);
}
template <int W>
void SetSetting(int picked) {
    Setting(W) = static_cast<Integer>(picked);
}

// The word each row shows, in row order.
constexpr int kSettingWords[] = {WxOnOff, WxAlert, WxScanState, WxVfo, WxStep, WxSql};
const ControlRow kSettingRows[] = {
    {"Combo10", "Label7", &CapWxOnOff, OffOn, GetSetting<WxOnOff>, SetSetting<WxOnOff>},
    {"Combo5", "Label2", &CapAlert, OffOn, GetSetting<WxAlert>, SetSetting<WxAlert>},
    {"Combo6", "Label3", &CapWxScanState, OffOn, GetSetting<WxScanState>, SetSetting<WxScanState>},
    {"Combo7", "Label4", &CapWxVfo, OffOn, GetSetting<WxVfo>, SetSetting<WxVfo>},
    {"Combo8", "Label5", &CapStep, Steps, GetSetting<WxStep>, SetSetting<WxStep>},
    {"Combo9", "Label6", &CapWxSql, Squelch, GetSetting<WxSql>, SetSetting<WxSql>},
};

}  // namespace

static_assert(std::size(kSettingWords) == std::size(kSettingRows));

std::span<const ControlRow> WeatherSettingRows() { return kSettingRows; }

int WeatherSettingWord(std::size_t row) { return kSettingWords[row < std::size(kSettingWords) ? row : 0]; }

QStringList WeatherWideItems() { return TrItems(CapNarrowWide); }

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
    // A value a list lacks shows as its own text, as the cell's list shows it.
    const auto text = [](const QStringList& items, int v) {
        const ShownItem shown = ShowAt(items, v);
        return shown.index >= 0 ? items.at(shown.index) : shown.own;
    };
    return {FormatWeatherFrequency(entry.FreqMHz), QString(), text(wideItems, entry.Wide),
            text(scanItems, entry.ScanAdd)};
}

bool WeatherFrequencyKey(QChar c) {
    const ushort k = c.unicode();
    if (k < 32 || k == 127) return true;
    return (k >= '0' && k <= '9') || k == '.';
}

}  // namespace ulbrix
