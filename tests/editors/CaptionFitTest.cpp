// Every editor window in both languages: its caption labels share one font
// size and each shows its whole text in the room it has (inside its parent
// and left of a control on its line).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

#include "platform/widgets/ChildForms.h"
#include "support/RunningProgram.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

int RoomOf(const QLabel* label) {
    const QWidget* parent = label->parentWidget();
    QRect room = label->geometry().intersected(parent->rect());
    const QWidget* buddy = label->buddy();
    if (buddy && buddy->parentWidget() == parent && buddy->x() > label->x() &&
        buddy->geometry().top() < label->geometry().bottom() && label->geometry().top() < buddy->geometry().bottom())
        room.setRight(std::min(room.right(), buddy->x() - 1));
    return room.width() - 2 * label->margin();
}

class CaptionFit : public ::testing::TestWithParam<int> {};

TEST_P(CaptionFit, OneSizePerWindowAndNoCaptionCut) {
    testsupport::MsgRecorder rec;
    testsupport::RunningProgram program(GetParam());
    for (const QString& name : RegisteredChildForms()) {
        SCOPED_TRACE(name.toStdString());
        QWidget* w = ShowChildForm(name);
        ASSERT_NE(w, nullptr);
        QApplication::processEvents();
        qreal size = 0;
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (!label->buddy() || label->text().isEmpty() || !label->isVisibleTo(w)) continue;
            SCOPED_TRACE(label->objectName().toStdString() + " " + label->text().toStdString());
            if (size == 0) size = label->font().pointSizeF();
            EXPECT_EQ(label->font().pointSizeF(), size);
            EXPECT_LE(label->fontMetrics().size(Qt::TextShowMnemonic, label->text()).width(), RoomOf(label));
        }
    }
    UnloadChildForms();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionFit, ::testing::Values(1, 2));

}  // namespace
