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
