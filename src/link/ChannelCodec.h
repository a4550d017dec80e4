// Channel codec: the working document's channels, memory list and memory
// references to and from the radio image, and the whole-document walks that
// the transfer commands call.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Records.h"

namespace ulbrix {

// Fills RadioImage from the working document (ChannelTable, MemChannelList,
// WorkDocument). The image must have been cleared first: bits are only set.
// A VFO group without a channel sends its slot's frequency as FF FF FF FF,
// which a read takes as no channel.
// Call ValidateDocumentForWrite (link/ImageValidation.h) first and refuse the
// write when it finds anything; packing itself never throws on bad values but
// cannot make them meaningful.
void PackImage();

// Fills the working document from RadioImage after a successful read. Values
// out of range in the image never reach past a table: they keep the
// document's value or take a safe default.
void UnpackImage();

// Writes the record's slot (bytes 0..11) and its present/scan bits. Does
// nothing when (band, group, n) names no slot of the radio.
void PackChannel(const ChannelRecord& record, int n, int group, int band);
// The same for memory-list entry i (1..96), with the memory list's bitmaps.
void PackMemoryChannel(const ChannelRecord& record, int i);

// Appends the radio's channel n of (band, group) to the group when it is
// present and has a valid frequency.
void UnpackChannel(int band, int n, int group);
// Fills memory-list entry i (1..96) when it is present and valid.
void UnpackMemoryChannels(int i);

// "FFFFFFFF" for an empty text (after TrimNull) or "FFFFFFFF"; otherwise the
// trimmed text padded on the right with "0" to at least `length` characters.
std::string HexPad(const std::string& text, int length);

// Slots the read walks per group: 40 in a named group (80 in CB group 3, whose
// channels 41..80 have no bitmap bits), 99 in a MEM group, 1 in a VFO group.
int SlotsWalkedOnRead(int band, int group);

// ---- the 16-byte channel slot ----

enum class SlotKind {
    Byte,  // the whole byte
    Bits,  // `width` bits from bit `shift`
};

struct SlotField {
    int offset;  // from the slot's first byte
    Integer ChannelRecord::*field;
    const char* name;
    SlotKind kind;
    int shift;
    int width;
};

// Bytes 0..3 hold RxFreq as packed BCD; bit 6 of byte 9 is derived (a tone
// type is set) and never read back; bytes 12..15 are unused.
inline constexpr int SlotToneFlagOffset = 9;
inline constexpr int SlotToneFlagBit = 6;
inline constexpr std::array<SlotField, 16> ChannelSlotLayout{{
    {4, &ChannelRecord::RxCtcss, "RxCtcss", SlotKind::Byte, 0, 8},
    {5, &ChannelRecord::RxDcs, "RxDcs", SlotKind::Byte, 0, 8},
    {6, &ChannelRecord::TxCtcss, "TxCtcss", SlotKind::Byte, 0, 8},
    {7, &ChannelRecord::TxDcs, "TxDcs", SlotKind::Byte, 0, 8},
    {8, &ChannelRecord::HiCut, "HiCut", SlotKind::Bits, 0, 1},
    {8, &ChannelRecord::Echo, "Echo", SlotKind::Bits, 1, 1},
    {8, &ChannelRecord::Add10K, "Add10K", SlotKind::Bits, 2, 1},
    {8, &ChannelRecord::Busy, "Busy", SlotKind::Bits, 3, 1},
    {8, &ChannelRecord::NB, "NB", SlotKind::Bits, 4, 1},
    {8, &ChannelRecord::ANL, "ANL", SlotKind::Bits, 5, 1},
    {9, &ChannelRecord::RepShift, "RepShift", SlotKind::Bits, 0, 2},
    {9, &ChannelRecord::TxToneType, "TxToneType", SlotKind::Bits, 2, 2},
    {9, &ChannelRecord::RxToneType, "RxToneType", SlotKind::Bits, 4, 2},
    {9, &ChannelRecord::Public, "Public", SlotKind::Bits, 7, 1},
    {10, &ChannelRecord::RogerBeep, "RogerBeep", SlotKind::Byte, 0, 8},
    {11, &ChannelRecord::Mode, "Mode", SlotKind::Byte, 0, 8},
}};

// Largest value a slot field can carry.
constexpr int SlotFieldMax(const SlotField& f) { return f.kind == SlotKind::Byte ? 255 : (1 << f.width) - 1; }

// True when the RxFreq text packs as a frequency: after TrimNull, "",
// "FFFFFFFF" or 2 to 8 decimal digits (shorter texts are read as the leading
// digits, padded with zeros).
bool IsPackableFrequency(const std::string& rxFreq);

}  // namespace ulbrix
