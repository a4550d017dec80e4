// Language tables of the main window, the language dialog and the port dialog,
// the menu captions, and the start-up fill of every language table. Including
// this header gives every table of the program.
#pragma once

#include <QString>
#include <vector>

#include "core/ModEndlishProgress.h"
#include "core/ModEnglishChannelInfo.h"
#include "core/ModEnglishDTMF.h"
#include "core/ModEnglishOpt.h"
#include "core/ModEnglishPrint.h"
#include "core/ModMsg.h"

class QObject;

namespace ulbrix {

// Port dialog and status bar.
inline TextTable CapCommunicationPort;  // "Communication Port"
inline TextTable CapCOM;                // "COM" / "通信口"
// Language dialog.
inline TextTable CapLanguageMode;   // "Language Mode"
inline TextTable CapLanguageSetup;  // "Language Setup"
// Language names: element 2 * (L - 1) + n is the name of language n written
// in language L ("English", "Chinese", "英语", "中文").
inline TextTable CapLanguageName;
// Captions of the common Close and Help buttons.
inline TextTable CapClose;
inline TextTable CapHelp;

// Menu captions of the main window, one table per menu control.
inline TextTable CapMnuFile;
inline TextTable CapMnuFileNew;
inline TextTable CapMnuFileOpen;
inline TextTable CapMnuFileSave;
inline TextTable CapMnuFileSaveAs;
inline TextTable CapMnuFilePrint;
inline TextTable CapMnuFileExit;
inline TextTable CapMnuModel;
inline TextTable CapMnuModelInfo;
inline TextTable CapMnuBand;
inline TextTable CapMnuFrequencyCheck;
inline TextTable CapMnuEdit;
inline TextTable CapMnuChannelInfo;
inline TextTable CapMnuOptFeature;
inline TextTable CapMnuKeyAssignm;
inline TextTable CapMnuScanInfo;
inline TextTable CapMnuDTMF;
inline TextTable CapMnuFleetSync;
inline TextTable CapMnuTestFre;
inline TextTable CapMnuEmbeddedMsg;  // "Local &Information"
inline TextTable CapMnuEMG;          // "Embedded &Message"
inline TextTable CapMnuProgram;
inline TextTable CapMnuReadFromRadio;
inline TextTable CapMnuWriteToRadio;
inline TextTable CapMnuTest;
inline TextTable CapMnuTools;
inline TextTable CapMnuRadioInfo;
inline TextTable CapMnuSetRadioInfo;
inline TextTable CapMnuSet;
inline TextTable CapMnuComm;
inline TextTable CapMnuLanguage;
inline TextTable CapMnuInitial;
inline TextTable CapMnuView;
inline TextTable CapMnuTreeView;
inline TextTable CapMnuViewToolbar;
inline TextTable CapMnuViewStatusBar;
inline TextTable CapMnuWindow;
inline TextTable CapMnuWindowCascade;
inline TextTable CapMnuWindowTileHorizontal;
inline TextTable CapMnuWindowTileVertical;
inline TextTable CapMnuWindowArrangeIcons;
inline TextTable CapMnuCloseAll;
inline TextTable CapMnuHelp;
inline TextTable CapMnuHelpTopic;
inline TextTable CapMnuHelpAbout;

// A menu control and the table its caption comes from.
struct MenuCaption {
    const char* control;  // object name of the menu or item, e.g. "mnuFileNew"
    const TextTable* caption;
};

// Every translated menu caption of the main window in menu order, including
// "MnuCheckRadioBand" (CapCheckRadioBand). The roger-beep item ("mnuToneTips")
// takes its caption from the roger-beep texts and the list-edit menu is never
// translated, so neither is listed.
const std::vector<MenuCaption>& MainMenuCaptions();

// Fills every language table and message of the program, except the weather
// captions (InitTvChCaptions). Runs once at start-up.
void InitLanguageStrings();

// Sets the "text" of the children named "CommandClose" and "CommandHelp" to
// the Close and Help captions of the current language.
void SetCommonButtonCaptions(QObject* form);

}  // namespace ulbrix
