// What holds in every editor window in both languages: a closed list keeps
// its value under the mouse wheel unless it has the focus, a text box has a
// validator and no context menu, a caption with an access key names its
// control, opening, showing values and closing change nothing in the
// document, and a check box shows only what is stored.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWheelEvent>

#include "core/GlobalState.h"
#include "core/ModFreFile.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/frmMain.h"
#include "support/RunningProgram.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

bool HasAccessKey(const QString& text) {
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&')) continue;
        if (text.at(i + 1) != QLatin1Char('&')) return true;
        ++i;
    }
    return false;
}

class EveryEditor : public ::testing::TestWithParam<int> {};

TEST_P(EveryEditor, ControlsKeepTheirRulesAndShowingStoresNothing) {
    testsupport::MsgRecorder rec;
    testsupport::RunningProgram program(GetParam());
    const QStringList editors = RegisteredChildForms();
    ASSERT_EQ(editors.size(), 9);
    for (const QString& name : editors) {
        SCOPED_TRACE(name.toStdString());
        QWidget* w = ShowChildForm(name);
        ASSERT_NE(w, nullptr);
        QApplication::processEvents();
        for (QComboBox* box : w->findChildren<QComboBox*>()) {
            if (!box->isEnabled() || box->isHidden() || box->count() < 2) continue;
            SCOPED_TRACE(box->objectName().toStdString());
            box->clearFocus();
            const int before = box->currentIndex();
            for (int delta : {-120, 120}) {
                QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(box, &wheel);
            }
            EXPECT_EQ(box->currentIndex(), before);
        }
        for (QLineEdit* box : w->findChildren<QLineEdit*>()) {
            if (qobject_cast<QComboBox*>(box->parentWidget())) continue;
            SCOPED_TRACE(box->objectName().toStdString());
            EXPECT_NE(box->validator(), nullptr);
            EXPECT_EQ(box->contextMenuPolicy(), Qt::NoContextMenu);
        }
        for (QLabel* label : w->findChildren<QLabel*>()) {
            if (!HasAccessKey(label->text())) continue;
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_NE(label->buddy(), nullptr);
        }
        EXPECT_FALSE(IsDataModified());
    }
    // A language switch closes them all and redraws: it stores nothing either.
    App.CurrentLanguage = 3 - GetParam();
    program.window().MDIForm_Activate();
    QApplication::processEvents();
    EXPECT_FALSE(IsDataModified());
    for (const QString& name : editors) ASSERT_NE(ShowChildForm(name), nullptr);
    UnloadChildForms();
    QApplication::processEvents();
    EXPECT_FALSE(IsDataModified());
    EXPECT_EQ(rec.shown().size(), 0u) << rec.texts().join(QStringLiteral(" | ")).toStdString();
}

// A check box changed by a screen reader's toggle shows what is stored: the
// window opened again shows the same, and a change marks the document.
TEST_P(EveryEditor, AScreenReadersToggleIsStored) {
    testsupport::MsgRecorder rec;
    testsupport::RunningProgram program(GetParam());
    for (const QString& name : RegisteredChildForms()) {
        QStringList boxes;
        for (QCheckBox* box : ShowChildForm(name)->findChildren<QCheckBox*>()) boxes << box->objectName();
        for (const QString& boxName : boxes) {
            SCOPED_TRACE((name + " " + boxName).toStdString());
            auto* box = ShowChildForm(name)->findChild<QCheckBox*>(boxName);
            const bool before = box->isChecked();
            QAccessible::queryAccessibleInterface(box)->actionInterface()->doAction(
                QAccessibleActionInterface::toggleAction());
            const bool shown = box->isChecked();
            if (shown != before) {
                EXPECT_TRUE(IsDataModified());
            }
            UnloadChildForms();
            QApplication::processEvents();
            EXPECT_EQ(ShowChildForm(name)->findChild<QCheckBox*>(boxName)->isChecked(), shown);
        }
        UnloadChildForms();
    }
    EXPECT_EQ(rec.shown().size(), 0u) << rec.texts().join(QStringLiteral(" | ")).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, EveryEditor, ::testing::Values(1, 2));

}  // namespace
