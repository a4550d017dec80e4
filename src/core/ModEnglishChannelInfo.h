// Language tables of the channel information editor, and the attribute words
// the optional-features and weather editors share with it.
#pragma once

#include "core/ModMsg.h"

namespace ulbrix {

// Channel information editor.
inline TextTable CapChannelInformation;
inline TextTable CapChannel;
inline TextTable CapCheckRadioBand;
inline TextTable CapSelectHFHAM;
inline TextTable CapBand;
inline TextTable CapCHNo;
inline TextTable CapFrequency;
inline TextTable CapTXCTC;
inline TextTable CapRXCTC;
inline TextTable CapCTCDCS;
inline TextTable CapQTDQTEnc;
inline TextTable CapScan;
inline TextTable CapBUSY;
inline TextTable CapECHO;
inline TextTable CapHICUT;
inline TextTable CapPlus10KHz;
inline TextTable CapNB;
inline TextTable CapWorkGroup;
inline TextTable CapGroupName;
inline TextTable CapGroupValid;
inline TextTable CapCurrentWorkChannel;
inline TextTable CapMEMCHX;
inline TextTable CapOff;            // "Off" / "关"
inline TextTable CapDelAdd;         // items "Del", "Add"
inline TextTable CapDisableEnable;  // items "Disable", "Enable"

// Attribute captions of the optional-features and weather editors.
inline TextTable CapCWFreq;
inline TextTable CapCWBEEP;
inline TextTable CapDim;
inline TextTable CapVOXSPK;
inline TextTable CapAGC;
inline TextTable CapSQL;
inline TextTable CapChanRb;
inline TextTable CapCBPUBLIC;
inline TextTable CapHFPUBLIC;
inline TextTable CapHAMPUBLIC;
inline TextTable CapWN;           // "W/N" / "带宽"
inline TextTable CapNarrowWide;   // items "Narrow", "Wide"

void InitChannelInfoCaptions();

}  // namespace ulbrix
