// The editor base: changes store, showing does not, faults stay inside their
// handler, a close commits; the control rows; the typed calls between
// windows; and every registered editor opened and closed untouched.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <stdexcept>

#include "core/GlobalState.h"
#include "editors/ControlRows.h"
#include "editors/EditorBase.h"
#include "editors/WindowCalls.h"
#include "platform/widgets/ChildForms.h"
#include "platform/widgets/GuardedApplication.h"
#include "support/RunningProgram.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

int storedList = 0;
int storedCheck = 0;
int stores = 0;
const TextTable kCaption = TextTable::Caption("Beep", "提示音");

const ControlRow kRows[] = {
    {"cboBeep", "lblBeep", &kCaption, [] { return QStringList{"Off", "Low", "High"}; }, [] { return storedList; },
     [](int v) { storedList = v, ++stores; }},
    {"chkLock", nullptr, &kCaption, nullptr, [] { return storedCheck; }, [](int v) { storedCheck = v, ++stores; }},
};

class TestEditor : public EditorBase {
    Q_OBJECT
public:
    explicit TestEditor(QWidget* parent = nullptr) : EditorBase(parent), rows(*this, kRows) {
        auto* label = new QLabel(this);
        label->setObjectName("lblBeep");
        auto* box = new QComboBox(this);
        box->setObjectName("cboBeep");
        auto* check = new QCheckBox(this);
        check->setObjectName("chkLock");
        faulty = new QComboBox(this);
        faulty->addItems({"a", "b"});
        onPick(faulty, [](int) { (void)ChannelTable(0, 100, 1); });
        rows.applyCaptions();
        rows.fill();
        rows.show();
        rows.connectPicks();
    }
    void commitPendingEdit() override { ++commits; }
    void formUnload() override { ++unloads; }
    ControlRows rows;
    QComboBox* faulty;
    int commits = 0;
    int unloads = 0;
};

class EditorBaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        storedList = 2;
        storedCheck = 0;
        stores = 0;
    }
    void TearDown() override { ResetProcessState(); }
    testsupport::MsgRecorder rec;
};

TEST_F(EditorBaseTest, ShowingStoresNothingAndEveryChangeStoresOnce) {
    TestEditor w;
    auto* box = w.findChild<QComboBox*>("cboBeep");
    auto* check = w.findChild<QCheckBox*>("chkLock");
    EXPECT_EQ(box->currentIndex(), 2);
    EXPECT_EQ(w.findChild<QLabel*>("lblBeep")->buddy(), box);

    // While values are shown nothing stores, whatever changes them.
    {
        EditorBase::FillGuard guard(w);
        EditorBase::FillGuard nested(w);
        box->setCurrentIndex(0);
        emit box->activated(0);
        check->setChecked(true);
    }
    EXPECT_EQ(storedList, 2);
    EXPECT_EQ(storedCheck, 0);
    EXPECT_EQ(stores, 0);
    EXPECT_TRUE(w.EventsEnabled());

    // A stored value outside the list shows as its own text and stays
    // stored, picked again or not; item 0 is a pick like any other and the
    // own text goes with it.
    storedList = 9;
    w.rows.show();
    const int items = box->count() - 1;
    EXPECT_EQ(box->currentText(), "9");
    emit box->activated(box->currentIndex());
    EXPECT_EQ(storedList, 9);
    EXPECT_EQ(stores, 0);
    box->setCurrentIndex(0);
    EXPECT_EQ(storedList, 0);
    EXPECT_EQ(box->count(), items);
    emit box->activated(0);
    EXPECT_EQ(stores, 1);

    // A pick changes the index, then reports it: stored once. A change
    // without the report (a screen reader's selection) stores as well.
    stores = 0;
    box->setCurrentIndex(1);
    emit box->activated(1);
    EXPECT_EQ(storedList, 1);
    box->setCurrentIndex(2);
    EXPECT_EQ(storedList, 2);
    EXPECT_EQ(stores, 2);

    // A check box stores each new state: a click, a toggle by code.
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(storedCheck, 1);
    check->toggle();
    EXPECT_EQ(storedCheck, 0);
    EXPECT_EQ(stores, 4);
}

TEST_F(EditorBaseTest, AFaultEndsItsHandlerWithAMessageAndNothingElse) {
    TestEditor w;
    w.setObjectName("frmTest");
    emit w.faulty->activated(1);
    ASSERT_EQ(rec.shown().size(), 1u);
    EXPECT_EQ(rec.shown()[0].text, "frmTest");
    EXPECT_TRUE(w.EventsEnabled());

    EXPECT_FALSE(w.Trap(QString(), [] { throw std::runtime_error("record too short"); }));
    EXPECT_EQ(rec.shown().size(), 1u);  // an empty message shows nothing
    EXPECT_TRUE(w.Trap("x", [] {}));
}

TEST_F(EditorBaseTest, ClosingCommitsThenUnloads) {
    TestEditor w;
    w.show();
    w.close();
    EXPECT_EQ(w.commits, 1);
    EXPECT_EQ(w.unloads, 1);
}

TEST_F(EditorBaseTest, ClosedListsIgnoreTheWheelUnlessFocused) {
    TestEditor w;
    auto* box = w.findChild<QComboBox*>("cboBeep");
    w.show();
    box->setCurrentIndex(1);
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
    EXPECT_EQ(box->currentIndex(), 1);
    EXPECT_EQ(box->focusPolicy(), Qt::StrongFocus);
}

TEST(GuardedApplication, AFaultThatEscapesAHandlerIsReportedAndTheProgramGoesOn) {
    testsupport::MsgRecorder rec;
    struct Thrower : QObject {
        bool event(QEvent*) override { throw std::out_of_range("grid cell index"); }
    } thrower;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QApplication::sendEvent(&thrower, &event));
    ASSERT_EQ(rec.shown().size(), 1u);
    EXPECT_EQ(rec.shown()[0].text, "Internal fault: grid cell index");
}

// Every typed call names an operation the window registered under that name
// really has.
class RegisteredEditorsTest : public ::testing::Test {
protected:
    void SetUp() override { rec.clear(); }
    testsupport::MsgRecorder rec;
    testsupport::RunningProgram program;
};

TEST_F(RegisteredEditorsTest, TypedCallsNameRealOperations) {
    for (const auto& call : calls::WindowCallTable()) {
        const QMetaObject* meta = RegisteredChildFormClass(call.formName);
        if (!meta) continue;  // that window is not in this build
        EXPECT_GE(meta->indexOfMethod(call.signature), 0)
            << call.formName.toStdString() << "::" << call.signature;
    }
    // With no window open, no call reaches anything and none opens a window.
    UnloadChildForms();
    int band = -1, group = -1, row = -1;
    EXPECT_FALSE(calls::ChannelEditorPosition(band, group, row));
    EXPECT_FALSE(calls::ShowRB());
    EXPECT_TRUE(OpenChildFormNames().isEmpty());
}

}  // namespace

#include "EditorBaseTest.moc"
