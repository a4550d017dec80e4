#include "core/ModVersion.h"

#include <QFileInfo>

#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "platform/IniFile.h"
#include "platform/MsgBox.h"
#include "platform/Paths.h"
#include "platform/Process.h"

namespace ulbrix {

namespace {
std::function<void()>& handOverHook() {
    static std::function<void()> h;
    return h;
}

int language() { return CurrentLanguage == 2 ? 2 : 1; }

// "V100" is shown as "V1.00".
QString shownVersion(const QString& v) { return v.left(2) + QLatin1Char('.') + v.right(2); }
}  // namespace

void InitVersionText() {
    VerTextFirmware = {QString(), QStringLiteral("Firmware version is"), QStringLiteral("固件版本为")};
    VerTextSoftware = {QString(), QStringLiteral("programming software is"), QStringLiteral("写频软件版本为")};
    VerTextQuestion = {QString(),
                       QStringLiteral("incompatible version. It may cause unknown error.To start the "
                                      "corresponding software version, or not?"),
                       QStringLiteral("版本不兼容，有可能引起未知错误，是否启动对应版本软件？")};
    VerTextNoRelease = {QString(), QStringLiteral("Fail to start the software. This version does not exist."),
                        QStringLiteral("未能启动，不存在此版本软件！")};
    VerTextDataFile = {QString(), QStringLiteral("DataFile version is"), QStringLiteral("数据文件版本为")};
    VerTextUnknownData = {QString(), QStringLiteral("Unknown version Of DataFile!"),
                          QStringLiteral("未能识别的数据版本!")};
}

void ResetVersionState() {
    CurrentVersionText.clear();
    SoftVersionCount = 0;
    FirmVersionCount = 0;
    SoftVersionList.clear();
    FirmPairList.clear();
    for (VerText* t : {&VerTextFirmware, &VerTextSoftware, &VerTextQuestion, &VerTextNoRelease,
                       &VerTextDataFile, &VerTextUnknownData})
        t->fill(QString());
}

QString GetParentPath(const QString& path) {
    const qsizetype p = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    if (p >= 1) return path.left(p);
    if (p == 0 && path.size() > 1 && path.at(0) == QLatin1Char('/')) return QStringLiteral("/");
    return path;
}

QString VersionFilePath() { return GetParentPath(platform::ProgramDir()) + QStringLiteral("/Version.ini"); }

QString SettingsFilePath() {
    return GetParentPath(platform::ProgramDir()) + QStringLiteral("/language/mysetup.ini");
}

bool WriteSetting(const QString& key, const QString& value) {
    return platform::WritePrivateProfileString(SettingsSection, key, value, SettingsFilePath());
}

void LoadVersionIni() {
    WorkDocument.Version = OwnSoftwareVersion.toStdString();
    InitVersionText();

    // A missing file or key reads as "": no counts, so empty lists. The lists
    // hold only what was read; counts never reach past them.
    platform::IniFile ini(VersionFilePath());
    ini.Load();
    auto value = [&ini](const QString& section, const QString& key) {
        return TrimNull(ini.Get(section, key)).trimmed();
    };
    CurrentVersionText = value(QStringLiteral("Version"), QStringLiteral("CurrentVersion")).left(4);
    const int softCount = std::max<int>(0, ValOrDefault(value(QStringLiteral("Version"), QStringLiteral("SoftVersionCount")), 0));
    const int firmCount = std::max<int>(0, ValOrDefault(value(QStringLiteral("Version"), QStringLiteral("FirmVersionCount")), 0));

    SoftVersionList.clear();
    for (int i = 0; i < softCount; ++i)
        SoftVersionList << value(QStringLiteral("Soft"), QStringLiteral("Version%1").arg(i));
    SoftVersionCount = static_cast<int>(SoftVersionList.size());

    FirmPairList.clear();
    for (int j = 0; j < firmCount; ++j) {
        const QString pair = value(QStringLiteral("Firm"), QStringLiteral("Firm%1").arg(j));
        FirmPairList << pair.left(4) << pair.right(4);
    }
    FirmVersionCount = static_cast<int>(FirmPairList.size() / 2);
}

bool IsVersionText(const QString& text) {
    const QString t = TrimNull(text);
    if (t.size() != 4 || t.at(0) != QLatin1Char('V')) return false;
    for (int i = 1; i < 4; ++i)
        if (t.at(i) < QLatin1Char('0') || t.at(i) > QLatin1Char('9')) return false;
    return true;
}

bool IsVersionText(const std::string& text) {
    return IsVersionText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

bool IsVersionPairListed(const QString& softVersion, const QString& otherVersion) {
    for (qsizetype j = 0; j + 1 < FirmPairList.size(); j += 2)
        if (FirmPairList.at(j) == softVersion && FirmPairList.at(j + 1) == otherVersion) return true;
    return false;
}

QString FindSoftForFirm(const QString& otherVersion) {
    for (qsizetype j = 0; j + 1 < FirmPairList.size(); j += 2)
        if (FirmPairList.at(j + 1) == otherVersion) return FirmPairList.at(j);
    return QString();
}

QString BuildVersionMessage(const QString& softVersion, const QString& otherVersion, int kind) {
    const int l = language();
    const QString& otherCaption = kind == VersionKindDataFile ? VerTextDataFile[l] : VerTextFirmware[l];
    const QString crlf = QStringLiteral("\r\n");
    return VerTextQuestion[l] + crlf + otherCaption + QLatin1Char(' ') + shownVersion(otherVersion) + crlf +
           VerTextSoftware[l] + QLatin1Char(' ') + shownVersion(softVersion);
}

QString ReleaseExecutablePath(const QString& softVersion) {
    return GetParentPath(platform::ProgramDir()) + QLatin1Char('/') + softVersion + QStringLiteral("/Varnek/") +
           platform::ProgramFileName();
}

std::function<void()> SetHandOverHook(std::function<void()> hook) {
    auto old = std::move(handOverHook());
    handOverHook() = std::move(hook);
    return old;
}

void StartMatchingVersion(const QString& otherVersion) {
    const QString soft = FindSoftForFirm(otherVersion);
    const auto noRelease = [] { platform::MsgBox(VerTextNoRelease[language()], platform::MsgButtons::Ok); };
    // A version that is no plain name would lead the path out of the release folders.
    if (soft.isEmpty() || !IsVersionText(soft)) {
        noRelease();
        return;
    }
    const QString path = ReleaseExecutablePath(soft);
    if (handOverHook()) handOverHook()();
    if (!platform::StartProgram(path)) {
        noRelease();
        return;
    }
    platform::EndProcess(0);
}

}  // namespace ulbrix
