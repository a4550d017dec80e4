// Language tables of the optional-features editor and of the weather-channel
// editor.
#pragma once

#include "core/ModMsg.h"

namespace ulbrix {

// Optional-features editor captions.
inline TextTable CapRxNR;
inline TextTable CapTxNR;
inline TextTable CapVOXLevel;
inline TextTable CapVOXDelay;
inline TextTable CapMicType;
inline TextTable CapKeyLock;
inline TextTable CapEchoVOL;
inline TextTable CapEchoTime;
inline TextTable CapEMG;
inline TextTable CapCLAFRQ;
inline TextTable CapVFOStep;
inline TextTable CapVolData;
inline TextTable CapVOLPath;
inline TextTable CapASQLevel;
inline TextTable CapWorkMode;
inline TextTable CapCurrentHAMGroup;
inline TextTable CapINDIC;
inline TextTable CapMIC;
inline TextTable CapRBFrequecy;
inline TextTable CapRBTime;
inline TextTable CapCWFrequecy;
inline TextTable CapCallFrequecy;
inline TextTable CapNOGSET;
inline TextTable CapTOT;
inline TextTable CapSCNTYPE;
inline TextTable CapCLASET;
inline TextTable CapColorLabel;      // "Color" caption; the colour list is CapColor
inline TextTable CapNRCAble;
inline TextTable CapBacklightContrast;
inline TextTable CapCurrentMenuPage;
inline TextTable CapFreqCH;
inline TextTable CapPublic;          // "Public" / "公共信道设置"
inline TextTable CapVOXFunction;
inline TextTable CapMEMMenu;
inline TextTable CapBeep;            // "Beep" / "提示音"
inline TextTable CapSWRProtect;
inline TextTable CapTDCSET;
inline TextTable CapBlueToothOn;
inline TextTable CapPttHold;
inline TextTable CapMicGain;
inline TextTable CapSpkGain;
inline TextTable CapHoldTime;
inline TextTable CapHoldDelay;
inline TextTable CapBhtIntSpk;
inline TextTable CapPttSleep;
inline TextTable CapFMDeviation;
inline TextTable CapSSBTone;
inline TextTable CapP1;
inline TextTable CapP2;
inline TextTable CapP3;
inline TextTable CapLongKey;
inline TextTable CapP4;
inline TextTable CapCwBkin;
inline TextTable CapCwOffSet;
inline TextTable CapAOP;
inline TextTable CapTxColor;
inline TextTable CapCWRXMode;
inline TextTable CapSaveDisKind;
inline TextTable CapMenuColour;
inline TextTable CapSaveTime;
inline TextTable CapPowerOffDis;
inline TextTable CapHfUseVfo;
inline TextTable CapHamUseVfo;
inline TextTable CapHandType;
inline TextTable CapPfKey;
inline TextTable CapBTDeviceName;
inline TextTable CapChVolKind;
inline TextTable CapVOXOnOff;
inline TextTable CapTXDrcCon;
inline TextTable CapBeep2;           // the "Beep" row of the beep word, both languages
inline TextTable CapOptionalFeatures;  // window caption

// Item lists.
inline TextTable CapColor;        // 9 items per language, entry + 10 * language
inline TextTable CapKeyFunction;  // 17 entries from 0, 3 * entry + language
inline TextTable CapScanType;     // "Squelch Scan", "Time Scan"

void InitOptCaptions();

// Weather-channel editor.
inline TextTable CapWeatherChannel;         // window caption
inline TextTable CapCurrentWeatherChannel;
inline TextTable CapAlert;
inline TextTable CapWxScanState;
inline TextTable CapStep;
inline TextTable CapWxOnOff;
inline TextTable CapWxVfo;
inline TextTable CapWxSql;

// Fills the weather captions and the scan list words (CapDelAdd); the weather
// editor calls it when it loads.
void InitTvChCaptions();

}  // namespace ulbrix
