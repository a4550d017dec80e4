#include "platform/Process.h"

#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <cstdlib>

namespace platform {

namespace {
StartHandler& startHandler() {
    static StartHandler h;
    return h;
}
ExitHandler& exitHandler() {
    static ExitHandler h;
    return h;
}
}  // namespace

bool StartProgram(const QString& path) {
    if (startHandler()) return startHandler()(path);
    const QFileInfo fi(path);
    if (!fi.isFile() || !fi.isExecutable()) return false;
    return QProcess::startDetached(path, QStringList(), fi.absolutePath());
}

StartHandler SetStartHandler(StartHandler handler) {
    StartHandler old = std::move(startHandler());
    startHandler() = std::move(handler);
    return old;
}

void EndProcess(int code) {
    if (exitHandler()) {
        exitHandler()(code);
        return;
    }
    // At once: no destructors, no window unloading, nothing saved.
    std::_Exit(code);
}

ExitHandler SetExitHandler(ExitHandler handler) {
    ExitHandler old = std::move(exitHandler());
    exitHandler() = std::move(handler);
    return old;
}

}  // namespace platform
