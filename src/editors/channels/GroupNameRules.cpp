#include "editors/channels/GroupNameRules.h"

#include "core/ModFun.h"
#include "core/Records.h"

namespace ulbrix {

std::optional<QChar> GroupNameChar(QChar c) {
    const ushort k = c.unicode();
    if ((k >= '0' && k <= '9') || k == '+' || k == '-' || k == '*' || k == '/' || (k >= 'A' && k <= 'Z'))
        return c;
    if (k >= 'a' && k <= 'z') return QChar(static_cast<ushort>(k - 'a' + 'A'));
    return std::nullopt;
}

QString GroupNameCommitText(const QString& first, const QString& second) {
    QString a = TrimNull(first).left(1);
    const QString b = TrimNull(second).left(1);
    if (!b.isEmpty() && a.isEmpty()) a = QStringLiteral(" ");
    return TrimNull(a + b);
}

GroupNameBoxes GroupNameBoxTexts(const QString& shown) {
    if (shown.isEmpty()) return {};
    if (shown.size() == 1) return {shown, QString()};
    return {TrimNull(shown.mid(0, 1)), TrimNull(shown.mid(1, 1))};
}

QString GroupRangeText(int band, int group) {
    static const char* const kHf[10] = {
        "28.000 - 28.195 MHz", "28.200 - 28.395 MHz", "28.400 - 28.595 MHz", "28.600 - 28.795 MHz",
        "28.800 - 28.995 MHz", "29.000 - 29.195 MHz", "29.200 - 29.395 MHz", "29.400 - 29.595 MHz",
        "29.600 - 29.695 MHz", "24.890 - 24.990 MHz"};
    static const char* const kHam[12] = {
        "26.965 - 27.405 MHz", "27.415 - 27.855 MHz", "26.515 - 26.955 MHz", "27.865 - 28.305 MHz",
        "26.065 - 26.505 MHz", "28.315 - 28.755 MHz", "25.615 - 26.055 MHz", "28.765 - 29.205 MHz",
        "25.165 - 25.605 MHz", "29.215 - 29.655 MHz", "24.715 - 25.155 MHz", "29.665 - 30.105 MHz"};
    if (band == BandHF && group >= 1 && group <= 10) return QString::fromLatin1(kHf[group - 1]);
    if (band == BandHAM && group >= 1 && group <= 12) return QString::fromLatin1(kHam[group - 1]);
    return QString();
}

int GroupNameGridRows(int band) {
    const int groups = NamedGroupsOf(band);
    return groups == 0 ? 0 : groups + 1;
}

}  // namespace ulbrix
