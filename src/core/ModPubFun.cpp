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
