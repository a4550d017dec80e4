#include "support/RunningProgram.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include "core/ModMain.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/frmMain.h"

namespace testsupport {

RunningProgram::RunningProgram(int language) {
    ulbrix::ResetProcessState();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, store_.path());
    // A regression that saves into the current folder lands here.
    previousDir_ = QDir::currentPath();
    QDir::setCurrent(store_.path());
    ulbrix::Main();
    ulbrix::App.CurrentLanguage = ulbrix::App.ShownLanguage = language;
    window_ = std::make_unique<ulbrix::frmMain>();
    window_->MDIForm_Load();
    window_->show();
    QApplication::processEvents();
}

RunningProgram::~RunningProgram() {
    ulbrix::UnloadChildForms();
    window_.reset();
    ulbrix::ResetProcessState();
    QDir::setCurrent(previousDir_);
}

}  // namespace testsupport
