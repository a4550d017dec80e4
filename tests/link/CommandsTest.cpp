// The transfer commands of the main window with their confirmation and
// progress dialogs, driven against the fake radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QWidget>

#include "TransferFixture.h"
#include "link/dialogs/FrmComSet.h"
#include "link/dialogs/FrmProgress.h"
#include "link/dialogs/frmMProgress.h"
#include "core/ModEndlishProgress.h"
#include "core/ModFreFile.h"
#include "link/ImageValidation.h"
#include "mainwindow/TransferCommands.h"
#include "platform/IniFile.h"
#include "platform/SerialPorts.h"

using namespace ulbrix;
using testsupport::FakeRadio;
using Kind = FakeRadio::Kind;

namespace linktest {
namespace {

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        ResetCommState();
        LoadVersionIni();
        InitLanguageStrings();
        NewDocument();
        ASSERT_TRUE(radio.ok());
        rt.writeFile("ports/.keep", "");
        ASSERT_TRUE(QFile::link(radio.devicePath(), rt.root() + "/ports/com3"));
        App.ComPort = 3;
        transfer = std::make_unique<TransferCommands>(&main);
        transfer->engine().setReplyTimeout(kTestTimeoutMs);
        transfer->engine().setSettleInterval(kTestSettleMs);
    }
    void TearDown() override {
        transfer.reset();
        ResetCommState();
        platform::SetSystemPortLister({});
    }

    // Notes what the progress dialog shows while it is open.
    void WatchProgress() {
        auto* t = new QTimer(transfer.get());
        QObject::connect(t, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* p = qobject_cast<FrmProgress*>(w);
                if (!p || !p->isVisible()) continue;
                title = p->windowTitle();
                if (!titles.contains(title)) titles << title;
                label = p->Label1->text();
                maxBar = std::max(maxBar, p->ProgressBar1->value());
                labelLeftOfPercent = p->Label1->geometry().right() < p->Label2->x();
            }
        });
        t->start(5);
    }

    testsupport::RuntimeDir rt;
    testsupport::MsgRecorder msgs;
    FakeRadio radio;
    QWidget main;
    std::unique_ptr<TransferCommands> transfer;
    QString title, label;
    QStringList titles;
    int maxBar = -1;
    bool labelLeftOfPercent = false;
};

TEST_F(Commands, CancelAtTheConfirmationChangesNothing) {
    RadioImage[100] = 0xAB;
    const DocumentImage doc = WorkDocument;
    msgs.answer(platform::MsgResult::Cancel);
    transfer->mnuReadFromRadio_Click();
    EXPECT_EQ(msgs.texts(), QStringList{"Read data from radio.\r\nDo you wish continue?"});
    EXPECT_EQ(msgs.shown()[0].buttons, platform::MsgButtons::OkCancel);
    EXPECT_EQ(msgs.shown()[0].icon, platform::MsgIcon::Question);
    EXPECT_FALSE(transfer->MSComm1->isOpen());
    EXPECT_FALSE(transfer->TransferUnderWay());
    EXPECT_EQ(RadioImage[100], 0xAB);
    EXPECT_TRUE(WorkDocument == doc);
    SpinUntil([] { return false; }, 50);
    EXPECT_TRUE(radio.frames().empty());
}

TEST_F(Commands, ReadRunsInTheProgressDialogAndRenamesTheDocumentFirst) {
    for (int language : {1, 2}) {
        SCOPED_TRACE(language);
        CurrentLanguage = language;
        msgs.clear();
        radio.clearFrames();
        title.clear();
        maxBar = -1;
        Doc.DataFilePath = "/data/before.dat";
        Doc.Untitled = false;
        QStringList order;
        QString pathSeen;
        bool untitledSeen = false;
        transfer->unloadChildForms = [&] { order << "unload"; };
        transfer->afterRead = [&] {
            order << "afterRead";
            pathSeen = Doc.DataFilePath;
            untitledSeen = Doc.Untitled;
        };
        WatchProgress();
        radio.fillPattern(21);
        transfer->mnuReadFromRadio_Click();  // returns when the dialog has closed
        EXPECT_FALSE(transfer->TransferUnderWay());
        EXPECT_EQ(order, (QStringList{"unload", "afterRead"}));
        EXPECT_EQ(pathSeen, "new.dat");
        EXPECT_TRUE(untitledSeen);
        ASSERT_EQ(msgs.texts().size(), 2);
        EXPECT_EQ(msgs.texts()[1], language == 1 ? "Read Data Completed." : "读取数据完成。");
        EXPECT_EQ(title, language == 1 ? "Read data from radio" : "从对讲机读取数据");
        EXPECT_EQ(label, language == 1 ? "Completion percentage:" : "完成进度:");
        EXPECT_TRUE(labelLeftOfPercent);
        EXPECT_GT(maxBar, 0);
        EXPECT_EQ(radio.frameCount(Kind::Read), 1872);
        EXPECT_FALSE(transfer->MSComm1->isOpen());
    }
}

// The adapter is pulled out while the confirmation is open: OK must not leave
// a progress dialog waiting for a transfer that has already ended.
TEST_F(Commands, PortLostDuringTheConfirmationStartsNothing) {
    for (int mode : {CommModeRead, CommModeWrite}) {
        SCOPED_TRACE(mode);
        FakeRadio r2;
        ASSERT_TRUE(r2.ok());
        QFile::remove(rt.root() + "/ports/com3");
        ASSERT_TRUE(QFile::link(r2.devicePath(), rt.root() + "/ports/com3"));
        const DocumentImage doc = WorkDocument;
        QStringList shown;
        auto previous = platform::SetMsgHandler([&](const platform::MsgRequest& m) {
            shown << m.text;
            if (shown.size() == 1) {
                r2.unplug();
                SpinUntil([&] { return !transfer->MSComm1->isOpen(); }, 5000);
            }
            return platform::MsgResult::Ok;
        });
        bool hung = false;
        QTimer::singleShot(8000, transfer.get(), [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* p = qobject_cast<FrmProgress*>(w); p && p->isVisible()) {
                    hung = true;
                    p->Unload();
                }
        });
        if (mode == CommModeRead) transfer->mnuReadFromRadio_Click();
        else transfer->TimerWrite_Timer();
        platform::SetMsgHandler(previous);
        EXPECT_FALSE(hung);
        ASSERT_EQ(shown.size(), 2);
        EXPECT_EQ(shown[1], "Cannot Open Communication Port.");
        EXPECT_FALSE(transfer->TransferUnderWay());
        EXPECT_FALSE(transfer->MSComm1->isOpen());
        EXPECT_TRUE(WorkDocument == doc);
        EXPECT_EQ(r2.frames().size(), 0u);
    }
}

TEST_F(Commands, WriteCommitsOpenEditorsBeforePacking) {
    radio.setMemory(std::vector<std::uint8_t>(FakeRadio::MemorySize, 0x5A));
    bool committed = false;
    std::size_t framesAtCommit = 99;
    transfer->commitEditors = [&] {
        committed = true;
        framesAtCommit = radio.frames().size();
        WorkDocument.RssiThreshold[1] = 77;  // the pending edit
    };
    transfer->mnuWriteToRadio_Click();
    EXPECT_TRUE(committed);
    EXPECT_EQ(framesAtCommit, 0u);
    EXPECT_TRUE(transfer->TimerWrite->isActive());
    ASSERT_TRUE(SpinUntil([&] { return msgs.texts().size() == 2 && !transfer->TransferUnderWay(); }, 30000));
    EXPECT_EQ(msgs.texts()[1], "Write Data Completed.");
    EXPECT_FALSE(transfer->TimerWrite->isActive());
    // The radio holds what the document packs to now, the commit included.
    ClearImage();
    PackImage();
    const auto mem = radio.memory();
    for (std::uint32_t a : WalkAddresses())
        for (std::uint32_t i = 0; i < 16; ++i) ASSERT_EQ(mem[a + i], RadioImage[a + i]) << std::hex << a + i;
}

TEST_F(Commands, WriteRefusesADocumentThatCannotBePacked) {
    WorkDocument.ChannelCount(1, 1) = 150;
    transfer->TimerWrite_Timer();
    ASSERT_EQ(msgs.shown().size(), 1u);
    EXPECT_EQ(msgs.shown()[0].text, ProblemsMessage(ValidateDocumentForWrite(), 1));
    EXPECT_FALSE(transfer->MSComm1->isOpen());
    EXPECT_FALSE(transfer->TransferUnderWay());
    SpinUntil([] { return false; }, 50);
    EXPECT_TRUE(radio.frames().empty());
}

// What a radio holds is the radio's: a read of an erased radio, or of one
// whose every block holds other bytes, saves, opens and goes to a second
// radio unchanged; reading that radio gives the saved document again.
TEST_F(Commands, ARadioReadGoesThroughAFileToASecondRadioUnchanged) {
    const auto readRadio = [&] {
        msgs.clear();
        transfer->mnuReadFromRadio_Click();
        return msgs.texts().size() == 2 && msgs.texts()[1] == "Read Data Completed.";
    };
    struct Radio {
        const char* name;
        std::function<void()> fill;
    };
    const Radio radios[] = {
        {"erased", [&] { radio.setMemory(std::vector<std::uint8_t>(FakeRadio::MemorySize, 0xFF)); }},
        {"every byte another", [&] { radio.fillPattern(19); }},
    };
    const QString path = rt.root() + "/clone.dat";
    for (const Radio& r : radios) {
        SCOPED_TRACE(r.name);
        r.fill();
        ASSERT_TRUE(readRadio());
        QStringList reasons;
        for (const ImageProblem& p : ValidateDocumentForWrite()) reasons << p.english;
        EXPECT_TRUE(reasons.isEmpty()) << reasons.join('\n').toStdString();
        Doc.DataFilePath = path;
        ASSERT_TRUE(SaveDataFile());
        const DocumentImage doc = WorkDocument;
        const ChannelTableType channels = ChannelTable;
        const MemChannelListType mem = MemChannelList;
        const auto same = [&](const char* when) {
            SCOPED_TRACE(when);
            EXPECT_TRUE(WorkDocument == doc);
            for (int b = 0; b < BandCount; ++b)
                for (int g = 1; g <= GroupsOfBand(b); ++g)
                    for (int n = 1; n <= WorkDocument.ChannelCount(b, g); ++n)
                        EXPECT_TRUE(ChannelTable(b, n, g) == channels(b, n, g)) << b << " " << g << " " << n;
            // A free memory entry carries nothing but its flag.
            for (int n = 1; n <= MemListSize; ++n) {
                const ChannelRecord& e = MemChannelList(n);
                EXPECT_TRUE(e.InUse == 0 ? mem(n).InUse == 0 : e == mem(n)) << "memory entry " << n;
            }
        };

        NewDocument();
        msgs.clear();
        ASSERT_TRUE(OpenDataFile(path, OpenDocumentRefusal));
        EXPECT_TRUE(msgs.shown().empty());
        same("opened");

        radio.setMemory(std::vector<std::uint8_t>(FakeRadio::MemorySize, 0));  // the second radio
        msgs.clear();
        transfer->TimerWrite_Timer();
        ASSERT_EQ(msgs.texts().size(), 2);
        EXPECT_EQ(msgs.texts()[1], "Write Data Completed.");

        NewDocument();
        ASSERT_TRUE(readRadio());
        same("read back");
    }
}

TEST_F(Commands, FailedWriteClosesTheDialogAndSaysSo) {
    radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
        if (f.kind == Kind::Write && f.sameKind >= 10) a.reply.clear();
    });
    msgs.answer(platform::MsgResult::Ok);      // confirmation
    msgs.answer(platform::MsgResult::Cancel);  // connection question
    transfer->TimerWrite_Timer();
    EXPECT_FALSE(transfer->TransferUnderWay());
    ASSERT_EQ(msgs.texts().size(), 3);
    EXPECT_EQ(msgs.texts()[1], "Check Connection. Retry or Cancel?");
    EXPECT_EQ(msgs.texts()[2], WriteIncompleteText(1));
}

// A write that met a line fault reads itself back as a second pass, under
// its own caption, before it says it is complete.
TEST_F(Commands, ReadBackShowsAsASecondPassInTheDialog) {
    for (int language : {1, 2}) {
        SCOPED_TRACE(language);
        CurrentLanguage = language;
        msgs.clear();
        titles.clear();
        radio.clearFrames();
        radio.setBehaviour([](const FakeRadio::Frame& f, FakeRadio::Action& a) {
            if (f.kind == Kind::Write && f.sameKind == 1500) a.reply.clear();
        });
        WatchProgress();
        transfer->TimerWrite_Timer();
        EXPECT_FALSE(transfer->TransferUnderWay());
        const QStringList want = language == 1 ? QStringList{"Write data to radio", "Verifying..."}
                                               : QStringList{"向对讲机写入数据", "校验..."};
        EXPECT_EQ(titles, want);
        EXPECT_GT(radio.frameCount(Kind::Read), 0);
        ASSERT_EQ(msgs.texts().size(), 2);
        EXPECT_EQ(msgs.texts()[1], language == 1 ? "Write Data Completed." : "写入数据完成。");
    }
}

// Both progress dialogs and the port dialog keep every control inside the
// window, whole and apart from the others, in both languages.
TEST_F(Commands, DialogControlsFitInBothLanguages) {
    for (int language : {1, 2}) {
        SCOPED_TRACE(language);
        CurrentLanguage = language;
        FrmComSet port(&main);
        FrmProgress single(transfer->engine(), &main);
        frmMProgress batch(transfer->engine(), &main);
        for (ProgressDialog* d : std::initializer_list<ProgressDialog*>{&single, &batch}) {
            d->Label1->setText(ProgressLabelText[language]);
            d->ShowPercent(100);
        }
        batch.Label3->setText("1");
        for (QDialog* d : std::initializer_list<QDialog*>{&port, &single, &batch}) {
            SCOPED_TRACE(d->objectName().toStdString());
            d->layout()->activate();  // laid out as when shown; showing would start a transfer
            std::vector<QWidget*> controls;
            for (QWidget* w : d->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!w->isHidden()) controls.push_back(w);
            ASSERT_GE(controls.size(), 3u);
            for (QWidget* w : controls) {
                const std::string name = w->objectName().toStdString();
                EXPECT_TRUE(d->rect().contains(w->geometry())) << name;
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    EXPECT_GE(l->width(), l->sizeHint().width()) << name;
                }
                for (QWidget* o : controls)
                    if (o != w) {
                        EXPECT_FALSE(w->geometry().intersects(o->geometry())) << name << " / "
                                                                               << o->objectName().toStdString();
                    }
            }
        }
        EXPECT_EQ(single.Label1->geometry().right() + 1 + 10, single.Label2->x());
    }
}

TEST_F(Commands, BatchWriteRunsInItsOwnDialog) {
    transfer->mnuMWriteToRadio_Click();
    EXPECT_FALSE(transfer->TransferUnderWay());
    EXPECT_EQ(msgs.texts().last(), "Write Data Completed.");
    EXPECT_EQ(radio.frameCount(Kind::Write), 1872);
    EXPECT_FALSE(App.BatchWrite);
    EXPECT_FALSE(App.BatchFormOpen);
}

TEST_F(Commands, HiddenRadioInformationReadsEndQuietly) {
    RadioImage[0x1000] = 0x11;
    transfer->ReadRMGDataFromRadio();
    EXPECT_TRUE(transfer->TransferUnderWay());
    EXPECT_EQ(RadioImage[0x1000], 0);  // cleared first
    ASSERT_TRUE(SpinUntil([&] { return !transfer->TransferUnderWay(); }, 5000));
    std::vector<Kind> kinds;
    for (const auto& f : radio.frames()) kinds.push_back(f.kind);
    EXPECT_EQ(kinds, (std::vector<Kind>{Kind::Program, Kind::End}));
    EXPECT_TRUE(msgs.texts().isEmpty());

    radio.clearFrames();
    transfer->mnuRadioInfo_Click();
    ASSERT_TRUE(SpinUntil([&] { return !transfer->TransferUnderWay(); }, 5000));
    EXPECT_EQ(radio.frames().size(), 2u);
    EXPECT_FALSE(transfer->MSComm1->isOpen());
}

TEST_F(Commands, PortDialogOkStoresThePortAndUpdatesTheStatusBar) {
    platform::SetSystemPortLister([] { return QStringList{"/dev/ttyS4"}; });
    int changed = 0;
    transfer->portChanged = [&] { ++changed; };
    for (bool ok : {false, true}) {
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<FrmComSet*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            EXPECT_EQ(d->Combo1->count(), 2);  // COM3 (the link) and COM5
            d->Combo1->setCurrentIndex(1);
            (ok ? d->CommandOK : d->CommandCancel)->click();
        });
        transfer->mnuComm_Click();
        EXPECT_EQ(App.ComPort, ok ? 5 : 3);
        EXPECT_EQ(changed, ok ? 1 : 0);
        EXPECT_EQ(platform::GetPrivateProfileString("language", "comPort", "", rt.settingsFile()),
                  ok ? "5" : "1");
    }
}

}  // namespace
}  // namespace linktest
