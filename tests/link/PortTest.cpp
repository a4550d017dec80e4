// Port numbers and devices, and the rules of the port dialog.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTimer>
#include <QPushButton>
#include <QComboBox>
#include <QLabel>

#include "core/ModEnglish.h"
#include "core/GlobalState.h"
#include "link/dialogs/FrmComSet.h"
#include "link/PortDialogRules.h"
#include "platform/IniFile.h"
#include "platform/SerialPorts.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

class Ports : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        InitLanguageStrings();
        rt.writeFile("ports/.keep", "");
        rt.writeFile("dev/a", "");
        rt.writeFile("dev/b", "");
        setSystem({});
    }
    void TearDown() override { platform::SetSystemPortLister({}); }

    void link(int n, const QString& target) {
        ASSERT_TRUE(QFile::link(target, rt.root() + "/ports/com" + QString::number(n)));
    }
    void setSystem(QStringList devices) {
        system = std::move(devices);
        platform::SetSystemPortLister([this] { return system; });
    }
    QString ini() const { return platform::GetPrivateProfileString("language", "comPort", "", rt.settingsFile()); }

    testsupport::RuntimeDir rt;
    QStringList system;
};

TEST_F(Ports, NumbersMapToDevices) {
    const std::pair<int, const char*> cases[] = {
        {1, "/dev/ttyS0"},     {32, "/dev/ttyS31"},   {33, "/dev/ttyUSB0"}, {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"},  {96, "/dev/ttyACM31"}, {0, ""},              {97, ""},
        {-1, ""},
    };
    for (auto [n, device] : cases) {
        EXPECT_EQ(platform::DeviceForPort(n), device) << n;
        if (*device) {
            EXPECT_EQ(platform::PortForDevice(device), n);
        }
    }
    for (const char* d : {"/dev/ttyACM32", "/dev/pts/3", "/dev/ttyUSB02", "/dev/ttyS", "ttyS1"})
        EXPECT_EQ(platform::PortForDevice(d), 0) << d;
    link(2, rt.root() + "/dev/a");
    EXPECT_EQ(platform::DeviceForPort(2), rt.root() + "/dev/a");  // the link wins over the mapping
}

TEST_F(Ports, ExistingPortsAreLinksWithATargetAndListedDevices) {
    link(3, rt.root() + "/dev/a");
    link(7, rt.root() + "/dev/missing");
    link(33, rt.root() + "/dev/b");  // stands for another device than ttyUSB0
    link(40, rt.root() + "/dev/missing");
    setSystem({"/dev/ttyUSB0", "/dev/ttyS4", "/dev/pts/1", "/dev/ttyUSB7"});
    EXPECT_EQ(platform::ExistingPortNumbers(), (QList<int>{3, 5, 33}));
    QStringList items;
    EXPECT_EQ(ListComPorts(items), 3);
    EXPECT_EQ(items, (QStringList{"COM3", "COM5", "COM33"}));
    setSystem({});
    QDir(rt.root() + "/ports").removeRecursively();
    EXPECT_EQ(ListComPorts(items), 0);
    EXPECT_TRUE(items.isEmpty());
}

TEST_F(Ports, DialogShowsTheCurrentPortOrTheFirst) {
    setSystem({"/dev/ttyS2", "/dev/ttyS4"});
    struct Case {
        int comPort;
        int shown;
        int selected;
    };
    for (const Case& c : {Case{1, 0, 3}, Case{5, 1, 5}, Case{3, 0, 3}}) {
        ComSetModel m;
        m.Load(0, c.comPort);
        EXPECT_EQ(m.Items, (QStringList{"COM3", "COM5"}));
        EXPECT_EQ(m.ShownIndex, c.shown) << c.comPort;
        EXPECT_EQ(m.SelectedPort, c.selected) << c.comPort;
    }
    ComSetModel vista;
    vista.Load(1, 4);
    EXPECT_EQ(vista.Items.size(), 255);
    EXPECT_EQ(vista.Items.first(), "COM1");
    EXPECT_EQ(vista.Items.last(), "COM255");
    EXPECT_EQ(vista.Items[vista.ShownIndex], "COM4");
}

TEST_F(Ports, OkStoresTheChoiceAndNothingElseDoes) {
    setSystem({"/dev/ttyS2", "/dev/ttyS4"});
    App.ComPort = 1;
    ComSetModel m;
    m.Load(0, App.ComPort);
    EXPECT_TRUE(m.Ok(m.ShownIndex));
    EXPECT_EQ(App.ComPort, 3);
    EXPECT_EQ(ini(), "3");
    m.Select(1);
    EXPECT_EQ(m.SelectedPort, 5);
    EXPECT_TRUE(m.Ok(1));
    EXPECT_EQ(App.ComPort, 5);
    EXPECT_EQ(ini(), "5");

    // No port listed: OK keeps the port the user had.
    setSystem({});
    ComSetModel empty;
    empty.Load(0, App.ComPort);
    EXPECT_EQ(empty.SelectedPort, 0);
    EXPECT_EQ(empty.ShownIndex, -1);
    EXPECT_FALSE(empty.Ok(empty.ShownIndex));
    EXPECT_EQ(App.ComPort, 5);
    EXPECT_EQ(ini(), "5");
}

TEST_F(Ports, RefreshFollowsTheSystemButNotUnderAnOpenDropDown) {
    setSystem({"/dev/ttyS2", "/dev/ttyS4"});
    ComSetModel m;
    m.Load(0, 5);
    setSystem({"/dev/ttyS2", "/dev/ttyS4", "/dev/ttyUSB1"});
    EXPECT_FALSE(m.Refresh(true));
    EXPECT_EQ(m.Items.size(), 2);
    EXPECT_TRUE(m.Refresh(false));
    EXPECT_EQ(m.Items, (QStringList{"COM3", "COM5", "COM34"}));
    EXPECT_EQ(m.SelectedPort, 5);  // still listed, still chosen
    setSystem({"/dev/ttyS2", "/dev/ttyUSB1"});
    m.Refresh(false);
    EXPECT_EQ(m.SelectedPort, 3);  // gone: the first port
    EXPECT_EQ(m.ShownIndex, 0);
    setSystem({});
    m.Refresh(false);
    EXPECT_EQ(m.SelectedPort, 0);
    EXPECT_EQ(m.ShownIndex, -1);
}

TEST_F(Ports, DialogCaptionsAndCancel) {
    setSystem({"/dev/ttyS2", "/dev/ttyS4"});
    App.ComPort = 5;
    for (int language : {1, 2}) {
        CurrentLanguage = language;
        FrmComSet d;
        EXPECT_EQ(d.windowTitle(), language == 1 ? "Communication Port" : "通信端口");
        EXPECT_EQ(d.Label1->text(), language == 1 ? "COM" : "通信口");
        EXPECT_EQ(d.CommandOK->text(), language == 1 ? "&OK" : "确定(&O)");
        EXPECT_EQ(d.CommandCancel->text(), language == 1 ? "&Cancel" : "取消(&C)");
        EXPECT_EQ(d.Combo1->currentText(), "COM5");
        EXPECT_TRUE(d.ReShowComPortTimer->isActive());
        d.Combo1->setCurrentIndex(0);
        EXPECT_EQ(d.SelectedPort(), 3);
        d.CommandCancel->click();
        EXPECT_FALSE(d.ReShowComPortTimer->isActive());
        EXPECT_EQ(App.ComPort, 5);
        EXPECT_EQ(ini(), "1");
    }
}

}  // namespace
