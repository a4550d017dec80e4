// The roger-beep pattern editor driven as a user drives it, with the player's
// tones and waits recorded instead of heard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "editors/settings/FrmToneTips.h"
#include "editors/settings/RogerBeepChart.h"
#include "editors/settings/RogerBeepRules.h"
#include "platform/widgets/ChildForms.h"
#include "mainwindow/EditorTable.h"
#include "editors/signalling/PlayerLog.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

RogerBeepPattern& pattern(int n) { return WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)); }

class ToneTips : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        InitLanguageStrings();
        Player = RogerBeepPlayerState{};
        for (int n = 1; n <= 8; ++n) pattern(n) = RogerBeepPattern{};
        // Pattern 1 the only valid one: 1000 Hz 100 ms, then 500 Hz 50 ms; twice, 200 ms gap.
        pattern(1).Tone[1] = {100, 10};
        pattern(1).Tone[2] = {50, 5};
        pattern(1).Recycle = 2;
        pattern(1).Interval = 20;
        script.runEvents = true;
        FrmToneTips::SetPlayerIOFactory([this] { return script.io(); });
    }
    void TearDown() override {
        UnloadChildForms();
        QApplication::processEvents();
        SetChildFormHost(nullptr);
        RegisterKnownEditors();
        FrmToneTips::SetPlayerIOFactory(nullptr);
        Player = RogerBeepPlayerState{};
        ResetProcessState();
    }
    static void pick(QComboBox* box, const QString& text) {
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setCurrentIndex(i);
        emit box->activated(i);
    }
    // What a list shows: its item, or the text of a value it does not offer.
    static QString shown(QComboBox* box) { return box->currentText(); }
    PlayerLog script;
    testsupport::MsgRecorder rec;
};

const QStringList onePass = {"tone 1000 100", "tone 500 50", "wait 200"};

}  // namespace

TEST_F(ToneTips, PicksStoreInTheUnitsOfThePattern) {
    pattern(3).Tone[5] = {10, 300};  // 100 Hz and 3000 ms: neither is offered
    pattern(3).Recycle = 12;
    FrmToneTips w;
    EXPECT_EQ(w.frequencyList(0)->currentText(), "1000");
    EXPECT_EQ(w.frequencyList(0)->count(), 217);
    EXPECT_EQ(w.passesList()->itemText(0), "Off");
    EXPECT_EQ(w.frequencyList(3)->itemText(0), "None");

    w.tabStrip()->setCurrentIndex(2);
    EXPECT_EQ(Player.CurrentRBIndex, 3);
    EXPECT_EQ(w.chart()->pattern(), 3);
    EXPECT_EQ(shown(w.frequencyList(4)), "100");  // as played
    EXPECT_EQ(shown(w.lengthList(4)), "2550");
    EXPECT_EQ(shown(w.passesList()), "12");
    EXPECT_EQ(pattern(3).Tone[5].Freq, 10);  // shown, not stored
    EXPECT_EQ(pattern(3).Recycle, 12);

    const struct {
        QComboBox* list;
        const char* text;
        const Integer& field;
        int stored;
    } picks[] = {
        {w.frequencyList(2), "400", pattern(3).Tone[3].Freq, 40},
        {w.frequencyList(2), "2550", pattern(3).Tone[3].Freq, 255},
        {w.frequencyList(2), "None", pattern(3).Tone[3].Freq, 0},
        {w.gapList(), "1000", pattern(3).Interval, 100},
        {w.lengthList(13), "2550", pattern(3).Tone[14].Length, 255},
        {w.passesList(), "4", pattern(3).Recycle, 4},
    };
    for (const auto& p : picks) {
        pick(p.list, p.text);
        EXPECT_EQ(p.field, p.stored) << p.text;
    }
    EXPECT_EQ(pattern(1).Recycle, 2);
    EXPECT_TRUE(rec.shown().empty());
}

TEST_F(ToneTips, OnlyAPickThatLeavesNoValidPatternIsRefused) {
    FrmToneTips w;
    // Harmless edits of a pattern that is not the valid one are taken.
    w.tabStrip()->setCurrentIndex(1);
    pick(w.lengthList(0), "100");
    EXPECT_EQ(pattern(2).Tone[1].Length, 10);
    pick(w.passesList(), "Off");
    EXPECT_EQ(pattern(2).Recycle, 0);
    pick(w.lengthList(0), "0");
    EXPECT_EQ(pattern(2).Tone[1].Length, 0);

    // The last valid pattern cannot lose its passes or its last length.
    w.tabStrip()->setCurrentIndex(0);
    pick(w.passesList(), "Off");
    EXPECT_EQ(pattern(1).Recycle, 2);
    EXPECT_EQ(w.passesList()->currentText(), "2");
    pick(w.lengthList(1), "0");
    EXPECT_EQ(pattern(1).Tone[2].Length, 0);  // tone 1 still has a length
    pick(w.lengthList(0), "0");
    EXPECT_EQ(pattern(1).Tone[1].Length, 10);
    EXPECT_EQ(w.lengthList(0)->currentText(), "100");

    // A length from a file beyond the list still counts: the record decides.
    pattern(1).Tone[3].Length = 300;
    pick(w.lengthList(0), "0");
    EXPECT_EQ(pattern(1).Tone[1].Length, 0);

    // With a second valid pattern, Off is taken, and references follow.
    pattern(4).Recycle = 1;
    pattern(4).Tone[1].Length = 1;
    ChannelRecord& ch = ChannelTable(BandHF, 1, 1);
    ch.InUse = 1;
    ch.RogerBeep = static_cast<Integer>(RBReferenceOf(1));
    WorkDocument.Settings.HFPublic[PubRoger] = static_cast<Integer>(RBReferenceOf(4));
    pick(w.passesList(), "Off");
    EXPECT_EQ(pattern(1).Recycle, 0);
    EXPECT_EQ(ch.RogerBeep, 0);
    EXPECT_EQ(WorkDocument.Settings.HFPublic[PubRoger], RBReferenceOf(4));

    // Pattern 4 is now the last valid one.
    w.tabStrip()->setCurrentIndex(3);
    pick(w.passesList(), "Off");
    EXPECT_EQ(pattern(4).Recycle, 1);

    // No valid pattern at all (as a file may bring): every pick is taken.
    pattern(4).Recycle = 0;
    pick(w.lengthList(0), "0");
    EXPECT_EQ(pattern(4).Tone[1].Length, 0);
    pick(w.passesList(), "3");
    pick(w.passesList(), "Off");
    EXPECT_EQ(pattern(4).Recycle, 0);
}

TEST_F(ToneTips, PlayPlaysThePreparedPatternWhateverTabIsShown) {
    pattern(2).Tone[1] = {200, 10};
    pattern(2).Recycle = 1;
    FrmToneTips w;
    w.show();
    script.onWait = [&](int waitNo, int) {
        EXPECT_FALSE(w.playButton()->isEnabled());
        if (waitNo == 1) w.tabStrip()->setCurrentIndex(1);
    };
    w.playButton()->click();
    EXPECT_EQ(script.log, onePass + onePass);
    EXPECT_TRUE(w.playButton()->isEnabled());
    EXPECT_FALSE(w.isPlaying());

    // Stop during the first gap: nothing more is heard.
    w.tabStrip()->setCurrentIndex(0);
    script.log.clear();
    script.waits = 0;
    script.onWait = [&](int, int) { w.stopButton()->click(); };
    w.playButton()->click();
    EXPECT_EQ(script.log, onePass);

    // Less than 5 ms of tones: Play does nothing.
    pattern(5).Recycle = 1;
    w.tabStrip()->setCurrentIndex(4);
    script.log.clear();
    w.playButton()->click();
    EXPECT_TRUE(script.log.isEmpty());
    EXPECT_TRUE(w.playButton()->isEnabled());
}

TEST_F(ToneTips, ClosingDuringPlaybackEndsItAndTheWindowGoesAfterwards) {
    QMdiArea host;
    SetChildFormHost(&host);
    RegisterEditor<FrmToneTips>(FormName::ToneTips);
    QPointer<QWidget> first = ShowChildForm(FormName::ToneTips);
    ASSERT_NE(first, nullptr);
    QPointer<QWidget> frame = first->parentWidget();
    QPointer<QWidget> second;
    PlayerLog inner;
    inner.runEvents = true;
    // The closed window outlives the Play handler that is still on the stack.
    inner.onWait = [&](int, int) { EXPECT_FALSE(first.isNull()); };
    script.onWait = [&](int waitNo, int) {
        if (waitNo != 1) return;
        UnloadChildForms();  // closed during the first gap
        WaitWithEvents(5);  // events run on, deferred deletes included
        EXPECT_FALSE(IsChildFormOpen(FormName::ToneTips));
        ASSERT_FALSE(first.isNull());
        EXPECT_FALSE(frame->isVisible());
        // Opened again and played inside the old playback's wait.
        FrmToneTips::SetPlayerIOFactory([&] { return inner.io(); });
        second = ShowChildForm(FormName::ToneTips);
        ASSERT_NE(second, first);
        static_cast<FrmToneTips*>(second.data())->playButton()->click();
    };
    static_cast<FrmToneTips*>(first.data())->playButton()->click();
    EXPECT_EQ(script.log, onePass);        // the first ends silently
    EXPECT_EQ(inner.log, onePass + onePass);  // the second plays in full
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(frame.isNull());
    ASSERT_FALSE(second.isNull());
    EXPECT_TRUE(static_cast<FrmToneTips*>(second.data())->playButton()->isEnabled());
    EXPECT_TRUE(rec.shown().empty());
}

TEST_F(ToneTips, ValuesFromAFileAreShownAsTheyPlay) {
    const struct {
        RogerBeepTone tone;
        const char* freq;
        const char* length;
        const char* played;
    } cases[] = {
        {{4, 10}, "None", "100", "wait 100"},  // too low to sound
        {{5, 300}, "50", "2550", "tone 50 2550"},
        {{3000, 32767}, "20000", "2550", "tone 20000 2550"},
        {{255, 255}, "2550", "2550", "tone 2550 2550"},
        {{-7, 20}, "None", "200", "wait 200"},
        {{100, -5}, "1000", "0", ""},  // skipped
    };
    for (const auto& c : cases) {
        pattern(2) = RogerBeepPattern{};
        pattern(2).Tone[1] = c.tone;
        pattern(2).Recycle = 1;
        pattern(2).Interval = 300;
        FrmToneTips w;
        w.tabStrip()->setCurrentIndex(1);
        EXPECT_EQ(shown(w.frequencyList(0)), c.freq) << c.played;
        EXPECT_EQ(shown(w.lengthList(0)), c.length) << c.played;
        EXPECT_EQ(shown(w.gapList()), "2550");
        EXPECT_EQ(pattern(2).Tone[1].Freq, c.tone.Freq);  // shown, not stored
        EXPECT_EQ(pattern(2).Tone[1].Length, c.tone.Length);
        EXPECT_EQ(pattern(2).Interval, 300);
        script.log.clear();
        if (PrepareRBPlay(2)) PlayRB(script.io());
        EXPECT_EQ(script.log.value(0), c.played);
    }
}
