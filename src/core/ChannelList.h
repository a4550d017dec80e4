// Channel table maintenance shared by the channel editor and the document code.
#pragma once

#include <QString>
#include <functional>

#include "core/Records.h"

namespace ulbrix {

// True while the channel information editor is loaded; the editor sets it on
// load and clears it on unload. A new document clears it.
inline bool ChInfoLoaded = false;

// The loaded channel editor's row redraw (`reShowGrid`); the editor installs it
// when it loads. Called only while ChInfoLoaded is true.
inline std::function<void(int row)> ReShowGridHook;

// The slots 1..count a group's count names, never below 0 nor past the table.
int UsedSlots(int band, int group);

// "28.015000" -> "28015000", "27.00500" -> "2700500", "1.5" -> "015".
// An empty text or one without a "." comes back unchanged.
QString FrequencyTextToDigits(const QString& text);

// Appends channel `number` to the working ChannelTable of (band, group): a
// cleared record with the defaults of a new channel and `frequency` (MHz
// text) as receive and transmit frequency. Returns false, changing nothing,
// when the band or group is out of range or the group is at its slot limit.
bool AddChannel(int number, int band, int group, const QString& frequency);
// Appends `record` to (band, group); false, changing nothing, when the band or
// group is out of range or the group is at its slot limit.
bool AppendChannel(int band, int group, const ChannelRecord& record);
// The CB plans of a new document: EU, PL (5 kHz below), DE (80 channels),
// EC, U and IN (AM) on the 40-channel plan, UK on its own. Channel n of a
// plan in Hz (0 when the plan has no such channel), and the plan's mode.
int CbPlanChannelCount(int plan);
long CbPlanChannelHz(int plan, int n);
Integer CbPlanMode(int plan);
// Appends channel n of CB plan `plan` (1..7) as a new document has it; false
// as AddChannel, or when the plan has no such channel.
bool AddCbPlanChannel(int plan, int n);

// Removes the channel in `slot` (1..count) of (band, group): the channels
// after it move down one slot, the count shrinks by one and the slot left
// over is cleared. False, changing nothing, for a slot outside 1..count.
bool RemoveChannel(int slot, int band, int group);

}  // namespace ulbrix
