#include "core/ChannelList.h"

#include <algorithm>

#include "core/GlobalState.h"

namespace ulbrix {

int UsedSlots(int band, int group) {
    return std::clamp<int>(WorkDocument.ChannelCount(band, group), 0, MaxSlot);
}

QString FrequencyTextToDigits(const QString& text) {
    const qsizetype dot = text.indexOf(QLatin1Char('.'));
    if (text.isEmpty() || dot < 0) return text;
    QString t = text;
    qsizetype p = dot + 1;  // 1-based position of the point
    while (p < 3) {
        t.prepend(QLatin1Char('0'));
        ++p;
    }
    return t.left(2) + t.mid(p);
}

bool AppendChannel(int band, int group, const ChannelRecord& record) {
    const int limit = SlotLimit(band, group);  // 0 outside the band's groups
    if (limit == 0) return false;
    Integer& count = WorkDocument.ChannelCount(band, group);
    if (count < 0 || count >= limit) return false;
    ++count;
    ChannelTable(band, count, group) = record;
    return true;
}

bool AddChannel(int number, int band, int group, const QString& frequency) {
    // A cleared record: nothing of whatever the slot held before survives
    // (tones, ANL, memory references of a channel removed earlier).
    ChannelRecord r;
    const std::string digits = FrequencyTextToDigits(frequency).toStdString();
    r.ChNo = static_cast<Integer>(number);
    r.InUse = 1;
    r.ScanAdd = 1;
    r.RxFreq = digits;
    r.TxFreq = digits;
    r.Mode = 0;
    r.NB = 1;
    return AppendChannel(band, group, r);
}

bool AddCbPlanFirstChannel(int plan) {
    // As the new-document template builds the plans: EU, PL (5 kHz below), DE,
    // EC, U and IN (AM) on the 40-channel plan, UK on its own.
    struct First {
        const char* mhz;
        Integer mode;
    };
    static constexpr First Firsts[7] = {{"26.965000", 0}, {"26.960000", 0}, {"26.965000", 0}, {"26.965000", 0},
                                        {"26.965000", 1}, {"26.965000", 1}, {"27.601250", 0}};
    if (plan < 1 || plan > 7) return false;
    const First& f = Firsts[plan - 1];
    if (!AddChannel(1, BandCB, plan, QString::fromLatin1(f.mhz))) return false;
    ChannelTable(BandCB, WorkDocument.ChannelCount(BandCB, plan), plan).Mode = f.mode;
    return true;
}

bool RemoveChannel(int slot, int band, int group) {
    if (SlotLimit(band, group) == 0) return false;
    Integer& count = WorkDocument.ChannelCount(band, group);
    if (slot < 1 || slot > count || count > MaxSlot) return false;
    for (int k = slot; k < count; ++k) ChannelTable(band, k, group) = ChannelTable(band, k + 1, group);
    // The slot the last channel moved out of holds no channel any more.
    ChannelTable(band, count, group) = ChannelRecord{};
    --count;
    return true;
}

}  // namespace ulbrix
