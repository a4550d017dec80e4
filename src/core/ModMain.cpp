#include "core/ModMain.h"

#include <QFileInfo>

#include "core/ModEnglish.h"
#include "core/ModFun.h"
#include "core/ModInitV.h"
#include "core/ModMsg.h"
#include "core/ModVersion.h"
#include "platform/IniFile.h"
#include "platform/Locale.h"
#include "platform/OsVersion.h"

namespace ulbrix {

namespace {
// The language the system locale picks: Chinese for 0x804 only.
int localeLanguage() { return platform::GetSystemDefaultLCID() == 0x804 ? 2 : 1; }
}  // namespace

void InitSetting() {
    App.ComPort = 1;
    App.CurrentLanguage = App.LocaleLanguage = App.ShownLanguage = localeLanguage();
    MsgQueueCount = 0;

    const QString path = SettingsFilePath();
    platform::IniFile ini(path);
    // No settings file at all is a first run; a file that cannot be read is
    // kept as it is (writes below fail rather than replace it).
    const bool exists = QFileInfo::exists(path);
    const bool loaded = ini.Load();
    auto readInt = [&ini](const char* key, Integer def) {
        return ValOrDefault(ini.Get(SettingsSection, QLatin1String(key)), def);
    };

    App.IsFirstRun = !exists || readInt("IsFirstRun", 1) != 0;

    App.ModelName = QStringLiteral("ZR9040");
    WorkDocument.Band = BandHF;
    App.BandRangeText = QStringLiteral("28.0000 - 29.6990 MHz");
    App.FirmwareVersion = OwnSoftwareVersion;

    App.ComPort = readInt("comPort", 1);
    if (App.ComPort < 1 || App.ComPort > 255) App.ComPort = 1;
    App.Handshaking = readInt("Handshaking", 0);
    App.StopBit = readInt("StopBit", 1);

    if (App.IsFirstRun) {
        App.IsFirstRun = false;
        ini.Set(SettingsSection, QStringLiteral("IsFirstRun"), QStringLiteral("0"));
    } else {
        const int lang = readInt("CurrentLanguage", 0);
        if (lang == 1 || lang == 2) App.CurrentLanguage = lang;
    }

    // Normalised at every start; a file that exists but could not be read is
    // not overwritten with these few keys.
    ini.Set(SettingsSection, QStringLiteral("comPort"), QString::number(App.ComPort));
    ini.Set(SettingsSection, QStringLiteral("CurrentLanguage"), QString::number(App.CurrentLanguage));
    if (loaded || !exists) ini.Save();

    ParseBandRange();
    App.BatchWrite = false;
    App.BatchFormOpen = false;
}

void Main() {
    LoadVersionIni();

    const platform::OsVersionInfo os = platform::GetOsVersion();
    App.IsVista = (os.ok && os.platformId == 2 && os.major == 6 && os.minor == 0) ? 1 : 0;
    App.OSMajorVersion = os.ok ? os.major : 0;

    // Numbers are always handled with "."; the user's settings stay untouched.
    App.UserLCID = platform::GetUserDefaultLCID();
    App.SavedDecimalSeparator = platform::DecimalSeparator();
    App.SystemLCIDHex = QString::number(platform::GetSystemDefaultLCID(), 16).toUpper();

    InitSetting();
    NewDocument();
    InitLanguageStrings();
}

}  // namespace ulbrix
