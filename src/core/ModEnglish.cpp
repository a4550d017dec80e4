#include "core/ModEnglish.h"

#include <QObject>

namespace ulbrix {

using namespace fill;

namespace {
struct MenuText {
    const char* control;  // object name of the menu or item
    TextTable* table;
    const char* english;  // nullptr: the table belongs to another group of texts
    const char* chinese;
};

// The menu captions, in menu order.
const MenuText kMenuTexts[] = {
    {"mnuFile", &CapMnuFile, "&File", "文件&F"},
    {"mnuFileNew", &CapMnuFileNew, "&New", "新建(&N)"},
    {"mnuFileOpen", &CapMnuFileOpen, "&Open", "打开(&O)"},
    {"mnuFileSave", &CapMnuFileSave, "&Save", "保存(&S)"},
    {"mnuFileSaveAs", &CapMnuFileSaveAs, "Save &As", "另存为(&A)"},
    {"mnuFilePrint", &CapMnuFilePrint, "&Print", "打印(&P)"},
    {"mnuFileExit", &CapMnuFileExit, "E&xit", "退出(&X)"},
    {"mnuModel", &CapMnuModel, "&Model", "机型(&M)"},
    {"mnuModelInfo", &CapMnuModelInfo, "&Model Information", "机型信息(&M)"},
    {"MnuBand", &CapMnuBand, "&Band", "频段(&B)"},
    {"MnuCheckRadioBand", &CapCheckRadioBand, nullptr, nullptr},
    {"MnuFrequencyCheck", &CapMnuFrequencyCheck, "Check All Channel &Frequency", "有效频率检测(&F)"},
    {"mnuEdit", &CapMnuEdit, "&Edit", "编辑(&E)"},
    {"mnuChannelInfo", &CapMnuChannelInfo, "&Channel Information", "信道信息(&C)"},
    {"mnuOptFeature", &CapMnuOptFeature, "&Option Features", "可选功能(&O)"},
    {"mnuKeyAssignm", &CapMnuKeyAssignm, "&Key Assignment", "键设置(&K)"},
    {"mnuScanInfo", &CapMnuScanInfo, "&Scan Information", "扫描信息(&S)"},
    {"mnuDTMF", &CapMnuDTMF, "&DTMF", "DTMF(双音多频)(&D)"},
    {"mnuFleetSync", &CapMnuFleetSync, "&Fleet Sync", "Fleet Sync(队列同步)(&F)"},
    {"mnuTestFre", &CapMnuTestFre, "&Test FreQuence", "测试频率(&T)"},
    {"mnuEmbeddedMsg", &CapMnuEmbeddedMsg, "Local &Information", "本机信息(&I)"},
    {"mnuEMG", &CapMnuEMG, "Embedded &Message", "嵌入信息(&M)"},
    {"mnuProgram", &CapMnuProgram, "&Program", "编程(&P)"},
    {"mnuReadFromRadio", &CapMnuReadFromRadio, "&Read from Radio", "从对讲机读取数据(&R)"},
    {"mnuWriteToRadio", &CapMnuWriteToRadio, "&Write to Radio", "向对讲机写入数据(&W)"},
    {"mnuTest", &CapMnuTest, "&Test Mode", "测试模式(&T)"},
    {"mnuTools", &CapMnuTools, "&Tools", "工具(&T)"},
    {"mnuRadioInfo", &CapMnuRadioInfo, "&Radio Information", "对讲机信息(&R)"},
    {"mnuSetRadioInfo", &CapMnuSetRadioInfo, "&Set Radio Information", "设置对讲机信息(&S)"},
    {"mnuSet", &CapMnuSet, "&Setup", "设置(&S)"},
    {"mnuComm", &CapMnuComm, "&Communication Port", "通讯端口(&C)"},
    {"mnuLanguage", &CapMnuLanguage, "&Language Setup", "语言设置(&L)"},
    {"MnuInitial", &CapMnuInitial, "&Initial Setting", "初始化设置(&I)"},
    {"mnuView", &CapMnuView, "&View", "视图(&V)"},
    {"mnuTreeView", &CapMnuTreeView, "Tree &View", "树视图(&V)"},
    {"mnuViewToolbar", &CapMnuViewToolbar, "&Toolbar", "工具栏(&T)"},
    {"mnuViewStatusBar", &CapMnuViewStatusBar, "&Status Bar", "状态栏(&S)"},
    {"mnuWindow", &CapMnuWindow, "&Window", "窗口(&W)"},
    {"mnuWindowCascade", &CapMnuWindowCascade, "&Cascade", "层叠(&C)"},
    {"mnuWindowTileHorizontal", &CapMnuWindowTileHorizontal, "Tile Windows &Horizontally", "横向平铺窗口(&H)"},
    {"mnuWindowTileVertical", &CapMnuWindowTileVertical, "Tile Windows &Vertically", "纵向平铺窗口(&V)"},
    {"mnuWindowArrangeIcons", &CapMnuWindowArrangeIcons, "&Arrange Icons", "排列图标(&A)"},
    {"mnuCloseAll", &CapMnuCloseAll, "Close All &Windows", "关闭所有窗口(&W)"},
    {"mnuHelp", &CapMnuHelp, "&Help", "帮助(&H)"},
    {"mnuHelpTopic", &CapMnuHelpTopic, "&Help topics", "帮助主题(&H)"},
    {"mnuHelpAbout", &CapMnuHelpAbout, "&About Ulbrix", "关于 Ulbrix(&A)"},
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
    for (const MenuText& m : kMenuTexts)
        if (m.english) *m.table = C(m.english, m.chinese);
}

}  // namespace

const std::vector<MenuCaption>& MainMenuCaptions() {
    static const std::vector<MenuCaption> captions = [] {
        std::vector<MenuCaption> out;
        for (const MenuText& m : kMenuTexts) out.push_back({m.control, m.table});
        return out;
    }();
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
