// The start-up procedure: version file, settings file, first document.
#pragma once

#include "core/GlobalState.h"

namespace ulbrix {

// Start-up, up to the point where the main window is created (the caller does
// that): version file, OS version, locale, settings file, the first document
// and the language tables.
void Main();

// Reads the settings file ("language" section of SettingsFilePath()), chooses
// the language, sets the start-up values and writes "comPort" and
// "CurrentLanguage" back. A missing file or a key that is missing, empty or
// not a number takes its default.
void InitSetting();

}  // namespace ulbrix
