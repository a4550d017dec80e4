// A channel names a roger-beep pattern and an autodial memory in the channel
// editor; the pattern editor and the DTMF editor take them away; the channel
// keeps no stale reference and the channel editor no longer offers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <functional>

#include "core/GlobalState.h"
#include "core/ModFreFile.h"
#include "editors/channels/frmCommChInfo.h"
#include "editors/settings/DtmfMemories.h"
#include "editors/settings/FrmDTMF.h"
#include "editors/settings/FrmToneTips.h"
#include "editors/settings/RogerBeepRules.h"
#include "platform/widgets/ChildForms.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"
#include "support/RunningProgram.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

class ReferencesAcrossWindows : public ::testing::Test {
protected:
    template <class T>
    static T* open(const QString& name) {
        auto* w = qobject_cast<T*>(ShowChildForm(name));
        QApplication::processEvents();
        return w;
    }
    // The user picks the item of that text with the keyboard.
    static void choose(QComboBox* box, const QString& text) {
        ASSERT_TRUE(box->isVisibleTo(box->window()) && box->isEnabled());
        const int i = box->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int k = 0; k < i; ++k) QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentIndex(), i);
    }
    // Every channel in use whose field satisfies `has`.
    static int channelsWith(const std::function<bool(const ChannelRecord&)>& has) {
        int n = 0;
        for (int b = 0; b < BandCount; ++b)
            for (int g = 1; g <= MaxGroup; ++g)
                for (int s = 1; s <= MaxSlot; ++s)
                    if (ChannelTable(b, s, g).InUse == 1 && has(ChannelTable(b, s, g))) ++n;
        return n;
    }
    static void typeMemory(FrmDTMF& w, int row, const QString& keys) {
        w.tabs()->setCurrentIndex(2);
        QApplication::processEvents();
        QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {}, w.grid()->cellRect(row, 1).center());
        QApplication::processEvents();
        ASSERT_TRUE(w.memoryBox()->isOpen());
        QTest::keyClick(w.memoryBox(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w.memoryBox(), Qt::Key_Backspace);
        QTest::keyClicks(w.memoryBox(), keys);
        QTest::keyClick(w.memoryBox(), Qt::Key_Return);  // the edit ends
    }

    testsupport::MsgRecorder rec;
    testsupport::RunningProgram program;
};

}  // namespace

TEST_F(ReferencesAcrossWindows, APatternMadeInvalidLeavesNoChannelNamingIt) {
    auto* channels = open<frmCommChInfo>(FormName::ChannelInfo);
    ASSERT_NE(channels, nullptr);
    ASSERT_GE(CountValidRB(), 2);
    ASSERT_EQ(ValidRBIndex(1), 1);
    QComboBox* roger = channels->combo8(11);
    choose(roger, "1");
    const auto namesPattern1 = [](const ChannelRecord& r) { return r.RogerBeep == RBReferenceOf(1); };
    ASSERT_EQ(channelsWith(namesPattern1), 1);

    auto* patterns = open<FrmToneTips>(FormName::ToneTips);
    ASSERT_NE(patterns, nullptr);
    patterns->tabStrip()->setCurrentIndex(0);
    choose(patterns->passesList(), GetRBText(29200));  // pattern 1: Off
    EXPECT_EQ(WorkDocument.RogerBeep[1].Recycle, 0);
    EXPECT_EQ(channelsWith(namesPattern1), 0);
    EXPECT_EQ(roger->findText("1"), -1);
    EXPECT_EQ(roger->currentIndex(), 0);

    // The pattern valid again: offered again, the reference stays gone.
    choose(patterns->passesList(), "1");
    EXPECT_GE(roger->findText("1"), 0);
    EXPECT_EQ(channelsWith(namesPattern1), 0);
    EXPECT_TRUE(rec.shown().empty()) << rec.texts().join("|").toStdString();
}

TEST_F(ReferencesAcrossWindows, AMemoryEmptiedInTheDtmfEditorLeavesNoChannelNamingIt) {
    auto* dtmf = open<FrmDTMF>(FormName::DTMF);
    ASSERT_NE(dtmf, nullptr);
    typeMemory(*dtmf, 7, "12*#");
    EXPECT_EQ(DtmfMemoryText(7), "12*#");

    auto* channels = open<frmCommChInfo>(FormName::ChannelInfo);
    ASSERT_NE(channels, nullptr);
    QComboBox* bot = channels->combo8(13);
    choose(bot, "7");
    const auto namesMemory7 = [](const ChannelRecord& r) { return r.DtmfBot == 7; };
    ASSERT_EQ(channelsWith(namesMemory7), 1);

    // Retyped: the reference survives the moment the memory is empty.
    dtmf = open<FrmDTMF>(FormName::DTMF);
    typeMemory(*dtmf, 7, "9");
    EXPECT_EQ(channelsWith(namesMemory7), 1);
    EXPECT_GE(bot->findText("7"), 0);

    // Emptied: the reference goes when the edit ends, and the list forgets it.
    typeMemory(*dtmf, 7, "");
    EXPECT_EQ(DtmfMemoryText(7), "");
    EXPECT_EQ(channelsWith(namesMemory7), 0);
    EXPECT_EQ(bot->findText("7"), -1);
    EXPECT_TRUE(rec.shown().empty()) << rec.texts().join("|").toStdString();
}

TEST_F(ReferencesAcrossWindows, LookingThroughThePatternsAndMemoriesChangesNothing) {
    // Values a damaged file may bring, outside every list.
    RogerBeepPattern& odd = WorkDocument.RogerBeep[6];
    odd.Recycle = 12;
    odd.Interval = -3;
    odd.Tone[2] = {10, 300};
    WorkDocument.Settings.DtmfSettings = {50, -1, 99, 7, 17, 2};
    WorkDocument.Settings.DtmfAutodial[4] = "12";  // blanks, no NUL
    PrepareSaveImage();
    const DocumentImage before = WorkDocument;

    for (int language : {1, 2}) {
        App.CurrentLanguage = language;
        auto* patterns = open<FrmToneTips>(FormName::ToneTips);
        ASSERT_NE(patterns, nullptr);
        for (int tab = 0; tab < patterns->tabStrip()->count(); ++tab) {
            patterns->tabStrip()->setCurrentIndex(tab);
            QApplication::processEvents();
        }
        auto* dtmf = open<FrmDTMF>(FormName::DTMF);
        ASSERT_NE(dtmf, nullptr);
        for (int tab : {2, 0}) {
            dtmf->tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
        }
        CommitPendingEdits();
        UnloadChildForms();
        QApplication::processEvents();
        EXPECT_TRUE(WorkDocument == before) << language;
        EXPECT_TRUE(IsDataUnchanged()) << language;
    }
    EXPECT_TRUE(rec.shown().empty()) << rec.texts().join("|").toStdString();
}
