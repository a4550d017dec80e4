#include <gtest/gtest.h>

#include <QObject>
#include <QSet>
#include <QVariant>

#include "core/ModEnglish.h"
#include "core/GlobalState.h"

using namespace ulbrix;

namespace {

class LanguageTables : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        InitLanguageStrings();
    }
    void TearDown() override { ResetProcessState(); }
};

QString U(const char* s) { return QString::fromUtf8(s); }

struct CaptionRow {
    const TextTable* table;
    const char* english;
    const char* chinese;
};

}  // namespace

// A few texts of every group, caught character for character in both
// languages; a slip in layout (English and Chinese swapped, wrong element)
// shows here too.
TEST_F(LanguageTables, CaptionsInBothLanguages) {
    const CaptionRow rows[] = {
        // main window, language and port dialogs
        {&CapCommunicationPort, "Communication Port", "通信端口"},
        {&CapCOM, "COM", "通信口"},
        {&CapLanguageMode, "Language Mode", "语言模式"},
        {&CapLanguageSetup, "Language Setup", "语言设置"},
        {&CapClose, "&Close", "关闭(&C)"},
        {&CapHelp, "&Help", "帮助(&H)"},
        {&CapMnuFile, "&File", "文件&F"},
        {&CapMnuFileSaveAs, "Save &As", "另存为(&A)"},
        {&CapMnuDTMF, "&DTMF", "DTMF(双音多频)(&D)"},
        {&CapMnuTestFre, "&Test FreQuence", "测试频率(&T)"},
        {&CapMnuEmbeddedMsg, "Local &Information", "本机信息(&I)"},
        {&CapMnuEMG, "Embedded &Message", "嵌入信息(&M)"},
        {&CapMnuComm, "&Communication Port", "通讯端口(&C)"},
        {&CapMnuHelpAbout, "&About Ulbrix", "关于 Ulbrix(&A)"},
        // print group
        {&CapFileName, "File Name", "文件名"},
        // channel information editor
        {&CapChannelInformation, "Channel Information", "信道信息"},
        {&CapChannel, "Channel", "信道编辑"},
        {&CapCheckRadioBand, "Check Radio &Band", "检查机器频段(&B)"},
        {&CapSelectHFHAM, "Select HF/HAM", "模式选择"},
        {&CapBand, "Band", "组"},
        {&CapCHNo, "CH No.", "信道"},
        {&CapQTDQTEnc, "QT/DQT Enc", "编码"},
        {&CapMEMCHX, "MEM CHX", "当前MEM信道"},
        {&CapCurrentWorkChannel, "Current Work Channel", "Current Work Channel"},
        {&CapOff, "Off", "关"},
        {&CapWN, "W/N", "带宽"},
        {&CapChanRb, "Chan Rb", "Chan Rb"},
        // optional features
        {&CapOptionalFeatures, "Optional Features", "可选功能"},
        {&CapINDIC, "INDIC", "发射时LCD显示"},
        {&CapRBFrequecy, "RB Frequecy[Hz]", "RB 频率[Hz]"},
        {&CapColorLabel, "Color", "背光灯颜色"},
        {&CapPublic, "Public", "公共信道设置"},
        {&CapTDCSET, "TDC.SET", "电池电压保护"},
        {&CapBeep, "Beep", "提示音"},
        {&CapBeep2, "Beep", "Beep"},
        {&CapNOGSET, "NOG.SET.", "NOG.SET."},
        {&CapTxColor, "Tx Color", "Tx Color"},
        {&CapSaveDisKind, "Save DisKind", "Save DisKind"},
        {&CapSaveTime, "Save Time", "Save Time"},
        // DTMF
        {&CapDTMF, "DTMF", "DTMF(双音多频)"},
        {&CapStarHashTone, "* and # Tone[ms]", "*和#音[毫秒]"},
        {&CapAutoResetTimer, "Auto Reset Timer[s]", "自动复位定时器[秒]"},
        {&CapIDCode, "ID Code", "ID 码"},
        {&CapDCodeOff, "Off", "D 码"},
        // progress
        {&ProgressLabelText, "Completion percentage:", "完成进度:"},
        {&RadioCountText, "", ""},
    };
    for (const CaptionRow& r : rows) {
        EXPECT_EQ((*r.table)[1], U(r.english)) << r.english;
        EXPECT_EQ((*r.table)[2], U(r.chinese)) << r.english;
        EXPECT_TRUE((*r.table)[0].isEmpty()) << r.english;
    }
}

TEST_F(LanguageTables, AttributeWordsAreTheSameInBothLanguages) {
    for (const TextTable* t : {&CapBUSY, &CapECHO, &CapHICUT, &CapPlus10KHz, &CapNB})
        EXPECT_EQ((*t)[1], (*t)[2]) << (*t)[1].toStdString();
    EXPECT_EQ(CapHICUT[2], "HI-CUT");
    EXPECT_EQ(CapPlus10KHz[2], "+10KHz");
}

TEST_F(LanguageTables, TwoItemListsAreIndexedItemPlusThreeTimesLanguage) {
    struct Row {
        const TextTable* table;
        const char* en1;
        const char* en2;
        const char* zh1;
        const char* zh2;
    };
    const Row rows[] = {
        {&CapOffOn, "OFF", "ON", "关", "开"},
        {&CapDelAdd, "Del", "Add", "删除", "添加"},
        {&CapDisableEnable, "Disable", "Enable", "不使用", "使用"},
        {&CapNarrowWide, "Narrow", "Wide", "窄带", "宽带"},
        {&CapScanType, "Squelch Scan", "Time Scan", "静噪扫描", "时间扫描"},
        {&CapStunTypeItems, "TX Inhibit", "TX/RX Inhibit", "发射抑制", "发射/接收 抑制"},
        {&ProgressTitleText, "Read data from radio", "Write data to radio", "从对讲机读取数据",
         "向对讲机写入数据"},
    };
    for (const Row& r : rows) {
        const TextTable& t = *r.table;
        EXPECT_EQ(t[4], U(r.en1));
        EXPECT_EQ(t[5], U(r.en2));
        EXPECT_EQ(t[7], U(r.zh1));
        EXPECT_EQ(t[8], U(r.zh2));
        for (int empty : {0, 1, 2, 3, 6, 9}) EXPECT_TRUE(t[empty].isEmpty()) << r.en1 << empty;
    }

    CurrentLanguage = 1;
    EXPECT_EQ(TrItems(CapOffOn), (QStringList{"OFF", "ON"}));
    CurrentLanguage = 2;
    EXPECT_EQ(TrItems(CapOffOn), (QStringList{U("关"), U("开")}));
    EXPECT_EQ(TrItem(CapOffOn, 1), U("关"));
}

TEST_F(LanguageTables, LongerItemLists) {
    // Colours: entry + 10 * language.
    EXPECT_EQ(CapColor[12], "White");
    EXPECT_EQ(CapColor[19], "Loop");
    EXPECT_EQ(CapColor[21], "Off");
    EXPECT_EQ(CapColor[22], U("白"));
    EXPECT_EQ(CapColor[28], U("青"));
    EXPECT_EQ(CapColor[29], U("循环"));

    // Three-item lists: item + 4 * language.
    EXPECT_EQ(CapCallAlertItems.ItemList(1), (QStringList{"Off", "Normal", "Continuous"}));
    EXPECT_EQ(CapCallAlertItems.ItemList(2), (QStringList{U("关"), U("常规"), U("连续")}));
    EXPECT_EQ(CapTranspondItems[7], "ID Code");
    EXPECT_EQ(CapTranspondItems[11], U("ID 码"));

    // D code list: first item, then 1 to 16 seconds.
    const QStringList en = CapDCodeItems.ItemList(1);
    const QStringList zh = CapDCodeItems.ItemList(2);
    ASSERT_EQ(en.size(), 17);
    ASSERT_EQ(zh.size(), 17);
    EXPECT_EQ(en.front(), "Off");
    EXPECT_EQ(en.back(), "16s");
    EXPECT_EQ(zh.front(), U("D 码"));
    EXPECT_EQ(zh[1], U("1秒"));
}

TEST_F(LanguageTables, KeyFunctionsAreSharedAndIndexedThreeTimesEntryPlusLanguage) {
    const QStringList expected{"Off",    "VOX",     "VFO",   "NB",       "ANL",  "10K",
                               "ECHO",   "HI-CUT",  "CT-DC", "MIC.GAIN", "RXNR", "TXNR",
                               "FM.DEV", "TONE",    U(" INDIC\u201C"), "AGC.SET", "Scan"};
    ASSERT_EQ(CapKeyFunction.ItemList(1), expected);
    EXPECT_EQ(CapKeyFunction.ItemList(2), expected);
    EXPECT_EQ(CapKeyFunction[3 * 2 + 1], "VFO");
    EXPECT_EQ(CapKeyFunction[3 * 16 + 2], "Scan");
    EXPECT_EQ(CapKeyFunction[3 * 14 + 1].size(), 7);  // blank, INDIC, U+201C
    EXPECT_TRUE(CapKeyFunction[0].isEmpty());
    EXPECT_TRUE(CapKeyFunction[3 * 17 + 1].isEmpty());
}

TEST_F(LanguageTables, LanguageNamesByWritingLanguage) {
    EXPECT_EQ(CapLanguageName[1], "English");
    EXPECT_EQ(CapLanguageName[2], "Chinese");
    EXPECT_EQ(CapLanguageName[3], U("英语"));
    EXPECT_EQ(CapLanguageName[4], U("中文"));
    // The name of language L written in L sits at 3 * L - 2.
    EXPECT_EQ(CapLanguageName[3 * 1 - 2], "English");
    EXPECT_EQ(CapLanguageName[3 * 2 - 2], U("中文"));
    EXPECT_EQ(CapLanguageName.ItemList(2), (QStringList{U("英语"), U("中文")}));
}

TEST_F(LanguageTables, MenuCaptionsCoverEveryTranslatedItemOnce) {
    const auto& menus = MainMenuCaptions();
    EXPECT_EQ(menus.size(), 46u);  // 45 menu captions and the band check
    QSet<QString> names;
    for (const MenuCaption& m : menus) {
        EXPECT_FALSE((*m.caption)[1].isEmpty()) << m.control;
        EXPECT_FALSE((*m.caption)[2].isEmpty()) << m.control;
        EXPECT_FALSE(names.contains(m.control)) << m.control;
        names.insert(m.control);
    }
    EXPECT_EQ(menus.front().caption, &CapMnuFile);
    EXPECT_EQ(QString(menus[10].control), "MnuCheckRadioBand");
    EXPECT_EQ((*menus[10].caption)[2], U("检查机器频段(&B)"));
    EXPECT_FALSE(names.contains("mnuToneTips"));
}

TEST_F(LanguageTables, WeatherCaptionsWaitForTheirWindow) {
    EXPECT_TRUE(CapWeatherChannel[1].isEmpty());
    InitTvChCaptions();
    EXPECT_EQ(CapWeatherChannel[2], U("气象信道"));
    EXPECT_EQ(CapCurrentWeatherChannel[2], U("当前气象信道"));
    EXPECT_EQ(CapWxOnOff[2], "Wx On/Off");
    EXPECT_EQ(CapDelAdd.ItemList(2), (QStringList{U("删除"), U("添加")}));
    CapWeatherChannel = TextTable{};  // back to the start-up state for later tests
}

TEST_F(LanguageTables, CommonButtonCaptionsByName) {
    QObject form;
    QObject panel(&form);
    QObject close(&panel), help(&panel), other(&form);
    close.setObjectName("CommandClose");
    help.setObjectName("CommandHelp");
    other.setObjectName("CommandOK");

    CurrentLanguage = 2;
    SetCommonButtonCaptions(&form);
    EXPECT_EQ(close.property("text").toString(), U("关闭(&C)"));
    EXPECT_EQ(help.property("text").toString(), U("帮助(&H)"));
    EXPECT_FALSE(other.property("text").isValid());

    CurrentLanguage = 1;
    SetCommonButtonCaptions(&form);
    EXPECT_EQ(close.property("text").toString(), "&Close");
    EXPECT_EQ(help.property("text").toString(), "&Help");

    QObject bare;
    SetCommonButtonCaptions(&bare);  // a form without the buttons is left alone
    EXPECT_TRUE(bare.children().isEmpty());
}
