#include "link/RadioImage.h"

#include <stdexcept>

#include "core/Records.h"

namespace ulbrix {

namespace {

// Where each group's channel slots lie.
struct GroupBank {
    int band;
    int group;
    std::uint32_t base;
    int slots;
};

constexpr GroupBank Banks[] = {
    // CB: plan 3 ("DE") has 80 slots and so pushes plan 4 to 0x0A00.
    {BandCB, 1, 0x0000, 40}, {BandCB, 2, 0x0280, 40}, {BandCB, 3, 0x0500, 80}, {BandCB, 4, 0x0A00, 40},
    {BandCB, 5, 0x2000, 40}, {BandCB, 6, 0x2280, 40}, {BandCB, 7, 0x2500, 40},
    // HF
    {BandHF, 1, 0x4000, 40}, {BandHF, 2, 0x4280, 40}, {BandHF, 3, 0x4500, 40}, {BandHF, 4, 0x4780, 40},
    {BandHF, 5, 0x4A00, 40},
    {BandHF, 6, 0x6000, 40}, {BandHF, 7, 0x6280, 40}, {BandHF, 8, 0x6500, 40}, {BandHF, 9, 0x6780, 40},
    {BandHF, 10, 0x6A00, 40},
    {BandHF, 11, 0x8000, 40}, {BandHF, 12, 0x8280, 40}, {BandHF, 13, 0x8500, 40}, {BandHF, 14, 0x8780, 40},
    {BandHF, 15, 0x8A00, 40},
    {BandHF, 16, 0x12000, 99}, {BandHF, 17, 0x12640, 1},
    // HAM
    {BandHAM, 1, 0xA000, 40}, {BandHAM, 2, 0xA280, 40}, {BandHAM, 3, 0xA500, 40}, {BandHAM, 4, 0xA780, 40},
    {BandHAM, 5, 0xC000, 40}, {BandHAM, 6, 0xC280, 40}, {BandHAM, 7, 0xC500, 40}, {BandHAM, 8, 0xC780, 40},
    {BandHAM, 9, 0xE000, 40}, {BandHAM, 10, 0xE280, 40}, {BandHAM, 11, 0xE500, 40}, {BandHAM, 12, 0xE780, 40},
    {BandHAM, 13, 0x14000, 99}, {BandHAM, 14, 0x14640, 1},
};

const GroupBank* FindBank(int band, int group) {
    for (const auto& b : Banks)
        if (b.band == band && b.group == group) return &b;
    return nullptr;
}

void CheckAddress(std::uint32_t address) {
    if (address >= RadioImageSize) throw std::out_of_range("radio image address");
}

}  // namespace

void ClearImage() { RadioImage.fill(0); }

std::uint8_t ImageByte(std::uint32_t address) {
    CheckAddress(address);
    return RadioImage[address];
}

void SetImageByte(std::uint32_t address, std::uint8_t v) {
    CheckAddress(address);
    RadioImage[address] = v;
}

void OrImageByte(std::uint32_t address, std::uint8_t bits) {
    CheckAddress(address);
    RadioImage[address] |= bits;
}

std::int32_t NextValidAddress(std::int32_t a) {
    if (a >= static_cast<std::int32_t>(RadioWalkEnd)) return static_cast<std::int32_t>(RadioAddressSpace);
    for (const auto& h : HoleTable)
        if (a >= static_cast<std::int32_t>(h.from) && a < static_cast<std::int32_t>(h.to))
            return static_cast<std::int32_t>(h.to);
    return a;
}

bool IsExchangedAddress(std::uint32_t a) {
    // Holes are whole blocks, so a byte travels exactly when its block does.
    const auto block = static_cast<std::int32_t>(a - a % RadioBlockSize);
    return a < RadioAddressSpace && NextValidAddress(block) == block;
}

std::optional<std::uint32_t> ChannelSlotAddress(int band, int group, int n) {
    const GroupBank* b = FindBank(band, group);
    if (!b) return std::nullopt;
    if (b->slots == 1) return b->base;  // the VFO slot, whatever the number
    if (n < 1 || n > b->slots) return std::nullopt;
    return b->base + static_cast<std::uint32_t>(n - 1) * 16;
}

std::uint32_t MemorySlotAddress(int i) {
    if (i < 1 || i > MemListSize) throw std::out_of_range("memory list entry");
    return 0x10000 + static_cast<std::uint32_t>(i - 1) * 16;
}

std::optional<GroupBitmaps> GroupBitmapsOf(int band, int group) {
    const auto g = static_cast<std::uint32_t>(group - 1);
    switch (band) {
    case BandCB:
        if (group >= 1 && group <= 7) return GroupBitmaps{0x16000 + g * 5, 0x16200 + g * 5, 40};
        break;
    case BandHF:
        if (group == 16) return GroupBitmaps{0x16410, 0x16440, 99};
        if (group == 17) return GroupBitmaps{0x16080 + g * 5, 0x16280 + g * 5, 1};
        if (group >= 1 && group <= 15) return GroupBitmaps{0x16080 + g * 5, 0x16280 + g * 5, 40};
        break;
    case BandHAM:
        if (group == 13) return GroupBitmaps{0x16420, 0x16450, 99};
        if (group == 14) return GroupBitmaps{0x16100 + g * 5, 0x16300 + g * 5, 1};
        if (group >= 1 && group <= 12) return GroupBitmaps{0x16100 + g * 5, 0x16300 + g * 5, 40};
        break;
    default:
        break;
    }
    return std::nullopt;
}

bool ImageBit(std::uint32_t base, int k) {
    return (ImageByte(base + static_cast<std::uint32_t>(k / 8)) >> (k % 8)) & 1;
}

void SetImageBit(std::uint32_t base, int k) {
    OrImageByte(base + static_cast<std::uint32_t>(k / 8), static_cast<std::uint8_t>(1u << (k % 8)));
}

std::uint32_t MemRefAddress(int i) {
    if (i >= 1 && i <= 80) return MemRefBase + static_cast<std::uint32_t>(i - 1);
    if (i >= 81 && i <= 96) return MemRefHighBase + static_cast<std::uint32_t>(i - 81);
    throw std::out_of_range("memory list entry");
}

std::optional<std::array<std::uint8_t, 4>> DigitsToBcd(const std::string& digits) {
    if (digits.size() != 8) return std::nullopt;
    std::array<std::uint8_t, 4> out{};
    for (std::size_t k = 0; k < 4; ++k) {
        const char hi = digits[2 * k], lo = digits[2 * k + 1];
        if (hi < '0' || hi > '9' || lo < '0' || lo > '9') return std::nullopt;
        out[k] = static_cast<std::uint8_t>(((hi - '0') << 4) | (lo - '0'));
    }
    return out;
}

std::string BcdToText(std::uint32_t address) {
    static const char hex[] = "0123456789ABCDEF";
    std::string s;
    for (std::uint32_t k = 0; k < 4; ++k) {
        const std::uint8_t b = ImageByte(address + k);
        s += hex[b >> 4];
        s += hex[b & 15];
    }
    return s;
}

bool IsBcdFrequency(std::uint32_t address) {
    for (std::uint32_t k = 0; k < 4; ++k) {
        const std::uint8_t b = ImageByte(address + k);
        if ((b >> 4) > 9 || (b & 15) > 9) return false;
    }
    return true;
}

void SetNoFrequency(std::uint32_t address) {
    for (std::uint32_t k = 0; k < 4; ++k) SetImageByte(address + k, 0xFF);
}

}  // namespace ulbrix
