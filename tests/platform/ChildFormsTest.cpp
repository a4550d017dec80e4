// The registry of child windows: one instance per name, calls by name that
// never create a window, commits and closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "platform/widgets/ChildForms.h"

using namespace ulbrix;

namespace {

class StandIn : public QWidget, public ChildForm {
    Q_OBJECT
public:
    using QWidget::QWidget;
    static inline int created = 0;
    int commits = 0;
    int shown = 0;
    void commitPendingEdit() override { ++commits; }
    Q_INVOKABLE void ShowRB() { ++shown; }
    Q_INVOKABLE int Twice(int v) { return 2 * v; }
};

class ChildFormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        StandIn::created = 0;
        SetChildFormHost(&area);
        RegisterChildForm("frmA", [](QWidget* p) { ++StandIn::created; return new StandIn(p); });
        RegisterChildForm("frmB", [](QWidget* p) { ++StandIn::created; return new StandIn(p); });
    }
    void TearDown() override {
        UnloadChildForms();
        UnregisterChildForm("frmA");
        UnregisterChildForm("frmB");
        SetChildFormHost(nullptr);
    }
    QMdiArea area;
};

TEST_F(ChildFormsTest, OneInstancePerName) {
    QWidget* a = ShowChildForm("frmA");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->objectName(), "frmA");
    EXPECT_EQ(ShowChildForm("frmA"), a);
    ShowChildForm("frmB");
    EXPECT_EQ(StandIn::created, 2);
    EXPECT_EQ(OpenChildFormNames(), QStringList({"frmA", "frmB"}));
    EXPECT_EQ(area.subWindowList().size(), 2);
}

TEST_F(ChildFormsTest, AWindowThatDoesNotExistOpensNothing) {
    EXPECT_EQ(ShowChildForm("frmNotBuilt"), nullptr);
    EXPECT_TRUE(area.subWindowList().isEmpty());
}

TEST_F(ChildFormsTest, CallsByNameReachOnlyOpenWindows) {
    EXPECT_FALSE(CallChildForm("frmA", "ShowRB"));
    EXPECT_EQ(StandIn::created, 0);  // never created for a call

    auto* a = static_cast<StandIn*>(ShowChildForm("frmA"));
    EXPECT_TRUE(CallChildForm("frmA", "ShowRB"));
    EXPECT_EQ(a->shown, 1);
    int r = 0;
    EXPECT_TRUE(CallChildFormRet("frmA", "Twice", Q_RETURN_ARG(int, r), Q_ARG(int, 21)));
    EXPECT_EQ(r, 42);
    EXPECT_FALSE(CallChildForm("frmA", "NoSuchOperation"));
}

TEST_F(ChildFormsTest, CommitsReachEveryOpenWindow) {
    auto* a = static_cast<StandIn*>(ShowChildForm("frmA"));
    auto* b = static_cast<StandIn*>(ShowChildForm("frmB"));
    CommitPendingEdits();
    EXPECT_EQ(a->commits, 1);
    EXPECT_EQ(b->commits, 1);
}

TEST_F(ChildFormsTest, ClosingByBoxOrAllForgetsTheWindows) {
    ShowChildForm("frmA");
    ShowChildForm("frmB");
    // Closed by its own frame.
    QMdiSubWindow* frameA = area.subWindowList().first();
    frameA->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(IsChildFormOpen("frmA"));
    EXPECT_TRUE(IsChildFormOpen("frmB"));

    UnloadChildForms();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(OpenChildFormNames().isEmpty());
    EXPECT_TRUE(area.subWindowList().isEmpty());
    // And opens afresh.
    ShowChildForm("frmA");
    EXPECT_EQ(StandIn::created, 3);
}

}  // namespace

#include "ChildFormsTest.moc"
