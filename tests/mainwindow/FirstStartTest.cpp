// The first start, with no window size stored: the main window lies on the
// screen and is as large as the largest editor needs where the screen allows;
// the optional-features window opened in it shows Help and Close whole.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>

#include "editors/EditorBase.h"
#include "editors/channels/SpecialChannelMaps.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/frmMain.h"
#include "support/RunningProgram.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

class FirstStart : public ::testing::TestWithParam<int> {};

TEST_P(FirstStart, WindowMakesRoomForTheLargestEditorAndOptionButtonsShowWhole) {
    testsupport::MsgRecorder rec;
    testsupport::RunningProgram program(GetParam());
    frmMain& main = program.window();
    const QRect screen = main.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(main.frameGeometry()));
    QMdiArea* area = ChildFormHost();
    ASSERT_NE(area, nullptr);
    const int widest = px(EmergencyDialogMap().clientWidth);
    // The whole dialog, or as wide as the screen (less the frame's few pixels) allows.
    EXPECT_TRUE(area->viewport()->width() >= widest || main.frameGeometry().width() >= screen.width() - 10);

    QWidget* options = ShowChildForm(FormName::OptFeatures);
    ASSERT_NE(options, nullptr);
    QApplication::processEvents();
    for (const char* name : {"CommandHelp", "CommandClose"}) {
        SCOPED_TRACE(name);
        auto* button = options->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr);
        const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(area->viewport()->rect().contains(shown));
    }
    UnloadChildForms();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, FirstStart, ::testing::Values(1, 2));

}  // namespace
