// Language tables of the DTMF editor.
#pragma once

#include "core/ModMsg.h"

namespace ulbrix {

inline TextTable CapDTMF;              // window caption
inline TextTable CapEncode;            // tab 0
inline TextTable CapDecode;            // tab 1
inline TextTable CapAutodialMemory;    // tab 2 and grid header
inline TextTable CapStun;              // frame
inline TextTable CapDtmfSendTime;
inline TextTable CapFirstDigitTime;
inline TextTable CapFirstDigitDelay;
inline TextTable CapStarHashTone;
inline TextTable CapDCodeAssignment;
inline TextTable CapDTMFDISP;
inline TextTable CapIDCode;
inline TextTable CapGroupCode;
inline TextTable CapAutoResetTimer;
inline TextTable CapCallAlert;
inline TextTable CapTranspond;
inline TextTable CapClearToTranspond;
inline TextTable CapStunCode;
inline TextTable CapStunType;
inline TextTable CapNo;                // grid header "No."
inline TextTable CapDCodeOff;          // first D-code item: "Off" / "D 码"
// Items of the D-code list: the first item, then 1 to 16 seconds (17 items).
inline TextTable CapDCodeItems;
inline TextTable CapCallAlertItems;    // "Off", "Normal", "Continuous"
inline TextTable CapTranspondItems;    // "Off", "Alert", "ID Code"
inline TextTable CapStunTypeItems;     // "TX Inhibit", "TX/RX Inhibit"

void InitDtmfCaptions();

}  // namespace ulbrix
