#include "core/ChannelList.h"

#include <algorithm>
#include <array>

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

// Channel n of the standard 40-channel plan in kHz (23 sits above 24 and 25).
constexpr std::array<int, 40> Cb40Khz = {
    26965, 26975, 26985, 27005, 27015, 27025, 27035, 27055, 27065, 27075,
    27085, 27105, 27115, 27125, 27135, 27155, 27165, 27175, 27185, 27205,
    27215, 27225, 27255, 27235, 27245, 27265, 27275, 27285, 27295, 27305,
    27315, 27325, 27335, 27345, 27355, 27365, 27375, 27385, 27395, 27405};

int CbPlanChannelCount(int plan) { return plan == 3 ? 80 : plan >= 1 && plan <= 7 ? 40 : 0; }

long CbPlanChannelHz(int plan, int n) {
    if (n < 1 || n > CbPlanChannelCount(plan)) return 0;
    if (plan == 7) return 27601250L + (n - 1) * 10000L;
    if (n > 40) return 26565000L + (n - 41) * 10000L;  // DE's channels below the 40
    const long hz = Cb40Khz[static_cast<std::size_t>(n - 1)] * 1000L;
    return plan == 2 ? hz - 5000 : hz;
}

Integer CbPlanMode(int plan) { return plan == 5 || plan == 6 ? 1 : 0; }  // U and IN on AM

bool AddCbPlanChannel(int plan, int n) {
    const long hz = CbPlanChannelHz(plan, n);
    if (hz == 0 || !AddChannel(n, BandCB, plan, QString::number(static_cast<double>(hz) / 1e6, 'f', 6))) return false;
    ChannelTable(BandCB, WorkDocument.ChannelCount(BandCB, plan), plan).Mode = CbPlanMode(plan);
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
