// Texts of the transfer progress dialogs.
#pragma once

#include "core/ModMsg.h"

namespace ulbrix {

// Dialog caption, indexed transfer mode + 3 * language (1 read, 2 write).
inline TextTable ProgressTitleText;
// Caption of the read-back pass of a write, indexed by language.
inline TextTable VerifyTitleText;
// "Completion percentage:" label, indexed by language.
inline TextTable ProgressLabelText;
// Radio-number caption of the batch dialog; nothing fills it, so it reads as
// the empty text in both languages.
inline TextTable RadioCountText;

// Fills the progress texts. Called from InitLanguageStrings.
void InitProgressTexts();

}  // namespace ulbrix
