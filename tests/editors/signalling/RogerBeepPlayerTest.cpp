// The roger-beep player: the exact order of tones, waits and event pumps.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "core/GlobalState.h"
#include "editors/settings/RogerBeepPlayer.h"
#include "editors/signalling/PlayerLog.h"

using namespace ulbrix;

namespace {

RogerBeepPattern& pattern(int n) { return WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)); }

void setTones(int n, std::initializer_list<std::pair<int, int>> tones, int recycle, int interval) {
    pattern(n) = RogerBeepPattern{};
    int k = 1;
    for (auto [f, l] : tones) {
        pattern(n).Tone.at(static_cast<std::size_t>(k)) = {static_cast<Integer>(f), static_cast<Integer>(l)};
        ++k;
    }
    pattern(n).Recycle = static_cast<Integer>(recycle);
    pattern(n).Interval = static_cast<Integer>(interval);
}

class Player_ : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        Player = RogerBeepPlayerState{};
        // 1000 Hz 200 ms, 100 ms silence, 2000 Hz 200 ms; three passes, 500 ms gap.
        setTones(1, {{100, 20}, {0, 10}, {200, 20}}, 3, 50);
    }
    void TearDown() override { Player = RogerBeepPlayerState{}; }
};

const QStringList onePass = {"tone 1000 200", "wait 100", "tone 2000 200", "wait 500"};

}  // namespace

TEST_F(Player_, PlaysEveryPassWithItsGap) {
    PlayerLog r;
    ASSERT_TRUE(PrepareRBPlay(1));
    PlayRB(r.io());
    EXPECT_EQ(r.log, onePass + onePass + onePass);
    EXPECT_EQ(r.pumps, 9);  // once after every tone, silent ones included

    pattern(1).Recycle = 1;
    r.log.clear();
    ASSERT_TRUE(PrepareRBPlay(1));
    PlayRB(r.io());
    EXPECT_EQ(r.log, onePass);
}

TEST_F(Player_, WhatIsSoundedSilentOrSkipped) {
    // 40 Hz is silent, 50 Hz sounds; a tone of 5 ms or less is skipped.
    setTones(2, {{4, 3}, {5, 3}, {100, 0}, {100, -4}}, 1, 0);
    PlayerLog r;
    ASSERT_TRUE(PrepareRBPlay(2));
    PlayRB(r.io());
    EXPECT_EQ(r.log, QStringList({"wait 30", "tone 50 30", "wait 0"}));

    setTones(3, {}, 1, 0);
    pattern(3).Tone[14].Length = 1;
    EXPECT_TRUE(PrepareRBPlay(3));  // 10 ms is enough
    pattern(3).Tone[14].Length = 0;
    EXPECT_FALSE(PrepareRBPlay(3));
    EXPECT_FALSE(PrepareRBPlay(0));
    EXPECT_FALSE(PrepareRBPlay(9));

    // Passes Off: prepared, but nothing plays.
    pattern(1).Recycle = 0;
    r.log.clear();
    ASSERT_TRUE(PrepareRBPlay(1));
    PlayRB(r.io());
    EXPECT_TRUE(r.log.isEmpty());
}

TEST_F(Player_, DamagedValuesAreHeldToWhatCanBeSounded) {
    // Products that overflow 16 bits: frequency and length held, gap held.
    setTones(4, {{32767, 32767}, {3277, 3277}, {-100, 20}}, 1, 32767);
    EXPECT_EQ(GetRBTotalLength(4), (32767 + 3277 + 20) * 10);
    PlayerLog r;
    ASSERT_TRUE(PrepareRBPlay(4));
    PlayRB(r.io());
    EXPECT_EQ(r.log, QStringList({"tone 20000 2550", "tone 20000 2550", "wait 200", "wait 2550"}));

    setTones(5, {{100, 20}}, 1, -30);
    r.log.clear();
    ASSERT_TRUE(PrepareRBPlay(5));
    PlayRB(r.io());
    EXPECT_EQ(r.log, QStringList({"tone 1000 200", "wait 0"}));

    // A negative length sounds nothing and takes nothing from the others.
    setTones(6, {{100, 10}, {200, -20}}, 1, 0);
    EXPECT_EQ(GetRBTotalLength(6), 100);
    r.log.clear();
    ASSERT_TRUE(PrepareRBPlay(6));
    PlayRB(r.io());
    EXPECT_EQ(r.log, QStringList({"tone 1000 100", "wait 0"}));
}

TEST_F(Player_, StopDuringAToneEndsBeforeTheNextWithoutAGap) {
    PlayerLog r;
    r.onPump = [](int pumpNo) {
        if (pumpNo == 2) RequestStopPlay();  // pressed while the silent second tone ran
    };
    ASSERT_TRUE(PrepareRBPlay(1));
    PlayRB(r.io());
    EXPECT_EQ(r.log, QStringList({"tone 1000 200", "wait 100"}));
    EXPECT_TRUE(Player.StopPlay);  // stays set until the next playback is prepared
    EXPECT_TRUE(PrepareRBPlay(1));
    EXPECT_FALSE(Player.StopPlay);

    // Stop pressed during a gap takes effect at the first tone of the next pass.
    PlayerLog g;
    g.onWait = [](int, int ms) {
        if (ms == 500) RequestStopPlay();
    };
    PlayRB(g.io());
    EXPECT_EQ(g.log, onePass);
}

TEST_F(Player_, TheShownPatternChangingDoesNotMixPatterns) {
    setTones(2, {{300, 10}, {300, 10}, {300, 10}}, 9, 90);
    PlayerLog r;
    r.onPump = [](int pumpNo) {
        if (pumpNo == 1) {
            Player.CurrentRBIndex = 2;     // the user switched tabs
            pattern(1).Tone[3].Freq = 150;  // and changed the playing pattern
        }
    };
    Player.CurrentRBIndex = 1;
    ASSERT_TRUE(PrepareRBPlay(1));
    PlayRB(r.io());
    const QStringList edited = {"tone 1000 200", "wait 100", "tone 1500 200", "wait 500"};
    EXPECT_EQ(r.log, QStringList({"tone 1000 200", "wait 100", "tone 1500 200", "wait 500"}) + edited + edited);
}

TEST_F(Player_, AStalePlaybackEndsSilentlyWhenANewOneIsPrepared) {
    // The editor is closed and opened again during the first gap, and Play is
    // pressed there: the new playback runs inside the old one's wait.
    setTones(2, {{300, 10}}, 1, 0);
    PlayerLog outer, inner;
    outer.onWait = [&](int, int ms) {
        if (ms != 500) return;
        RequestStopPlay();  // the close
        ASSERT_TRUE(PrepareRBPlay(2));
        PlayRB(inner.io());
    };
    ASSERT_TRUE(PrepareRBPlay(1));
    PlayRB(outer.io());
    EXPECT_EQ(outer.log, onePass);
    EXPECT_EQ(inner.log, QStringList({"tone 3000 100", "wait 0"}));

    // Even without a stop: a newer playback makes the old one stale.
    PlayerLog first, second;
    first.onPump = [&](int pumpNo) {
        if (pumpNo != 1) return;
        ASSERT_TRUE(PrepareRBPlay(2));
        PlayRB(second.io());
    };
    ASSERT_TRUE(PrepareRBPlay(1));
    PlayRB(first.io());
    EXPECT_EQ(first.log, QStringList({"tone 1000 200"}));
    EXPECT_EQ(second.log, QStringList({"tone 3000 100", "wait 0"}));
}

TEST(PlayerWait, WaitsItsTimeWhileEventsRun) {
    bool ran = false;
    QTimer::singleShot(20, [&] { ran = true; });
    QElapsedTimer t;
    t.start();
    WaitWithEvents(80);
    EXPECT_GE(t.elapsed(), 79);
    EXPECT_LT(t.elapsed(), 400);
    EXPECT_TRUE(ran);
}
