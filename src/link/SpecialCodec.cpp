#include "link/SpecialCodec.h"

#include <cmath>
#include <stdexcept>

#include "core/GlobalState.h"
#include "link/RadioImage.h"

namespace ulbrix {

namespace {

std::uint8_t Low(long v) { return static_cast<std::uint8_t>(v & 0xFF); }

std::uint32_t RunAddress(const WordRun& run, int j) {
    return run.address + static_cast<std::uint32_t>(j * run.step);
}

template <std::size_t N, std::size_t W>
void PackWords(const std::array<WordRun, N>& layout, const std::array<Integer, W>& words) {
    for (const WordRun& run : layout)
        for (int j = 0; j < run.count; ++j)
            SetImageByte(RunAddress(run, j), Low(words.at(static_cast<std::size_t>(run.firstWord + j))));
}

Integer ReadWord(const WordRun& run, int j) {
    const int byte = ImageByte(RunAddress(run, j));
    switch (run.rule) {
    case WordRule::HfGroup: return static_cast<Integer>(byte > 14 ? 0 : byte);
    case WordRule::HamGroup: return static_cast<Integer>(byte > 11 ? 0 : byte);
    case WordRule::Byte: break;
    }
    return static_cast<Integer>(byte);
}

// The record is rebuilt from the image alone: nothing of the old one survives.
template <std::size_t N, std::size_t W>
std::array<Integer, W> UnpackWords(const std::array<WordRun, N>& layout) {
    std::array<Integer, W> words{};
    for (const WordRun& run : layout)
        for (int j = 0; j < run.count; ++j) words.at(static_cast<std::size_t>(run.firstWord + j)) = ReadWord(run, j);
    return words;
}

}  // namespace

void PackEmergencyChannels() { PackWords(EmergencyLayout, WorkDocument.Emergency.w); }
void PackDualWatch() { PackWords(DualWatchLayout, WorkDocument.DualWatch.w); }
void PackMemChannels() { PackWords(MemChannelSetLayout, WorkDocument.MemChannelSet.w); }

void UnpackEmergencyChannels() { WorkDocument.Emergency.w = UnpackWords<EmergencyLayout.size(), 36>(EmergencyLayout); }
void UnpackDualWatch() { WorkDocument.DualWatch.w = UnpackWords<DualWatchLayout.size(), 18>(DualWatchLayout); }
void UnpackMemChannels() {
    WorkDocument.MemChannelSet.w = UnpackWords<MemChannelSetLayout.size(), 16>(MemChannelSetLayout);
}

std::uint32_t RogerBeepAddress(int n) {
    if (n < 1 || n > 8) throw std::out_of_range("roger-beep pattern");
    return RogerBeepBase + 32 * static_cast<std::uint32_t>(n - 1);
}

void PackRogerBeeps(const std::array<RogerBeepPattern, 9>& patterns) {
    for (int n = 1; n <= 8; ++n) {
        const RogerBeepPattern& p = patterns[static_cast<std::size_t>(n)];
        const std::uint32_t b = RogerBeepAddress(n);
        SetImageByte(b + RogerRecycleOffset, Low(p.Recycle));
        SetImageByte(b + RogerIntervalOffset, Low(p.Interval));
        for (int t = 1; t <= 14; ++t) {
            SetImageByte(b + RogerFreqOffset + static_cast<std::uint32_t>(t - 1), Low(p.Tone[static_cast<std::size_t>(t)].Freq));
            SetImageByte(b + RogerLengthOffset + static_cast<std::uint32_t>(t - 1), Low(p.Tone[static_cast<std::size_t>(t)].Length));
        }
    }
}

void UnpackRogerBeeps(std::array<RogerBeepPattern, 9>& patterns) {
    for (int n = 1; n <= 8; ++n) {
        RogerBeepPattern& p = patterns[static_cast<std::size_t>(n)];
        const std::uint32_t b = RogerBeepAddress(n);
        p.Recycle = ImageByte(b + RogerRecycleOffset);
        p.Interval = ImageByte(b + RogerIntervalOffset);
        for (int t = 1; t <= 14; ++t) {
            p.Tone[static_cast<std::size_t>(t)].Freq = ImageByte(b + RogerFreqOffset + static_cast<std::uint32_t>(t - 1));
            p.Tone[static_cast<std::size_t>(t)].Length = ImageByte(b + RogerLengthOffset + static_cast<std::uint32_t>(t - 1));
        }
    }
}

std::uint32_t WeatherEntryAddress(int e) {
    if (e == WeatherVfoEntry) return 0x1C180;
    if (e < 0 || e > WeatherVfoEntry) throw std::out_of_range("weather entry");
    return 0x1C000 + 8 * static_cast<std::uint32_t>(e);
}

bool WeatherFrequencyDigits(double freqMHz, std::string& digits) {
    if (!std::isfinite(freqMHz)) return false;
    const double units = std::round(freqMHz * 100000.0);
    if (units < 0 || units > 99999999.0) return false;
    digits = std::to_string(static_cast<long long>(units));
    digits.insert(0, 8 - digits.size(), '0');
    return true;
}

void PackWxChannels() {
    GeneralSettingsRecord& s = WorkDocument.Settings;
    PackWords(WeatherSettingsLayout, s.Weather.w);
    for (int e = 0; e <= WeatherVfoEntry; ++e) {
        const WeatherChannelRecord& w = s.WeatherChannel[static_cast<std::size_t>(e)];
        // The scan bit is read for an entry not in use too, so it is kept.
        if (w.ScanAdd != 0) SetImageBit(WeatherScanBitmap, e);
        const std::uint32_t a = WeatherEntryAddress(e);
        if (w.InUse == 0) {
            // A read takes the VFO entry as in use unless its frequency is
            // erased; the other entries' bytes stay 0.
            if (e == WeatherVfoEntry) SetNoFrequency(a);
            continue;
        }
        SetImageBit(WeatherInUseBitmap, e);
        std::string digits;
        const auto bcd = WeatherFrequencyDigits(w.FreqMHz, digits) ? DigitsToBcd(digits) : std::nullopt;
        if (bcd) {
            for (std::uint32_t k = 0; k < 4; ++k) SetImageByte(a + k, (*bcd)[k]);
        } else {
            SetNoFrequency(a);  // refused before a write; reads back as not in use
        }
        SetImageByte(a + 4, Low(w.Wide));
    }
}

void UnpackWxChannels() {
    GeneralSettingsRecord& s = WorkDocument.Settings;
    const Integer oldCurrent = s.Weather.w[WeatherCurrentChannelWord];
    s.Weather.w = UnpackWords<WeatherSettingsLayout.size(), 7>(WeatherSettingsLayout);
    // The current channel indexes the 41 entries.
    Integer& current = s.Weather.w[WeatherCurrentChannelWord];
    if (current > WeatherVfoEntry) current = (oldCurrent >= 0 && oldCurrent <= WeatherVfoEntry) ? oldCurrent : 0;

    for (int e = 0; e <= WeatherVfoEntry; ++e) {
        WeatherChannelRecord& w = s.WeatherChannel[static_cast<std::size_t>(e)];
        if (e < WeatherVfoEntry) {
            w.InUse = ImageBit(WeatherInUseBitmap, e) ? 1 : 0;
            w.ScanAdd = ImageBit(WeatherScanBitmap, e) ? 1 : 0;
        } else {
            w.InUse = 1;  // the VFO entry's bits are not read
        }
        if (w.InUse != 1) continue;
        const std::uint32_t a = WeatherEntryAddress(e);
        if (IsBcdFrequency(a)) {
            w.FreqMHz = std::stoll(BcdToText(a)) / 100000.0;
            w.Wide = ImageByte(a + 4) & 1;
        } else {
            w.InUse = 0;
        }
    }
}

}  // namespace ulbrix
