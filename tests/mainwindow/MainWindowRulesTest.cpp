// The main window's rules without a window: stored geometry, pane sizes,
// background tile, and the save question shared by the file commands.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "core/ModEnglish.h"
#include "core/GlobalState.h"
#include "mainwindow/MainWindowRules.h"
#include "support/Support.h"

using namespace ulbrix;
using platform::MsgResult;

TEST(WindowGeometry, MissingOrBadValuesTakeTheirDefaults) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
    EXPECT_EQ(LoadWindowGeometry(store), (WindowGeometryTw{100, 100, 14500, 10500}));

    store.setValue("Settings/MainLeft", "abc");
    store.setValue("Settings/MainTop", "-300");
    store.setValue("Settings/MainWidth", "0");
    store.setValue("Settings/MainHeight", " 9000 ");
    EXPECT_EQ(LoadWindowGeometry(store), (WindowGeometryTw{100, -300, 14500, 9000}));
}

TEST(WindowGeometry, SavedValuesReadBackAsDecimalText) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
    SaveWindowGeometry(store, {1500, 30, 12000, 8025});
    EXPECT_EQ(store.value("Settings/MainWidth").toString(), "12000");
    EXPECT_EQ(LoadWindowGeometry(store), (WindowGeometryTw{1500, 30, 12000, 8025}));
}

TEST(WindowGeometry, OnlyAUsableWidthAndHeightCountAsAStoredSize) {
    struct Case { const char* width; const char* height; bool stored; };
    const Case cases[] = {{nullptr, nullptr, false}, {"9000", nullptr, false}, {"9000", "0", false},
                          {"abc", "7000", false},    {"9000", "7000", true}};
    for (const Case& c : cases) {
        QTemporaryDir dir;
        QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
        store.setValue("Settings/MainLeft", "1500");
        if (c.width) store.setValue("Settings/MainWidth", c.width);
        if (c.height) store.setValue("Settings/MainHeight", c.height);
        EXPECT_EQ(HasStoredWindowSize(store), c.stored) << (c.width ? c.width : "-") << (c.height ? c.height : "-");
    }
}

TEST(WindowGeometry, FirstStartHoldsTheLargestEditorWithinTheScreen) {
    const QSize editors[] = {QSize(923, 370), QSize(748, 1006), QSize(300, 200)};
    const QSize around(230, 100);
    const QRect fallback(7, 7, 967, 700);
    struct Case { std::span<const QSize> editors; QRect screen; QRect expected; };
    const Case cases[] = {
        {editors, QRect(0, 0, 2560, 1440), QRect(7, 7, 1153, 1106)},   // all of it
        {editors, QRect(0, 0, 1920, 1040), QRect(7, 0, 1153, 1040)},   // as high as the screen, moved up
        {editors, QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768)},     // the whole small screen
        {editors, QRect(1920, 30, 1920, 1050), QRect(1920, 30, 1153, 1050)},  // onto a second screen
        {{}, QRect(0, 0, 1920, 1040), fallback},                        // never below the fallback
        {editors, QRect(), QRect(7, 7, 1153, 1106)},                    // no screen known
    };
    for (const Case& c : cases) EXPECT_EQ(FirstStartGeometry(c.editors, around, fallback, c.screen), c.expected) << c.screen.width();
}

TEST(WindowGeometry, AStoredWindowIsFittedToTheScreen) {
    const QRect small(0, 0, 1024, 728);
    struct Case { QRect window; QRect screen; QRect expected; };
    const Case cases[] = {
        {QRect(100, 50, 800, 600), small, QRect(100, 50, 800, 600)},          // fits: unchanged
        {QRect(100, 50, 1231, 1087), small, small},                           // too large: cut and moved in
        {QRect(900, 600, 400, 300), small, QRect(624, 428, 400, 300)},        // off right and bottom
        {QRect(-50, -20, 400, 300), small, QRect(0, 0, 400, 300)},            // above and left of it
        {QRect(1800, 100, 400, 300), QRect(1920, 30, 1280, 994), QRect(1920, 100, 400, 300)},  // second screen
        {QRect(-50, -20, 4000, 3000), QRect(), QRect(-50, -20, 4000, 3000)},  // no screen known
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitToScreen(c.window, c.screen), c.expected) << c.window.x() << "," << c.window.width();
}

TEST(PaneRules, HeightsChangeOnlyAbove1000Twips) {
    EXPECT_FALSE(ResizePaneHeights(1000));
    EXPECT_FALSE(ResizePaneHeights(0));
    const auto h = ResizePaneHeights(1001);
    ASSERT_TRUE(h);
    EXPECT_EQ(h->frame, 901);
    EXPECT_EQ(h->tree, 301);
    EXPECT_EQ(h->splitter, 1001);
}

TEST(PaneRules, SplitterKeepsThePaneBetween300TwipsAndTheWindowWidth) {
    struct Case { int pane, x, inner; std::optional<int> expected; };
    const Case cases[] = {
        {3000, -2701, 9000, std::nullopt},  // 299
        {3000, -2700, 9000, 300},
        {3000, 150, 9000, 3150},
        {3000, 6000, 9000, 9000},           // exactly the inner width
        {3000, 6001, 9000, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitterPaneWidth(c.pane, c.x, c.inner), c.expected) << c.x;
}

TEST(Background, TileLeavesOutTheFrameButNeverHasAZeroStep) {
    EXPECT_EQ(BackgroundTileRect(QSize(130, 40)), QRect(1, 1, 128, 38));
    EXPECT_EQ(BackgroundTileRect(QSize(3, 3)), QRect(1, 1, 1, 1));
    EXPECT_EQ(BackgroundTileRect(QSize(2, 50)), QRect(0, 1, 2, 48));
    EXPECT_EQ(BackgroundTileRect(QSize(1, 1)), QRect(0, 0, 1, 1));
    EXPECT_TRUE(BackgroundTileRect(QSize()).isEmpty());
    EXPECT_EQ(BackgroundPicturePath("/p/bin", 2), "/p/bin/PIC/BK_2.jpg");
}

TEST(SaveQuestion, AnswersLeadToSaveSaveAsOrStop) {
    ResetProcessState();
    InitLanguageStrings();
    struct Case {
        bool modified, untitled;
        MsgResult answer;
        bool saveOk;
        bool goesOn, saved, savedAs;
    };
    const Case cases[] = {
        {false, false, MsgResult::Cancel, true, true, false, false},  // not asked at all
        {true, false, MsgResult::No, true, true, false, false},
        {true, false, MsgResult::Cancel, true, false, false, false},
        {true, false, MsgResult::Yes, true, true, true, false},
        {true, false, MsgResult::Yes, false, false, true, false},  // a failed save stops
        {true, true, MsgResult::Yes, true, true, false, true},     // untitled: Save As
        {true, true, MsgResult::Yes, false, false, false, true},   // Save As cancelled
    };
    for (const Case& c : cases) {
        testsupport::MsgRecorder rec;
        rec.answer(c.answer);
        bool saved = false, savedAs = false;
        SaveQuestionActions a;
        a.isModified = [&] { return c.modified; };
        a.untitled = [&] { return c.untitled; };
        a.save = [&] { saved = true; return c.saveOk; };
        a.saveAs = [&] { savedAs = true; return c.saveOk; };
        EXPECT_EQ(AskSaveChanges(a), c.goesOn);
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(savedAs, c.savedAs);
        ASSERT_EQ(rec.shown().size(), c.modified ? 1u : 0u);
        if (c.modified) {
            EXPECT_EQ(rec.shown()[0].text, "File has been modify,save it now?");
            EXPECT_EQ(rec.shown()[0].buttons, platform::MsgButtons::YesNoCancel);
            EXPECT_EQ(rec.shown()[0].icon, platform::MsgIcon::Exclamation);
        }
    }
    ResetProcessState();
}
