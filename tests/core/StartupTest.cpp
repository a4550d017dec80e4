#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/ModFun.h"
#include "core/ModMain.h"
#include "core/ModVersion.h"
#include "platform/IniFile.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

// Sets LANG (and clears LC_ALL, LC_MESSAGES) for one test, then puts them back.
class LocaleEnv {
public:
    explicit LocaleEnv(const char* lang) {
        for (int i = 0; i < 3; ++i) {
            had_[i] = qEnvironmentVariableIsSet(kVars[i]);
            saved_[i] = qgetenv(kVars[i]);
            qunsetenv(kVars[i]);
        }
        qputenv("LANG", lang);
    }
    ~LocaleEnv() {
        for (int i = 0; i < 3; ++i) had_[i] ? (void)qputenv(kVars[i], saved_[i]) : (void)qunsetenv(kVars[i]);
    }

private:
    static constexpr const char* kVars[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    bool had_[3] = {};
    QByteArray saved_[3];
};

class Startup : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
    void TearDown() override { ResetProcessState(); }
    void run(const char* lang, const QByteArray& body) {
        ResetProcessState();
        rt.writeFile("language/mysetup.ini", "[language]\n" + body);
        LocaleEnv env(lang);
        InitSetting();
    }
    QString key(const char* k) { return platform::GetPrivateProfileString("language", k, "-", rt.settingsFile()); }
    testsupport::RuntimeDir rt;
};

}  // namespace

TEST_F(Startup, LanguageByLocaleAndRun) {
    struct Case { const char* lang; QByteArray file; int current, locale; };
    const Case cases[] = {
        {"zh_CN.UTF-8", "IsFirstRun=1\nCurrentLanguage=1\n", 2, 2},  // first run: the locale decides
        {"de_DE.UTF-8", "IsFirstRun=1\nCurrentLanguage=2\n", 1, 1},
        {"zh_TW.UTF-8", "IsFirstRun=5\nCurrentLanguage=2\n", 1, 1},
        {"zh_CN.UTF-8", "IsFirstRun=0\nCurrentLanguage=1\n", 1, 2},  // later run: the file decides
        {"en_US.UTF-8", "IsFirstRun=0\nCurrentLanguage=2\n", 2, 1},
        {"zh_CN.UTF-8", "IsFirstRun=0\nCurrentLanguage=3\n", 2, 2},  // unusable values: the locale's choice
        {"en_US.UTF-8", "IsFirstRun=0\nCurrentLanguage=zh\n", 1, 1},
        {"zh_CN.UTF-8", "IsFirstRun=0\n", 2, 2},
        {"zh_CN.UTF-8", "CurrentLanguage=1\n", 2, 2},                // no flag: a first run
        {"en_US.UTF-8", "IsFirstRun=yes\nCurrentLanguage=2\n", 1, 1},
    };
    for (const auto& c : cases) {
        run(c.lang, c.file);
        // Joined as bytes: GCC 12's optimiser warns (restrict) on the std::string form.
        const std::string what = (QByteArray(c.lang) + ' ' + c.file).toStdString();
        EXPECT_EQ(App.CurrentLanguage, c.current) << what;
        EXPECT_EQ(App.LocaleLanguage, c.locale) << what;
        EXPECT_EQ(App.ShownLanguage, c.locale) << what;
        EXPECT_FALSE(App.IsFirstRun) << what;
        EXPECT_EQ(key("CurrentLanguage"), QString::number(c.current)) << what;
        EXPECT_NE(key("IsFirstRun"), "1") << what;
    }
    // A later start changes nothing more.
    const QByteArray after = rt.readFile("language/mysetup.ini");
    InitSetting();
    EXPECT_EQ(rt.readFile("language/mysetup.ini"), after);
}

TEST_F(Startup, PortValuesAreReadAndNormalised) {
    struct Case { QByteArray file; int port, hand, stop; };
    const Case cases[] = {
        {"comPort= 3 \nHandshaking= 2 \nStopBit= 2\n", 3, 2, 2}, {"comPort=007\n", 7, 0, 1},
        {"comPort=COM4\nHandshaking=x\nStopBit=\n", 1, 0, 1},    {"", 1, 0, 1},
        {"comPort=0\n", 1, 0, 1}, {"comPort=70000\n", 1, 0, 1},  {"comPort=255\n", 255, 0, 1},
    };
    for (const auto& c : cases) {
        run("en_US.UTF-8", "IsFirstRun=0\n" + c.file);
        EXPECT_EQ(App.ComPort, c.port) << c.file.constData();
        EXPECT_EQ(App.Handshaking, c.hand) << c.file.constData();
        EXPECT_EQ(App.StopBit, c.stop) << c.file.constData();
        EXPECT_EQ(key("comPort"), QString::number(c.port)) << c.file.constData();
    }
    // Entries start-up does not write stay as they were, comments too.
    rt.writeFile("language/mysetup.ini", "; shipped\n[language]\nIsFirstRun=0\ncomPort=04\nStopBit=2\n[W]\nL=1\n");
    InitSetting();
    const QByteArray out = rt.readFile("language/mysetup.ini");
    EXPECT_TRUE(out.startsWith("; shipped\n")) << out.constData();
    EXPECT_TRUE(out.contains("[language]\nIsFirstRun=0\ncomPort=4\nStopBit=2\n")) << out.constData();
    EXPECT_EQ(platform::GetPrivateProfileString("W", "L", "", rt.settingsFile()), "1");
}

TEST_F(Startup, MissingSettingsFileIsAFirstRun) {
    LocaleEnv env("zh_CN.UTF-8");
    QFile::remove(rt.settingsFile());
    InitSetting();
    EXPECT_EQ(App.CurrentLanguage, 2);
    EXPECT_EQ(App.ComPort, 1);
    EXPECT_EQ(App.StopBit, 1);
    EXPECT_EQ(rt.readFile("language/mysetup.ini"), "[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=2\n");

    // Without its folder nothing can be written; start-up still completes.
    ResetProcessState();
    QDir(rt.root() + "/language").removeRecursively();
    InitSetting();
    EXPECT_EQ(App.CurrentLanguage, 2);
    EXPECT_FALSE(QFile::exists(rt.settingsFile()));
}

TEST_F(Startup, StartUpValues) {
    App.BatchWrite = App.BatchFormOpen = true;
    WorkDocument.Band = 0;
    run("en_US.UTF-8", "IsFirstRun=0\n");
    EXPECT_EQ(App.ModelName, "ZR9040");
    EXPECT_EQ(App.FirmwareVersion, "V100");
    EXPECT_EQ(App.BandRangeText, "28.0000 - 29.6990 MHz");
    EXPECT_EQ(WorkDocument.Band, 1);
    EXPECT_DOUBLE_EQ(BandLowMHz, 28.0);
    EXPECT_DOUBLE_EQ(BandHighMHz, 29.699);
    EXPECT_DOUBLE_EQ(Range2LowMHz, 21.0);
    EXPECT_FALSE(App.BatchWrite || App.BatchFormOpen);
}

TEST_F(Startup, MainPreparesTheWholeProcess) {
    const std::pair<const char*, const char*> hex[] = {{"zh_CN.UTF-8", "804"}, {"de_DE.UTF-8", "407"}, {"C", "409"}};
    for (const auto& [lang, want] : hex) {
        ResetProcessState();
        LocaleEnv env(lang);
        Main();
        EXPECT_EQ(App.SystemLCIDHex, QLatin1String(want));
    }
    EXPECT_EQ(App.SavedDecimalSeparator, ".");
    EXPECT_EQ(App.IsVista, 0);
    EXPECT_EQ(App.OSMajorVersion, 10);
    EXPECT_TRUE(IsVersionPairListed("V100", "V100"));  // the shipped version file
    EXPECT_EQ(TrimNull(WorkDocument.Version), "V100");
    EXPECT_TRUE(Doc.Untitled);
    EXPECT_EQ(Doc.DataFilePath, "new.dat");
    EXPECT_TRUE(WorkDocument == SavedDocument);
}
