#include "core/ModPubFun.h"

#include "core/ModFun.h"

namespace ulbrix {

QString FindComboItem(const QStringList& items, const QString& text) {
    if (items.isEmpty()) return QString();
    return items.contains(text) ? text : items.front();
}

QString GetComboItem(const QStringList& items, int index) {
    if (items.isEmpty()) return QString();
    return (index >= 0 && index < items.size()) ? items.at(index) : items.front();
}

namespace {
int indexToSelect(const QStringList& items, const QString& s) {
    return s.isEmpty() ? -1 : static_cast<int>(items.indexOf(s));
}
}  // namespace

int SelectComboText(const QStringList& items, const QString& text) {
    return indexToSelect(items, FindComboItem(items, text));
}

int SelectComboIndex(const QStringList& items, int index) {
    return indexToSelect(items, GetComboItem(items, index));
}

ShownItem ShowIndex(const QStringList& items, int index, const QString& own) {
    if (index >= 0 && index < items.size()) return {index, QString()};
    return {-1, own};
}

ShownItem ShowText(const QStringList& items, const QString& text) {
    const int index = text.isEmpty() ? -1 : static_cast<int>(items.indexOf(text));
    if (index >= 0) return {index, QString()};
    return {-1, text};
}

namespace {
// "120ms" -> 120 and "ms"; false for a text that does not start with digits.
bool SplitNumber(const QString& text, long& number, QString& suffix) {
    qsizetype digits = 0;
    while (digits < text.size() && text.at(digits).isDigit() && text.at(digits).unicode() < 128) ++digits;
    if (digits == 0 || digits > 9) return false;
    suffix = text.mid(digits);
    for (const QChar c : suffix)
        if (c.isDigit() || c == QLatin1Char('.')) return false;
    number = text.left(digits).toLong();
    return true;
}
}  // namespace

QString OwnItemText(const QStringList& items, long value) {
    // Three numbers in one step make a numbering; two ("2K", "4K") do not.
    const qsizetype last = items.size() - 1;
    long n[3] = {};
    QString suffix[3];
    bool numbered = value > last && last >= 2;
    for (int k = 0; numbered && k < 3; ++k) numbered = SplitNumber(items.at(last - 2 + k), n[k], suffix[k]);
    if (numbered && suffix[0] == suffix[2] && suffix[1] == suffix[2] && n[1] > n[0] && n[2] - n[1] == n[1] - n[0])
        return QString::number(n[2] + (value - last) * (n[2] - n[1])) + suffix[2];
    return QString::number(value);
}

ShownItem ShowEntry(const QStringList& entries, long value, const QStringList& items) {
    if (value < 0 || value >= entries.size()) return {-1, QString::number(value)};
    return ShowText(items, entries.at(static_cast<int>(value)));
}

ShownItem ShowAt(const QStringList& items, long value) {
    if (value >= 0 && value < items.size()) return {static_cast<int>(value), QString()};
    return {-1, OwnItemText(items, value)};
}

QStringList FillModeCombo() {
    QStringList modes;
    for (int mode = 0; mode <= 5; ++mode) modes << ModeTextFromIndex(mode);
    return modes;
}

QStringList NumberItems(int from, int to, int step, const char* suffix) {
    QStringList out;
    for (int n = from; n <= to; n += step) out << QString::number(n) + QString::fromLatin1(suffix);
    return out;
}

}  // namespace ulbrix
