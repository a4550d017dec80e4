// The application object. A fault that escapes an event handler is reported
// in a message box and the program keeps running: no handler may end it.
#pragma once

#include <QApplication>

namespace platform {

class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

    // What a fault that reached the application says.
    static QString FaultText(const char* what);
};

}  // namespace platform
