// Document records: channel records, the document image and the records inside it.
// The in-memory structs carry the field names used everywhere; their on-disk form
// (little-endian, no gaps, texts as single bytes) is produced by one layout
// description per record (`Describe`), walked by a writer and by a reader, so the
// two directions cannot drift apart.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace ulbrix {

using Integer = std::int16_t;
using Long = std::int32_t;
using Byte = std::uint8_t;

// A fixed-length text of exactly N single-byte characters. Assigning a shorter
// value pads with blanks; a NUL inside ends the value for readers (TrimNull).
template <std::size_t N>
struct FixedText {
    std::array<char, N> raw{};

    FixedText() { raw.fill('\0'); }
    FixedText(const char* s) { assign(std::string(s)); }  // NOLINT: deliberate implicit
    FixedText(const std::string& s) { assign(s); }        // NOLINT

    void assign(const std::string& s) {
        for (std::size_t i = 0; i < N; ++i) raw[i] = i < s.size() ? s[i] : ' ';
    }
    FixedText& operator=(const std::string& s) { assign(s); return *this; }
    FixedText& operator=(const char* s) { assign(std::string(s)); return *this; }
    // The raw N characters, NULs and blanks included.
    std::string str() const { return std::string(raw.data(), N); }
    static constexpr std::size_t size() { return N; }
    bool operator==(const FixedText&) const = default;
};

// Band numbers and group limits.
constexpr int BandCB = 0, BandHF = 1, BandHAM = 2;
constexpr int BandCount = 3;
constexpr int MaxGroup = 17;
constexpr int MaxSlot = 99;
constexpr int MemListSize = 96;

// Groups walked per band: CB 7, HF 17 (MEM 16, VFO 17), HAM 14 (MEM 13, VFO 14).
constexpr int GroupsOfBand(int band) { return band == BandCB ? 7 : band == BandHF ? 17 : 14; }
constexpr int MemGroupOf(int band) { return band == BandHF ? 16 : band == BandHAM ? 13 : 0; }
constexpr int VfoGroupOf(int band) { return band == BandHF ? 17 : band == BandHAM ? 14 : 0; }
// Groups that keep a name and a valid flag: CB 7, HF 15, HAM 12 (every group
// below MEM); 0 outside the bands.
constexpr int NamedGroupsOf(int band) { return band == BandCB ? 7 : band == BandHF ? 15 : band == BandHAM ? 12 : 0; }
// How many slots a group may use: 40 (80 for CB plan 3), MEM 99, VFO 1, 0 outside the band.
constexpr int SlotLimit(int band, int group) {
    if (band < 0 || band > 2 || group < 1 || group > GroupsOfBand(band)) return 0;
    if (band == BandCB) return group == 3 ? 80 : 40;
    if (group == MemGroupOf(band)) return 99;
    if (group == VfoGroupOf(band)) return 1;
    return 40;
}

// A table indexed (band 0..2, group 1..17), element order first index fastest.
template <class T>
struct BandGroupTable {
    std::array<T, 51> v{};
    static std::size_t index(int b, int g) {
        if (b < 0 || b > 2 || g < 1 || g > 17) throw std::out_of_range("band/group index");
        return static_cast<std::size_t>(b + 3 * (g - 1));
    }
    T& operator()(int b, int g) { return v[index(b, g)]; }
    const T& operator()(int b, int g) const { return v[index(b, g)]; }
    bool operator==(const BandGroupTable&) const = default;
};

// A table indexed (band 0..2, group 1..17, k 0..1), k the slowest index.
template <class T>
struct BandGroupPairTable {
    std::array<T, 102> v{};
    static std::size_t index(int b, int g, int k) {
        if (b < 0 || b > 2 || g < 1 || g > 17 || k < 0 || k > 1) throw std::out_of_range("band/group/k index");
        return static_cast<std::size_t>(b + 3 * (g - 1) + 51 * k);
    }
    T& operator()(int b, int g, int k) { return v[index(b, g, k)]; }
    const T& operator()(int b, int g, int k) const { return v[index(b, g, k)]; }
    bool operator==(const BandGroupPairTable&) const = default;
};

struct ChannelRecord {
    Integer ChNo = 0;
    Integer InUse = 0;
    Integer ScanAdd = 0;
    FixedText<8> RxFreq;
    FixedText<8> TxFreq;
    Integer Reserved1 = 0;
    Integer Reserved2 = 0;
    Integer TxToneType = 0;
    Integer TxCtcss = 0;
    Integer TxDcs = 0;
    Integer Reserved3 = 0;
    Integer Mode = 0;
    Integer HiCut = 0;
    Integer NB = 0;
    Integer Echo = 0;
    Integer Add10K = 0;
    Integer Busy = 0;
    Integer RogerBeep = 0;
    Integer RepShift = 0;
    Integer Public = 0;
    Integer DtmfBot = 0;
    Integer DtmfEot = 0;
    Integer DtmfCall = 0;
    Integer RxToneType = 0;
    Integer RxCtcss = 0;
    Integer RxDcs = 0;
    Integer ANL = 0;
    Integer MemRefBand = 0;
    Integer MemRefCh = 0;
    bool operator==(const ChannelRecord&) const = default;
};

struct FileHeader {
    FixedText<7> ModelText;
    Integer ModelCode = 0;
    Integer BandCode = 0;
    FixedText<8> DateText;
    FixedText<5> FormatText;
    FixedText<6> ModelText6;
    Integer BandCode2 = 0;
    Integer KindChar = 0;
    bool operator==(const FileHeader&) const = default;
};

// Public defaults of one band: HI-CUT, NB, ANL, ECHO, +10KHz, BUSY, Roger, BOT, EOT, CALL, Mode.
using PublicDefaults = std::array<Integer, 11>;
enum PublicIndex { PubHiCut = 0, PubNB, PubANL, PubEcho, PubAdd10K, PubBusy, PubRoger, PubBot, PubEot, PubCall, PubMode };

struct WeatherSettings {
    // "Wx On/Off", current channel, "Alert", "Wx Scan State", "Wx Vfo", "Step", "Wx Sql"
    std::array<Integer, 7> w{};
    bool operator==(const WeatherSettings&) const = default;
};

struct WeatherChannelRecord {
    Integer InUse = 0;
    double FreqMHz = 0.0;
    Integer OnOff = 0;
    Integer Wide = 0;
    Integer ScanAdd = 0;
    bool operator==(const WeatherChannelRecord&) const = default;
};

struct RogerBeepTone {
    Integer Freq = 0;    // unit 10 Hz, 0 silent
    Integer Length = 0;  // unit 10 ms
    bool operator==(const RogerBeepTone&) const = default;
};

struct RogerBeepPattern {
    std::array<RogerBeepTone, 15> Tone{};  // 1..14 used; element 0 unused
    Integer Recycle = 0;
    Integer Interval = 0;
    bool operator==(const RogerBeepPattern&) const = default;
};

struct EmergencyChannelRecord {
    std::array<Integer, 36> w{};
    bool operator==(const EmergencyChannelRecord&) const = default;
};
struct DualWatchRecord {
    std::array<Integer, 18> w{};
    bool operator==(const DualWatchRecord&) const = default;
};
struct MemoryChannelSetRecord {
    std::array<Integer, 16> w{};
    bool operator==(const MemoryChannelSetRecord&) const = default;
};

struct GeneralSettingsRecord {
    std::array<Integer, 3> CurGroupIndex{};
    std::array<Integer, 3> CurGroupAux{};  // HF: "Hf Use Vfo", HAM: "Ham Use Vfo"
    BandGroupTable<Integer> WorkChannel;
    PublicDefaults CBPublic{};
    PublicDefaults HAMPublic{};
    PublicDefaults HFPublic{};
    std::array<Integer, 8> BluetoothSet{};
    WeatherSettings Weather;
    std::array<WeatherChannelRecord, 41> WeatherChannel{};  // 40 is the weather VFO
    BandGroupTable<Integer> GroupValid;
    BandGroupTable<FixedText<2>> GroupName;
    BandGroupPairTable<Integer> GroupSetA;
    Integer LevelSetA = 0;
    Integer LevelSetB = 0;
    Integer LevelSetC = 0;
    Integer NrcAble = 0;
    Byte RxNr = 0;
    Byte TxNr = 0;
    Integer Beep = 0;
    Integer Indic = 0;
    Integer Mic = 0;
    Integer NogSet = 0;
    Integer Tot = 0;
    Integer OptionFlagA = 0;
    Integer OptionFlagB = 0;
    Integer ScnType = 0;
    Integer Color = 0;
    Integer ClaSet = 0;
    Byte OptionByteA = 0;
    Integer AsqLevel = 0;
    Integer OptionWordA = 0;
    Integer OptionWordB = 0;
    Byte VoxLevel = 0;
    Byte VoxDelay = 0;
    Integer ClaFrq = 0;
    Long OptionLong = 0;
    Integer FreqCh = 0;
    Byte MicType = 0;
    Byte VolPath = 0;
    Byte EchoVol = 0;
    Byte EchoTime = 0;
    Byte VfoStep = 0;
    Byte OptionByteB = 0;
    Byte OptionByteC = 0;
    Byte OptionByteD = 0;
    Byte OptionByteE = 0;
    Integer OptionWordC = 0;
    Integer OptionWordD = 0;  // "CW RX Mode"
    Byte OptionByteF = 0;
    Byte OptionByteG = 0;
    Byte OptionByteH = 0;
    Byte VolData = 0;
    Integer OptionWordE = 0;
    Integer OptionWordF = 0;
    Integer WorkMode = 0;
    Integer OptionWordG = 0;
    Integer OptionWordH = 0;
    Integer OptionWordI = 0;
    BandGroupPairTable<Integer> GroupSetB;
    BandGroupTable<Integer> GroupSetC;
    // "Send Time", "First Digit Time", "First Digit Delay", "* and #", "D Code Assignment", "DTMF DISP"
    std::array<Integer, 6> DtmfSettings{};
    std::array<FixedText<16>, 17> DtmfAutodial{};  // 1..16 used; element 0 unused
    Integer FmDeviation = 0;
    Integer SsbTone = 0;
    Integer KeyP1 = 0;
    Integer KeyP2 = 0;
    Integer KeyP3 = 0;
    std::array<Integer, 5> KeyWords{};  // third: "Menu Colour"
    Integer KeyAssignEnable = 0;        // "Hand Type"
    Integer KeyWordLast = 0;            // "Pf Key"
    FixedText<16> OptionText;
    bool operator==(const GeneralSettingsRecord&) const = default;
};

struct DocumentImage {
    FixedText<4> Version;
    Integer Band = 0;
    std::array<Integer, 3> CurGroup{};
    BandGroupTable<Integer> LastRow;
    BandGroupTable<Integer> ChannelCount;
    FileHeader Header;
    GeneralSettingsRecord Settings;
    EmergencyChannelRecord Emergency;
    DualWatchRecord DualWatch;
    MemoryChannelSetRecord MemChannelSet;
    std::array<RogerBeepPattern, 9> RogerBeep{};  // 1..8 used; element 0 unused
    std::array<Integer, 12> RssiThreshold{};
    Byte KeyLock = 0;
    Byte EmgKind = 0;
    std::array<Byte, 6> SpareBytes{};  // 1..5 used
    Integer FMEnable = 0;
    Integer AMEnable = 0;
    Integer USBEnable = 0;
    Integer LSBEnable = 0;
    Integer CWEnable = 0;
    Integer PAEnable = 0;
    Integer BtDeviceName = 0;
    Integer TxColor = 0;
    Integer SaveDisKind = 0;
    Integer SaveTime = 0;
    Integer ChVolKind = 0;
    Integer VoxSpk = 0;
    Integer VoxOnOff = 0;
    Integer DrcBeepWord = 0;  // bit 7 "TX DrcCon", bits 0..6 "Beep"
    bool operator==(const DocumentImage&) const = default;
};

// Working and saved channel tables: (band 0..2, slot 1..99, group 1..17).
struct ChannelTableType {
    std::vector<ChannelRecord> v = std::vector<ChannelRecord>(3 * 100 * 18);
    static std::size_t index(int band, int slot, int group) {
        if (band < 0 || band > 2 || slot < 1 || slot > 99 || group < 1 || group > 17)
            throw std::out_of_range("channel table index");
        return static_cast<std::size_t>((band * 100 + slot) * 18 + group);
    }
    ChannelRecord& operator()(int band, int slot, int group) { return v[index(band, slot, group)]; }
    const ChannelRecord& operator()(int band, int slot, int group) const { return v[index(band, slot, group)]; }
};

// Memory list: entries 1..96.
struct MemChannelListType {
    std::array<ChannelRecord, 97> v{};
    static std::size_t index(int n) {
        if (n < 1 || n > 96) throw std::out_of_range("memory list index");
        return static_cast<std::size_t>(n);
    }
    ChannelRecord& operator()(int n) { return v[index(n)]; }
    const ChannelRecord& operator()(int n) const { return v[index(n)]; }
};

// ---- on-disk sizes ----
constexpr std::size_t ChannelRecordDiskSize = 70;
constexpr std::size_t FileHeaderDiskSize = 34;
constexpr std::size_t GeneralSettingsDiskSize = 1964;
constexpr std::size_t DocumentImageDiskSize = 2893;

using Bytes = std::vector<std::uint8_t>;

// Writer and reader of the disk form. Both walk the same description.
struct LayoutWriter {
    Bytes out;
    void i16(const Integer& x) { auto u = static_cast<std::uint16_t>(x); out.push_back(u & 0xFF); out.push_back(u >> 8); }
    void i32(const Long& x) { auto u = static_cast<std::uint32_t>(x); for (int i = 0; i < 4; ++i) out.push_back((u >> (8 * i)) & 0xFF); }
    void u8(const Byte& x) { out.push_back(x); }
    void f64(const double& x);
    template <std::size_t N> void text(const FixedText<N>& t) { for (char c : t.raw) out.push_back(static_cast<std::uint8_t>(c)); }
};

struct LayoutReader {
    const std::uint8_t* p;
    std::size_t n;
    std::size_t pos = 0;
    LayoutReader(const std::uint8_t* data, std::size_t size) : p(data), n(size) {}
    void need(std::size_t k) const { if (pos + k > n) throw std::runtime_error("record too short"); }
    void i16(Integer& x) { need(2); x = static_cast<Integer>(p[pos] | (p[pos + 1] << 8)); pos += 2; }
    void i32(Long& x) { need(4); std::uint32_t u = 0; for (int i = 0; i < 4; ++i) u |= std::uint32_t(p[pos + i]) << (8 * i); x = static_cast<Long>(u); pos += 4; }
    void u8(Byte& x) { need(1); x = p[pos++]; }
    void f64(double& x);
    template <std::size_t N> void text(FixedText<N>& t) { need(N); for (std::size_t i = 0; i < N; ++i) t.raw[i] = static_cast<char>(p[pos + i]); pos += N; }
};

// ---- layout descriptions (the order of fields on disk) ----
template <class V, class C>
void DescribeChannel(V& v, C& r) {
    v.i16(r.ChNo); v.i16(r.InUse); v.i16(r.ScanAdd);
    v.text(r.RxFreq); v.text(r.TxFreq);
    v.i16(r.Reserved1); v.i16(r.Reserved2);
    v.i16(r.TxToneType); v.i16(r.TxCtcss); v.i16(r.TxDcs); v.i16(r.Reserved3);
    v.i16(r.Mode); v.i16(r.HiCut); v.i16(r.NB); v.i16(r.Echo); v.i16(r.Add10K); v.i16(r.Busy);
    v.i16(r.RogerBeep); v.i16(r.RepShift); v.i16(r.Public);
    v.i16(r.DtmfBot); v.i16(r.DtmfEot); v.i16(r.DtmfCall);
    v.i16(r.RxToneType); v.i16(r.RxCtcss); v.i16(r.RxDcs); v.i16(r.ANL);
    v.i16(r.MemRefBand); v.i16(r.MemRefCh);
}

template <class V, class H>
void DescribeHeader(V& v, H& h) {
    v.text(h.ModelText); v.i16(h.ModelCode); v.i16(h.BandCode); v.text(h.DateText);
    v.text(h.FormatText); v.text(h.ModelText6); v.i16(h.BandCode2); v.i16(h.KindChar);
}

template <class V, class A>
void DescribeArray16(V& v, A& a, std::size_t from = 0) {
    for (std::size_t i = from; i < a.size(); ++i) v.i16(a[i]);
}

template <class V, class S>
void DescribeSettings(V& v, S& s) {
    DescribeArray16(v, s.CurGroupIndex);
    DescribeArray16(v, s.CurGroupAux);
    DescribeArray16(v, s.WorkChannel.v);
    DescribeArray16(v, s.CBPublic);
    DescribeArray16(v, s.HAMPublic);
    DescribeArray16(v, s.HFPublic);
    DescribeArray16(v, s.BluetoothSet);
    DescribeArray16(v, s.Weather.w);
    for (auto& w : s.WeatherChannel) { v.i16(w.InUse); v.f64(w.FreqMHz); v.i16(w.OnOff); v.i16(w.Wide); v.i16(w.ScanAdd); }
    DescribeArray16(v, s.GroupValid.v);
    for (auto& g : s.GroupName.v) v.text(g);
    DescribeArray16(v, s.GroupSetA.v);
    v.i16(s.LevelSetA); v.i16(s.LevelSetB); v.i16(s.LevelSetC); v.i16(s.NrcAble);
    v.u8(s.RxNr); v.u8(s.TxNr);
    v.i16(s.Beep); v.i16(s.Indic); v.i16(s.Mic); v.i16(s.NogSet); v.i16(s.Tot);
    v.i16(s.OptionFlagA); v.i16(s.OptionFlagB); v.i16(s.ScnType); v.i16(s.Color); v.i16(s.ClaSet);
    v.u8(s.OptionByteA);
    v.i16(s.AsqLevel); v.i16(s.OptionWordA); v.i16(s.OptionWordB);
    v.u8(s.VoxLevel); v.u8(s.VoxDelay);
    v.i16(s.ClaFrq); v.i32(s.OptionLong); v.i16(s.FreqCh);
    v.u8(s.MicType); v.u8(s.VolPath); v.u8(s.EchoVol); v.u8(s.EchoTime); v.u8(s.VfoStep);
    v.u8(s.OptionByteB); v.u8(s.OptionByteC); v.u8(s.OptionByteD); v.u8(s.OptionByteE);
    v.i16(s.OptionWordC); v.i16(s.OptionWordD);
    v.u8(s.OptionByteF); v.u8(s.OptionByteG); v.u8(s.OptionByteH); v.u8(s.VolData);
    v.i16(s.OptionWordE); v.i16(s.OptionWordF); v.i16(s.WorkMode);
    v.i16(s.OptionWordG); v.i16(s.OptionWordH); v.i16(s.OptionWordI);
    DescribeArray16(v, s.GroupSetB.v);
    DescribeArray16(v, s.GroupSetC.v);
    DescribeArray16(v, s.DtmfSettings);
    for (std::size_t i = 1; i < s.DtmfAutodial.size(); ++i) v.text(s.DtmfAutodial[i]);
    v.i16(s.FmDeviation); v.i16(s.SsbTone);
    v.i16(s.KeyP1); v.i16(s.KeyP2); v.i16(s.KeyP3);
    DescribeArray16(v, s.KeyWords);
    v.i16(s.KeyAssignEnable); v.i16(s.KeyWordLast);
    v.text(s.OptionText);
}

template <class V, class D>
void DescribeDocument(V& v, D& d) {
    v.text(d.Version);
    v.i16(d.Band);
    DescribeArray16(v, d.CurGroup);
    DescribeArray16(v, d.LastRow.v);
    DescribeArray16(v, d.ChannelCount.v);
    DescribeHeader(v, d.Header);
    DescribeSettings(v, d.Settings);
    DescribeArray16(v, d.Emergency.w);
    DescribeArray16(v, d.DualWatch.w);
    DescribeArray16(v, d.MemChannelSet.w);
    for (std::size_t p = 1; p < d.RogerBeep.size(); ++p) {
        auto& rb = d.RogerBeep[p];
        for (std::size_t t = 1; t < rb.Tone.size(); ++t) { v.i16(rb.Tone[t].Freq); v.i16(rb.Tone[t].Length); }
        v.i16(rb.Recycle); v.i16(rb.Interval);
    }
    DescribeArray16(v, d.RssiThreshold);
    v.u8(d.KeyLock); v.u8(d.EmgKind);
    for (std::size_t i = 1; i < d.SpareBytes.size(); ++i) v.u8(d.SpareBytes[i]);
    v.i16(d.FMEnable); v.i16(d.AMEnable); v.i16(d.USBEnable); v.i16(d.LSBEnable);
    v.i16(d.CWEnable); v.i16(d.PAEnable);
    v.i16(d.BtDeviceName); v.i16(d.TxColor); v.i16(d.SaveDisKind); v.i16(d.SaveTime);
    v.i16(d.ChVolKind); v.i16(d.VoxSpk); v.i16(d.VoxOnOff); v.i16(d.DrcBeepWord);
}

// Disk form helpers.
Bytes ChannelToBytes(const ChannelRecord& r);
ChannelRecord ChannelFromBytes(const std::uint8_t* p, std::size_t n);  // throws when n < 70
Bytes DocumentToBytes(const DocumentImage& d);
DocumentImage DocumentFromBytes(const std::uint8_t* p, std::size_t n);  // throws when n < 2893
Bytes SettingsToBytes(const GeneralSettingsRecord& s);
Bytes HeaderToBytes(const FileHeader& h);

}  // namespace ulbrix
