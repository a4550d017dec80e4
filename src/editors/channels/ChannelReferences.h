// Per-group channel references (work channel and the four group settings)
// and the tests of DTMF autodial memories and roger-beep patterns the channel
// lists use. Channel numbers 1..40 are numbered channels, above 40
// memory-style ones ("M" + number - 40).
#pragma once

#include <QStringList>
#include <vector>

#include "core/ModPubFun.h"
#include "core/Records.h"

namespace ulbrix {

constexpr int LastNumberedChannel = 40;

// n when autodial memory n (1..16) holds a code, else 0 (also outside 1..16).
int ValidDTMFIndex(int n);
bool DTMFCodeExists(int n);
// An autodial list: the Off word, then the number of every memory holding a code.
QStringList DtmfMemoryItems();

// The numbers of a group's numbered channels (kind 0) or memory-style ones
// as "M<n-40>" (kind 1), ascending by number. Reads only: filling a list
// never changes a group's count.
QStringList FillChannelCombo(int band, int group, int kind = 0);

// a when a and ch are both numbered or both memory-style, else 0.
int ChannelNumberCompare(int a, int ch);
// Channels numbered below 40 in the valid groups 1..10 (CB) or 1..9 (HF,
// HAM), leaving out channel ch of `group`.
int CountValidGroupChannels(int band, int group, int ch);
// Slots 1..count holding a channel numbered 40 or below.
int CountGroupChannels(int band, int group);
// Slots 1..count holding a channel of ch's kind.
int CountChannelsOfKind(int band, int group, int ch);
// ch when the group holds it; else the first channel of ch's kind in slot
// order; 0 when there is none (0 counts as a numbered channel).
int ValidChannelOr(int band, int group, int ch);
// Points each of the group's five channel references at a channel that
// exists (0 when none of its kind does, but the work channel is then the
// first channel, or 1 in an empty group, as in a new document), frees the CB
// memory entries whose channel is gone, then has an open channel editor
// refresh its lists.
void RevalidateChannelRefs(int band, int group);
// CB memory entries referring to a channel `plan` no longer holds, or to none,
// are freed: no reference, not in use.
void FreeGoneMemEntries(int plan);
// Whether CB memory entry `entry` (1..96) refers to a channel its plan does
// not hold (what FreeGoneMemEntries frees).
bool MemEntryRefersToGoneChannel(int entry);
// CB memory entries referring to channel `from` or above of `plan` follow
// their channel one number up.
void ShiftMemRefsUp(int plan, int from);

// A CB memory entry (1..96) and whether it was in use when it referred to a channel.
struct MemEntryRef {
    int entry = 0;
    Integer inUse = 0;
};
// The CB memory entries referring to channel ch of `plan`.
std::vector<MemEntryRef> MemEntriesReferringTo(int plan, int ch);
// Those of `refs` still free and still of `plan` refer to channel ch again,
// in use as they were; an entry given to something else meanwhile stays.
void RestoreMemEntries(const std::vector<MemEntryRef>& refs, int plan, int ch);

// The band's group list: each named group by its name, or by its number
// while it has none; then HF's and HAM's MEM and VFO.
QStringList GroupListItems(int band);
// The last group that may be the band's work group: CB 7, HF 15, HAM 13
// (HAM's MEM group is one).
int LastWorkGroupOf(int band);
// What the work group list (the first LastWorkGroupOf of GroupListItems)
// shows for a stored work group: 0 reads as group 1; a group the list lacks
// shows its name, any other value its number.
ShownItem ShowWorkGroup(int band, int stored);

// Channel number to its name ("7", "M1" for 41) and back ("M16" 56, "12" 12,
// anything else 0).
QString GetCHName(int number);
int GetCHID(const QString& name);

}  // namespace ulbrix
