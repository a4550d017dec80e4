// Copy, Cut, Paste, Insert and Delete of the channel of one grid row. Rows are
// channel numbers; each group keeps its channels packed in slots 1..count,
// found by number, so no edit leaves a live channel past the count.
#pragma once

#include "core/Records.h"

namespace ulbrix {

// One channel record; full after the first Copy or Cut, for the whole run.
inline ChannelRecord ChannelClipboard;
inline bool ChannelClipboardFull = false;

// The rows an edit changed, to redraw: first..last (0, 0 when nothing changed);
// in CB up to the plan's last memory row.
struct ListEditResult {
    int firstRow = 0;
    int lastRow = 0;
    bool changed() const { return firstRow > 0; }
};

// The channel of the row into the clipboard (a free row gives a record not in use).
void CopyChannel(int band, int group, int row);
// Copy, then Delete; the VFO group is left alone (not even copied). The CB
// memory entries it frees come back with the next Paste or Insert into the
// same plan, referring to the pasted channel, while they are still free; a
// later Copy, Cut or Delete forgets them.
ListEditResult CutChannel(int band, int group, int row);
// The clipboard's channel into the row under the row's number, replacing a
// channel there; refused (nothing changes) for an empty clipboard, a row past
// the group's slot limit or a frequency outside the band ("Frequency is out of range.").
ListEditResult PasteChannel(int band, int group, int row);
// Every channel from the row up moves one number up, then the clipboard is
// pasted into the row; CB memory entries follow their channels, and those a
// Cut freed come back as with Paste. Refused when the highest number is taken
// (with a message) or the paste would be refused for its frequency.
ListEditResult InsertChannel(int band, int group, int row);
// Removes the channel of the row; the VFO group is left alone. A CB memory
// entry referring to it is freed then (no paste brings it back).
ListEditResult DeleteChannel(int band, int group, int row);

// A document comes into view: the entries a Cut freed were the last one's,
// and no Paste gives them back. The clipboard channel itself stays.
void ForgetCutMemEntries();

// Back to the state of a fresh process (tests).
void ResetChannelClipboard();

}  // namespace ulbrix
