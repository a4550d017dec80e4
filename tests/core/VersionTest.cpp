#include <gtest/gtest.h>

#include <QDir>

#include "core/GlobalState.h"
#include "core/ModVersion.h"
#include "platform/Paths.h"
#include "platform/Process.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

// Records program starts, process ends and the port close instead of doing them.
struct HandOverRecorder {
    QStringList events;
    bool startOk = true;
    HandOverRecorder() {
        oldStart = platform::SetStartHandler([this](const QString& p) { events << "start " + p; return startOk; });
        oldExit = platform::SetExitHandler([this](int code) { events << QStringLiteral("exit %1").arg(code); });
        oldHook = SetHandOverHook([this] { events << "close port"; });
    }
    ~HandOverRecorder() {
        platform::SetStartHandler(std::move(oldStart));
        platform::SetExitHandler(std::move(oldExit));
        SetHandOverHook(std::move(oldHook));
    }
    platform::StartHandler oldStart;
    platform::ExitHandler oldExit;
    std::function<void()> oldHook;
};

class Version : public ::testing::Test {
protected:
    void SetUp() override { ResetProcessState(); }
    void TearDown() override { ResetProcessState(); }
    void load(const QByteArray& ini) {
        ResetProcessState();
        rt.writeFile("Version.ini", ini);
        LoadVersionIni();
    }
    testsupport::RuntimeDir rt;
    testsupport::MsgRecorder msgs;
};

const QByteArray kTwoPairs =
    "[Version]\nCurrentVersion=V100x\nSoftVersionCount=2\nFirmVersionCount=2\n"
    "[Soft]\nVersion0=V100\nVersion1=V200\n[Firm]\nFirm0=V100V100\nFirm1= V200V101 \n";

}  // namespace

TEST_F(Version, PairsFromTheFile) {
    load(kTwoPairs);
    EXPECT_EQ(WorkDocument.Version.str(), "V100");
    EXPECT_EQ(CurrentVersionText, "V100");
    EXPECT_EQ(SoftVersionList, QStringList({"V100", "V200"}));
    EXPECT_TRUE(IsVersionPairListed("V100", "V100"));
    EXPECT_FALSE(IsVersionPairListed("V100", "V101"));
    EXPECT_TRUE(IsVersionPairListed("V200", "V101"));
    EXPECT_EQ(FindSoftForFirm("V101"), "V200");
    EXPECT_EQ(FindSoftForFirm("V999"), "");
}

TEST_F(Version, MissingOrBrokenFileGivesNoPairs) {
    const QByteArray broken[] = {
        "[Version]\nCurrentVersion=V100\n",
        "[Version]\nFirmVersionCount=abc\n[Firm]\nFirm0=V100V100\n",
        "[Version]\nFirmVersionCount=-3\n[Firm]\nFirm0=V100V100\n",
        "[Version]\nFirmVersionCount=70000\n[Firm]\nFirm0=V100V100\n",
        "\x01\x02\xff not an ini file",
    };
    for (const auto& ini : broken) {
        load(ini);
        EXPECT_EQ(FirmVersionCount, 0) << ini.constData();
        EXPECT_FALSE(IsVersionPairListed("V100", "V100")) << ini.constData();
    }
    // More pairs counted than written: the missing ones read empty and match nothing.
    load("[Version]\nFirmVersionCount=3\n[Firm]\nFirm0=V100V100\n");
    EXPECT_EQ(FirmPairList.size(), 6);
    EXPECT_TRUE(IsVersionPairListed("V100", "V100"));
    EXPECT_FALSE(IsVersionPairListed("V100", ""));

    ResetProcessState();
    QFile::remove(rt.versionFile());
    LoadVersionIni();
    EXPECT_TRUE(FirmPairList.isEmpty());
    EXPECT_EQ(VerTextNoRelease[1], "Fail to start the software. This version does not exist.");
}

TEST(VersionText, FormAndParentPaths) {
    const std::pair<std::string, bool> texts[] = {{"V100", true}, {std::string("V100\0\0", 6), true},
                                                  {"V10", false}, {"V1000", false}, {"VABC", false},
                                                  {"v100", false}, {"V1.0", false}, {" V100", false}};
    for (const auto& [text, want] : texts) EXPECT_EQ(IsVersionText(text), want) << text;

    const std::pair<const char*, const char*> paths[] = {
        {"C:\\Tools\\Radio", "C:\\Tools"}, {"C:\\", "C:"}, {"/opt/ulbrix/bin", "/opt/ulbrix"}, {"/bin", "/"},
        {"bin", "bin"}, {"\\x", "\\x"}};
    for (const auto& [in, want] : paths) EXPECT_EQ(GetParentPath(in), QLatin1String(want)) << in;
}

TEST_F(Version, QuestionTextInBothLanguages) {
    load(kTwoPairs);
    CurrentLanguage = 1;
    EXPECT_EQ(BuildVersionMessage("V100", "V101", VersionKindFirmware),
              "incompatible version. It may cause unknown error.To start the corresponding software version, "
              "or not?\r\nFirmware version is V1.01\r\nprogramming software is V1.00");
    CurrentLanguage = 2;
    EXPECT_EQ(BuildVersionMessage("V100", "V205", VersionKindDataFile),
              QStringLiteral("版本不兼容，有可能引起未知错误，是否启动对应版本软件？\r\n数据文件版本为 V2.05\r\n写频软件版本为 V1.00"));
}

TEST_F(Version, HandOverStartsTheMatchingReleaseAndEnds) {
    load(kTwoPairs);
    HandOverRecorder rec;
    StartMatchingVersion("V101");
    const QString exe = QDir(rt.root()).filePath("V200/Varnek/" + platform::ProgramFileName());
    EXPECT_EQ(rec.events, QStringList({"close port", "start " + exe, "exit 0"}));
    EXPECT_TRUE(msgs.shown().empty());
}

TEST_F(Version, HandOverThatCannotHappenSaysSoAndGoesOn) {
    load(QByteArray(kTwoPairs).replace("FirmVersionCount=2", "FirmVersionCount=3") + "Firm2=../xV300\n");
    const QString none = QStringLiteral("Fail to start the software. This version does not exist.");
    struct Case { const char* other; bool startOk; int events; };
    const Case cases[] = {{"V555", true, 0},    // no pair names it
                          {"V300", true, 0},    // not a folder name: no path is built from it
                          {"V101", false, 2}};  // listed, but the start fails
    for (const auto& c : cases) {
        msgs.clear();
        HandOverRecorder rec;
        rec.startOk = c.startOk;
        StartMatchingVersion(c.other);
        EXPECT_EQ(rec.events.size(), c.events) << c.other;
        EXPECT_FALSE(rec.events.contains("exit 0")) << c.other;
        ASSERT_EQ(msgs.shown().size(), 1u) << c.other;
        EXPECT_EQ(msgs.shown()[0].text, none);
        EXPECT_EQ(msgs.shown()[0].buttons, platform::MsgButtons::Ok);
        EXPECT_EQ(msgs.shown()[0].icon, platform::MsgIcon::None);
    }
    EXPECT_FALSE(platform::StartProgram(rt.root() + "/V200/Varnek/ulbrix"));  // the real starter, nothing there
}
