// The emergency, dual-watch and memory-channel dialogs are one dialog driven by
// a control map each: which list stands where, what it lists and which word of
// the dialog's record a pick goes into. The rules here read the working
// document and know nothing of widgets.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "core/Records.h"

namespace ulbrix {

enum class SpecialList {
    Modes,       // "FM", "AM", "USB", "LSB", "CW": stores the index
    States,      // "Off", "On": stores the index
    Groups,      // the named groups of `band`: stores the index (group - 1)
    Channels,    // slots in use of (band, group): stores the slot number - 1
    MemEntries,  // entries in use of CB plan `group - 1`'s memory block: stores the number in the block - 1
};

enum class SpecialFrame { CB = 0, HF = 1, HAM = 2 };

struct SpecialControl {
    int combo;            // index of the list (object "Combo1_<combo>")
    int label;            // index of the caption beside it (object "lblEuEmg_<label>")
    const char* caption;  // the same in both languages
    SpecialFrame frame;
    SpecialList list;
    int band;             // band of a Groups or Channels list
    int group;            // Channels: fixed group, 0 when `groupCombo` names it; MemEntries: CB plan + 1
    int groupCombo;       // Channels: the Groups list whose shown group it lists, else -1
    int word;             // word of the record the list shows and stores
    int labelLeft, listLeft, listTop;  // twips, inside the frame; a label stands on its list's line
};

struct FrameBox { int left, top, width, height; };  // twips

struct SpecialDialogMap {
    const char* formName;
    const char* caption;
    std::span<Integer> (*record)(DocumentImage& doc);  // the dialog's record, as words
    int wordCount;
    std::span<const SpecialControl> controls;  // in list index order, the order values are shown in
    FrameBox frames[3];                        // CB (hidden), HF Band, HAM Band
    int saveLeft, saveTop;                     // the "Save" button, 990 x 360
    int clientWidth, clientHeight;             // twips
    bool clearsUnreferencedMemory;             // the memory-channel dialog frees unreferenced entries on load
};

const SpecialDialogMap& EmergencyDialogMap();
const SpecialDialogMap& DualWatchDialogMap();
const SpecialDialogMap& MemChannelDialogMap();

// The control of a map whose list has that index; nullptr when there is none.
const SpecialControl* FindSpecialControl(const SpecialDialogMap& map, int combo);

// The Channels list that lists the group shown by list `groupCombo`; nullptr when none.
// A pick in a group list refills it: SpecialItems with the new group, then
// ShowSpecialValue with the stored channel (kept when listed, else the first).
const SpecialControl* ChannelListFollowing(const SpecialDialogMap& map, int groupCombo);

// Slots 1..count of (band, group) whose channel is in use, as decimal texts.
// Only slots within the group's channel count and slot limit are listed, so a
// stale record behind the count never shows up. Bad band or group: empty.
QStringList UsedChannelItems(int band, int group);
// Numbers (1..16) of the entries in use of CB plan r's memory block; empty for a bad plan.
QStringList UsedMemEntryItems(int plan);
// Names of the named groups of a band (as stored, cut at a NUL).
QStringList GroupItems(int band);

// The items of a list. `shownGroup` is the group (1-based) its group list
// shows, for a Channels list that follows one; 0 lists nothing.
QStringList SpecialItems(const SpecialControl& control, int shownGroup = 0);

// What showing a stored value selects and what the working copy then holds:
// a channel by its text (value + 1), anything else by index; a value the list
// does not offer shows the first item and is replaced by it; an empty list
// selects nothing (-1) and keeps the stored value.
struct ShownValue {
    int index;
    Integer value;
};
ShownValue ShowSpecialValue(const SpecialControl& control, const QStringList& items, Integer stored);

// The value a pick of item `index` stores; nullopt-like: `ok` false when the
// index is outside the list or the item is not a number.
struct PickedValue {
    bool ok;
    Integer value;
};
PickedValue PickSpecialValue(const SpecialControl& control, const QStringList& items, int index);

// Memory-list entries that refer to no channel (MemRefCh 255) are no longer in use.
void ClearUnreferencedMemEntries();

}  // namespace ulbrix
