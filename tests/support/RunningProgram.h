// The program as it runs after start-up: a temporary runtime folder, its own
// window-geometry store and working folder, start-up done and the main window
// loaded and shown (which opens the channel editor). Everything is put back
// when it goes.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "support/Support.h"

namespace ulbrix {
class frmMain;
}

namespace testsupport {

class RunningProgram {
public:
    explicit RunningProgram(int language = 1);
    ~RunningProgram();
    ulbrix::frmMain& window() { return *window_; }
    QString workDir() const { return store_.path(); }

private:
    RuntimeDir runtime_;
    QTemporaryDir store_;
    QString previousDir_;
    std::unique_ptr<ulbrix::frmMain> window_;
};

}  // namespace testsupport
