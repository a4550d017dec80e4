#include <clocale>

#include "core/ModMain.h"
#include "mainwindow/frmMain.h"
#include "platform/widgets/GuardedApplication.h"
#include "platform/widgets/MsgBoxDialog.h"

int main(int argc, char** argv) {
    platform::GuardedApplication app(argc, argv);
    // Numbers are parsed and written with "." whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Ulbrix"));
    QApplication::setOrganizationName(QStringLiteral("Ulbrix"));

    platform::InstallMsgBoxDialog([] { return ulbrix::CurrentLanguage == 2; },
                                  []() -> QWidget* {
                                      if (QWidget* w = QApplication::activeModalWidget()) return w;
                                      if (QWidget* w = QApplication::activeWindow()) return w;
                                      return ulbrix::fMainForm.data();
                                  });

    ulbrix::Main();

    ulbrix::frmMain window;
    window.MDIForm_Load();
    window.show();
    return app.exec();
}
