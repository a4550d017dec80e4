#include "editors/channels/FrequencyRules.h"

#include <algorithm>
#include <cmath>

#include "core/ChannelList.h"
#include "core/ModFun.h"

namespace ulbrix {

QString ChannelBandRangeText(int band) {
    switch (band) {
        case BandCB: return QStringLiteral("26.96500 - 27.86125 MHz");
        case BandHAM: return QStringLiteral("28.0000 - 29.7000 MHz");
        default: return QStringLiteral("24.7150 - 30.1050 MHz");
    }
}

namespace {

// Wider than the CB text: every channel of every plan (DE's lower block,
// UK's own) must pass a paste back.
FrequencyLimits CbPlansSpan() {
    long low = 0, high = 0;
    for (int plan = 1; plan <= 7; ++plan)
        for (int n = 1; n <= CbPlanChannelCount(plan); ++n) {
            const long hz = CbPlanChannelHz(plan, n);
            low = low == 0 ? hz : std::min(low, hz);
            high = std::max(high, hz);
        }
    return {low / 1e6, high / 1e6};
}

}  // namespace

FrequencyLimits ChannelBandLimits(int band) {
    static const FrequencyLimits cb = CbPlansSpan();
    switch (band) {
        case BandCB: return cb;
        case BandHAM: return {28.0, 29.7};
        default: return {24.715, 30.105};
    }
}

QString FormatMHz(double mhz) { return QString::number(mhz, 'f', 5); }

std::optional<QString> FieldToFrequencyText(const std::string& field) {
    const QString t = QString::fromLatin1(TrimNull(field));
    if (t.isEmpty() || t == QLatin1String("FFFFFFFF")) return QString();
    // Digits only: the first two are the megahertz, the rest the decimals.
    if (t.size() < 2) return std::nullopt;
    for (const QChar c : t)
        if (!c.isDigit() || c.unicode() > 127) return std::nullopt;
    const auto v = NumericValue(t.left(2) + QLatin1Char('.') + t.mid(2));
    if (!v) return std::nullopt;
    return FormatMHz(*v);
}

QString DigitsToFrequencyText(const FixedText<8>& field, bool* corrupt) {
    const auto text = FieldToFrequencyText(field);
    if (corrupt && !text) *corrupt = true;
    return text.value_or(QString());
}

std::optional<double> FieldMHz(const FixedText<8>& field) {
    const auto text = FieldToFrequencyText(field);
    if (!text || text->isEmpty()) return std::nullopt;
    return NumericValue(*text);
}

double SnapFreq10Hz(double mhz, const FrequencyLimits& limits) {
    // Whole hertz first (halves to even), so binary fractions cannot cut a step.
    const auto lowHz = static_cast<long long>(std::nearbyint(limits.low * 1e6));
    const auto fHz = static_cast<long long>(std::nearbyint(mhz * 1e6));
    long long r = (fHz - lowHz) % 10;
    if (r < 0) r += 10;
    return static_cast<double>(fHz - r) / 1e6;
}

std::optional<QString> CheckTypedFrequency(const QString& typed, const FrequencyLimits& limits) {
    const auto v = NumericValue(typed);
    if (!v || *v < limits.low || *v > limits.high) return std::nullopt;
    const QString text = FormatMHz(SnapFreq10Hz(*v, limits));
    // A zero result (a band starting at 0) is no frequency either.
    if (NumericValue(text).value_or(0.0) == 0.0) return std::nullopt;
    return text;
}

std::string FrequencyTextToField(const QString& text) {
    std::string digits = QStringToFixed(FrequencyTextToDigits(text));
    if (digits.size() > 8) digits.resize(8);
    return digits;  // FixedText pads with blanks
}

void SetRecordFreq(ChannelRecord& record, int column, const QString& text) {
    if (column != 1) return;
    record.RxFreq = FrequencyTextToField(text);
}

}  // namespace ulbrix
