// The locale ids the program chooses by (language of texts, code page of the
// radio's free text), taken from the environment.
#pragma once

#include <QString>

namespace platform {

// LC_ALL, then LC_MESSAGES, then LANG: zh_CN 0x804, zh_TW 0x404, de_* 0x407,
// ru_* 0x419, anything else 0x409.
long GetUserDefaultLCID();
long GetSystemDefaultLCID();
// The id a locale name ("zh_CN.UTF-8") maps to.
long LcidFromLocaleName(const QString& name);

// Numbers are always written and parsed with "." (the process's numeric
// locale is "C"); the user's settings are never changed, so there is nothing
// to force at start-up and nothing to restore at exit.
QString DecimalSeparator();

}  // namespace platform
