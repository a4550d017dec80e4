#include "core/ModEnglish.h"

#include <QObject>

namespace ulbrix {

using namespace fill;

namespace {
struct MenuText {
    TextTable* table;
    const char* english;
    const char* chinese;
};

// The menu captions, in menu order.
const MenuText kMenuTexts[] = {
    {&CapMnuFile, "&File", "文件&F"},
    {&CapMnuFileNew, "&New", "新建(&N)"},
    {&CapMnuFileOpen, "&Open", "打开(&O)"},
    {&CapMnuFileSave, "&Save", "保存(&S)"},
    {&CapMnuFileSaveAs, "Save &As", "另存为(&A)"},
    {&CapMnuFilePrint, "&Print", "打印(&P)"},
    {&CapMnuFileExit, "E&xit", "退出(&X)"},
    {&CapMnuModel, "&Model", "机型(&M)"},
    {&CapMnuModelInfo, "&Model Information", "机型信息(&M)"},
    {&CapMnuBand, "&Band", "频段(&B)"},
    {&CapMnuFrequencyCheck, "Check All Channel &Frequency", "有效频率检测(&F)"},
    {&CapMnuEdit, "&Edit", "编辑(&E)"},
    {&CapMnuChannelInfo, "&Channel Information", "信道信息(&C)"},
    {&CapMnuOptFeature, "&Option Features", "可选功能(&O)"},
    {&CapMnuKeyAssignm, "&Key Assignment", "键设置(&K)"},
    {&CapMnuScanInfo, "&Scan Information", "扫描信息(&S)"},
    {&CapMnuDTMF, "&DTMF", "DTMF(双音多频)(&D)"},
    {&CapMnuFleetSync, "&Fleet Sync", "Fleet Sync(队列同步)(&F)"},
    {&CapMnuTestFre, "&Test FreQuence", "测试频率(&T)"},
    {&CapMnuEmbeddedMsg, "Local &Information", "本机信息(&I)"},
    {&CapMnuEMG, "Embedded &Message", "嵌入信息(&M)"},
    {&CapMnuProgram, "&Program", "编程(&P)"},
    {&CapMnuReadFromRadio, "&Read from Radio", "从对讲机读取数据(&R)"},
    {&CapMnuWriteToRadio, "&Write to Radio", "向对讲机写入数据(&W)"},
    {&CapMnuTest, "&Test Mode", "测试模式(&T)"},
    {&CapMnuTools, "&Tools", "工具(&T)"},
    {&CapMnuRadioInfo, "&Radio Information", "对讲机信息(&R)"},
    {&CapMnuSetRadioInfo, "&Set Radio Information", "设置对讲机信息(&S)"},
    {&CapMnuSet, "&Setup", "设置(&S)"},
    {&CapMnuComm, "&Communication Port", "通讯端口(&C)"},
    {&CapMnuLanguage, "&Language Setup", "语言设置(&L)"},
    {&CapMnuInitial, "&Initial Setting", "初始化设置(&I)"},
    {&CapMnuView, "&View", "视图(&V)"},
    {&CapMnuTreeView, "Tree &View", "树视图(&V)"},
    {&CapMnuViewToolbar, "&Toolbar", "工具栏(&T)"},
    {&CapMnuViewStatusBar, "&Status Bar", "状态栏(&S)"},
    {&CapMnuWindow, "&Window", "窗口(&W)"},
    {&CapMnuWindowCascade, "&Cascade", "层叠(&C)"},
    {&CapMnuWindowTileHorizontal, "Tile Windows &Horizontally", "横向平铺窗口(&H)"},
    {&CapMnuWindowTileVertical, "Tile Windows &Vertically", "纵向平铺窗口(&V)"},
    {&CapMnuWindowArrangeIcons, "&Arrange Icons", "排列图标(&A)"},
    {&CapMnuCloseAll, "Close All &Windows", "关闭所有窗口(&W)"},
    {&CapMnuHelp, "&Help", "帮助(&H)"},
    {&CapMnuHelpTopic, "&Help topics", "帮助主题(&H)"},
    {&CapMnuHelpAbout, "&About Ulbrix", "关于 Ulbrix(&A)"},
};

void InitMainCaptions() {
    CapCommunicationPort = C("Communication Port", "通信端口");
    CapCOM = C("COM", "通信口");
    CapLanguageMode = C("Language Mode", "语言模式");
    CapLanguageName = TextTable::LanguageNames(
        QStringLiteral("English"), QStringLiteral("Chinese"), QStringLiteral("英语"),
        QStringLiteral("中文"));
    CapLanguageSetup = C("Language Setup", "语言设置");
    CapClose = C("&Close", "关闭(&C)");
    CapHelp = C("&Help", "帮助(&H)");
    for (const MenuText& m : kMenuTexts) *m.table = C(m.english, m.chinese);
}

}  // namespace

const std::vector<MenuCaption>& MainMenuCaptions() {
    static const std::vector<MenuCaption> captions = {
        {"mnuFile", &CapMnuFile},
        {"mnuFileNew", &CapMnuFileNew},
        {"mnuFileOpen", &CapMnuFileOpen},
        {"mnuFileSave", &CapMnuFileSave},
        {"mnuFileSaveAs", &CapMnuFileSaveAs},
        {"mnuFilePrint", &CapMnuFilePrint},
        {"mnuFileExit", &CapMnuFileExit},
        {"mnuModel", &CapMnuModel},
        {"mnuModelInfo", &CapMnuModelInfo},
        {"MnuBand", &CapMnuBand},
        {"MnuCheckRadioBand", &CapCheckRadioBand},
        {"MnuFrequencyCheck", &CapMnuFrequencyCheck},
        {"mnuEdit", &CapMnuEdit},
        {"mnuChannelInfo", &CapMnuChannelInfo},
        {"mnuOptFeature", &CapMnuOptFeature},
        {"mnuKeyAssignm", &CapMnuKeyAssignm},
        {"mnuScanInfo", &CapMnuScanInfo},
        {"mnuDTMF", &CapMnuDTMF},
        {"mnuFleetSync", &CapMnuFleetSync},
        {"mnuTestFre", &CapMnuTestFre},
        {"mnuEmbeddedMsg", &CapMnuEmbeddedMsg},
        {"mnuEMG", &CapMnuEMG},
        {"mnuProgram", &CapMnuProgram},
        {"mnuReadFromRadio", &CapMnuReadFromRadio},
        {"mnuWriteToRadio", &CapMnuWriteToRadio},
        {"mnuTest", &CapMnuTest},
        {"mnuTools", &CapMnuTools},
        {"mnuRadioInfo", &CapMnuRadioInfo},
        {"mnuSetRadioInfo", &CapMnuSetRadioInfo},
        {"mnuSet", &CapMnuSet},
        {"mnuComm", &CapMnuComm},
        {"mnuLanguage", &CapMnuLanguage},
        {"MnuInitial", &CapMnuInitial},
        {"mnuView", &CapMnuView},
        {"mnuTreeView", &CapMnuTreeView},
        {"mnuViewToolbar", &CapMnuViewToolbar},
        {"mnuViewStatusBar", &CapMnuViewStatusBar},
        {"mnuWindow", &CapMnuWindow},
        {"mnuWindowCascade", &CapMnuWindowCascade},
        {"mnuWindowTileHorizontal", &CapMnuWindowTileHorizontal},
        {"mnuWindowTileVertical", &CapMnuWindowTileVertical},
        {"mnuWindowArrangeIcons", &CapMnuWindowArrangeIcons},
        {"mnuCloseAll", &CapMnuCloseAll},
        {"mnuHelp", &CapMnuHelp},
        {"mnuHelpTopic", &CapMnuHelpTopic},
        {"mnuHelpAbout", &CapMnuHelpAbout},
    };
    return captions;
}

void InitLanguageStrings() {
    InitMessages();
    InitMainCaptions();
    InitPrintCaptions();
    InitChannelInfoCaptions();
    InitOptCaptions();
    // The scan, test-frequency, test-mode, fleet and radio-information tables
    // are never shown by any window, so they are not kept.
    InitDtmfCaptions();
    InitProgressTexts();
}

void SetCommonButtonCaptions(QObject* form) {
    SetChildText(form, "CommandClose", Tr(CapClose));
    SetChildText(form, "CommandHelp", Tr(CapHelp));
}

}  // namespace ulbrix
