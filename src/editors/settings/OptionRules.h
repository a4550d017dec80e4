// The optional-features options as data: one row per list or check box
// (save id, object name, caption, items, document field, rule), one row per
// text box, and the rules that show a field in a control and store a pick.
// Nothing here touches a widget; the window walks the tables.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <span>

#include "core/ModPubFun.h"
#include "core/Records.h"

namespace ulbrix {

class TextTable;

// Where a field lives and how wide it is. `address` gives the field inside a
// document image (the settings record or the image itself).
struct FieldRef {
    enum class Width { None, Byte8, Int16 };
    Width width = Width::None;
    void* (*address)(DocumentImage&) = nullptr;
    bool empty() const { return address == nullptr; }
};
long FieldValue(const FieldRef& f, const DocumentImage& d);
// Writes v into the field; a value the field cannot hold is not written.
void SetFieldValue(const FieldRef& f, DocumentImage& d, long v);
// Same field (same place in the image)?
bool SameField(const FieldRef& a, const FieldRef& b);
long FieldMax(const FieldRef& f);

// How a control shows its field and stores a pick.
enum class OptRule {
    Index,         // item at the value; stores the list index
    Inert,         // neither shown nor stored (no selection at load)
    StoreOnly,     // not shown (no selection); a pick stores the list index
    Tot,           // shown at value / 3 rounded; stores index * 3
    ClaSet,        // band CB: values above 1 show item 0
    CwFreq,        // shown at value - 30; stores index + 30
    Key,           // the key-function number through the full key list
    HandType,      // list index; the key enables follow
    BeepHigh,      // bit 7 of the beep word
    BeepLow,       // bits 0..6 of the beep word
    PublicSwitch,  // 0 On, 1 Off; a change rewrites the band's channels
    VoxSwitch,     // list index; the VOX enables follow
    VoxLevel,      // list index (byte); the VOX enables follow
    Roger,         // item whose text is value - 127; stores 127 + number, 0 Off
    Dtmf,          // item whose text is the memory number; stores the number
    Mode,          // mode code through the mode master list
    Flag,          // check box: ValidFlag(value, default); stores 0/1
    ModeEnable,    // check box; the last checked mode stays checked
    NoField,       // check box that neither shows nor stores
};

// The window area a control stands in.
enum class OptSection { General, CBPublic, HAMPublic, HFPublic, ModeEnable, Protection, Hidden };

enum class OptKind { List, Check };

struct OptionRow {
    int id;                      // the save id (Combo1 0..72, Check1 100.., CB 200.., HF 300.., HAM 400..)
    const char* objectName;      // e.g. "Combo1_27"
    OptKind kind;
    const TextTable* caption;    // caption table, or nullptr
    const char* fixedCaption;    // caption in both languages when caption is nullptr
    QStringList (*items)();      // items in the current language; nullptr for a check box
    FieldRef field;
    OptRule rule;
    OptSection section;
    int flagDefault = 0;         // Flag: the value shown for a word other than 0/1
    int band = -1;               // PublicSwitch: band; public groups: band

    bool visible() const { return section != OptSection::Hidden; }
};

std::span<const OptionRow> OptionRows();
// The row of a save id, nullptr for an id no control has.
const OptionRow* FindOptionRow(int id);
QString RowCaption(const OptionRow& row);
// Object name of a caption label ("Label1_27", "Label4_0", ...), nullptr when none.
QString RowLabelName(const OptionRow& row);

// ---- showing ----
// What a control shows for the working document: an item, or the value's own
// text where the list lacks it. `items` are the control's items (a check box's
// index is its state). Nothing is stored.
ShownItem ShownValue(const OptionRow& row, const QStringList& items);

// ---- storing ----
// What a stored pick asks of the window afterwards.
struct StoreResult {
    bool stored = false;
    int value = 0;                 // the value written (check boxes: the box's new state)
    bool voxEnables = false;       // re-apply the VOX enables
    bool keyEnables = false;       // re-apply the key enables
    bool reopenChannelEditor = false;
};
// Stores the pick `index` of the control `row` into the working document,
// only its own field. `indexOf(id)` gives another control's shown index
// (the two halves of the beep word, the other mode boxes).
StoreResult StorePick(const OptionRow& row, int index, const QStringList& items,
                      const std::function<int(int id)>& indexOf);

// ---- single rules, exposed for the window and for tests ----
int TotIndexOf(int tot);
QStringList KeyListItems(bool withVfo);
// The CLA SET items of a band: CB has no T and RT.
QStringList ClaSetItems(int band);
// Entry number of CapKeyFunction for a key-list text, 0 when unknown.
int KeyEntryOfText(const QString& text);
// Key-function enables: Pf Key when the hand type is 0 or 1, P1..P4 otherwise.
bool PfKeyEnabled(int handType);
// 0 "On" stores 0 into every Public word of the band, 1 "Off" stores 1.
// Returns false (writes nothing) when v equals the band's switch.
bool ApplyPublicSwitch(int band, int v);
// At least one mode stays enabled: the new state of box `own` (0..5 of the
// six mode boxes) given every box's value with the click applied.
int ModeEnableResult(int newValue, const std::array<int, 6>& values, int own);
// VOX enables: Level when VOX is on, Delay when VOX is on and Level is past item 0.
struct VoxEnables { bool level; bool delay; };
VoxEnables VoxEnablesOf(int voxOnOff, int levelIndex);

// ---- text boxes ----
enum class TextRule { Swr, BatteryMin, BatteryMax, Rssi, TxRep, Name };
struct TextRow {
    const char* objectName;  // "Text2_0", "Text4_5", ...
    const char* labelName;   // caption label, nullptr for the RSSI boxes
    const TextTable* caption;
    const char* fixedCaption;
    TextRule rule;
    int index;               // RSSI 0..11
    int maxLength;
    const char* allowed;     // printable keys that pass; nullptr: any
};
std::span<const TextRow> TextRows();

// "#0.0" and "#0.0000": half away from zero.
QString FormatTenths(long tenths);
QString FormatTxRep(long value);
// Parses the whole text with the C locale; false for no number.
bool ParseNumber(const QString& text, double& value);

// What the text boxes show for the working document.
QString ShownText(const TextRow& row);

// Commit of the limit boxes: both battery boxes at once (a damaged file may
// have left the other one out of range); `texts` are the three shown texts
// Text2(0..2), corrected in place; the fields are written.
void CommitLimitTexts(TextRule which, std::array<QString, 3>& texts);
// RSSI box i: the value to store for the typed text (the old one when the
// text is no number or breaks the ascending order of its frame).
int CheckRssiOrder(int i, const QString& text, const std::array<Integer, 12>& thresholds);
// Commits one of Text4(0..13); returns the text the box shows afterwards.
QString CommitText4(const TextRow& row, const QString& text);

}  // namespace ulbrix
