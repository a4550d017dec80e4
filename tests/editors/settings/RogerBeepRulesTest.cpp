// Roger-beep pattern rules: validity, the clean-up of references after a
// pattern changed, the bilingual texts and the chart geometry.
#include <gtest/gtest.h>

#include <QImage>
#include <QMdiArea>

#include "core/GlobalState.h"
#include "editors/settings/RogerBeepChart.h"
#include "editors/settings/RogerBeepRules.h"
#include "platform/widgets/ChildForms.h"

using namespace ulbrix;

namespace {

RogerBeepPattern& Pattern(int n) { return WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)); }

// Pattern n with one tone of the given length at tone k.
void MakePattern(int n, int recycle, int k = 1, int length = 10, int freq = 100) {
    Pattern(n) = RogerBeepPattern{};
    Pattern(n).Recycle = static_cast<Integer>(recycle);
    Pattern(n).Tone.at(static_cast<std::size_t>(k)) = {static_cast<Integer>(freq), static_cast<Integer>(length)};
}

class RogerBeepRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        for (int n = 1; n <= 8; ++n) MakePattern(n, 1);
    }
    void TearDown() override { ResetProcessState(); }
};

class ShowRBProbe : public QWidget, public ChildForm {
    Q_OBJECT
public:
    using QWidget::QWidget;
    int shown = 0;
    Q_INVOKABLE void ShowRB() { ++shown; }
};

}  // namespace

TEST_F(RogerBeepRulesTest, ValidityNeedsARepeatAndALength) {
    MakePattern(1, 0);                // no repeat
    MakePattern(2, 1, 14, 1);         // only the last tone sounds
    MakePattern(3, 5, 1, 0);          // repeats, but nothing has a length
    MakePattern(4, 1, 7, 20, 0);      // silent tone with a length counts
    MakePattern(5, 3, 2, -4);         // a negative length is no length
    EXPECT_EQ(ValidRBIndex(1), 0);
    EXPECT_EQ(ValidRBIndex(2), 2);
    EXPECT_EQ(ValidRBIndex(3), 0);
    EXPECT_EQ(ValidRBIndex(4), 4);
    EXPECT_EQ(ValidRBIndex(5), 0);
    for (int outside : {0, 9, -1, 127, 32767}) EXPECT_EQ(ValidRBIndex(outside), 0) << outside;
    EXPECT_EQ(CountValidRB(), 5);  // 2, 4, 6, 7, 8
}

TEST_F(RogerBeepRulesTest, StaleReferencesAreClearedEverywhere) {
    // A channel beyond the group's count still counts when it is in use, and
    // the CB memory channels are references too.
    ChannelTable.v.assign(ChannelTable.v.size(), ChannelRecord{});
    auto put = [](int b, int s, int g, Integer ref, Integer inUse = 1) {
        ChannelTable(b, s, g).InUse = inUse;
        ChannelTable(b, s, g).RogerBeep = ref;
    };
    WorkDocument.ChannelCount(BandHF, 2) = 1;
    put(BandHF, 1, 2, 129);
    put(BandHF, 5, 2, 129);   // beyond the count
    put(BandCB, 80, 3, 129);  // last slot of the 80-channel plan
    put(BandHAM, 99, 13, 130);
    put(BandHF, 3, 4, 129, 0);  // not in use: left alone
    put(BandHF, 6, 2, 300);     // names no pattern at all
    put(BandHF, 7, 2, 127);
    MemChannelList(1).RogerBeep = 129;
    MemChannelList(96).RogerBeep = 135;
    WorkDocument.Settings.CBPublic[PubRoger] = 129;
    WorkDocument.Settings.HAMPublic[PubRoger] = 135;
    WorkDocument.Settings.HFPublic[PubRoger] = 0;

    MakePattern(2, 0);  // pattern 2 becomes invalid
    ClearStaleRBReferences();

    EXPECT_EQ(ChannelTable(BandHF, 1, 2).RogerBeep, 0);
    EXPECT_EQ(ChannelTable(BandHF, 5, 2).RogerBeep, 0);
    EXPECT_EQ(ChannelTable(BandCB, 80, 3).RogerBeep, 0);
    EXPECT_EQ(ChannelTable(BandHAM, 99, 13).RogerBeep, 130);
    EXPECT_EQ(ChannelTable(BandHF, 3, 4).RogerBeep, 129);
    EXPECT_EQ(ChannelTable(BandHF, 6, 2).RogerBeep, 0);
    EXPECT_EQ(ChannelTable(BandHF, 7, 2).RogerBeep, 0);
    EXPECT_EQ(MemChannelList(1).RogerBeep, 0);
    EXPECT_EQ(MemChannelList(96).RogerBeep, 135);
    EXPECT_EQ(WorkDocument.Settings.CBPublic[PubRoger], 0);
    EXPECT_EQ(WorkDocument.Settings.HAMPublic[PubRoger], 135);
    EXPECT_EQ(WorkDocument.Settings.HFPublic[PubRoger], 0);
}

TEST_F(RogerBeepRulesTest, RefreshReachesOnlyOpenEditors) {
    QMdiArea area;
    SetChildFormHost(&area);
    RegisterChildForm(FormName::OptFeatures, [](QWidget* p) -> QWidget* { return new ShowRBProbe(p); });
    RegisterChildForm(FormName::ChannelInfo, [](QWidget* p) -> QWidget* { return new ShowRBProbe(p); });
    WorkDocument.Settings.CBPublic[PubRoger] = 131;
    MakePattern(4, 0);

    RefreshRBReferences();  // nothing open: the records change, nothing opens
    EXPECT_EQ(WorkDocument.Settings.CBPublic[PubRoger], 0);
    EXPECT_TRUE(OpenChildFormNames().isEmpty());

    auto* opt = qobject_cast<ShowRBProbe*>(ShowChildForm(FormName::OptFeatures));
    ASSERT_NE(opt, nullptr);
    RefreshRBReferences();
    EXPECT_EQ(opt->shown, 1);
    EXPECT_FALSE(IsChildFormOpen(FormName::ChannelInfo));

    UnloadChildForms();
    UnregisterChildForm(FormName::OptFeatures);
    UnregisterChildForm(FormName::ChannelInfo);
    SetChildFormHost(nullptr);
}

TEST_F(RogerBeepRulesTest, TextsFollowTheLanguage) {
    CurrentLanguage = 1;
    EXPECT_EQ(GetRBText(29113), "Fourteenth Tone");
    EXPECT_EQ(GetRBText(10221), "&Roger Beep");
    EXPECT_EQ(GetRBText(29008), "");
    CurrentLanguage = 0;  // anything but Chinese reads English
    EXPECT_EQ(GetRBText(12014), "Roger Beep");
    CurrentLanguage = 2;
    EXPECT_EQ(GetRBText(10221), QString::fromUtf8("RB音(&R)"));
    EXPECT_EQ(GetRBText(29000), GetRBText(12014));
    EXPECT_EQ(GetRBText(29001), GetRBText(12014));
    EXPECT_EQ(GetRBText(29201), QString::fromUtf8("无"));
    EXPECT_EQ(GetRBText(-1), "");
}

TEST(RogerBeepChartGeometry, BarsShareTheWidthByLength) {
    RogerBeepPattern p;
    p.Tone[1] = {100, 10};
    auto bars = RBChartGeometry(p, 1100, 600);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].left, 50);
    EXPECT_EQ(bars[0].right, 1050);
    EXPECT_EQ(bars[0].base, 550);
    EXPECT_EQ(bars[0].top, 355);  // 100 * 500 / 256 = 195.3
    EXPECT_TRUE(bars[0].red);

    // Tone 2 silent in time: tones 1 and 3 both red, side by side.
    p.Tone[3] = {0, 30};
    bars = RBChartGeometry(p, 1100, 600);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].right, 300);  // 10 * 1000 / 40 = 250
    EXPECT_EQ(bars[1].left, 300);
    EXPECT_EQ(bars[1].right, 1050);
    EXPECT_TRUE(bars[1].red);
    EXPECT_EQ(bars[1].top, bars[1].base);  // no frequency, no height

    p.Tone[4] = {256, 40};  // even tone, blue; 2560 Hz reaches the full height
    bars = RBChartGeometry(p, 1100, 600);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_FALSE(bars[2].red);
    EXPECT_EQ(bars[2].top, 50);
    EXPECT_EQ(bars[2].right, 1050);
}

TEST(RogerBeepChartGeometry, HalvesRoundToEvenAndOddValuesStayInside) {
    RogerBeepPattern p;
    p.Tone[1] = {0, 1};
    p.Tone[2] = {0, 1};
    p.Tone[3] = {0, 2};
    // W = 1002.5 - 100 -> 902 (half to even); 1 * 902 / 4 = 225.5 -> 226 (even)
    auto bars = RBChartGeometry(p, 1002.5, 600);
    ASSERT_EQ(bars.size(), 3u);
    EXPECT_EQ(bars[0].right - bars[0].left, 226);

    // A damaged file: negative lengths neither draw nor widen the others.
    RogerBeepPattern q;
    q.Tone[1] = {100, -50};
    q.Tone[2] = {100, 10};
    q.Tone[3] = {100, 10};
    bars = RBChartGeometry(q, 1100, 600);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars.back().right, 1050);

    // Drawn as played: a held length, a pitch too low to sound, a held pitch.
    RogerBeepPattern d;
    d.Tone[1] = {4, 32767};
    d.Tone[2] = {3000, 255};
    bars = RBChartGeometry(d, 1100, 600);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(bars[0].right - bars[0].left, 500);
    EXPECT_EQ(bars[0].top, bars[0].base);
    EXPECT_EQ(bars[1].top, 50);

    RogerBeepPattern none;
    none.Tone[5] = {100, -3};
    EXPECT_TRUE(RBChartGeometry(none, 1100, 600).empty());
}

TEST_F(RogerBeepRulesTest, ChartPaintsInItsOwnScale) {
    MakePattern(1, 1, 1, 10, 100);
    RogerBeepChart chart;
    chart.resize(110, 60);
    chart.setScale(1100, 600);
    chart.setPattern(1);
    QImage img(chart.size(), QImage::Format_RGB32);
    chart.render(&img);
    EXPECT_EQ(QColor(img.pixel(55, 50)), QColor(255, 0, 0));  // inside the bar
    EXPECT_EQ(QColor(img.pixel(55, 20)), QColor(Qt::white));  // above it
    EXPECT_EQ(QColor(img.pixel(2, 50)), QColor(Qt::white));   // left margin
    chart.setPattern(9);
    chart.render(&img);
    EXPECT_EQ(QColor(img.pixel(55, 50)), QColor(Qt::white));
}

#include "RogerBeepRulesTest.moc"
