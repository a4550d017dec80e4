#include "editors/settings/DtmfMemories.h"

#include "core/GlobalState.h"
#include "core/ModFun.h"
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

}  // namespace

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
