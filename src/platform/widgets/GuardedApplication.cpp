#include "platform/widgets/GuardedApplication.h"

#include <exception>

#include "platform/MsgBox.h"

namespace platform {

QString GuardedApplication::FaultText(const char* what) {
    return QStringLiteral("Internal fault: %1").arg(QString::fromLocal8Bit(what));
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    const char* what = nullptr;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        what = e.what();
        qWarning("fault in an event handler: %s", what);
        MsgBox(FaultText(what), MsgButtons::Ok, MsgIcon::Critical);
    } catch (...) {
        qWarning("fault in an event handler");
        MsgBox(FaultText("unknown"), MsgButtons::Ok, MsgIcon::Critical);
    }
    return false;
}

}  // namespace platform
