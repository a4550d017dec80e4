// What the channel grid shows for a band and group, and the record behind a
// grid row. The grid's row is the channel number; CB plans add 16 memory rows
// ("M1".."M16") after their channels, showing the plan's block of the memory
// list (plan 7 shares the block of plan 5).
#pragma once

#include <QString>
#include <QStringList>

#include "core/Records.h"

namespace ulbrix {

struct GridLayout {
    int rows = 1;               // counting the header row
    int frequencyWidthTw = 1260;
    QStringList labels;         // rows 1..rows-1
};
GridLayout GridLayoutOf(int band, int group);

// The memory-list entry a CB plan's "M" row shows, 0 for any other row:
// plan 3 rows 81..96 entries 33..48; plan p rows 41..56 entries
// (p' - 1) * 16 + 1.., p' = 5 for plan 7.
int MemEntryOfRow(int band, int group, int row);
// Plans 5 and 7 share one memory block; their entries say which plan they refer to.
bool IsSharedMemPlan(int band, int group);

// The record behind a row: a channel of the group (found by number among
// slots 1..count) or a CB memory entry; null when the row has none.
struct RowRecord {
    ChannelRecord* record = nullptr;
    int slot = 0;       // channel slot, 0 for a memory entry
    int memEntry = 0;   // memory-list entry, 0 for a channel
    explicit operator bool() const { return record != nullptr; }
};
RowRecord RecordOfRow(int band, int group, int row);

// The plan whose channel a memory entry refers to: the shown plan, or for the
// shared plans 5 and 7 the one its MemRefBand names.
int MemRefPlan(int group, const ChannelRecord& entry);
// The frequency shown in a memory row: the receive frequency of slot MemRefCh
// of the referred plan; "" for an entry not in use, without a reference, or
// one naming a slot the plan does not hold.
QString MemRowFrequency(int band, int group, const ChannelRecord& entry, bool* corrupt = nullptr);

// Column 1 of rows 1..rows-1 ("" for an empty row) and the row of each
// channel. A number outside the grid's rows is skipped; a corrupt stored
// frequency shows empty and counts in `corruptCells`.
struct GridContents {
    QStringList cells;      // index row - 1
    int corruptCells = 0;
};
GridContents GridContentsOf(int band, int group);
// The text of one row's frequency cell.
QString RowFrequencyText(int band, int group, int row, bool* corrupt = nullptr);

// The row the grid selects when a group is shown: LastRow when a channel
// carries that number; otherwise 1 when LastRow is above 39 (or outside the
// rows), else LastRow. CB keeps no current row (0).
int InitialGridRow(int band, int group);

// "MEM CHX" list items and the memory-reference list of a CB plan's "M" row:
// "Off", then the slots of the plan's channels in use.
QStringList MemRefItems(int band, int group);

}  // namespace ulbrix
