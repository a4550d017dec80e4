#include "core/ModEnglishOpt.h"

#include "core/ModEnglishChannelInfo.h"

namespace ulbrix {

using namespace fill;

void InitOptCaptions() {
    CapRxNR = C("Rx NR", "接收NR");
    CapTxNR = C("Tx NR", "发射NR");
    CapVOXLevel = C("VOX Level", "声控等级");
    CapVOXDelay = C("VOX Delay", "声控延时");
    CapMicType = C("MicType", "MIC类型");
    CapKeyLock = C("KeyLock", "锁键");
    CapEchoVOL = Same("Echo VOL");
    CapEchoTime = Same("Echo Time");
    CapEMG = Same("EMG");
    CapCLAFRQ = Same("CLA.FRQ");
    CapVFOStep = C("VFO Step", "VFO步进");
    CapVolData = Same("Vol Data");
    CapVOLPath = C("VOL Path", "音量通道");
    CapASQLevel = C("ASQ Level", "ASQ等级");
    CapWorkMode = C("Work Mode", "工作模式");
    CapCurrentHAMGroup = C("Current HAM Group", "当前HAM组");
    CapINDIC = C("INDIC", "发射时LCD显示");
    CapMIC = Same("MIC");
    CapRBFrequecy = C("RB Frequecy[Hz]", "RB 频率[Hz]");
    CapRBTime = C("RB Time[ms]", "RB 时间[ms]");
    CapCWFrequecy = C("CW Frequecy[Hz]", "CW 频率[Hz]");
    CapCallFrequecy = C("Call Frequecy[Hz]", "Call 频率[Hz]");
    CapNOGSET = Same("NOG.SET.");
    CapTOT = Same("TOT");
    CapSCNTYPE = Same("SCN.TYPE");
    CapCLASET = Same("CLA.SET");
    CapColorLabel = C("Color", "背光灯颜色");
    CapNRCAble = Same("NRC Able");
    CapBacklightContrast = C("Backlight Contrast", "背光灯对比度");
    CapCurrentMenuPage = C("Current Menu Page", "当前菜单页");
    CapFreqCH = Same("Freq_CH");
    CapPublic = C("Public", "公共信道设置");
    CapVOXFunction = C("VOX Function", "VOX功能");
    CapMEMMenu = C("MEM Menu", "MEM菜单");
    CapBeep = C("Beep", "提示音");
    CapSWRProtect = C("SWR Protect", "驻波保护");
    CapTDCSET = C("TDC.SET", "电池电压保护");
    CapBlueToothOn = Same("BlueTooth On");
    CapPttHold = Same("Ptt Hold");
    CapMicGain = Same("Mic Gain");
    CapSpkGain = Same("Spk Gain");
    CapHoldTime = Same("Hold Time");
    CapHoldDelay = Same("Hold Delay");
    CapBhtIntSpk = Same("BhtIntSpk");
    CapPttSleep = Same("Ptt Sleep");
    CapFMDeviation = C("FM Deviation", "FM调制范围");
    CapSSBTone = C("SSB Tone", "SSB调制范围");
    CapP1 = Same("P1");
    CapP2 = Same("P2");
    CapP3 = Same("P3");
    CapLongKey = C("Long Key", "长按键");
    CapP4 = Same("P4");
    CapCwBkin = Same("Cw Bkin");
    CapCwOffSet = Same("Cw OffSet");
    CapAOP = Same("AOP");
    CapTxColor = Same("Tx Color");
    CapCWRXMode = Same("CW RX Mode");
    CapSaveDisKind = Same("Save DisKind");
    CapMenuColour = Same("Menu Colour");
    CapSaveTime = Same("Save Time");
    CapPowerOffDis = Same("Power Off Dis");
    CapHfUseVfo = Same("Hf Use Vfo");
    CapHamUseVfo = Same("Ham Use Vfo");
    CapHandType = Same("Hand Type");
    CapPfKey = Same("Pf Key");
    CapBTDeviceName = Same("BT Device Name");
    CapChVolKind = Same("Ch Vol Kind");
    CapVOXOnOff = Same("VOX ON/OFF");
    CapTXDrcCon = Same("TX DrcCon");
    CapBeep2 = Same("Beep");
    CapOptionalFeatures = C("Optional Features", "可选功能");

    CapColor = TextTable::Items(
        {S("Off"), S("White"), S("Blue"), S("Green"), S("Red"), S("Yellow"), S("Purple"),
         S("Cyan"), S("Loop")},
        {S("Off"), S("白"), S("蓝"), S("绿"), S("红"), S("黄"), S("紫"), S("青"), S("循环")});
    // Entry 14 keeps its leading blank and its closing U+201C exactly.
    CapKeyFunction = TextTable::SharedItems(
        {S("Off"), S("VOX"), S("VFO"), S("NB"), S("ANL"), S("10K"), S("ECHO"), S("HI-CUT"),
         S("CT-DC"), S("MIC.GAIN"), S("RXNR"), S("TXNR"), S("FM.DEV"), S("TONE"),
         S(" INDIC\u201C"), S("AGC.SET"), S("Scan")});
    CapScanType = TextTable::Items({S("Squelch Scan"), S("Time Scan")},
                                   {S("静噪扫描"), S("时间扫描")});
}

void InitTvChCaptions() {
    CapWeatherChannel = C("Weather Channel", "气象信道");
    CapCurrentWeatherChannel = C("Current Weather Channel", "当前气象信道");
    CapAlert = Same("Alert");
    CapWxScanState = Same("Wx Scan State");
    CapStep = Same("Step");
    CapWxOnOff = Same("Wx On/Off");
    CapWxVfo = Same("Wx Vfo");
    CapWxSql = Same("Wx Sql");
    CapDelAdd = TextTable::Items({S("Del"), S("Add")}, {S("删除"), S("添加")});
}

}  // namespace ulbrix
