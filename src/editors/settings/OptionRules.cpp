#include "editors/settings/OptionRules.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/ModEnglishOpt.h"
#include "core/GlobalState.h"
#include "core/ModFun.h"
#include "core/ModPubFun.h"
#include "editors/settings/RogerBeepRules.h"

namespace ulbrix {

// ---- fields ----

long FieldValue(const FieldRef& f, const DocumentImage& d) {
    if (f.empty()) return 0;
    const void* p = f.address(const_cast<DocumentImage&>(d));
    return f.width == FieldRef::Width::Byte8 ? long{*static_cast<const Byte*>(p)}
                                             : long{*static_cast<const Integer*>(p)};
}

long FieldMax(const FieldRef& f) {
    switch (f.width) {
    case FieldRef::Width::Byte8: return 255;
    case FieldRef::Width::Int16: return 32767;
    default: return 0;
    }
}

void SetFieldValue(const FieldRef& f, DocumentImage& d, long v) {
    if (f.empty()) return;
    const long lo = f.width == FieldRef::Width::Byte8 ? 0 : -32768;
    if (v < lo || v > FieldMax(f)) return;
    void* p = f.address(d);
    if (f.width == FieldRef::Width::Byte8) *static_cast<Byte*>(p) = static_cast<Byte>(v);
    else *static_cast<Integer*>(p) = static_cast<Integer>(v);
}

bool SameField(const FieldRef& a, const FieldRef& b) {
    if (a.empty() || b.empty()) return false;
    DocumentImage& d = WorkDocument;
    return a.address(d) == b.address(d);
}

// ---- single rules ----

namespace {

long RoundHalfAway(double x) {
    // The small lift keeps decimal halves (16.85 * 10) from falling short.
    const double a = std::floor(std::abs(x) + 0.5 + 1e-9);
    return static_cast<long>(x < 0 ? -a : a);
}

constexpr int ModeBoxFirstId = 105;

const FieldRef& SwitchField(int band) {
    static const FieldRef none{};
    const OptionRow* row = FindOptionRow(band == BandCB ? 58 : band == BandHF ? 60 : band == BandHAM ? 62 : -1);
    return row ? row->field : none;
}

}  // namespace

int TotIndexOf(int tot) { return static_cast<int>(std::lround(tot / 3.0)); }

QStringList KeyListItems(bool withVfo) {
    QStringList items = TrItems(CapKeyFunction);
    if (!withVfo && items.size() > 2) items.removeAt(2);
    return items;
}

int KeyEntryOfText(const QString& text) {
    const auto k = TrItems(CapKeyFunction).indexOf(text);
    return k >= 0 ? static_cast<int>(k) : 0;
}

bool PfKeyEnabled(int handType) { return handType == 0 || handType == 1; }

bool ApplyPublicSwitch(int band, int v) {
    const FieldRef& field = SwitchField(band);
    if (field.empty() || FieldValue(field, WorkDocument) == v) return false;
    for (int g = 1; g <= GroupsOfBand(band); ++g) {
        // Every slot, used or not; CB writes its 40 numbered slots only.
        const int slotCount = band == BandCB ? 40 : SlotLimit(band, g);
        for (int s = 1; s <= slotCount; ++s) ChannelTable(band, s, g).Public = static_cast<Integer>(v);
    }
    return true;
}

int ModeEnableResult(int newValue, const std::array<int, 6>& values, int own) {
    if (newValue > 0) return newValue;
    int others = 0;
    for (int k = 0; k < 6; ++k)
        if (k != own && values.at(static_cast<std::size_t>(k)) > 0) ++others;
    return others < 1 ? 1 : 0;
}

VoxEnables VoxEnablesOf(int voxOnOff, int levelIndex) {
    const bool on = voxOnOff != 0;
    return {on, on && levelIndex > 0};
}

// ---- showing ----

ShownItem ShownValue(const OptionRow& row, const QStringList& items) {
    const long v = FieldValue(row.field, WorkDocument);
    switch (row.rule) {
    case OptRule::Inert:
    case OptRule::StoreOnly:
        return {};
    case OptRule::Tot:
        // The rounded quotient decides; a value past the last item reads in seconds.
        return ShowIndex(items, TotIndexOf(static_cast<int>(v)), QStringLiteral("%1s").arg(v * 10));
    case OptRule::ClaSet:
        // T and RT stay stored in CB, whose list lacks them; they show as Off.
        if (WorkDocument.Band == BandCB && v > 1) return ShowIndex(items, 0, QString());
        return ShowAt(items, v);
    case OptRule::CwFreq:
        return ShowIndex(items, static_cast<int>(v) - 30, QString::number(v * 10));
    case OptRule::Key:
        return ShowEntry(TrItems(CapKeyFunction), v, items);
    case OptRule::BeepHigh:
        return ShowAt(items, (v / 128) & 1);
    case OptRule::BeepLow:
        return ShowAt(items, v & 127);
    case OptRule::Roger:
        // A pattern the list does not offer shows Off; the pattern clean-up
        // clears such a reference.
        return {v == 0 ? SelectComboIndex(items, 0) : SelectComboText(items, QString::number(v - 127)), QString()};
    case OptRule::Dtmf:
        return {SelectComboText(items, QString::number(v)), QString()};
    case OptRule::Mode:
        return ShowEntry(FillModeCombo(), v, items);
    case OptRule::Flag:
    case OptRule::ModeEnable:
        return {ValidFlag(static_cast<int>(v), static_cast<Integer>(row.flagDefault)), QString()};
    case OptRule::NoField:
        return {0, QString()};
    case OptRule::Index:
    case OptRule::HandType:
    case OptRule::PublicSwitch:
    case OptRule::VoxSwitch:
    case OptRule::VoxLevel:
        break;
    }
    return ShowAt(items, v);
}

// ---- storing ----

StoreResult StorePick(const OptionRow& row, int index, const QStringList& items,
                      const std::function<int(int id)>& indexOf) {
    StoreResult r;
    if (index < 0) return r;
    const bool isList = row.kind == OptKind::List;
    if (isList && index >= items.size()) throw std::out_of_range("option list index");
    DocumentImage& d = WorkDocument;
    long value = index;
    switch (row.rule) {
    case OptRule::Inert:
    case OptRule::NoField:
        return r;
    case OptRule::Tot: value = index * 3L; break;
    case OptRule::CwFreq: value = index + 30L; break;
    case OptRule::Key: value = KeyEntryOfText(items.at(index)); break;
    case OptRule::BeepHigh: {
        // Only the half the user picked changes.
        const long w = FieldValue(row.field, d);
        value = index * 128L + (w & 127);
        break;
    }
    case OptRule::BeepLow: {
        const long w = FieldValue(row.field, d);
        value = ((w / 128) & 1) * 128L + index;
        break;
    }
    case OptRule::Roger: value = index == 0 ? 0 : RBReferenceOf(ValOrDefault(items.at(index), Integer{0})); break;
    case OptRule::Dtmf: value = ValOrDefault(items.at(index), Integer{0}); break;
    case OptRule::Mode: {
        const auto code = FillModeCombo().indexOf(items.at(index));
        value = code >= 0 ? code : 0;
        break;
    }
    case OptRule::PublicSwitch:
        r.reopenChannelEditor = ApplyPublicSwitch(row.band, index);
        break;
    case OptRule::ModeEnable: {
        std::array<int, 6> values{};
        const int own = row.id - ModeBoxFirstId;
        for (int k = 0; k < 6; ++k) values.at(static_cast<std::size_t>(k)) = k == own ? index : indexOf(ModeBoxFirstId + k);
        value = ModeEnableResult(index, values, own);
        break;
    }
    case OptRule::Flag: value = index != 0 ? 1 : 0; break;
    case OptRule::VoxLevel:
    case OptRule::VoxSwitch: r.voxEnables = true; break;
    case OptRule::HandType: r.keyEnables = true; break;
    case OptRule::Index:
    case OptRule::ClaSet:
    case OptRule::StoreOnly:
        break;
    }
    SetFieldValue(row.field, d, value);
    r.stored = true;
    r.value = static_cast<int>(value);
    return r;
}

// ---- text boxes ----

QString FormatTenths(long tenths) {
    const long a = std::labs(tenths);
    return QStringLiteral("%1%2.%3").arg(tenths < 0 ? "-" : "").arg(a / 10).arg(a % 10);
}

QString FormatTxRep(long value) {
    const long a = std::labs(value);
    return QStringLiteral("%1%2.%3").arg(value < 0 ? "-" : "").arg(a / 10000).arg(a % 10000, 4, 10, QLatin1Char('0'));
}

bool ParseNumber(const QString& text, double& value) {
    const auto v = NumericValue(text);
    if (!v || !std::isfinite(*v)) return false;
    value = *v;
    return true;
}

QString ShownText(const TextRow& row) {
    const GeneralSettingsRecord& s = WorkDocument.Settings;
    switch (row.rule) {
    case TextRule::Swr: return FormatTenths(s.LevelSetC);
    case TextRule::BatteryMin: return FormatTenths(s.LevelSetA);
    case TextRule::BatteryMax: return FormatTenths(s.LevelSetB);
    case TextRule::Rssi: return QString::number(WorkDocument.RssiThreshold.at(static_cast<std::size_t>(row.index)) + 1);
    case TextRule::TxRep: return FormatTxRep(s.OptionLong);
    case TextRule::Name: return FixedToQString(s.OptionText);
    }
    return QString();
}

namespace {
long ClampedTenths(const QString& text, double lo, double hi, long fallback) {
    double v = 0;
    if (!ParseNumber(text, v)) return fallback;
    return RoundHalfAway(std::clamp(v, lo, hi) * 10);
}
}  // namespace

void CommitLimitTexts(TextRule which, std::array<QString, 3>& texts) {
    GeneralSettingsRecord& s = WorkDocument.Settings;
    if (which == TextRule::Swr) {
        const long t = ClampedTenths(texts[0], 1.2, 20.0, 200);
        texts[0] = FormatTenths(t);
        s.LevelSetC = static_cast<Integer>(t);
        return;
    }
    if (which != TextRule::BatteryMin && which != TextRule::BatteryMax) return;
    // Both boxes are brought into range together, so a swap never moves an
    // out-of-range value from a damaged file into the record.
    long lo = ClampedTenths(texts[1], 9.0, 29.0, 90);
    long hi = ClampedTenths(texts[2], 9.0, 29.0, 90);
    if (hi < lo) std::swap(lo, hi);
    texts[1] = FormatTenths(lo);
    texts[2] = FormatTenths(hi);
    s.LevelSetA = static_cast<Integer>(lo);
    s.LevelSetB = static_cast<Integer>(hi);
}

int CheckRssiOrder(int i, const QString& text, const std::array<Integer, 12>& t) {
    if (i < 0 || i > 11) throw std::out_of_range("RSSI box index");
    auto T = [&](int k) { return int{t.at(static_cast<std::size_t>(k))}; };
    double v = 0;
    if (!ParseNumber(text, v)) return T(i);
    long n = std::lround(std::clamp(v, -1e6, 1e6)) - 1;
    n = std::clamp(n, 0L, 35L);
    bool ok;
    if (i == 0 || i == 6) ok = n < T(i + 1);
    else if (i == 5 || i == 11) ok = n > T(i - 1);
    else ok = T(i - 1) < n && n < T(i + 1);
    return ok ? static_cast<int>(n) : T(i);
}

QString CommitText4(const TextRow& row, const QString& text) {
    switch (row.rule) {
    case TextRule::Rssi: {
        const int n = CheckRssiOrder(row.index, text, WorkDocument.RssiThreshold);
        WorkDocument.RssiThreshold.at(static_cast<std::size_t>(row.index)) = static_cast<Integer>(n);
        return QString::number(n + 1);
    }
    case TextRule::TxRep: {
        double v = 0;
        const long value = ParseNumber(text, v) ? RoundHalfAway(std::clamp(v, 0.0001, 5.0) * 10000) : 50000;
        WorkDocument.Settings.OptionLong = static_cast<Long>(value);
        return FormatTxRep(value);
    }
    case TextRule::Name: {
        const QString t = TrimNull(text);
        WorkDocument.Settings.OptionText = QStringToFixed(t);
        return t;
    }
    default:
        return text;
    }
}

}  // namespace ulbrix
