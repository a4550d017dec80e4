#include "link/ChannelCodec.h"

#include <algorithm>

#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "link/ChangedBlockMap.h"
#include "link/SettingsCodec.h"
#include "link/SpecialCodec.h"
#include "link/RadioImage.h"

namespace ulbrix {

namespace {

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Slot bytes 0..11 of a record; 12..15 stay as the cleared image has them.
void WriteSlot(std::uint32_t s, const ChannelRecord& r) {
    const std::string text = HexPad(r.RxFreq.str(), 8);
    if (const auto bcd = DigitsToBcd(text)) {
        for (std::uint32_t k = 0; k < 4; ++k) SetImageByte(s + k, (*bcd)[k]);
    } else {
        SetNoFrequency(s);
    }

    std::array<std::uint8_t, 16> b{};
    for (const SlotField& f : ChannelSlotLayout) {
        const int word = r.*f.field;
        if (f.kind == SlotKind::Byte) {
            // Out-of-range words are refused before a write; here only the low
            // byte could be sent.
            b[f.offset] = static_cast<std::uint8_t>(word & 0xFF);
        } else {
            // A one-bit field is on for any word but 0; wider fields keep to their bits.
            const int bits = f.width == 1 ? (word != 0 ? 1 : 0) : (word & SlotFieldMax(f));
            b[f.offset] |= static_cast<std::uint8_t>(bits << f.shift);
        }
    }
    if (b[SlotToneFlagOffset] & 0x3C) b[SlotToneFlagOffset] |= 1u << SlotToneFlagBit;
    for (int k = 4; k <= 11; ++k) SetImageByte(s + static_cast<std::uint32_t>(k), b[k]);
    MarkBlocksChanged(s, 16);
}

// The slot's frequency and attributes into r (which holds a new channel's
// defaults). False when bytes 0..3 are not a decimal frequency.
bool ReadSlot(std::uint32_t s, ChannelRecord& r) {
    const std::string text = BcdToText(s);
    if (!AllDigits(text)) return false;
    r.RxFreq = text;
    r.TxFreq = text;
    for (const SlotField& f : ChannelSlotLayout) {
        const int byte = ImageByte(s + static_cast<std::uint32_t>(f.offset));
        r.*f.field = static_cast<Integer>(f.kind == SlotKind::Byte ? byte : (byte >> f.shift) & SlotFieldMax(f));
    }
    return true;
}

// What a channel that a read brings in starts from: the values a new channel
// gets, so that nothing of whatever the table slot held before survives.
ChannelRecord NewChannelRecord(int number) {
    ChannelRecord r;
    r.ChNo = static_cast<Integer>(number);
    r.InUse = 1;
    r.ScanAdd = 1;
    r.Mode = 0;
    r.NB = 1;
    return r;
}

void SetBitmapBits(const GroupBitmaps& bm, int k, const ChannelRecord& r) {
    if (r.InUse != 0) SetImageBit(bm.present, k);
    if (r.ScanAdd != 0) SetImageBit(bm.scan, k);
    MarkBlocksChanged(bm.present + static_cast<std::uint32_t>(k / 8), 1);
    MarkBlocksChanged(bm.scan + static_cast<std::uint32_t>(k / 8), 1);
}

// The highest channel a memory entry may refer to: the slots of its CB plan
// (plan 3 has 80, the others 40; plans 5 and 7 share entries 65..80).
int MemRefLimit(int entry) { return (entry - 1) / 16 + 1 == 3 ? 80 : 40; }

int GroupCountToPack(int band, int group) {
    return std::clamp<int>(WorkDocument.ChannelCount(band, group), 0, SlotLimit(band, group));
}

}  // namespace

std::string HexPad(const std::string& text, int length) {
    std::string t = TrimNull(text);
    // Blanks or NULs only mean "no frequency", like an empty text.
    if (t.empty() || t == "FFFFFFFF") return "FFFFFFFF";
    while (static_cast<int>(t.size()) < length) t += '0';
    return t;
}

bool IsPackableFrequency(const std::string& rxFreq) {
    const std::string t = TrimNull(rxFreq);
    if (t.empty() || t == "FFFFFFFF") return true;
    // At least the two megahertz digits, so the shown and the sent value agree.
    return t.size() >= 2 && t.size() <= 8 && AllDigits(t);
}

int SlotsWalkedOnRead(int band, int group) {
    if (band == BandCB && group == 3) return 80;
    return SlotLimit(band, group);
}

void PackChannel(const ChannelRecord& record, int n, int group, int band) {
    const auto s = ChannelSlotAddress(band, group, n);
    const auto bm = GroupBitmapsOf(band, group);
    if (!s || !bm) return;
    WriteSlot(*s, record);
    const int k = bm->bits == 1 ? 0 : n - 1;  // the VFO always has bit 0
    if (k < bm->bits) SetBitmapBits(*bm, k, record);  // CB plan 3's channels 41..80 have no bits
}

void PackMemoryChannel(const ChannelRecord& record, int i) {
    WriteSlot(MemorySlotAddress(i), record);
    SetBitmapBits(MemoryListBitmaps, i - 1, record);
}

void PackImage() {
    ForEachWalkedGroup([](int band, int g) {
        const int count = GroupCountToPack(band, g);
        for (int slot = 1; slot <= count; ++slot) {
            const ChannelRecord& r = ChannelTable(band, slot, g);
            PackChannel(r, r.ChNo, g, band);
        }
        // A read takes the VFO slot as present whatever its bits say, so a
        // VFO without a channel must go out as "no frequency", not as 0 MHz.
        if (count == 0 && g == VfoGroupOf(band)) {
            if (const auto s = ChannelSlotAddress(band, g, 1)) {
                SetNoFrequency(*s);
                MarkBlocksChanged(*s, 4);
            }
        }
    });
    for (int i = 1; i <= MemListSize; ++i) PackMemoryChannel(MemChannelList(i), i);

    for (int i = 1; i <= MemListSize; ++i) {
        const ChannelRecord& e = MemChannelList(i);
        // 255 marks an empty entry; 0 names no channel either.
        const bool none = e.MemRefCh == 255 || e.MemRefCh < 1 || e.MemRefCh > 255;
        SetImageByte(MemRefAddress(i), none ? 0xFF : static_cast<std::uint8_t>(e.MemRefCh - 1));
        if (i >= 65 && i <= 80)
            SetImageByte(MemRefBandBase + static_cast<std::uint32_t>(i - 65), static_cast<std::uint8_t>(e.MemRefBand & 0xFF));
    }

    PackSettings(WorkDocument.Settings);
    PackRogerBeeps(WorkDocument.RogerBeep);
    PackEmergencyChannels();
    PackDualWatch();
    PackMemChannels();
    PackWxChannels();
}

void UnpackChannel(int band, int n, int group) {
    const auto s = ChannelSlotAddress(band, group, n);
    const auto bm = GroupBitmapsOf(band, group);
    if (!s || !bm) return;
    const int k = n - 1;
    bool present = false;
    int scan = 0;
    if (bm->bits == 1) {
        present = true;  // the VFO slot always holds a channel
        scan = ImageBit(bm->scan, 0) ? 1 : 0;
    } else if (k < bm->bits) {
        present = ImageBit(bm->present, k);
        scan = ImageBit(bm->scan, k) ? 1 : 0;
    } else {
        // CB plan 3's channels 41..80 have no bits: a slot holding a real
        // frequency is a channel.
        present = IsBcdFrequency(*s) && BcdToText(*s) != "00000000";
    }
    if (!present) return;

    Integer& count = WorkDocument.ChannelCount(band, group);
    if (count < 0 || count >= SlotLimit(band, group)) return;
    ChannelRecord r = NewChannelRecord(n);
    r.ScanAdd = static_cast<Integer>(scan);
    if (!ReadSlot(*s, r)) return;  // dropped: the next accepted channel takes the table slot
    ++count;
    ChannelTable(band, count, group) = r;
}

void UnpackMemoryChannels(int i) {
    const std::uint32_t s = MemorySlotAddress(i);
    if (!ImageBit(MemoryListBitmaps.present, i - 1)) return;
    ChannelRecord r = NewChannelRecord(i);
    r.ScanAdd = ImageBit(MemoryListBitmaps.scan, i - 1) ? 1 : 0;
    if (BcdToText(s) == "00000000" || !ReadSlot(s, r)) {
        // Dropped, but its number and the radio's scan bit stay: the next
        // write sends that scan bit for the entry.
        ChannelRecord& e = MemChannelList(i);
        e.InUse = 0;
        e.ChNo = r.ChNo;
        e.ScanAdd = r.ScanAdd;
        return;
    }
    MemChannelList(i) = r;
}

void UnpackImage() {
    for (int band = 0; band < BandCount; ++band)
        for (int g = 1; g <= MaxGroup; ++g) {
            WorkDocument.ChannelCount(band, g) = 0;
            for (int slot = 1; slot <= MaxSlot; ++slot) ChannelTable(band, slot, g).ChNo = 0;
        }

    UnpackSettings(WorkDocument.Settings);

    for (int band = 0; band < BandCount; ++band)
        for (int g = 1; g <= MaxGroup; ++g)
            for (int slot = 1; slot <= MaxSlot; ++slot) ChannelTable(band, slot, g).InUse = 0;
    for (int i = 1; i <= MemListSize; ++i) MemChannelList(i).InUse = 0;

    ForEachWalkedGroup([](int band, int g) {
        WorkDocument.ChannelCount(band, g) = 0;
        for (int n = 1; n <= SlotsWalkedOnRead(band, g); ++n) UnpackChannel(band, n, g);
    });

    for (int i = 1; i <= MemListSize; ++i) UnpackMemoryChannels(i);

    for (int i = 1; i <= MemListSize; ++i) {
        ChannelRecord& e = MemChannelList(i);
        const int byte = ImageByte(MemRefAddress(i));
        // A reference past the plan's channels would index past the channel
        // table: it reads as no reference.
        e.MemRefCh = static_cast<Integer>(byte == 0xFF || byte + 1 > MemRefLimit(i) ? 255 : byte + 1);
        if (i >= 65 && i <= 80) e.MemRefBand = ImageByte(MemRefBandBase + static_cast<std::uint32_t>(i - 65));
    }

    UnpackRogerBeeps(WorkDocument.RogerBeep);
    UnpackEmergencyChannels();
    UnpackDualWatch();
    UnpackMemChannels();
    UnpackWxChannels();
}

}  // namespace ulbrix
