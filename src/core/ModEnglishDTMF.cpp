#include "core/ModEnglishDTMF.h"

namespace ulbrix {

using namespace fill;

namespace {
// "Off" then 1 to 16 seconds, each number followed by the unit of the language.
TextTable DCodeItems() {
    QStringList en{S("Off")};
    QStringList zh{S("D 码")};
    for (int k = 1; k <= 16; ++k) {
        en << QString::number(k) + QStringLiteral("s");
        zh << QString::number(k) + S("秒");
    }
    return TextTable::Items(en, zh);
}

}  // namespace

void InitDtmfCaptions() {
    CapDTMF = C("DTMF", "DTMF(双音多频)");
    CapEncode = C("Encode", "编码");
    CapDecode = C("Decode", "解码");
    CapAutodialMemory = C("Autodial Memory", "自动拨号存储器");
    CapStun = C("Stun", "Stun");
    CapDtmfSendTime = C("DTMF Send Time[ms]", "DTMF 发送时间[毫秒]");
    CapFirstDigitTime = C("First Digit Time[ms]", "首位数码时间[毫秒]");
    CapFirstDigitDelay = C("First Digit Delay[ms]", "首位数码延迟[毫秒]");
    CapStarHashTone = C("* and # Tone[ms]", "*和#音[毫秒]");
    CapDCodeAssignment = C("D Code Assignment", "D键设定");
    CapDTMFDISP = C("DTMF DISP", "DTMF 显示");
    CapIDCode = C("ID Code", "ID 码");
    CapGroupCode = C("Group Code", "组呼码");
    CapAutoResetTimer = C("Auto Reset Timer[s]", "自动复位定时器[秒]");
    CapCallAlert = C("Call Alert", "呼叫告警");
    CapTranspond = C("Transpond", "自动应答");
    CapClearToTranspond = C("Clear to Transpond", "清除自动应答");
    CapStunCode = C("Stun Code", "遥毙码");
    CapStunType = C("Stun Type", "遥毙类型");
    CapNo = C("No.", "编号");
    CapDCodeOff = C("Off", "D 码");
    CapDCodeItems = DCodeItems();
    CapCallAlertItems = TextTable::Items({S("Off"), S("Normal"), S("Continuous")},
                                         {S("关"), S("常规"), S("连续")});
    CapTranspondItems = TextTable::Items({S("Off"), S("Alert"), S("ID Code")},
                                         {S("关"), S("告警"), S("ID 码")});
    CapStunTypeItems = TextTable::Items({S("TX Inhibit"), S("TX/RX Inhibit")},
                                        {S("发射抑制"), S("发射/接收 抑制")});
}

}  // namespace ulbrix
