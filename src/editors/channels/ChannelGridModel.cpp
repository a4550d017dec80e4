#include "editors/channels/ChannelGridModel.h"

#include <algorithm>
#include <vector>

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModFreFile.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/FrequencyRules.h"

namespace ulbrix {

GridLayout GridLayoutOf(int band, int group) {
    GridLayout g;
    const int channels = SlotLimit(band, group);
    if (channels == 0) return g;
    const bool mem = group == MemGroupOf(band);
    const bool wide = mem || group == VfoGroupOf(band) || (band == BandCB && group == 3);
    g.frequencyWidthTw = wide ? 1520 : 1260;
    for (int r = 1; r <= channels; ++r)
        g.labels << (mem ? QStringLiteral("M") + QString::number(r) : QString::number(r));
    if (band == BandCB)
        for (int n = 1; n <= 16; ++n) g.labels << QStringLiteral("M") + QString::number(n);
    g.rows = static_cast<int>(g.labels.size()) + 1;
    return g;
}

bool IsSharedMemPlan(int band, int group) { return band == BandCB && (group == 5 || group == 7); }

int MemEntryOfRow(int band, int group, int row) {
    if (band != BandCB || group < 1 || group > 7) return 0;
    const int channels = SlotLimit(band, group);
    if (row <= channels || row > channels + 16) return 0;
    const int block = group == 7 ? 5 : group;
    return (block - 1) * 16 + (row - channels);
}

RowRecord RecordOfRow(int band, int group, int row) {
    RowRecord rr;
    if (SlotLimit(band, group) == 0 || row < 1) return rr;
    if (const int e = MemEntryOfRow(band, group, row)) {
        rr.record = &MemChannelList(e);
        rr.memEntry = e;
        return rr;
    }
    if (row > SlotLimit(band, group)) return rr;
    if (const int s = FindChannelPos(row, band, group)) {
        rr.record = &ChannelTable(band, s, group);
        rr.slot = s;
    }
    return rr;
}

int MemRefPlan(int group, const ChannelRecord& entry) {
    if (group == 5 || group == 7) return entry.MemRefBand > 0 ? 7 : 5;
    return group;
}

QString MemRowFrequency(int band, int group, const ChannelRecord& entry, bool* corrupt) {
    if (entry.InUse != 1 || entry.MemRefCh >= 255) return {};
    // The reference is the plan's channel number (the radio's position of the
    // channel), not a table slot: after a delete the two differ.
    const int plan = MemRefPlan(group, entry);
    const int s = FindChannelPos(entry.MemRefCh, band, plan);
    return s ? DigitsToFrequencyText(ChannelTable(band, s, plan).RxFreq, corrupt) : QString();
}

GridContents GridContentsOf(int band, int group) {
    GridContents c;
    const GridLayout layout = GridLayoutOf(band, group);
    const int rows = layout.rows - 1;
    c.cells = QStringList(rows, QString());
    const int channels = SlotLimit(band, group);
    for (int s = 1; s <= UsedSlots(band, group); ++s) {
        const ChannelRecord& r = ChannelTable(band, s, group);
        if (r.ChNo < 1 || r.ChNo > channels) continue;
        bool bad = false;
        c.cells[r.ChNo - 1] = r.InUse == 1 ? DigitsToFrequencyText(r.RxFreq, &bad) : QString();
        if (bad) ++c.corruptCells;
    }
    for (int row = channels + 1; row <= rows; ++row) {
        bool bad = false;
        if (const int e = MemEntryOfRow(band, group, row)) c.cells[row - 1] = MemRowFrequency(band, group, MemChannelList(e), &bad);
        if (bad) ++c.corruptCells;
    }
    return c;
}

QString RowFrequencyText(int band, int group, int row, bool* corrupt) {
    const RowRecord rr = RecordOfRow(band, group, row);
    if (!rr) return {};
    if (rr.memEntry) return MemRowFrequency(band, group, *rr.record, corrupt);
    return rr.record->InUse == 1 ? DigitsToFrequencyText(rr.record->RxFreq, corrupt) : QString();
}

int InitialGridRow(int band, int group) {
    if (band == BandCB) return 0;
    const int rows = SlotLimit(band, group);
    if (rows == 0) return 0;
    const int last = WorkDocument.LastRow(band, group);
    if (last >= 1 && last <= rows && RecordOfRow(band, group, last)) return last;
    if (last > 39 || last < 1 || last > rows) return 1;
    return last;
}

QStringList MemRefItems(int band, int group) {
    std::vector<int> numbers;
    for (int s = 1; s <= UsedSlots(band, group); ++s) {
        const ChannelRecord& r = ChannelTable(band, s, group);
        if (r.InUse == 1 && r.ChNo >= 1 && r.ChNo <= SlotLimit(band, group)) numbers.push_back(r.ChNo);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    QStringList items{QStringLiteral("Off")};
    for (int n : numbers) items << QString::number(n);
    return items;
}

}  // namespace ulbrix
