#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/IniFile.h"
#include "platform/Locale.h"

using platform::GetPrivateProfileString;
using platform::WritePrivateProfileString;

namespace {
QString write(const QTemporaryDir& dir, const char* name, const QByteArray& content) {
    QFile f(dir.filePath(QString::fromLatin1(name)));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
    return f.fileName();
}
QByteArray read(const QString& p) {
    QFile f(p);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(IniFile, ReadsWithoutRegardToCaseAndTrimsValues) {
    QTemporaryDir dir;
    const QString p = write(dir, "s.ini", "[Language]\r\nComPort =  3  \r\nEmpty=\r\n[Other]\r\ncomPort=9\r\n");
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"LANGUAGE", "COMPORT", "3"}, {"other", "comport", "9"},
        {"language", "Empty", ""},  // present but empty: not the default
        {"language", "Missing", "dflt"}, {"nosection", "comPort", "dflt"}};
    for (const auto& [section, key, want] : cases)
        EXPECT_EQ(GetPrivateProfileString(section, key, "dflt", p), QLatin1String(want)) << section << "/" << key;
    EXPECT_EQ(GetPrivateProfileString("language", "comPort", "dflt", dir.filePath("none.ini")), "dflt");
}

TEST(IniFile, WriteReplacesInPlaceAndKeepsTheRest) {
    QTemporaryDir dir;
    const QString p = write(dir, "s.ini",
                            "; settings\n[language]\nIsFirstRun=1\n; the port\ncomPort=1\nCurrentLanguage=1\n"
                            "\n[extra]\nkeep=yes\n");
    ASSERT_TRUE(WritePrivateProfileString("LANGUAGE", "COMPORT", "7", p));
    ASSERT_TRUE(WritePrivateProfileString("extra", "new", "2", p));
    ASSERT_TRUE(WritePrivateProfileString("added", "z", "3", p));
    const QByteArray out = read(p);
    // The key keeps its spelling, its comment and its place (blank lines may move).
    const QByteArray squeezed = QByteArray(out).replace("\n\n\n", "\n").replace("\n\n", "\n");
    EXPECT_TRUE(squeezed.startsWith("; settings\n[language]\nIsFirstRun=1\n; the port\ncomPort=7\n"
                                    "CurrentLanguage=1\n[extra]\nkeep=yes\nnew=2\n[added]\nz=3\n"))
        << out.constData();

    const QString fresh = dir.filePath("new.ini");
    ASSERT_TRUE(WritePrivateProfileString("language", "comPort", "4", fresh));
    EXPECT_EQ(read(fresh), QByteArray("[language]\ncomPort=4\n"));
    // No folder, or a folder where the file should be: reported, nothing created.
    EXPECT_FALSE(WritePrivateProfileString("a", "b", "c", dir.filePath("missing/s.ini")));
    EXPECT_FALSE(QFile::exists(dir.filePath("missing")));
    QDir(dir.path()).mkdir("isdir.ini");
    EXPECT_FALSE(WritePrivateProfileString("a", "b", "c", dir.filePath("isdir.ini")));
}

// The shipped files end their lines with CR LF; a rewrite changes the value only.
TEST(IniFile, WriteKeepsCrLfLineEnds) {
    QTemporaryDir dir;
    const QByteArray shipped =
        "[language]\r\nIsFirstRun=1\r\ncomPort=1\r\nHandshaking=0\r\nStopBit=1\r\nCurrentLanguage=1\r\n";
    const QString p = write(dir, "mysetup.ini", shipped);
    ASSERT_TRUE(WritePrivateProfileString("language", "IsFirstRun", "0", p));
    ASSERT_TRUE(WritePrivateProfileString("language", "CurrentLanguage", "2", p));
    EXPECT_EQ(read(p), QByteArray(shipped).replace("IsFirstRun=1", "IsFirstRun=0").replace("CurrentLanguage=1",
                                                                                         "CurrentLanguage=2"));
}

TEST(Locale, IdFromTheEnvironmentInOrder) {
    const std::pair<const char*, long> names[] = {{"zh_CN.UTF-8", 0x804}, {"zh_TW.Big5", 0x404}, {"de_AT", 0x407},
                                                  {"ru_RU.KOI8-R", 0x419}, {"en_US.UTF-8", 0x409}, {"", 0x409},
                                                  {"zh_SG", 0x409}};
    for (const auto& [name, id] : names) EXPECT_EQ(platform::LcidFromLocaleName(name), id) << name;

    const char* vars[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    QByteArray saved[3];
    bool had[3];
    for (int i = 0; i < 3; ++i) had[i] = qEnvironmentVariableIsSet(vars[i]), saved[i] = qgetenv(vars[i]);
    qputenv("LC_ALL", "");  // empty counts as unset
    qputenv("LC_MESSAGES", "ru_RU.UTF-8");
    qputenv("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(platform::GetSystemDefaultLCID(), 0x419);
    qputenv("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(platform::GetUserDefaultLCID(), 0x407);
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    EXPECT_EQ(platform::GetSystemDefaultLCID(), 0x804);
    for (int i = 0; i < 3; ++i) had[i] ? (void)qputenv(vars[i], saved[i]) : (void)qunsetenv(vars[i]);
}
