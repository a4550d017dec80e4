#include "CodecDocuments.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "core/ModFun.h"
#include "link/ImageValidation.h"
#include "link/ChannelCodec.h"
#include "link/SettingsCodec.h"
#include "link/SpecialCodec.h"
#include "link/RadioImage.h"

using namespace ulbrix;

namespace codectest {

namespace {

class Gen {
public:
    explicit Gen(std::uint32_t seed) : rng(seed) {}
    int operator()(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return (*this)(1, 100) <= percent; }
    std::string digits(int n) {
        std::string s = std::to_string((*this)(1, 9));  // a channel at 0 MHz is not wanted here
        while (static_cast<int>(s.size()) < n) s += static_cast<char>('0' + (*this)(0, 9));
        return s;
    }
    std::string printable(int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += static_cast<char>((*this)(0x20, 0x7E));
        return s;
    }
    std::mt19937 rng;
};

std::string RandomFrequency(Gen& gen) {
    const int kind = gen(1, 20);
    if (kind == 1) return "FFFFFFFF";
    if (kind == 2) return "        ";
    if (kind <= 5) return gen.digits(7) + " ";  // as the channel editor stores five decimals
    return gen.digits(8);
}

ChannelRecord RandomChannel(Gen& gen, int number) {
    ChannelRecord r;
    r.ChNo = static_cast<Integer>(number);
    r.InUse = gen.chance(90) ? 1 : 0;
    r.ScanAdd = static_cast<Integer>(gen(0, 1));
    r.RxFreq = RandomFrequency(gen);
    r.TxFreq = gen.digits(8);
    for (const SlotField& f : ChannelSlotLayout) r.*f.field = static_cast<Integer>(gen(0, SlotFieldMax(f)));
    // Never carried: a read must not keep these.
    r.DtmfBot = static_cast<Integer>(gen(1, 16));
    r.DtmfEot = static_cast<Integer>(gen(1, 16));
    r.DtmfCall = static_cast<Integer>(gen(1, 16));
    r.Reserved1 = static_cast<Integer>(gen(1, 99));
    r.Reserved2 = static_cast<Integer>(gen(1, 99));
    r.Reserved3 = static_cast<Integer>(gen(1, 99));
    r.MemRefBand = static_cast<Integer>(gen(0, 255));
    r.MemRefCh = static_cast<Integer>(gen(1, 40));
    return r;
}

int MemRefLimit(int i) { return (i - 1) / 16 + 1 == 3 ? 80 : 40; }

void FillSettings(Gen& gen, bool rich) {
    DocumentImage& d = WorkDocument;
    GeneralSettingsRecord& s = d.Settings;
    d.Band = static_cast<Integer>(gen(0, 2));
    for (int b = 0; b < BandCount; ++b) {
        const auto bi = static_cast<std::size_t>(b);
        s.CurGroupIndex[bi] = static_cast<Integer>(gen(1, GroupsOfBand(b)));
        s.CurGroupAux[bi] = static_cast<Integer>(gen(0, 255));
        for (int g = 1; g <= MaxGroup; ++g) {
            s.WorkChannel(b, g) = static_cast<Integer>(gen(1, std::max(1, SlotLimit(b, g))));
            s.GroupValid(b, g) = static_cast<Integer>(rich ? 1 : gen(0, 1));
            s.GroupName(b, g) = gen.printable(gen(0, 2));
        }
        PublicDefaults& pub = b == BandCB ? s.CBPublic : b == BandHAM ? s.HAMPublic : s.HFPublic;
        for (int k = 0; k < 6; ++k) pub[static_cast<std::size_t>(k)] = static_cast<Integer>(gen(0, 1));
        for (int k = 6; k < 11; ++k) pub[static_cast<std::size_t>(k)] = static_cast<Integer>(gen(0, 255));
    }
    static const std::string dtmf = "0123456789ABCD*#";
    for (int m = 1; m <= 16; ++m) {
        const int n = rich ? 16 - m % 3 : gen(0, 16);
        std::string t;
        for (int k = 0; k < n; ++k) t += dtmf[static_cast<std::size_t>(gen(0, 15))];
        if (n < 16) t += '\0';
        s.DtmfAutodial[static_cast<std::size_t>(m)] = t;
    }
    for (const OptionField& f : OptionBlockLayout())
        f.set(s, d, gen(0, f.kind == OptionKind::Masked7 ? 127 : static_cast<int>(OptionFieldMax(f.kind))));
    s.OptionText = gen.printable(rich ? 16 : gen(0, 16));
    for (const auto& m : ModeEnableLayout) d.*m.field = static_cast<Integer>(gen(0, 1));

    for (auto& w : d.Emergency.w) w = static_cast<Integer>(gen(0, 255));
    for (auto& w : d.DualWatch.w) w = static_cast<Integer>(gen(0, 255));
    for (auto& w : d.MemChannelSet.w) w = static_cast<Integer>(gen(0, 255));
    d.Emergency.w[24] = static_cast<Integer>(gen(0, 14));
    d.Emergency.w[25] = static_cast<Integer>(gen(0, 14));
    d.Emergency.w[30] = static_cast<Integer>(gen(0, 11));
    d.Emergency.w[31] = static_cast<Integer>(gen(0, 11));
    d.DualWatch.w[12] = static_cast<Integer>(gen(0, 14));
    d.DualWatch.w[15] = static_cast<Integer>(gen(0, 11));

    for (int n = 1; n <= 8; ++n) {
        RogerBeepPattern& p = d.RogerBeep[static_cast<std::size_t>(n)];
        p.Recycle = static_cast<Integer>(gen(0, 255));
        p.Interval = static_cast<Integer>(gen(0, 255));
        for (int t = 1; t <= 14; ++t) p.Tone[static_cast<std::size_t>(t)] = {static_cast<Integer>(gen(0, 255)), static_cast<Integer>(gen(0, 255))};
    }

    for (auto& w : s.Weather.w) w = static_cast<Integer>(gen(0, 255));
    s.Weather.w[WeatherCurrentChannelWord] = static_cast<Integer>(gen(0, 40));
    for (int e = 0; e <= WeatherVfoEntry; ++e) {
        WeatherChannelRecord& w = s.WeatherChannel[static_cast<std::size_t>(e)];
        w.InUse = static_cast<Integer>(e == WeatherVfoEntry || rich ? 1 : gen(0, 1));
        w.FreqMHz = gen(13600000, 17400000) / 100000.0;
        w.OnOff = static_cast<Integer>(gen(0, 1));
        w.Wide = static_cast<Integer>(gen(0, 1));
        w.ScanAdd = static_cast<Integer>(gen(0, 1));
    }
}

void FillChannels(Gen& gen, bool rich) {
    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= GroupsOfBand(b); ++g) {
            const int limit = SlotLimit(b, g);
            const bool vfo = g == VfoGroupOf(b);
            const int count = vfo ? 1 : rich ? limit - (g % 3) : gen(0, limit);
            std::vector<int> numbers(static_cast<std::size_t>(limit));
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), gen.rng);
            WorkDocument.ChannelCount(b, g) = static_cast<Integer>(count);
            for (int s = 1; s <= count; ++s) {
                ChannelRecord r = RandomChannel(gen, vfo ? gen(0, 3) : numbers[static_cast<std::size_t>(s - 1)]);
                if (vfo) r.RxFreq = gen.digits(8);
                ChannelTable(b, s, g) = r;
            }
        }
    for (int i = 1; i <= MemListSize; ++i) {
        ChannelRecord r = RandomChannel(gen, i);
        const int ref = gen(1, 10);
        r.MemRefCh = static_cast<Integer>(ref == 1 ? 0 : ref == 2 ? 255 : gen(1, MemRefLimit(i)));
        MemChannelList(i) = r;
    }
}

bool AllDigits(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct Expected {
    int number;
    ChannelRecord record;
    int scan;
    std::string freq;
};

}  // namespace

Snapshot TakeSnapshot() { return {WorkDocument, ChannelTable, MemChannelList}; }

void BuildRichDocument() {
    Gen gen(20240611);
    FillChannels(gen, true);
    FillSettings(gen, true);
}

void BuildRandomDocument(std::uint32_t seed) {
    Gen gen(seed);
    FillChannels(gen, false);
    FillSettings(gen, false);
}

void KeepOnlyExchangedBytes() {
    for (std::uint32_t a = 0; a < RadioImageSize; ++a)
        if (!IsExchangedAddress(a)) RadioImage[a] = 0;
}

void ExpectCarried(const Snapshot& before) {
    const DocumentImage& d0 = before.doc;
    const GeneralSettingsRecord& s0 = d0.Settings;
    const DocumentImage& d = WorkDocument;
    const GeneralSettingsRecord& s = d.Settings;

    for (int b = 0; b < BandCount; ++b)
        for (int g = 1; g <= GroupsOfBand(b); ++g) {
            const bool vfo = g == VfoGroupOf(b);
            std::vector<Expected> want;
            const int count = std::clamp<int>(d0.ChannelCount(b, g), 0, SlotLimit(b, g));
            for (int slot = 1; slot <= count; ++slot) {
                const ChannelRecord& r = before.table(b, slot, g);
                const int n = vfo ? 1 : r.ChNo;
                const std::string freq = HexPad(r.RxFreq.str(), 8);
                if (!AllDigits(freq)) continue;
                const bool high = b == BandCB && g == 3 && n > 40;
                const bool present = vfo || (high ? freq != "00000000" : r.InUse != 0);
                if (!present) continue;
                const bool scanLost = high || (vfo && b == BandHAM);
                want.push_back({n, r, scanLost ? 0 : (r.ScanAdd != 0), freq});
            }
            std::sort(want.begin(), want.end(), [](const Expected& x, const Expected& y) { return x.number < y.number; });
            ASSERT_EQ(d.ChannelCount(b, g), static_cast<int>(want.size())) << "band " << b << " group " << g;
            for (std::size_t k = 0; k < want.size(); ++k) {
                const ChannelRecord& a = ChannelTable(b, static_cast<int>(k) + 1, g);
                const Expected& e = want[k];
                SCOPED_TRACE(testing::Message() << "band " << b << " group " << g << " channel " << e.number);
                EXPECT_EQ(a.ChNo, e.number);
                EXPECT_EQ(a.InUse, 1);
                EXPECT_EQ(a.ScanAdd, e.scan);
                EXPECT_EQ(a.RxFreq.str(), e.freq);
                EXPECT_EQ(a.TxFreq.str(), e.freq);
                for (const SlotField& f : ChannelSlotLayout) EXPECT_EQ(a.*f.field, e.record.*f.field) << f.name;
                EXPECT_EQ(a.DtmfBot + a.DtmfEot + a.DtmfCall, 0);
                EXPECT_EQ(a.Reserved1 + a.Reserved2 + a.Reserved3, 0);
                EXPECT_EQ(a.MemRefBand + a.MemRefCh, 0);
            }
        }

    for (int i = 1; i <= MemListSize; ++i) {
        SCOPED_TRACE(testing::Message() << "memory entry " << i);
        const ChannelRecord& e = before.mem(i);
        const ChannelRecord& a = MemChannelList(i);
        const std::string freq = HexPad(e.RxFreq.str(), 8);
        const bool in = e.InUse != 0 && AllDigits(freq) && freq != "00000000";
        EXPECT_EQ(a.InUse, in ? 1 : 0);
        if (in) {
            EXPECT_EQ(a.ChNo, i);
            EXPECT_EQ(a.ScanAdd, e.ScanAdd != 0 ? 1 : 0);
            EXPECT_EQ(a.RxFreq.str(), freq);
            EXPECT_EQ(a.TxFreq.str(), freq);
            for (const SlotField& f : ChannelSlotLayout) EXPECT_EQ(a.*f.field, e.*f.field) << f.name;
            EXPECT_EQ(a.DtmfBot + a.DtmfEot + a.DtmfCall, 0);
        }
        EXPECT_EQ(a.MemRefCh, e.MemRefCh >= 1 && e.MemRefCh <= 254 ? e.MemRefCh : 255);
        if (i >= 65 && i <= 80) {
            EXPECT_EQ(a.MemRefBand, e.MemRefBand);
        }
    }

    EXPECT_EQ(d.Band, d0.Band);
    for (const auto& m : ModeEnableLayout) EXPECT_EQ(d.*m.field, d0.*m.field) << m.name;
    EXPECT_EQ(s.CurGroupIndex, s0.CurGroupIndex);
    EXPECT_EQ(s.CurGroupAux, s0.CurGroupAux);
    for (int b = 0; b < BandCount; ++b) {
        for (int g = 1; g <= NamedGroupsOf(b); ++g) {
            EXPECT_EQ(s.GroupValid(b, g), s0.GroupValid(b, g)) << b << "/" << g;
            EXPECT_EQ(TrimNull(s.GroupName(b, g)), TrimNull(s0.GroupName(b, g))) << b << "/" << g;
        }
        for (int g = 1; g <= WorkChannelGroupsOf(b); ++g) EXPECT_EQ(s.WorkChannel(b, g), s0.WorkChannel(b, g)) << b << "/" << g;
        const PublicDefaults& p = b == BandCB ? s.CBPublic : b == BandHAM ? s.HAMPublic : s.HFPublic;
        const PublicDefaults& p0 = b == BandCB ? s0.CBPublic : b == BandHAM ? s0.HAMPublic : s0.HFPublic;
        for (int k : {0, 1, 2, 3, 4, 5, int{PubRoger}, int{PubMode}}) EXPECT_EQ(p[k], p0[k]) << "band " << b << " word " << k;
    }
    for (int m = 1; m <= 16; ++m) EXPECT_EQ(TrimNull(s.DtmfAutodial[m]), TrimNull(s0.DtmfAutodial[m])) << m;
    for (const OptionField& f : OptionBlockLayout()) EXPECT_EQ(f.get(s, d), f.get(s0, d0)) << f.name;
    EXPECT_EQ(TrimNull(s.OptionText), TrimNull(s0.OptionText));

    EXPECT_EQ(d.Emergency, d0.Emergency);
    EXPECT_EQ(d.DualWatch, d0.DualWatch);
    EXPECT_EQ(d.MemChannelSet, d0.MemChannelSet);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(d.RogerBeep[n], d0.RogerBeep[n]) << "pattern " << n;

    EXPECT_EQ(s.Weather, s0.Weather);
    for (int e = 0; e <= WeatherVfoEntry; ++e) {
        const WeatherChannelRecord& w = s.WeatherChannel[static_cast<std::size_t>(e)];
        const WeatherChannelRecord& w0 = s0.WeatherChannel[static_cast<std::size_t>(e)];
        SCOPED_TRACE(testing::Message() << "weather entry " << e);
        EXPECT_EQ(w.InUse, w0.InUse);
        if (w0.InUse == 0) continue;
        EXPECT_NEAR(w.FreqMHz, w0.FreqMHz, 1e-9);
        EXPECT_EQ(w.Wide, w0.Wide);
        if (e != WeatherVfoEntry) {
            EXPECT_EQ(w.ScanAdd, w0.ScanAdd);
        }
    }
}

void ExpectIndicesInRange() {
    const DocumentImage& d = WorkDocument;
    const GeneralSettingsRecord& s = d.Settings;
    EXPECT_GE(d.Band, 0);
    EXPECT_LE(d.Band, 2);
    for (int b = 0; b < BandCount; ++b) {
        EXPECT_GE(s.CurGroupIndex[static_cast<std::size_t>(b)], 1);
        EXPECT_LE(s.CurGroupIndex[static_cast<std::size_t>(b)], GroupsOfBand(b));
        for (int g = 1; g <= WorkChannelGroupsOf(b); ++g) {
            EXPECT_GE(s.WorkChannel(b, g), 1);
            EXPECT_LE(s.WorkChannel(b, g), SlotLimit(b, g));
        }
        for (int g = 1; g <= GroupsOfBand(b); ++g) {
            const int count = d.ChannelCount(b, g);
            ASSERT_GE(count, 0);
            ASSERT_LE(count, SlotLimit(b, g));
            for (int slot = 1; slot <= count; ++slot) {
                EXPECT_GE(ChannelTable(b, slot, g).ChNo, 1);
                EXPECT_LE(ChannelTable(b, slot, g).ChNo, SlotLimit(b, g));
            }
        }
    }
    for (int i = 1; i <= MemListSize; ++i) {
        const int ref = MemChannelList(i).MemRefCh;
        EXPECT_TRUE(ref == 255 || (ref >= 1 && ref <= MemRefLimit(i))) << i << ": " << ref;
    }
    for (int k : {24, 25}) EXPECT_LE(d.Emergency.w[k], 14);
    for (int k : {30, 31}) EXPECT_LE(d.Emergency.w[k], 11);
    EXPECT_LE(d.DualWatch.w[12], 14);
    EXPECT_LE(d.DualWatch.w[15], 11);
    EXPECT_GE(s.Weather.w[WeatherCurrentChannelWord], 0);
    EXPECT_LE(s.Weather.w[WeatherCurrentChannelWord], WeatherVfoEntry);
    // What a read brought in can be written back.
    const auto problems = ValidateDocumentForWrite();
    EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems.front().english.toStdString());
}

}  // namespace codectest
