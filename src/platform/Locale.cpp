#include "platform/Locale.h"

#include <QByteArray>
#include <QtGlobal>

namespace platform {

long LcidFromLocaleName(const QString& name) {
    if (name.startsWith(QLatin1String("zh_CN"))) return 0x804;
    if (name.startsWith(QLatin1String("zh_TW"))) return 0x404;
    if (name.startsWith(QLatin1String("de_")) || name == QLatin1String("de")) return 0x407;
    if (name.startsWith(QLatin1String("ru_")) || name == QLatin1String("ru")) return 0x419;
    return 0x409;
}

namespace {
QString localeName() {
    for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray v = qgetenv(var);
        if (!v.isEmpty()) return QString::fromLocal8Bit(v);
    }
    return QString();
}
}  // namespace

long GetUserDefaultLCID() { return LcidFromLocaleName(localeName()); }
long GetSystemDefaultLCID() { return LcidFromLocaleName(localeName()); }

QString DecimalSeparator() { return QStringLiteral("."); }

}  // namespace platform
