// The program's copy of the radio's configuration memory and the facts of its
// format that every codec shares: the address space and the holes the transfer
// skips, where each group's channel slots and bitmaps live, the packed-BCD
// frequency and the bitmap bit numbering.
//
// Every address here is an absolute radio address; the codecs index the image
// with it directly. Access through ImageByte/SetImageByte is bounds-checked so
// that a bad address can never write outside the buffer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace ulbrix {

// 0x00000..0x221FF is the radio's address space; one spare byte follows that
// is never exchanged.
constexpr std::uint32_t RadioAddressSpace = 0x22200;  // 139,776
constexpr std::size_t RadioImageSize = RadioAddressSpace + 1;  // 139,777
// From this address on the walk counts as finished (the last block is 0x22160).
constexpr std::uint32_t RadioWalkEnd = 139617;
constexpr std::uint32_t RadioBlockSize = 16;
constexpr int RadioBlockCount = 1872;  // blocks the walk visits

using RadioImageType = std::array<std::uint8_t, RadioImageSize>;
inline RadioImageType RadioImage{};

// Sets all 139,777 bytes to 0.
void ClearImage();

std::uint8_t ImageByte(std::uint32_t address);             // throws std::out_of_range
void SetImageByte(std::uint32_t address, std::uint8_t v);  // throws std::out_of_range
void OrImageByte(std::uint32_t address, std::uint8_t bits);

// Address ranges the walk never reads or writes (start inclusive, end exclusive).
struct ImageHole {
    std::uint32_t from;
    std::uint32_t to;
};
inline constexpr std::array<ImageHole, 18> HoleTable{{
    {0x00C80, 0x02000}, {0x02780, 0x04000}, {0x04C80, 0x06000}, {0x06C80, 0x08000},
    {0x08C80, 0x0A000}, {0x0AA00, 0x0C000}, {0x0CA00, 0x0E000}, {0x0EA00, 0x10000},
    {0x10800, 0x12000}, {0x12650, 0x14000}, {0x14650, 0x16000}, {0x16150, 0x16200},
    {0x16340, 0x16400}, {0x16470, 0x18000}, {0x18150, 0x1C000}, {0x1C190, 0x20000},
    {0x20200, 0x22000}, {0x22090, 0x22100},
}};

// The end of the hole that contains a, RadioAddressSpace when a is
// RadioWalkEnd or more, else a itself.
std::int32_t NextValidAddress(std::int32_t a);
// True when the byte at a travels between radio and program.
bool IsExchangedAddress(std::uint32_t a);

// ---- channel banks ----

// Address of the 16-byte slot of channel n (1-based) of (band, group): the
// group's base + (n - 1) * 16; a VFO group always uses its one slot whatever
// n is. nullopt for a group the radio has no bank for, or n outside the
// group's slots (which would land in the next group's bank).
std::optional<std::uint32_t> ChannelSlotAddress(int band, int group, int n);
// Slot address of memory-list entry i (1..96).
std::uint32_t MemorySlotAddress(int i);

// Bitmap bases of a group: present (carries InUse) and scan (carries ScanAdd).
struct GroupBitmaps {
    std::uint32_t present;
    std::uint32_t scan;
    int bits;  // channels that have a bit: 40, 99 for a MEM group, 1 for a VFO
};
std::optional<GroupBitmaps> GroupBitmapsOf(int band, int group);
inline constexpr GroupBitmaps MemoryListBitmaps{0x16400, 0x16430, 96};

// Channel k (0-based) is bit k mod 8 of byte k / 8 of a bitmap.
bool ImageBit(std::uint32_t base, int k);
void SetImageBit(std::uint32_t base, int k);

// Memory reference table.
constexpr std::uint32_t MemRefBase = 0x10600;      // entries 1..80
constexpr std::uint32_t MemRefBandBase = 0x10650;  // MemRefBand of entries 65..80
constexpr std::uint32_t MemRefHighBase = 0x10660;  // entries 81..96
std::uint32_t MemRefAddress(int i);                // reference byte of entry 1..96

// ---- packed BCD ----

// Eight decimal digits as four bytes, first digit pair in the first byte, the
// first digit of a pair in the high nibble. nullopt unless digits is exactly
// eight decimal digits.
std::optional<std::array<std::uint8_t, 4>> DigitsToBcd(const std::string& digits);
// The four bytes at address as eight hexadecimal digits (upper case), e.g.
// "26965000", "FFFFFFFF".
std::string BcdToText(std::uint32_t address);
// True when every nibble of the four bytes at address is a decimal digit.
bool IsBcdFrequency(std::uint32_t address);
// Writes the four "no frequency" bytes FF FF FF FF.
void SetNoFrequency(std::uint32_t address);

}  // namespace ulbrix
