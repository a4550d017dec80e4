#include "editors/channels/ChannelTableEdit.h"

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModFreFile.h"
#include "core/ModMsg.h"
#include "editors/channels/ChannelReferences.h"
#include "editors/channels/FrequencyRules.h"
#include "platform/MsgBox.h"

namespace ulbrix {

namespace {

CellCommit Commit(int band, int group, int row, const QString& text) {
    const QString typed = text.trimmed();
    QString valid;
    if (!typed.isEmpty()) {
        const auto checked = CheckTypedFrequency(typed, ChannelBandLimits(band));
        if (!checked) {
            platform::MsgBox(Tr(MsgFreqOutOfRange), platform::MsgButtons::Ok, platform::MsgIcon::Exclamation);
            return CellCommit::Rejected;
        }
        valid = *checked;
    }
    const int slot = FindChannelPos(row, band, group);
    if (slot > 0 && !valid.isEmpty()) {
        ChannelRecord& r = ChannelTable(band, slot, group);
        // The same frequency again stores nothing (the field keeps its digits).
        if (DigitsToFrequencyText(r.RxFreq) == valid) return CellCommit::Unchanged;
        SetRecordFreq(r, 1, valid);
        return CellCommit::Changed;
    }
    if (slot > 0) {
        // The VFO group always holds its one channel.
        if (group == VfoGroupOf(band)) return CellCommit::Unchanged;
        const bool mem = group == MemGroupOf(band);
        if (!mem && CountGroupChannels(band, group) < 2) {
            // The last numbered channel: only while another valid group keeps one.
            if (CountValidGroupChannels(band, group, row) <= 0) return CellCommit::Unchanged;
            WorkDocument.Settings.GroupValid(band, group) = 0;
        }
        RemoveChannel(slot, band, group);
        RevalidateChannelRefs(band, group);
        return CellCommit::Removed;
    }
    if (valid.isEmpty()) return CellCommit::Unchanged;
    if (!AddChannel(row, band, group, valid)) return CellCommit::Unchanged;
    RevalidateChannelRefs(band, group);
    return CellCommit::Added;
}

}  // namespace

CellCommit EditChannelCell(int band, int group, int row, int column, const QString& text) {
    const int rows = SlotLimit(band, group);
    if (column != 1 || band == BandCB || rows == 0 || row < 1 || row > rows) return CellCommit::Unchanged;
    const CellCommit result = Commit(band, group, row, text);
    if (ChInfoLoaded && ReShowGridHook) ReShowGridHook(row);
    return result;
}

}  // namespace ulbrix
