#include "core/ModMsg.h"

#include <QObject>
#include <QVariant>
#include <algorithm>

#include "core/GlobalState.h"
#include "platform/MsgBox.h"

namespace ulbrix {

namespace {

const QString& EmptyText() {
    static const QString empty;
    return empty;
}

}  // namespace

TextTable TextTable::Caption(const QString& english, const QString& chinese) {
    TextTable t;
    t.texts_.resize(3);
    t.texts_[1] = english;
    t.texts_[2] = chinese;
    t.items_ = 1;
    t.layout_ = Layout::Caption;
    return t;
}

TextTable TextTable::Items(const QStringList& english, const QStringList& chinese) {
    // Both languages must offer the same list; a mismatch is a slip in the
    // table, and an uneven table would index the wrong items.
    Q_ASSERT(english.size() == chinese.size());
    const int n = static_cast<int>(std::max(english.size(), chinese.size()));
    TextTable t;
    t.items_ = n;
    t.layout_ = Layout::Items;
    t.texts_.resize(static_cast<size_t>(3 * (n + 1)));
    int item = 1;
    for (const QString& s : english) t.texts_[static_cast<size_t>(item++ + (n + 1))] = s;
    item = 1;
    for (const QString& s : chinese) t.texts_[static_cast<size_t>(item++ + 2 * (n + 1))] = s;
    return t;
}

TextTable TextTable::SharedItems(const QStringList& items) {
    const int n = static_cast<int>(items.size());
    TextTable t;
    t.items_ = n;
    t.layout_ = Layout::SharedItems;
    t.texts_.resize(static_cast<size_t>(3 * n));
    int item = 0;
    for (const QString& s : items) {
        t.texts_[static_cast<size_t>(3 * item + 1)] = s;
        t.texts_[static_cast<size_t>(3 * item + 2)] = s;
        ++item;
    }
    return t;
}

TextTable TextTable::LanguageNames(const QString& english1, const QString& english2,
                                   const QString& chinese1, const QString& chinese2) {
    TextTable t;
    t.items_ = 2;
    t.layout_ = Layout::LanguageNames;
    t.texts_ = {QString(), english1, english2, chinese1, chinese2};
    return t;
}

const QString& TextTable::operator[](int index) const {
    if (index < 0 || index >= size()) return EmptyText();
    return texts_[static_cast<size_t>(index)];
}

const QString& TextTable::Item(int item, int language) const {
    switch (layout_) {
    case Layout::Caption:
        return (*this)[language];
    case Layout::Items:
        if (item < 1 || item > items_) return EmptyText();
        return (*this)[item + (items_ + 1) * language];
    case Layout::SharedItems:
        if (item < 0 || item >= items_ || language < 1 || language > 2) return EmptyText();
        return (*this)[3 * item + language];
    case Layout::LanguageNames:
        if (item < 1 || item > 2 || language < 1 || language > 2) return EmptyText();
        return (*this)[2 * (language - 1) + item];
    }
    return EmptyText();
}

QStringList TextTable::ItemList(int language) const {
    QStringList out;
    if (language < 1 || language > 2) return out;
    switch (layout_) {
    case Layout::Caption:
        out << (*this)[language];
        break;
    case Layout::Items:
    case Layout::LanguageNames:
        for (int i = 1; i <= items_; ++i) out << Item(i, language);
        break;
    case Layout::SharedItems:
        for (int i = 0; i < items_; ++i) out << Item(i, language);
        break;
    }
    return out;
}

const QString& Tr(const TextTable& table) { return table[CurrentLanguage]; }

const QString& TrItem(const TextTable& table, int item) {
    return table.Item(item, CurrentLanguage);
}

QStringList TrItems(const TextTable& table) { return table.ItemList(CurrentLanguage); }

void InitMessages() {
    const QString crlf = QStringLiteral("\r\n");
    MsgClearAll = TextTable::Caption(QStringLiteral("All data will be cleared."),
                                     QStringLiteral("所有数据将被清空。"));
    MsgDataFile = TextTable::Caption(QStringLiteral("Data File"), QStringLiteral("数据文件"));
    MsgFileError = TextTable::Caption(QStringLiteral("file error."), QStringLiteral("文件错误。"));
    MsgCannotOpenPort = TextTable::Caption(QStringLiteral("Cannot Open Communication Port."),
                                           QStringLiteral("无法打开通信端口。"));
    MsgReadConfirm = TextTable::Caption(
        QStringLiteral("Read data from radio.") + crlf + QStringLiteral("Do you wish continue?"),
        QStringLiteral("从对讲机读取数据。") + crlf + QStringLiteral("是否继续？"));
    MsgWriteConfirm = TextTable::Caption(
        QStringLiteral("Write data to radio.") + crlf + QStringLiteral("Do you wish continue?"),
        QStringLiteral("向对讲机写入数据。") + crlf + QStringLiteral("是否继续？"));
    MsgSaveChanges = TextTable::Caption(QStringLiteral("File has been modify,save it now?"),
                                        QStringLiteral("当前文件已被修改，是否现在保存？"));
    MsgOverwrite = TextTable::Caption(QStringLiteral("file will be Overwrite,Continue?"),
                                      QStringLiteral("文件将被覆盖，是否继续？"));
    MsgCheckConnection = TextTable::Caption(QStringLiteral("Check Connection. Retry or Cancel?"),
                                            QStringLiteral("检测连接。重试或取消？"));
    MsgTransferCompleted = TextTable::Items(
        {QStringLiteral("Read Data Completed."), QStringLiteral("Write Data Completed.")},
        {QStringLiteral("读取数据完成。"), QStringLiteral("写入数据完成。")});
    MsgModelWrong = TextTable::Caption(QStringLiteral("Model type is wrong."),
                                       QStringLiteral("机型类型错误。"));
    MsgFreqOutOfRange = TextTable::Caption(QStringLiteral("Frequency is out of range."),
                                           QStringLiteral("频率超出范围。"));
    MsgInsertTopTaken = TextTable::Caption(
        QStringLiteral("The highest channel number of this group is in use: no channel can move up to make room."),
        QStringLiteral("本组最高编号的信道已被使用，其他信道无法后移腾出位置。"));
    MsgWriteRefused = TextTable::Caption(QStringLiteral("The data was not written to the radio:"),
                                         QStringLiteral("数据有误，未写入电台："));
    MsgOpenRefused = TextTable::Caption(QStringLiteral("The file was not opened:"),
                                        QStringLiteral("文件数据有误，未打开："));
    MsgMoreProblems = TextTable::Caption(QStringLiteral("... and %1 more."), QStringLiteral("……另有 %1 处错误。"));
    MsgOK = TextTable::Caption(QStringLiteral("&OK"), QStringLiteral("确定(&O)"));
    MsgCancel = TextTable::Caption(QStringLiteral("&Cancel"), QStringLiteral("取消(&C)"));
}

bool QueueMsg(const QString& text) {
    // The queue has a fixed size; a message beyond it is dropped rather than
    // written past the end.
    if (MsgQueueCount < 0) MsgQueueCount = 0;
    if (MsgQueueCount >= MsgQueueCapacity) return false;
    MsgQueue[static_cast<size_t>(MsgQueueCount)] = text;
    ++MsgQueueCount;
    return true;
}

void ShowQueuedMsgs() {
    // The count is read again after each box: a message queued while a box
    // was open is shown too instead of being lost.
    for (int i = 0; i < std::min(MsgQueueCount, MsgQueueCapacity); ++i)
        platform::MsgBox(MsgQueue[static_cast<size_t>(i)], platform::MsgButtons::Ok,
                         platform::MsgIcon::None);
    MsgQueueCount = 0;
}

bool SetChildText(QObject* form, const char* name, const QString& text) {
    if (!form) return false;
    QObject* child = form->findChild<QObject*>(QString::fromLatin1(name));
    if (!child) return false;
    child->setProperty("text", text);
    return true;
}

void SetOkCancelCaptions(QObject* form) {
    SetChildText(form, "CommandOK", Tr(MsgOK));
    SetChildText(form, "CommandCancel", Tr(MsgCancel));
}

void SetOkCancelCaptions12(QObject* form) {
    SetChildText(form, "Command1", Tr(MsgOK));
    SetChildText(form, "Command2", Tr(MsgCancel));
}

}  // namespace ulbrix
