// The commit of a frequency typed into the channel grid: it changes, adds or
// removes the channel of that row in the group's packed slots.
#pragma once

#include <QString>

namespace ulbrix {

enum class CellCommit {
    Unchanged,   // nothing to do, or a clearing the rules refuse
    Changed,     // a channel's receive frequency changed
    Added,       // a channel was appended
    Removed,     // the channel was removed
    Rejected,    // not a frequency of the band: the message was shown, nothing changed
};

// Commits `text` typed into (row, column) of the grid of (band, group); row
// is the channel number. Only column 1 of HF and HAM is edited. A text that is
// no frequency of the band never touches the channel; only an emptied cell
// removes it, and the last numbered channel of a group only while another
// valid group keeps one (its group is then switched off), never the VFO
// group's channel. Channels of the MEM groups are always removable and leave
// "Group Valid" alone. A frequency equal to the stored one stores nothing.
// The loaded channel editor redraws the row at the end.
CellCommit EditChannelCell(int band, int group, int row, int column, const QString& text);

}  // namespace ulbrix
