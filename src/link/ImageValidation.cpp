#include "link/ImageValidation.h"

#include <algorithm>
#include <set>

#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "core/ModMsg.h"
#include "link/ChannelCodec.h"
#include "link/SettingsCodec.h"
#include "link/SpecialCodec.h"

namespace ulbrix {

namespace {

const char* BandName(int band) { return band == BandCB ? "CB" : band == BandHF ? "HF" : "HAM"; }

// A text from a record, shown so that blanks, NULs and other control bytes can be seen.
QString Shown(const std::string& raw) {
    QString out;
    for (const char c : raw) {
        const auto u = static_cast<unsigned char>(c);
        if (u == 0) out += QStringLiteral("\\0");
        else if (u < 32 || u == 127) out += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0'));
        else out += QChar(u);
    }
    return out;
}

using Place = ProblemPlace;

QString GroupLabel(const DocumentImage& doc, int b, int g) {
    if (g == MemGroupOf(b)) return QStringLiteral("MEM");
    if (g == VfoGroupOf(b)) return QStringLiteral("VFO");
    return QString::fromLatin1(TrimNull(doc.Settings.GroupName(b, g)));
}

class Checker {
public:
    Checker(const DocumentImage& d, const ChannelTableType& t, const MemChannelListType& m) : doc(d), table(t), mem(m) {}

    std::vector<ImageProblem> run() {
        checkDocument();
        for (int b = 0; b < BandCount; ++b) {
            checkBandSettings(b);
            for (int g = 1; g <= GroupsOfBand(b); ++g) checkGroupChannels(b, g);
        }
        checkMemoryList();
        checkDtmf();
        checkOptions();
        checkSpecialRecords();
        checkRogerBeeps();
        checkWeather();
        return problems;
    }

private:
    const DocumentImage& doc;
    const ChannelTableType& table;
    const MemChannelListType& mem;
    std::vector<ImageProblem> problems;

    Place options() const { return OptionsPlace(); }
    Place band(int b) const { return {b, 0, 0, QString::fromLatin1(BandName(b)), QString::fromLatin1(BandName(b))}; }
    Place group(int b, int g) const { return GroupPlace(doc, b, g); }
    Place channel(int b, int g, int n) const { return ChannelPlace(doc, b, g, n); }
    Place slot(int b, int g, int s) const {
        Place p = group(b, g);
        p.en += QStringLiteral(", table slot %1").arg(s);
        p.zh += QStringLiteral("，第 %1 行").arg(s);
        return p;
    }
    Place memoryEntry(int i) const { return MemoryEntryPlace(doc, i); }

    void add(const Place& p, const QString& field, const QString& en, const QString& zh) {
        problems.push_back(MakeProblem(p, field, en, zh));
    }

    void range(const Place& p, const QString& field, long v, long lo, long hi) {
        if (v >= lo && v <= hi) return;
        if (lo == 0 && hi == 1)
            add(p, field, QStringLiteral("is %1 but must be 0 or 1").arg(v), QStringLiteral("为 %1，必须为 0 或 1").arg(v));
        else
            add(p, field, QStringLiteral("is %1, outside %2 to %3").arg(v).arg(lo).arg(hi),
                QStringLiteral("为 %1，超出 %2 至 %3 的范围").arg(v).arg(lo).arg(hi));
    }
    void byte(const Place& p, const QString& field, long v) { range(p, field, v, 0, 255); }
    void flag(const Place& p, const QString& field, long v) { range(p, field, v, 0, 1); }

    void checkDocument() {
        range(options(), QStringLiteral("Band"), doc.Band, 0, 2);
        for (const auto& m : ModeEnableLayout) flag(options(), QString::fromLatin1(m.name), doc.*m.field);
    }

    void checkBandSettings(int b) {
        const auto bi = static_cast<std::size_t>(b);
        range(band(b), QStringLiteral("CurGroupIndex"), doc.Settings.CurGroupIndex[bi], 0, GroupsOfBand(b));
        byte(band(b), QStringLiteral("CurGroupAux"), doc.Settings.CurGroupAux[bi]);
        for (int g = 1; g <= NamedGroupsOf(b); ++g) flag(group(b, g), QStringLiteral("GroupValid"), doc.Settings.GroupValid(b, g));
        for (int g = 1; g <= WorkChannelGroupsOf(b); ++g)
            range(group(b, g), QStringLiteral("WorkChannel"), doc.Settings.WorkChannel(b, g), 1, SlotLimit(b, g));

        const PublicDefaults& pub = PublicOf(doc.Settings, b);
        const QString name = b == BandCB ? QStringLiteral("CBPublic") : b == BandHAM ? QStringLiteral("HAMPublic") : QStringLiteral("HFPublic");
        for (const auto& f : PublicFlagLayout)
            flag(band(b), QStringLiteral("%1(%2)").arg(name).arg(f.word), pub[static_cast<std::size_t>(f.word)]);
        byte(band(b), QStringLiteral("%1(%2)").arg(name).arg(PubRoger), pub[PubRoger]);
        byte(band(b), QStringLiteral("%1(%2)").arg(name).arg(PubMode), pub[PubMode]);
    }

    // What the slot of a channel or memory entry carries.
    void checkSlot(const Place& p, const ChannelRecord& r) {
        flag(p, QStringLiteral("InUse"), r.InUse);
        flag(p, QStringLiteral("ScanAdd"), r.ScanAdd);
        if (!IsPackableFrequency(r.RxFreq.str()))
            add(p, QStringLiteral("RxFreq"),
                QStringLiteral("\"%1\" is not a frequency (8 digits, blank or FFFFFFFF)").arg(Shown(r.RxFreq.str())),
                QStringLiteral("\"%1\" 不是有效频率（8 位数字、空白或 FFFFFFFF）").arg(Shown(r.RxFreq.str())));
        for (const SlotField& f : ChannelSlotLayout) range(p, QString::fromLatin1(f.name), r.*f.field, 0, SlotFieldMax(f));
    }

    void checkGroupChannels(int b, int g) {
        const int limit = SlotLimit(b, g);
        const int count = doc.ChannelCount(b, g);
        if (count < 0 || count > limit) {
            // The slots past the limit are stale; one clear problem is enough.
            range(group(b, g), QStringLiteral("ChannelCount"), count, 0, limit);
            return;
        }
        const bool vfo = g == VfoGroupOf(b);  // its one slot is fixed, whatever the number
        std::set<int> seen;
        for (int s = 1; s <= count; ++s) {
            const ChannelRecord& r = table(b, s, g);
            if (!vfo && (r.ChNo < 1 || r.ChNo > limit)) {
                range(slot(b, g, s), QStringLiteral("ChNo"), r.ChNo, 1, limit);
                continue;
            }
            if (!vfo && !seen.insert(r.ChNo).second)
                add(channel(b, g, r.ChNo), QStringLiteral("ChNo"), QStringLiteral("is used by two channels of the group"),
                    QStringLiteral("在该组中被两个信道使用"));
            checkSlot(channel(b, g, r.ChNo), r);
        }
    }

    void checkMemoryList() {
        for (int i = 1; i <= MemListSize; ++i) {
            const ChannelRecord& e = mem(i);
            checkSlot(memoryEntry(i), e);
            // 0 and 255 both mean "no reference"; anything else names a channel of the plan.
            if (e.MemRefCh != 0 && e.MemRefCh != 255)
                range(memoryEntry(i), QStringLiteral("MemRefCh"), e.MemRefCh, 1, (i - 1) / 16 + 1 == 3 ? 80 : 40);
            if (i >= 65 && i <= 80) byte(memoryEntry(i), QStringLiteral("MemRefBand"), e.MemRefBand);
        }
    }

    void checkDtmf() {
        for (int m = 1; m <= 16; ++m) {
            const std::string s = TrimNull(doc.Settings.DtmfAutodial[static_cast<std::size_t>(m)]);
            if (IsDtmfText(s)) continue;
            Place p{-1, 0, m, QStringLiteral("DTMF autodial memory %1").arg(m), QStringLiteral("DTMF 自动拨号存储 %1").arg(m)};
            add(p, QStringLiteral("DtmfAutodial"), QStringLiteral("\"%1\" may hold only 0-9, A-D, * and #").arg(Shown(s)),
                QStringLiteral("\"%1\" 只能包含 0-9、A-D、* 和 #").arg(Shown(s)));
        }
    }

    void checkOptions() {
        for (const OptionField& f : OptionBlockLayout())
            range(options(), QString::fromLatin1(f.name), f.get(doc.Settings, doc), OptionFieldMin(f.kind), OptionFieldMax(f.kind));
        const QString text = DocumentTextToImageText(doc.Settings.OptionText);
        bool ok = false;
        const QByteArray bytes = ImageTextBytes(text, &ok);
        if (!ok || bytes.size() != text.size())
            add(options(), QStringLiteral("OptionText"),
                QStringLiteral("\"%1\" has characters that do not fit one byte").arg(Shown(TrimNull(doc.Settings.OptionText))),
                QStringLiteral("\"%1\" 含有无法用单字节表示的字符").arg(Shown(TrimNull(doc.Settings.OptionText))));
    }

    // Every word one byte; a 0-based group no higher than the band's last group.
    template <std::size_t N, std::size_t W>
    void words(const char* record, const char* zh, const std::array<WordRun, N>& layout, const std::array<Integer, W>& w) {
        const Place p{-1, 0, 0, QString::fromLatin1(record), QString::fromUtf8(zh)};
        for (const WordRun& run : layout)
            for (int j = 0; j < run.count; ++j) {
                const auto k = static_cast<std::size_t>(run.firstWord + j);
                const int hi = run.rule == WordRule::HfGroup ? 14 : run.rule == WordRule::HamGroup ? 11 : 255;
                range(p, QStringLiteral("%1(%2)").arg(QString::fromLatin1(record)).arg(k), w.at(k), 0, hi);
            }
    }

    void checkSpecialRecords() {
        words("Emergency", "紧急信道", EmergencyLayout, doc.Emergency.w);
        words("DualWatch", "双守", DualWatchLayout, doc.DualWatch.w);
        words("MemChannelSet", "存储信道设置", MemChannelSetLayout, doc.MemChannelSet.w);
    }

    void checkRogerBeeps() {
        for (int n = 1; n <= 8; ++n) {
            const RogerBeepPattern& rb = doc.RogerBeep[static_cast<std::size_t>(n)];
            const Place p{-1, 0, n, QStringLiteral("Roger beep pattern %1").arg(n), QStringLiteral("RB音样式 %1").arg(n)};
            byte(p, QStringLiteral("Recycle"), rb.Recycle);
            byte(p, QStringLiteral("Interval"), rb.Interval);
            for (int t = 1; t <= 14; ++t) {
                byte(p, QStringLiteral("Tone(%1).Freq").arg(t), rb.Tone[static_cast<std::size_t>(t)].Freq);
                byte(p, QStringLiteral("Tone(%1).Length").arg(t), rb.Tone[static_cast<std::size_t>(t)].Length);
            }
        }
    }

    void checkWeather() {
        const Place settings = WeatherSettingsPlace();
        for (std::size_t k = 0; k < doc.Settings.Weather.w.size(); ++k)
            range(settings, QStringLiteral("Weather(%1)").arg(k), doc.Settings.Weather.w[k], 0,
                  k == WeatherCurrentChannelWord ? WeatherVfoEntry : 255);
        for (int e = 0; e <= WeatherVfoEntry; ++e) {
            const WeatherChannelRecord& w = doc.Settings.WeatherChannel[static_cast<std::size_t>(e)];
            const Place p{-1, 0, e == WeatherVfoEntry ? 0 : e + 1,
                          e == WeatherVfoEntry ? QStringLiteral("Weather VFO") : QStringLiteral("Weather channel %1").arg(e + 1),
                          e == WeatherVfoEntry ? QStringLiteral("气象 VFO") : QStringLiteral("气象信道 %1").arg(e + 1)};
            flag(p, QStringLiteral("InUse"), w.InUse);
            flag(p, QStringLiteral("ScanAdd"), w.ScanAdd);  // sent whether in use or not
            if (w.InUse == 0) continue;
            byte(p, QStringLiteral("Wide"), w.Wide);
            std::string digits;
            if (!WeatherFrequencyDigits(w.FreqMHz, digits))
                add(p, QStringLiteral("FreqMHz"), QStringLiteral("%1 MHz cannot be sent (0 to 999.99999 MHz)").arg(w.FreqMHz),
                    QStringLiteral("%1 MHz 无法发送（0 至 999.99999 MHz）").arg(w.FreqMHz));
        }
    }
};

}  // namespace

ProblemPlace OptionsPlace() { return {-1, 0, 0, QStringLiteral("Option settings"), QStringLiteral("选项设置")}; }

ProblemPlace GroupPlace(const DocumentImage& doc, int b, int g) {
    const QString name = GroupLabel(doc, b, g);
    const QString suffix = name.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(name);
    return {b, g, 0, QStringLiteral("%1 group %2%3").arg(BandName(b)).arg(g).arg(suffix),
            QStringLiteral("%1 第%2组%3").arg(BandName(b)).arg(g).arg(suffix)};
}

ProblemPlace ChannelPlace(const DocumentImage& doc, int b, int g, int n) {
    ProblemPlace p = GroupPlace(doc, b, g);
    if (g == VfoGroupOf(b)) return p;
    p.channel = n;
    p.en += QStringLiteral(", channel %1").arg(n);
    p.zh += QStringLiteral("，信道 %1").arg(n);
    return p;
}

// Entries come in blocks of 16 per CB plan; plans 5 and 7 share a block.
ProblemPlace MemoryEntryPlace(const DocumentImage& doc, int i) {
    const int plan = (i - 1) / 16 + 1;
    const int m = (i - 1) % 16 + 1;
    QString groups = QString::number(plan), names = GroupLabel(doc, BandCB, plan);
    if (plan == 5) {
        groups += QStringLiteral("/7");
        names += QLatin1Char('/') + GroupLabel(doc, BandCB, 7);
    }
    return {BandCB, plan, i,
            QStringLiteral("CB group %1 \"%2\", memory channel M%3 (entry %4)").arg(groups, names).arg(m).arg(i),
            QStringLiteral("CB 第%1组 \"%2\"，存储信道 M%3（第 %4 项）").arg(groups, names).arg(m).arg(i)};
}

ProblemPlace WeatherSettingsPlace() { return {-1, 0, 0, QStringLiteral("Weather settings"), QStringLiteral("气象设置")}; }

ImageProblem MakeProblem(const ProblemPlace& p, const QString& field, const QString& en, const QString& zh) {
    ImageProblem x;
    x.band = p.band;
    x.group = p.group;
    x.channel = p.channel;
    x.field = field;
    x.english = QStringLiteral("%1: %2 %3.").arg(p.en, field, en);
    x.chinese = QStringLiteral("%1：%2 %3。").arg(p.zh, field, zh);
    return x;
}

std::vector<ImageProblem> ValidateDocumentForWrite(const DocumentImage& doc, const ChannelTableType& channels,
                                                   const MemChannelListType& memList) {
    return Checker(doc, channels, memList).run();
}

std::vector<ImageProblem> ValidateDocumentForWrite() {
    return ValidateDocumentForWrite(WorkDocument, ChannelTable, MemChannelList);
}

namespace {

QString ListedProblems(const TextTable& firstLine, const std::vector<ImageProblem>& problems, int language, int shown) {
    QString text = firstLine[language == 2 ? 2 : 1];
    const int n = static_cast<int>(problems.size());
    for (int i = 0; i < n && i < shown; ++i) text += QLatin1Char('\n') + problems[static_cast<std::size_t>(i)].text(language);
    if (n > shown) text += QLatin1Char('\n') + MsgMoreProblems[language == 2 ? 2 : 1].arg(n - shown);
    return text;
}

}  // namespace

QString ProblemsMessage(const std::vector<ImageProblem>& problems, int language, int shown) {
    return ListedProblems(MsgWriteRefused, problems, language, shown);
}

QString OpenProblemsMessage(const std::vector<ImageProblem>& problems, int language, int shown) {
    return ListedProblems(MsgOpenRefused, problems, language, shown);
}

}  // namespace ulbrix
