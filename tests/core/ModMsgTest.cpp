#include <gtest/gtest.h>

#include <QObject>
#include <QVariant>

#include "core/GlobalState.h"
#include "core/ModMsg.h"
#include "support/Support.h"

using namespace ulbrix;

namespace {

class MsgQueueTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        InitMessages();
        MsgQueueCount = 0;
    }
    void TearDown() override { MsgQueueCount = 0; }
};

}  // namespace

TEST_F(MsgQueueTest, ShowsQueuedTextsInOrderWithOkOnlyAndNoIcon) {
    testsupport::MsgRecorder rec;
    QueueMsg(MsgModelWrong[CurrentLanguage]);
    QueueMsg(QStringLiteral("second"));
    EXPECT_TRUE(rec.shown().empty());  // nothing appears until the transfer ends

    ShowQueuedMsgs();
    ASSERT_EQ(rec.texts(), (QStringList{"Model type is wrong.", "second"}));
    for (const auto& r : rec.shown()) {
        EXPECT_EQ(r.buttons, platform::MsgButtons::Ok);
        EXPECT_EQ(r.icon, platform::MsgIcon::None);
        EXPECT_EQ(r.title, platform::ProgramTitle);
    }
    EXPECT_EQ(MsgQueueCount, 0);

    rec.clear();
    ShowQueuedMsgs();  // the queue was emptied: a second call shows nothing
    EXPECT_TRUE(rec.shown().empty());
}

TEST_F(MsgQueueTest, EmptyQueueShowsNothing) {
    testsupport::MsgRecorder rec;
    ShowQueuedMsgs();
    EXPECT_TRUE(rec.shown().empty());
    EXPECT_EQ(MsgQueueCount, 0);
}

TEST_F(MsgQueueTest, HoldsAtMost1001TextsAndDropsTheRest) {
    for (int i = 0; i < MsgQueueCapacity; ++i) ASSERT_TRUE(QueueMsg(QString::number(i)));
    EXPECT_FALSE(QueueMsg(QStringLiteral("one too many")));
    EXPECT_EQ(MsgQueueCount, 1001);

    testsupport::MsgRecorder rec;
    ShowQueuedMsgs();
    ASSERT_EQ(rec.shown().size(), 1001u);
    EXPECT_EQ(rec.texts().front(), "0");
    EXPECT_EQ(rec.texts().back(), "1000");
    EXPECT_FALSE(rec.texts().contains("one too many"));
    EXPECT_TRUE(QueueMsg(QStringLiteral("again")));  // room again after showing
}

TEST_F(MsgQueueTest, MessageQueuedWhileShowingIsNotLost) {
    QStringList shown;
    auto previous = platform::SetMsgHandler([&](const platform::MsgRequest& r) {
        shown << r.text;
        if (shown.size() == 1) QueueMsg(QStringLiteral("late"));
        return platform::MsgResult::Ok;
    });
    QueueMsg(QStringLiteral("first"));
    ShowQueuedMsgs();
    platform::SetMsgHandler(std::move(previous));
    EXPECT_EQ(shown, (QStringList{"first", "late"}));
    EXPECT_EQ(MsgQueueCount, 0);
}

TEST(Messages, ExactTextsInBothLanguages) {
    InitMessages();
    struct Row {
        const TextTable* table;
        const char* english;
        const char* chinese;
    };
    const Row rows[] = {
        {&MsgClearAll, "All data will be cleared.", "所有数据将被清空。"},
        {&MsgDataFile, "Data File", "数据文件"},
        {&MsgFileError, "file error.", "文件错误。"},
        {&MsgCannotOpenPort, "Cannot Open Communication Port.", "无法打开通信端口。"},
        {&MsgReadConfirm, "Read data from radio.\r\nDo you wish continue?",
         "从对讲机读取数据。\r\n是否继续？"},
        {&MsgWriteConfirm, "Write data to radio.\r\nDo you wish continue?",
         "向对讲机写入数据。\r\n是否继续？"},
        {&MsgSaveChanges, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？"},
        {&MsgOverwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？"},
        {&MsgCheckConnection, "Check Connection. Retry or Cancel?", "检测连接。重试或取消？"},
        {&MsgModelWrong, "Model type is wrong.", "机型类型错误。"},
        {&MsgFreqOutOfRange, "Frequency is out of range.", "频率超出范围。"},
        {&MsgOK, "&OK", "确定(&O)"},
        {&MsgCancel, "&Cancel", "取消(&C)"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ((*r.table)[1], QString::fromUtf8(r.english));
        EXPECT_EQ((*r.table)[2], QString::fromUtf8(r.chinese));
        EXPECT_TRUE((*r.table)[0].isEmpty());
    }
}

TEST(Messages, TransferCompletedIsIndexedModePlusThreeTimesLanguage) {
    InitMessages();
    const std::pair<int, const char*> cases[] = {
        {4, "Read Data Completed."}, {5, "Write Data Completed."},
        {7, "读取数据完成。"},        {8, "写入数据完成。"},
        {0, ""}, {3, ""}, {6, ""},    {9, ""}, {-1, ""}, {1000, ""},
    };
    for (const auto& [index, text] : cases)
        EXPECT_EQ(MsgTransferCompleted[index], QString::fromUtf8(text)) << index;
    EXPECT_EQ(MsgTransferCompleted.Item(1, 2), QString::fromUtf8("读取数据完成。"));
}

TEST(Messages, LanguageOutsideTheTableReadsEmpty) {
    InitMessages();
    for (int lang : {-1, 0, 3, 99}) EXPECT_TRUE(MsgFileError[lang].isEmpty()) << lang;
    EXPECT_TRUE(TextTable{}[1].isEmpty());
}

TEST(Messages, OkCancelCaptionsFollowTheLanguageAndSkipMissingButtons) {
    ResetProcessState();
    InitMessages();
    QObject form;
    QObject ok(&form), cancel(&form), one(&form), two(&form);
    ok.setObjectName("CommandOK");
    cancel.setObjectName("CommandCancel");
    one.setObjectName("Command1");
    two.setObjectName("Command2");

    SetOkCancelCaptions(&form);
    EXPECT_EQ(ok.property("text").toString(), "&OK");
    EXPECT_EQ(cancel.property("text").toString(), "&Cancel");
    EXPECT_FALSE(one.property("text").isValid());

    CurrentLanguage = 2;
    SetOkCancelCaptions12(&form);
    EXPECT_EQ(one.property("text").toString(), QString::fromUtf8("确定(&O)"));
    EXPECT_EQ(two.property("text").toString(), QString::fromUtf8("取消(&C)"));
    EXPECT_EQ(ok.property("text").toString(), "&OK");  // untouched

    QObject bare;
    SetOkCancelCaptions(&bare);  // no such children: nothing happens
    SetOkCancelCaptions12(nullptr);
    ResetProcessState();
}
