#include "core/ChannelList.h"

#include "core/GlobalState.h"

namespace ulbrix {

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

bool AddChannel(int number, int band, int group, const QString& frequency) {
    const int limit = SlotLimit(band, group);  // 0 outside the band's groups
    if (limit == 0) return false;
    Integer& count = WorkDocument.ChannelCount(band, group);
    if (count < 0 || count >= limit) return false;
    ++count;
    ChannelRecord& r = ChannelTable(band, count, group);
    const std::string digits = FrequencyTextToDigits(frequency).toStdString();
    r.ChNo = static_cast<Integer>(number);
    r.InUse = 1;
    r.ScanAdd = 1;
    r.RxFreq = digits;
    r.TxFreq = digits;
    r.TxToneType = 0;
    r.TxCtcss = 0;
    r.Reserved3 = 0;
    r.Mode = 0;
    r.HiCut = 0;
    r.NB = 1;
    r.Echo = 0;
    r.Add10K = 0;
    r.Busy = 0;
    r.RogerBeep = 0;
    r.RepShift = 0;
    r.Public = 0;
    r.DtmfBot = 0;
    r.DtmfEot = 0;
    r.DtmfCall = 0;
    return true;
}

}  // namespace ulbrix
