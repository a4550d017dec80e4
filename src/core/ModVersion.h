// The program's own version, the version file (which software version goes
// with which firmware or data-file version) and the hand-over to another
// installed release.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <string>

namespace ulbrix {

inline const QString OwnSoftwareVersion = QStringLiteral("V100");

// The version file as read at start-up. FirmPairList holds two texts per
// pair: element 2j the software version, 2j + 1 the firmware (or data-file)
// version that goes with it.
inline QString CurrentVersionText;
inline int SoftVersionCount = 0;
inline int FirmVersionCount = 0;
inline QStringList SoftVersionList;
inline QStringList FirmPairList;

// Texts by CurrentLanguage (1 English, 2 Chinese; element 0 empty).
using VerText = std::array<QString, 3>;
inline VerText VerTextFirmware;
inline VerText VerTextSoftware;
inline VerText VerTextQuestion;
inline VerText VerTextNoRelease;
inline VerText VerTextDataFile;
inline VerText VerTextUnknownData;

enum VersionKind { VersionKindFirmware = 0, VersionKindDataFile = 1 };

// Sets the working document's version text to "V100", fills the texts and
// reads "Version.ini" from the folder above the program's folder. A missing
// file or key gives empty values and empty lists.
void LoadVersionIni();
void InitVersionText();

// "V" and three digits, after TrimNull.
bool IsVersionText(const QString& text);
bool IsVersionText(const std::string& text);

bool IsVersionPairListed(const QString& softVersion, const QString& otherVersion);
// The software version of the first pair listing otherVersion; "" when none.
QString FindSoftForFirm(const QString& otherVersion);

// The question asked when a pair is not listed (Yes/No, no icon).
QString BuildVersionMessage(const QString& softVersion, const QString& otherVersion, int kind);

// Starts the release that goes with otherVersion and ends this process. When
// there is none, or it cannot be started, says so and returns.
void StartMatchingVersion(const QString& otherVersion);
// Where that release's executable is: <parent>/<version>/Varnek/<own name>.
QString ReleaseExecutablePath(const QString& softVersion);
// Runs just before another release is started (the transfer code closes its
// serial port here). Returns the previous hook.
std::function<void()> SetHandOverHook(std::function<void()> hook);

// The path without its last component ("\" or "/"); unchanged when the last
// separator is its first character, except "/x" whose parent is "/".
QString GetParentPath(const QString& path);
// "<parent of the program folder>/Version.ini" and ".../language/mysetup.ini".
QString VersionFilePath();
QString SettingsFilePath();
// The section of the settings file that holds every key the program keeps.
inline const QString SettingsSection = QStringLiteral("language");
// key=value into that section of the settings file; false when it cannot be written.
bool WriteSetting(const QString& key, const QString& value);

// Back to the state before LoadVersionIni (tests).
void ResetVersionState();

}  // namespace ulbrix
