// Bilingual message texts, the text-table type every language table uses, the
// queue of messages raised during a radio transfer, and the OK/Cancel caption
// helpers of dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class QObject;

namespace ulbrix {

// A table of texts indexed as the windows index it: element 1 English,
// element 2 Chinese for a caption; item + (n + 1) * language for a list of n
// items per language; 3 * item + language for a list shared by both languages
// (items from 0). An index outside the table reads as the empty text.
class TextTable {
public:
    enum class Layout { Caption, Items, SharedItems, LanguageNames };

    TextTable() = default;

    // One text per language.
    static TextTable Caption(const QString& english, const QString& chinese);
    // A list of n items per language; both lists must hold the same count.
    static TextTable Items(const QStringList& english, const QStringList& chinese);
    // One list, the same texts for both languages, items numbered from 0.
    static TextTable SharedItems(const QStringList& items);
    // Names of languages 1 and 2 written in language L at 2 * (L - 1) + 1, + 2.
    static TextTable LanguageNames(const QString& english1, const QString& english2,
                                   const QString& chinese1, const QString& chinese2);

    const QString& operator[](int index) const;
    const QString& operator()(int index) const { return (*this)[index]; }

    // Item `item` of `language` by the table's own layout.
    const QString& Item(int item, int language) const;
    // Every item of `language` in list order (items 1..n, or 0..n-1 for a
    // shared list, or the two language names).
    QStringList ItemList(int language) const;

    int size() const { return static_cast<int>(texts_.size()); }
    int itemCount() const { return items_; }
    Layout layout() const { return layout_; }

private:
    std::vector<QString> texts_;
    int items_ = 0;
    Layout layout_ = Layout::Caption;
};

// Shorthands for filling the tables from UTF-8 literals.
namespace fill {
inline TextTable C(const char* english, const char* chinese) {
    return TextTable::Caption(QString::fromUtf8(english), QString::fromUtf8(chinese));
}
// A caption that reads the same in both languages.
inline TextTable Same(const char* text) { return C(text, text); }
inline QString S(const char* text) { return QString::fromUtf8(text); }
}  // namespace fill

// The text of the current language (a caption table).
const QString& Tr(const TextTable& table);
// Item `item` in the current language.
const QString& TrItem(const TextTable& table, int item);
// All items in the current language.
QStringList TrItems(const TextTable& table);

// Messages: element 1 English, 2 Chinese.
inline TextTable MsgClearAll;
inline TextTable MsgDataFile;
inline TextTable MsgFileError;
inline TextTable MsgCannotOpenPort;
inline TextTable MsgReadConfirm;
inline TextTable MsgWriteConfirm;
inline TextTable MsgSaveChanges;
inline TextTable MsgOverwrite;
inline TextTable MsgCheckConnection;
// Two items, indexed mode + 3 * language (mode 1 read, 2 write).
inline TextTable MsgTransferCompleted;
inline TextTable MsgModelWrong;
inline TextTable MsgFreqOutOfRange;
inline TextTable MsgInsertTopTaken;
// First lines of the refusals that list a document's problems, and the line
// after the last one shown ("%1" the number left out).
inline TextTable MsgWriteRefused;
inline TextTable MsgOpenRefused;
inline TextTable MsgMoreProblems;
inline TextTable MsgOK;
inline TextTable MsgCancel;

// Fills every message above. Called from InitLanguageStrings.
void InitMessages();

// Messages raised during a transfer wait here until it ends.
inline constexpr int MsgQueueCapacity = 1001;
inline std::array<QString, MsgQueueCapacity> MsgQueue;
inline int MsgQueueCount = 0;

// Appends a text already chosen for the current language. A full queue drops
// the text and returns false.
bool QueueMsg(const QString& text);

// Shows every queued text in order, each in its own OK-only box, then empties
// the queue.
void ShowQueuedMsgs();

// Caption of the child named "CommandOK" = MsgOK, "CommandCancel" = MsgCancel,
// in the current language. Children that are absent are skipped.
void SetOkCancelCaptions(QObject* form);
// The same for the children named "Command1" (OK) and "Command2" (Cancel).
void SetOkCancelCaptions12(QObject* form);

// Sets the "text" property of the child of `form` named `name`; false when no
// such child exists.
bool SetChildText(QObject* form, const char* name, const QString& text);

}  // namespace ulbrix
