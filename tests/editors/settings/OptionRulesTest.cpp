// The option rules of the optional-features window, without widgets: the
// examples the options are defined by, and the integrity of the tables.
#include <gtest/gtest.h>

#include <set>

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "editors/settings/OptionRules.h"
#include "link/ModComm.h"

using namespace ulbrix;

namespace {

class OptionRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        InitLanguageStrings();
        for (int n = 1; n <= 8; ++n) {
            WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)).Recycle = 1;
            WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)).Tone[1].Length = 5;
        }
    }
    void TearDown() override { ResetProcessState(); }

    static const OptionRow& Row(int id) {
        const OptionRow* r = FindOptionRow(id);
        if (!r) throw std::logic_error("no row");
        return *r;
    }
    static QStringList Items(int id) { return Row(id).items ? Row(id).items() : QStringList(); }
    static int Shown(int id) { return ShownValue(Row(id), Items(id)).index; }
    // The value's own text where the list lacks it, "" where an item shows.
    static QString Own(int id) { return ShownValue(Row(id), Items(id)).own; }
    static StoreResult Pick(int id, int index, std::function<int(int)> others = [](int) { return 0; }) {
        return StorePick(Row(id), index, Items(id), others);
    }
    static long Value(int id) { return FieldValue(Row(id).field, WorkDocument); }
    static void Set(int id, long v) { SetFieldValue(Row(id).field, WorkDocument, v); }
};

const std::array<Integer, 12> kRssi = {4, 9, 14, 19, 24, 29, 0, 5, 8, 12, 23, 35};

}  // namespace

TEST_F(OptionRulesTest, TotStepsOfThreeAndCwFreqOffset) {
    const int tot = 9;
    // The rounded quotient decides; past the list the value shows in seconds.
    for (auto [value, index] : {std::pair{0, 0}, {3, 1}, {4, 1}, {5, 2}, {60, 20}, {63, -1}, {-4, -1}}) {
        Set(tot, value);
        EXPECT_EQ(Shown(tot), index) << value;
    }
    EXPECT_EQ(Own(tot), "-40s");
    Set(tot, 63);
    EXPECT_EQ(Own(tot), "630s");
    Pick(tot, 20);
    EXPECT_EQ(Value(tot), 60);

    const int cw = 47;
    EXPECT_EQ(Items(cw).size(), 226);  // "300" .. "2550": every item fits the byte
    EXPECT_EQ(Items(cw).back(), "2550");
    Set(cw, 30);
    EXPECT_EQ(Shown(cw), 0);
    Set(cw, 0);
    EXPECT_EQ(Shown(cw), -1);
    EXPECT_EQ(Own(cw), "0");
    Set(cw, 255);
    EXPECT_EQ(Items(cw).at(Shown(cw)), "2550");
    Pick(cw, 1);  // "310"
    EXPECT_EQ(Value(cw), 31);
    Pick(cw, 225);
    EXPECT_EQ(Value(cw), 255);
}

TEST_F(OptionRulesTest, BeepWordHalvesAndOutOfRangeValues) {
    Set(71, 0x84);
    EXPECT_EQ(Shown(71), 1);  // "On"
    EXPECT_EQ(Shown(72), 4);  // "5"
    Pick(71, 0);
    EXPECT_EQ(Value(71), 4);
    Set(71, 0x84);
    Pick(72, 2);  // "3"
    EXPECT_EQ(Value(71), 130);

    // Bits 0..6 beyond the list show in its numbering and stay until that half is picked.
    Set(71, 0x87);
    EXPECT_EQ(Shown(72), -1);
    EXPECT_EQ(Own(72), "8");
    Pick(71, 0);
    EXPECT_EQ(Value(71), 7);
    Pick(72, 1);
    EXPECT_EQ(Value(71), 1);

    // A word list shows a value past it as the number.
    Set(24, 5);
    EXPECT_EQ(Own(24), "5");
    EXPECT_EQ(Value(24), 5);
    Set(24, 1);
    EXPECT_EQ(Shown(24), 1);
}

TEST_F(OptionRulesTest, KeyFunctionsStoreTheirEntryWithAndWithoutVfo) {
    for (bool withVfo : {true, false}) {
        RadioHasOption = withVfo;
        const QStringList keys = Items(42);
        ASSERT_EQ(keys.size(), withVfo ? 17 : 16);
        const int nb = static_cast<int>(keys.indexOf("NB"));
        Pick(42, nb);
        EXPECT_EQ(Value(42), 3) << withVfo;
        Pick(67, static_cast<int>(keys.size()) - 1);
        EXPECT_EQ(Value(67), 16);
        EXPECT_EQ(keys.at(Shown(67)), "Scan");
        Set(42, 2);  // "VFO"
        // A list filled without VFO shows the entry's own text.
        EXPECT_EQ(withVfo ? keys.at(Shown(42)) : Own(42), "VFO");
        EXPECT_EQ(Value(42), 2);  // showing kept it
        Set(42, 17);
        EXPECT_EQ(Own(42), "17");
    }
    EXPECT_TRUE(PfKeyEnabled(0));
    EXPECT_TRUE(PfKeyEnabled(1));
    EXPECT_FALSE(PfKeyEnabled(2));
    EXPECT_TRUE(Pick(66, 2).keyEnables);
}

TEST_F(OptionRulesTest, ClaSetByBandAndRogerByValidPattern) {
    WorkDocument.Band = BandCB;
    Set(11, 3);
    EXPECT_EQ(Items(11).size(), 2);
    EXPECT_EQ(Shown(11), 0);
    WorkDocument.Band = BandHF;
    EXPECT_EQ(Items(11).at(Shown(11)), "RT");
    EXPECT_EQ(Value(11), 3);

    const int cbRoger = 209;
    for (int n = 4; n <= 8; ++n) WorkDocument.RogerBeep.at(static_cast<std::size_t>(n)).Recycle = 0;
    Pick(cbRoger, static_cast<int>(Items(cbRoger).indexOf("3")));
    EXPECT_EQ(WorkDocument.Settings.CBPublic[PubRoger], 130);
    WorkDocument.RogerBeep[2].Recycle = 0;  // only 1 and 3 remain
    EXPECT_EQ(Items(cbRoger).at(Shown(cbRoger)), "3");
    Set(cbRoger, 129);
    EXPECT_EQ(Shown(cbRoger), 0);
    Pick(cbRoger, 0);
    EXPECT_EQ(Value(cbRoger), 0);

    // The mode goes through the mode master list: the stored code is the mode's.
    Pick(305, static_cast<int>(Items(305).indexOf("CW")));
    EXPECT_EQ(WorkDocument.Settings.HFPublic[PubMode], 5);
}

TEST_F(OptionRulesTest, RssiThresholdsStayAscendingPerFrame) {
    EXPECT_EQ(CheckRssiOrder(1, "12", kRssi), 11);
    EXPECT_EQ(CheckRssiOrder(2, "22", kRssi), 14);  // beyond box 3: refused
    EXPECT_EQ(CheckRssiOrder(1, "5", kRssi), 9);    // equal to box 0: refused
    EXPECT_EQ(CheckRssiOrder(0, "0", kRssi), 0);
    EXPECT_EQ(CheckRssiOrder(5, "40", kRssi), 35);
    EXPECT_EQ(CheckRssiOrder(6, "", kRssi), 0);     // no number: old value
    EXPECT_EQ(CheckRssiOrder(6, "5", kRssi), 4);    // not compared with the FM/AM frame
    EXPECT_EQ(CheckRssiOrder(11, "24", kRssi), 35); // 23 equals box 10: refused
    EXPECT_THROW(CheckRssiOrder(12, "1", kRssi), std::out_of_range);

    WorkDocument.RssiThreshold = kRssi;
    const TextRow* box1 = nullptr;
    for (const TextRow& t : TextRows())
        if (t.rule == TextRule::Rssi && t.index == 1) box1 = &t;
    ASSERT_NE(box1, nullptr);
    EXPECT_EQ(CommitText4(*box1, "12"), "12");
    EXPECT_EQ(WorkDocument.RssiThreshold[1], 11);
    EXPECT_EQ(CommitText4(*box1, "30"), "12");
    EXPECT_EQ(WorkDocument.RssiThreshold[1], 11);
}

TEST_F(OptionRulesTest, LimitBoxesClampSwapAndRound) {
    auto swr = [](const char* typed) {
        std::array<QString, 3> t{typed, "9.0", "9.0"};
        CommitLimitTexts(TextRule::Swr, t);
        return std::pair{t[0], WorkDocument.Settings.LevelSetC};
    };
    EXPECT_EQ(swr("25"), (std::pair<QString, Integer>{"20.0", 200}));
    EXPECT_EQ(swr("ab"), (std::pair<QString, Integer>{"20.0", 200}));
    EXPECT_EQ(swr("1"), (std::pair<QString, Integer>{"1.2", 12}));
    EXPECT_EQ(swr("16"), (std::pair<QString, Integer>{"16.0", 160}));
    EXPECT_EQ(swr("16.85"), (std::pair<QString, Integer>{"16.9", 169}));  // half away from zero

    std::array<QString, 3> t{"", "16.8", "12.0"};
    CommitLimitTexts(TextRule::BatteryMin, t);
    EXPECT_EQ(t[1], "12.0");
    EXPECT_EQ(t[2], "16.8");
    EXPECT_EQ(WorkDocument.Settings.LevelSetA, 120);
    EXPECT_EQ(WorkDocument.Settings.LevelSetB, 168);

    // A damaged file left 50.0 in the other box: it is clamped in the same
    // commit, and a swap cannot carry it into the record.
    t = {"", "10", "50.0"};
    CommitLimitTexts(TextRule::BatteryMin, t);
    EXPECT_EQ(WorkDocument.Settings.LevelSetA, 100);
    EXPECT_EQ(WorkDocument.Settings.LevelSetB, 290);
    t = {"", "-3276.8", "x"};
    CommitLimitTexts(TextRule::BatteryMax, t);
    EXPECT_EQ(t[1], "9.0");
    EXPECT_EQ(t[2], "9.0");
    EXPECT_EQ(WorkDocument.Settings.LevelSetA, 90);
    EXPECT_EQ(WorkDocument.Settings.LevelSetB, 90);

    const TextRow* rep = nullptr;
    for (const TextRow& r : TextRows())
        if (r.rule == TextRule::TxRep) rep = &r;
    ASSERT_NE(rep, nullptr);
    EXPECT_EQ(CommitText4(*rep, "0"), "0.0001");
    EXPECT_EQ(WorkDocument.Settings.OptionLong, 1);
    EXPECT_EQ(CommitText4(*rep, "7"), "5.0000");
    EXPECT_EQ(WorkDocument.Settings.OptionLong, 50000);
    EXPECT_EQ(CommitText4(*rep, "."), "5.0000");
    EXPECT_EQ(CommitText4(*rep, "1.2345"), "1.2345");
    EXPECT_EQ(WorkDocument.Settings.OptionLong, 12345);
}

TEST_F(OptionRulesTest, TheLastEnabledModeStaysEnabled) {
    std::array<int, 6> boxes{1, 0, 0, 0, 0, 0};
    auto others = [&](int id) { return boxes.at(static_cast<std::size_t>(id - 105)); };
    StoreResult r = Pick(105, 0, others);
    EXPECT_EQ(r.value, 1);
    EXPECT_EQ(WorkDocument.FMEnable, 1);
    boxes[2] = 1;
    r = Pick(105, 0, others);
    EXPECT_EQ(r.value, 0);
    EXPECT_EQ(WorkDocument.FMEnable, 0);
    // Box 9 is PA and box 10 CW, the reverse of the document's order.
    Pick(109, 1, others);
    EXPECT_EQ(WorkDocument.PAEnable, 1);
    EXPECT_EQ(WorkDocument.CWEnable, 0);
    EXPECT_EQ(ModeEnableResult(0, {0, 0, 0, 0, 0, 0}, 3), 1);
}

TEST_F(OptionRulesTest, PublicSwitchWritesEveryChannelSlotOfItsBand) {
    const int hf = 60;
    Set(hf, 0);
    ChannelTable(BandHF, 41, 1).Public = 7;
    ChannelTable(BandCB, 41, 3).Public = 7;
    StoreResult r = Pick(hf, 1);
    EXPECT_TRUE(r.reopenChannelEditor);
    EXPECT_EQ(Value(hf), 1);
    int written = 0;
    for (int g = 1; g <= 17; ++g)
        for (int s = 1; s <= 99; ++s) written += ChannelTable(BandHF, s, g).Public == 1;
    EXPECT_EQ(written, 15 * 40 + 99 + 1);
    EXPECT_EQ(ChannelTable(BandHF, 41, 1).Public, 7);
    EXPECT_EQ(ChannelTable(BandHAM, 1, 1).Public, 0);

    ChannelTable(BandHF, 1, 1).Public = 0;
    r = Pick(hf, 1);  // already Off: no channel written, nothing reopened
    EXPECT_FALSE(r.reopenChannelEditor);
    EXPECT_EQ(ChannelTable(BandHF, 1, 1).Public, 0);

    EXPECT_TRUE(ApplyPublicSwitch(BandCB, 1));
    EXPECT_EQ(ChannelTable(BandCB, 40, 3).Public, 1);
    EXPECT_EQ(ChannelTable(BandCB, 41, 3).Public, 7);
    EXPECT_EQ(ChannelTable(BandCB, 40, 7).Public, 1);
}

TEST_F(OptionRulesTest, VoxEnablesFollowOneRule) {
    EXPECT_FALSE(VoxEnablesOf(0, 3).level);
    EXPECT_FALSE(VoxEnablesOf(0, 3).delay);
    EXPECT_TRUE(VoxEnablesOf(1, 0).level);
    EXPECT_FALSE(VoxEnablesOf(1, 0).delay);
    EXPECT_TRUE(VoxEnablesOf(1, 2).delay);
    EXPECT_TRUE(Pick(69, 1).voxEnables);
    EXPECT_TRUE(Pick(27, 1).voxEnables);
    EXPECT_EQ(WorkDocument.Settings.VoxLevel, 1);
}

// Every id once; no two visible controls on one field (the beep word's two
// halves excepted); every pick of every item writes only its own field, a
// value the field and the radio byte can hold, which shows as the item
// picked. In both languages.
TEST_F(OptionRulesTest, TablesAreConsistent) {
    std::set<int> ids;
    std::set<QString> names;
    for (const OptionRow& row : OptionRows()) {
        EXPECT_TRUE(ids.insert(row.id).second) << row.id;
        EXPECT_TRUE(names.insert(QLatin1String(row.objectName)).second) << row.objectName;
        EXPECT_EQ(row.visible(), row.section != OptSection::Hidden) << row.id;
        EXPECT_EQ(row.kind == OptKind::List, row.items != nullptr) << row.id;
    }
    for (const TextRow& t : TextRows()) EXPECT_TRUE(names.insert(QLatin1String(t.objectName)).second) << t.objectName;
    for (int id = 0; id <= 72; ++id) EXPECT_TRUE(ids.count(id)) << id;

    for (const OptionRow& a : OptionRows())
        for (const OptionRow& b : OptionRows()) {
            if (&a == &b || !a.visible() || !b.visible()) continue;
            const bool beepPair = (a.id == 71 || a.id == 72) && (b.id == 71 || b.id == 72);
            EXPECT_TRUE(beepPair || !SameField(a.field, b.field)) << a.id << " and " << b.id;
        }

    WorkDocument.Settings.DtmfAutodial[5] = "123";
    for (int language : {1, 2}) {
        CurrentLanguage = language;
        for (const OptionRow& row : OptionRows()) {
            if (row.field.empty()) continue;
            const QStringList items = row.items ? row.items() : QStringList{"0", "1"};
            for (int i = 0; i < items.size(); ++i) {
                DocumentImage expected = WorkDocument;
                const StoreResult r = StorePick(row, i, row.items ? items : QStringList(), [](int) { return 1; });
                ASSERT_TRUE(r.stored) << row.id;
                const long v = FieldValue(row.field, WorkDocument);
                // A pick writes its own field and nothing else of the document.
                SetFieldValue(row.field, expected, v);
                EXPECT_TRUE(expected == WorkDocument) << row.id << " item " << i;
                EXPECT_GE(v, 0) << row.id << " item " << i;
                EXPECT_LE(v, 255) << row.id << " item " << i;
                EXPECT_LE(v, FieldMax(row.field)) << row.id;
                if (row.rule != OptRule::StoreOnly) {
                    EXPECT_EQ(ShownValue(row, row.items ? items : QStringList()).index, i) << row.id << " item " << i;
                }
            }
        }
    }
}
