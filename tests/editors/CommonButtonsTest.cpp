// The Close button of every editor ends the window as its close box does:
// the frame goes too, and the next request opens a fresh window; and no
// editor is ever out of reach in the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/EditorTable.h"
#include "mainwindow/frmMain.h"
#include "support/RunningProgram.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

TEST(CommonButtons, CloseEndsEveryEditorWithItsFrame) {
    ResetProcessState();
    InitLanguageStrings();
    QMdiArea area;
    area.resize(1200, 900);
    area.show();
    SetChildFormHost(&area);
    RegisterKnownEditors();
    testsupport::MsgRecorder rec;
    for (const QString& name : RegisteredChildForms()) {
        QWidget* w = ShowChildForm(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        QPointer<QMdiSubWindow> frame = qobject_cast<QMdiSubWindow*>(w->parentWidget());
        ASSERT_TRUE(frame) << name.toStdString();
        auto* close = w->findChild<QPushButton*>(QStringLiteral("CommandClose"));
        if (!close) {  // the special-channel dialogs close by "Save" or their close box
            EXPECT_NE(w->findChild<QPushButton*>(QStringLiteral("cmdSave")), nullptr) << name.toStdString();
            UnloadChildForms();
            QApplication::processEvents();
            continue;
        }
        EXPECT_NE(w->findChild<QPushButton*>(QStringLiteral("CommandHelp")), nullptr) << name.toStdString();
        QTest::mouseClick(close, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_FALSE(IsChildFormOpen(name)) << name.toStdString();
        EXPECT_TRUE(frame.isNull() || !frame->isVisible()) << name.toStdString();
        EXPECT_TRUE(area.subWindowList().isEmpty()) << name.toStdString();
        UnloadChildForms();
        QApplication::processEvents();
    }
    SetChildFormHost(nullptr);
    ResetProcessState();
}

// A fixed-size editor wider than the main window's area can be scrolled to,
// so its close box is never out of reach.
TEST(CommonButtons, AWideEditorCanBeScrolledInto) {
    testsupport::RunningProgram program;
    program.window().resize(800, 600);
    ShowChildForm(FormName::Emergency);
    QApplication::processEvents();
    auto* area = program.window().findChild<QMdiArea*>(QStringLiteral("MDIArea"));
    ASSERT_NE(area, nullptr);
    EXPECT_GT(area->horizontalScrollBar()->maximum(), 0);
}

}  // namespace
