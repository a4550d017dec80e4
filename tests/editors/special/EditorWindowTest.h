// A window area with every editor registered, as the main window offers them.
// Each test starts from a fresh process and ends with every window closed.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/EditorTable.h"
#include "support/Support.h"

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ulbrix::ResetProcessState();
        ulbrix::InitLanguageStrings();
        ulbrix::SetChildFormHost(&area);
        ulbrix::RegisterKnownEditors();
        area.resize(1200, 800);
        area.show();
    }
    void TearDown() override {
        ulbrix::UnloadChildForms();
        QApplication::processEvents();
        ulbrix::SetChildFormHost(nullptr);
        ulbrix::ResetProcessState();
    }
    // Opens a window by name as the tree does.
    template <class T>
    T* openWindow(const QString& name) {
        auto* w = qobject_cast<T*>(ulbrix::ShowChildForm(name));
        EXPECT_NE(w, nullptr);
        QApplication::processEvents();
        return w;
    }
    QMdiArea area;
    testsupport::MsgRecorder rec;
};
