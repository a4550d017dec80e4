#include "core/ModFun.h"

#include <QRegularExpression>
#include <cmath>

#include "core/GlobalState.h"

namespace ulbrix {

std::string TrimNull(const std::string& text) {
    std::string s = text;
    const auto last = s.find_last_not_of(' ');
    s.erase(last == std::string::npos ? 0 : last + 1);
    const auto nul = s.find('\0');
    if (nul != std::string::npos) s.erase(nul);
    return s;
}

QString TrimNull(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) --end;
    QString s = text.left(end);
    const qsizetype nul = s.indexOf(QChar(u'\0'));
    if (nul >= 0) s.truncate(nul);
    return s;
}

std::string QStringToFixed(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) out.push_back(c.unicode() < 256 ? static_cast<char>(c.unicode()) : '?');
    return out;
}

std::optional<double> NumericValue(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral(R"(^[ \t]*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?[ \t]*$)"));
    if (!number.match(text).hasMatch()) return std::nullopt;
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('+'))) t.remove(0, 1);
    bool ok = false;
    const double v = t.toDouble(&ok);  // always "." whatever the locale
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool IsNumeric(const QString& text) { return NumericValue(text).has_value(); }

Integer ValOrDefault(const QString& text, Integer def) {
    const auto v = NumericValue(text);
    if (!v) return def;
    // Half to the even neighbour, as whole-number conversion does.
    const double f = std::floor(*v);
    const double frac = *v - f;
    double r = f;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(f, 2.0) != 0.0)) r = f + 1.0;
    if (r < -32768.0 || r > 32767.0) return def;
    return static_cast<Integer>(r);
}

Integer ValOrDefault(const std::string& text, Integer def) {
    return ValOrDefault(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), def);
}

QString DigitToText(int value) {
    if (value == 14) return QStringLiteral("*");
    if (value == 15) return QStringLiteral("#");
    if (value < 0 || value > 15) return QString();
    return QString::number(value, 16).toUpper();
}

int TextToDigit(const QString& text) {
    if (text.isEmpty()) return 16;
    const QChar c = text.at(0);
    if (c == QLatin1Char('#')) return 15;
    if (c == QLatin1Char('*')) return 14;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) return c.unicode() - 'a' + 10;
    return 16;
}

int TextToDigit(const std::string& text) {
    return TextToDigit(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

QString ByteToHex2(Byte value) {
    return QStringLiteral("%1").arg(static_cast<uint>(value), 2, 16, QLatin1Char('0')).toUpper();
}

bool StrEquals(const QString& a, const QString& b, int) { return a == b; }

QString FileNameFromPath(const QString& path) {
    const qsizetype p = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    return p < 0 ? path : path.mid(p + 1);
}

Integer ValidFlag(int value, Integer def) { return (value == 0 || value == 1) ? static_cast<Integer>(value) : def; }

namespace {
const char* const kModes[] = {"FM", "AM", "USB", "LSB", "PA", "CW"};

// The stored name, trimmed and written back trimmed.
QString storedGroupName(int band, int group) {
    auto& field = WorkDocument.Settings.GroupName(band, group);
    const std::string s = TrimNull(field);
    field = s;
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

int ModeIndexFromText(const QString& text) {
    for (int i = 0; i < 6; ++i)
        if (text == QLatin1String(kModes[i])) return i;
    return 0;
}

QString ModeTextFromIndex(int mode) {
    return QLatin1String(mode >= 1 && mode <= 5 ? kModes[mode] : kModes[0]);
}

QString GetGroupName(int band, int group) {
    const int named = NamedGroupsOf(band);
    if (group >= 1 && group <= named) return storedGroupName(band, group);
    if (band == BandHF || band == BandHAM) {
        if (group == MemGroupOf(band)) return QStringLiteral("MEM");
        if (group == VfoGroupOf(band)) return QStringLiteral("VFO");
    }
    return QString();
}

int GetGroupID(int band, const QString& name) {
    const int named = NamedGroupsOf(band);
    if (band == BandHF || band == BandHAM) {
        if (name == QLatin1String("MEM")) return MemGroupOf(band);
        if (name == QLatin1String("VFO")) return VfoGroupOf(band);
    }
    int found = 0;
    for (int g = 1; g <= named; ++g)
        if (storedGroupName(band, g) == name) found = g;
    return found;
}

void ParseBandRange() { ParseBandRange(App.BandRangeText); }

void ParseBandRange(const QString& bandRangeText) {
    const qsizetype p = bandRangeText.indexOf(QLatin1String(" - "));
    if (p < 0) {
        BandLowMHz = 100.0;
        BandHighMHz = 500.0;
        return;
    }
    qsizetype q = bandRangeText.indexOf(QLatin1String(" MHz"), p);
    if (q < 0) q = bandRangeText.size();  // no unit: the rest is the upper limit
    BandLowMHz = NumericValue(bandRangeText.left(p)).value_or(100.0);
    BandHighMHz = NumericValue(bandRangeText.mid(p + 3, q - p - 3)).value_or(500.0);
    Range2LowMHz = 21.0;
    Range2HighMHz = 21.5;
}

}  // namespace ulbrix
