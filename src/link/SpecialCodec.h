// Special-channel, roger-beep and weather codec: the emergency, dual-watch and
// memory-channel records, the eight roger-beep patterns and the weather part
// of the settings, to and from the radio image. One image byte per record
// word (the weather frequency excepted).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Records.h"

namespace ulbrix {

void PackEmergencyChannels();
void PackDualWatch();
void PackMemChannels();
void PackWxChannels();
void UnpackEmergencyChannels();
void UnpackDualWatch();
void UnpackMemChannels();
void UnpackWxChannels();
// patterns: the document's RogerBeep array (1..8 used).
void PackRogerBeeps(const std::array<RogerBeepPattern, 9>& patterns);
void UnpackRogerBeeps(std::array<RogerBeepPattern, 9>& patterns);

// ---- layouts ----

// How an image byte becomes a record word on reading.
enum class WordRule {
    Byte,      // the byte unchanged
    HfGroup,   // a 0-based HF group: 0 when above 14
    HamGroup,  // a 0-based HAM group: 0 when above 11
};

// A run of `count` record words, word `firstWord` + j at `address` + j * `step`.
struct WordRun {
    std::uint32_t address;
    int step;
    int firstWord;
    int count;
    WordRule rule;
};

// r = 0..5 are the CB plans EU, PL, DE, EC, U/UK, IN.
inline constexpr std::array<WordRun, 10> EmergencyLayout{{
    {0x18040, 2, 0, 6, WordRule::Byte},       // first channel of plan r
    {0x18041, 2, 6, 6, WordRule::Byte},       // second channel of plan r
    {0x1804C, 2, 12, 6, WordRule::Byte},      // first mode of plan r
    {0x1804D, 2, 18, 6, WordRule::Byte},      // second mode of plan r
    {0x18058, 1, 24, 2, WordRule::HfGroup},   // HF groups
    {0x1805A, 1, 26, 2, WordRule::Byte},      // HF channels
    {0x1805C, 1, 28, 2, WordRule::Byte},      // HF modes
    {0x1805E, 1, 30, 2, WordRule::HamGroup},  // HAM groups
    {0x18060, 1, 32, 2, WordRule::Byte},      // HAM channels
    {0x18062, 1, 34, 2, WordRule::Byte},      // HAM modes
}};

inline constexpr std::array<WordRun, 8> DualWatchLayout{{
    {0x18080, 1, 0, 6, WordRule::Byte},      // channel of plan r
    {0x18086, 1, 6, 6, WordRule::Byte},      // mode of plan r
    {0x1808C, 1, 12, 1, WordRule::HfGroup},  // HF group
    {0x1808D, 1, 13, 1, WordRule::Byte},     // HF channel
    {0x1808E, 1, 14, 1, WordRule::Byte},     // HF mode
    {0x1808F, 1, 15, 1, WordRule::HamGroup}, // HAM group
    {0x18090, 1, 16, 1, WordRule::Byte},     // HAM channel
    {0x18091, 1, 17, 1, WordRule::Byte},     // HAM mode
}};

// The states come before the channels here, unlike the record.
inline constexpr std::array<WordRun, 6> MemChannelSetLayout{{
    {0x180C0, 1, 6, 6, WordRule::Byte},   // state of plan r
    {0x180C6, 1, 0, 6, WordRule::Byte},   // memory channel of plan r
    {0x180CC, 1, 13, 1, WordRule::Byte},  // HF state
    {0x180CD, 1, 12, 1, WordRule::Byte},  // HF memory channel
    {0x180CE, 1, 15, 1, WordRule::Byte},  // HAM state
    {0x180CF, 1, 14, 1, WordRule::Byte},  // HAM memory channel
}};

// Roger-beep pattern n (1..8) takes 32 bytes from RogerBeepBase + 32 (n - 1):
// +0 Recycle, +1 Interval, +2.. the 14 tone frequencies, +16.. the 14 lengths.
constexpr std::uint32_t RogerBeepBase = 0x20100;
constexpr int RogerRecycleOffset = 0;
constexpr int RogerIntervalOffset = 1;
constexpr int RogerFreqOffset = 2;
constexpr int RogerLengthOffset = 16;
std::uint32_t RogerBeepAddress(int n);

// Weather: settings words 0..3 at 0x22060, words 4..6 at 0x22074; in-use and
// scan bitmaps; entries 0..39 of 8 bytes from 0x1C000, the VFO entry (40) at
// 0x1C180: four BCD bytes in 10 Hz, then the width byte. Every entry's scan
// bit is sent, in use or not; a VFO entry not in use is sent as FF FF FF FF.
inline constexpr std::array<WordRun, 2> WeatherSettingsLayout{{
    {0x22060, 1, 0, 4, WordRule::Byte},
    {0x22074, 1, 4, 3, WordRule::Byte},
}};
constexpr std::uint32_t WeatherInUseBitmap = 0x2206C;
constexpr std::uint32_t WeatherScanBitmap = 0x22064;
constexpr int WeatherVfoEntry = 40;
constexpr int WeatherCurrentChannelWord = 1;
std::uint32_t WeatherEntryAddress(int e);
// FreqMHz as the eight digits the radio keeps (units of 10 Hz); false when
// the value has no such form (negative, 1000 MHz or more, not finite).
bool WeatherFrequencyDigits(double freqMHz, std::string& digits);

}  // namespace ulbrix
