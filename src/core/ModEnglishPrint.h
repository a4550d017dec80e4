// Language tables of the print group: the file-name caption of the main
// window's title and the OFF/ON list word pair.
#pragma once

#include "core/ModMsg.h"

namespace ulbrix {

inline TextTable CapFileName;  // "File Name" / "文件名"
inline TextTable CapOffOn;     // items "OFF", "ON" / "关", "开" (item + 3 * language)

void InitPrintCaptions();

}  // namespace ulbrix
