#include "editors/settings/DtmfMemories.h"

#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModEnglishDTMF.h"
#include "core/ModFun.h"
#include "core/ModPubFun.h"
#include "editors/WindowCalls.h"
#include "editors/channels/ChannelReferences.h"

namespace ulbrix {

namespace {

FixedText<16>& memory(int n) {
    if (n < 1 || n > DtmfMemoryCount) throw std::out_of_range("DTMF memory number");
    return WorkDocument.Settings.DtmfAutodial.at(static_cast<std::size_t>(n));
}

bool keep(Integer& reference) {
    // A reference naming no memory that holds a code becomes 0.
    const auto kept = static_cast<Integer>(ValidDTMFIndex(reference));
    if (kept == reference) return false;
    reference = kept;
    return true;
}

bool keepChannel(ChannelRecord& r) {
    bool changed = keep(r.DtmfBot);
    changed |= keep(r.DtmfEot);
    changed |= keep(r.DtmfCall);
    return changed;
}

template <int W>
int getSetting() {
    return WorkDocument.Settings.DtmfSettings.at(W);
}
template <int W>
void setSetting(int v) {
    WorkDocument.Settings.DtmfSettings.at(W) = static_cast<Integer>(v);
}
int getDisp() { return ValidFlag(WorkDocument.Settings.DtmfSettings.at(5), 0); }

const ControlRow kEncodeRows[] = {
    {"Combo1_0", "Label1_0", &CapDtmfSendTime, [] { return NumberItems(10, 500, 10); }, getSetting<0>, setSetting<0>},
    {"Combo1_1", "Label1_1", &CapFirstDigitTime, [] { return NumberItems(0, 1000, 100); }, getSetting<1>,
     setSetting<1>},
    {"Combo1_2", "Label1_2", &CapFirstDigitDelay, [] { return NumberItems(100, 2500, 100); }, getSetting<2>,
     setSetting<2>},
    {"Combo1_3", "Label1_3", &CapStarHashTone,
     [] { return QStringList{QStringLiteral("Off"), QStringLiteral("100"), QStringLiteral("500"), QStringLiteral("1000")}; },
     getSetting<3>, setSetting<3>},
    {"Combo1_4", "Label1_4", &CapDCodeAssignment, [] { return TrItems(CapDCodeItems); }, getSetting<4>,
     setSetting<4>},
    {"Check1", nullptr, &CapDTMFDISP, nullptr, getDisp, setSetting<5>},
};

}  // namespace

std::span<const ControlRow> DtmfEncodeRows() { return kEncodeRows; }

bool IsDtmfKey(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'D') || (u >= 'a' && u <= 'd') || u == '*' || u == '#';
}

QString NormaliseDtmfText(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (out.size() >= DtmfMemoryLength) break;
        if (IsDtmfKey(c)) out += c.toUpper();
    }
    return out;
}

QString DtmfMemoryText(int n) { return FixedToQString(memory(n)); }

bool StoreDtmfMemory(int n, const QString& text) {
    FixedText<16>& field = memory(n);
    const QString value = NormaliseDtmfText(text);
    if (value == FixedToQString(field)) return false;
    field = QStringToFixed(value) + std::string(1, '\0');
    return true;
}

bool ClearStaleDtmfReferences() {
    bool changed = false;
    ForEachReferringChannel([&](ChannelRecord& ch) { changed |= keepChannel(ch); });
    for (PublicDefaults* pub : PublicGroups(WorkDocument.Settings))
        for (int w : {PubBot, PubEot, PubCall}) changed |= keep(pub->at(static_cast<std::size_t>(w)));
    return changed;
}

void SetDTMFList() {
    ClearStaleDtmfReferences();
    calls::ShowDTMF();
}

QValidator::State DtmfValidator::validate(QString& input, int& pos) const {
    const QString before = input.left(pos);
    input = NormaliseDtmfText(input);
    pos = std::min<int>(static_cast<int>(NormaliseDtmfText(before).size()), static_cast<int>(input.size()));
    return Acceptable;
}

}  // namespace ulbrix
