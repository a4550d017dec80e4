#include "core/ModEnglishChannelInfo.h"

namespace ulbrix {

using namespace fill;

void InitChannelInfoCaptions() {
    CapChannelInformation = C("Channel Information", "信道信息");
    CapChannel = C("Channel", "信道编辑");
    CapCheckRadioBand = C("Check Radio &Band", "检查机器频段(&B)");
    CapSelectHFHAM = C("Select HF/HAM", "模式选择");
    CapBand = C("Band", "组");
    CapCHNo = C("CH No.", "信道");
    CapFrequency = C("Frequency", "频率");
    CapTXCTC = Same("TXCTC");
    CapRXCTC = Same("RXCTC");
    CapCTCDCS = Same("CTC/DCS");
    CapQTDQTEnc = C("QT/DQT Enc", "编码");
    CapScan = C("Scan", "扫描");
    CapBUSY = Same("BUSY");
    CapECHO = Same("ECHO");
    CapHICUT = Same("HI-CUT");
    CapPlus10KHz = Same("+10KHz");
    CapNB = Same("NB");
    CapWorkGroup = C("Work Group", "工作组");
    CapGroupName = C("Group Name", "组名称");
    CapGroupValid = C("Group Valid", "组有效");
    CapCurrentWorkChannel = Same("Current Work Channel");
    CapMEMCHX = C("MEM CHX", "当前MEM信道");
    CapOff = C("Off", "关");
    CapDelAdd = TextTable::Items({QStringLiteral("Del"), QStringLiteral("Add")},
                                 {QStringLiteral("删除"), QStringLiteral("添加")});
    CapDisableEnable = TextTable::Items({QStringLiteral("Disable"), QStringLiteral("Enable")},
                                        {QStringLiteral("不使用"), QStringLiteral("使用")});

    CapCWFreq = Same("CW Freq");
    CapCWBEEP = Same("CW BEEP");
    CapDim = Same("Dim");
    CapVOXSPK = Same("VOX SPK");
    CapAGC = Same("AGC");
    CapSQL = Same("SQL");
    CapChanRb = Same("Chan Rb");
    CapCBPUBLIC = Same("CB PUBLIC");
    CapHFPUBLIC = Same("HF PUBLIC");
    CapHAMPUBLIC = Same("HAM PUBLIC");
    CapWN = C("W/N", "带宽");
    CapNarrowWide = TextTable::Items({QStringLiteral("Narrow"), QStringLiteral("Wide")},
                                     {QStringLiteral("窄带"), QStringLiteral("宽带")});
}

}  // namespace ulbrix
