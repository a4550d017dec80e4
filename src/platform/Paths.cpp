#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

namespace {
QString& overrideDir() {
    static QString d;
    return d;
}
}  // namespace

QString ProgramDir() {
    if (!overrideDir().isEmpty()) return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void SetProgramDir(const QString& dir) { overrideDir() = dir; }

QString ProgramFileName() {
    QString f = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return f.isEmpty() ? QStringLiteral("ulbrix") : f;
}

}  // namespace platform
