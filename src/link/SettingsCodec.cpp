#include "link/SettingsCodec.h"

#include <type_traits>

#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "link/RadioImage.h"
#include "platform/CodePage.h"

namespace ulbrix {

namespace {

// Accessors for the option table: a settings field, or a field of the
// document image itself.
#define SETTINGS_FIELD(f)                                                                        \
    [](const GeneralSettingsRecord& s, const DocumentImage&) -> long { return s.f; },            \
        [](GeneralSettingsRecord& s, DocumentImage&, long v) {                                   \
            s.f = static_cast<std::remove_reference_t<decltype(s.f)>>(v);                        \
        }
#define DOCUMENT_FIELD(f)                                                                        \
    [](const GeneralSettingsRecord&, const DocumentImage& d) -> long { return d.f; },            \
        [](GeneralSettingsRecord&, DocumentImage& d, long v) {                                   \
            d.f = static_cast<std::remove_reference_t<decltype(d.f)>>(v);                        \
        }

using K = OptionKind;

// The words of the document image itself are placed by their offset in the
// data file; the editors know some of them by other names, so the offset is
// the sure guide.

const std::vector<OptionField> OptionTable = {
    {0x22100, "LevelSetB", K::Word16, SETTINGS_FIELD(LevelSetB)},
    {0x22102, "LevelSetA", K::Word16, SETTINGS_FIELD(LevelSetA)},
    {0x22104, "OptionByteB", K::Byte16, SETTINGS_FIELD(OptionByteB)},
    {0x22106, "OptionByteC", K::Copy8, SETTINGS_FIELD(OptionByteC)},
    {0x22107, "LevelSetC", K::Word8, SETTINGS_FIELD(LevelSetC)},
    {0x22108, "NrcAble", K::Word8, SETTINGS_FIELD(NrcAble)},
    {0x22109, "DrcBeepWord", K::Word8, DOCUMENT_FIELD(DrcBeepWord)},  // document word at file offset 2891
    {0x2210A, "Indic", K::Word8, SETTINGS_FIELD(Indic)},
    {0x2210B, "Mic", K::Word8, SETTINGS_FIELD(Mic)},
    {0x2210C, "NogSet", K::Word8, SETTINGS_FIELD(NogSet)},
    {0x2210D, "Tot", K::Word8, SETTINGS_FIELD(Tot)},
    {0x2210E, "OptionFlagA", K::Word8, SETTINGS_FIELD(OptionFlagA)},
    {0x2210F, "OptionFlagB", K::Word8, SETTINGS_FIELD(OptionFlagB)},
    {0x22110, "ScnType", K::Word8, SETTINGS_FIELD(ScnType)},
    {0x22111, "KeyWords(2)", K::Word8, SETTINGS_FIELD(KeyWords[2])},  // "Menu Colour"
    // 0x22112 is not used.
    {0x22113, "OptionLong", K::Long16, SETTINGS_FIELD(OptionLong)},
    {0x22115, "AsqLevel", K::Masked7, SETTINGS_FIELD(AsqLevel)},
    {0x22116, "MicType", K::Copy8, SETTINGS_FIELD(MicType)},
    {0x22117, "ChVolKind", K::Word8, DOCUMENT_FIELD(ChVolKind)},  // document word at file offset 2885
    {0x22118, "VoxLevel", K::Copy8, SETTINGS_FIELD(VoxLevel)},
    {0x22119, "VoxDelay", K::Copy8, SETTINGS_FIELD(VoxDelay)},
    {0x2211A, "RxNr", K::Copy8, SETTINGS_FIELD(RxNr)},
    {0x2211B, "TxNr", K::Copy8, SETTINGS_FIELD(TxNr)},
    {0x2211C, "ClaSet", K::Word8, SETTINGS_FIELD(ClaSet)},
    {0x2211D, "ClaFrq", K::Word8, SETTINGS_FIELD(ClaFrq)},
    {0x2211E, "EchoVol", K::Copy8, SETTINGS_FIELD(EchoVol)},
    {0x2211F, "EchoTime", K::Copy8, SETTINGS_FIELD(EchoTime)},
    {0x22120, "VfoStep", K::Copy8, SETTINGS_FIELD(VfoStep)},
    {0x22121, "FmDeviation", K::Word8, SETTINGS_FIELD(FmDeviation)},
    {0x22122, "SsbTone", K::Word8, SETTINGS_FIELD(SsbTone)},
    {0x22123, "OptionByteD", K::Copy8, SETTINGS_FIELD(OptionByteD)},
    {0x22124, "OptionByteE", K::Copy8, SETTINGS_FIELD(OptionByteE)},
    {0x22125, "OptionWordD", K::Word8, SETTINGS_FIELD(OptionWordD)},  // "CW RX Mode"
    {0x22126, "OptionByteF", K::Copy8, SETTINGS_FIELD(OptionByteF)},
    {0x22127, "OptionByteG", K::Copy8, SETTINGS_FIELD(OptionByteG)},
    // "BlueTooth On", "Ptt Hold", "Mic Gain", "Spk Gain", "Hold Time", "Hold Delay", "BhtIntSpk", "Ptt Sleep"
    {0x22128, "BluetoothSet(0)", K::Word8, SETTINGS_FIELD(BluetoothSet[0])},
    {0x22129, "BluetoothSet(1)", K::Word8, SETTINGS_FIELD(BluetoothSet[1])},
    {0x2212A, "BluetoothSet(2)", K::Word8, SETTINGS_FIELD(BluetoothSet[2])},
    {0x2212B, "BluetoothSet(3)", K::Word8, SETTINGS_FIELD(BluetoothSet[3])},
    {0x2212C, "BluetoothSet(4)", K::Word8, SETTINGS_FIELD(BluetoothSet[4])},
    {0x2212D, "BluetoothSet(5)", K::Word8, SETTINGS_FIELD(BluetoothSet[5])},
    {0x2212E, "BluetoothSet(6)", K::Word8, SETTINGS_FIELD(BluetoothSet[6])},
    {0x2212F, "BluetoothSet(7)", K::Word8, SETTINGS_FIELD(BluetoothSet[7])},
    // 0x22130..0x2213F OptionText (the "BT Device Name" text), 0x22140 not
    // used, 0x22141 the mode enables: see PackSettings.
    {0x22142, "VoxSpk", K::Word8, DOCUMENT_FIELD(VoxSpk)},      // document word at file offset 2887
    {0x22143, "KeyWordLast", K::Word8, SETTINGS_FIELD(KeyWordLast)},  // "Pf Key"
    {0x22144, "VoxOnOff", K::Word8, DOCUMENT_FIELD(VoxOnOff)},  // document word at file offset 2889
};

#undef SETTINGS_FIELD
#undef DOCUMENT_FIELD

constexpr std::uint32_t CurGroupBase = 0x18001;  // + 2 * band; the aux word follows

bool IsImageText407() { return App.SystemLCIDHex.trimmed().compare(QStringLiteral("407"), Qt::CaseInsensitive) == 0; }

std::uint8_t Low(long v) { return static_cast<std::uint8_t>(v & 0xFF); }

// Image or record bytes as text: with "407" through the system code page, a
// byte that has no character there standing for itself; otherwise each byte
// is the character with its code.
QString DecodeImageBytes(const QByteArray& bytes) {
    if (!IsImageText407()) return QString::fromLatin1(bytes);
    return platform::FromCodePageByteWise(bytes, platform::AnsiCodePageForLcid(QStringLiteral("407")));
}

void PackOption(const OptionField& f, const GeneralSettingsRecord& s, const DocumentImage& d) {
    const long v = f.get(s, d);
    switch (f.kind) {
    case K::Word8:
    case K::Copy8:
    case K::Masked7:
        SetImageByte(f.address, Low(v));
        break;
    case K::Byte16:
        SetImageByte(f.address, Low(v));
        SetImageByte(f.address + 1, 0);
        break;
    case K::Word16:
    case K::Long16:
        SetImageByte(f.address, Low(v));
        SetImageByte(f.address + 1, Low(v >> 8));
        break;
    }
}

void UnpackOption(const OptionField& f, GeneralSettingsRecord& s, DocumentImage& d) {
    const long lo = ImageByte(f.address);
    switch (f.kind) {
    case K::Word8:
    case K::Copy8:
        f.set(s, d, lo);
        break;
    case K::Masked7:
        f.set(s, d, lo & 0x7F);
        break;
    case K::Byte16:
    case K::Word16:
    case K::Long16: {
        const long v = ImageByte(f.address + 1) * 256L + lo;
        // A value the field cannot hold keeps the document's value.
        if (v <= OptionFieldMax(f.kind)) f.set(s, d, v);
        break;
    }
    }
}

// value when lo <= value <= hi, else the current value when that is in range, else 1.
Integer InRangeOr(int value, int lo, int hi, Integer current) {
    if (value >= lo && value <= hi) return static_cast<Integer>(value);
    if (current >= lo && current <= hi) return current;
    return 1;
}

}  // namespace

const std::vector<OptionField>& OptionBlockLayout() { return OptionTable; }

long OptionFieldMin(OptionKind) { return 0; }

long OptionFieldMax(OptionKind kind) {
    switch (kind) {
    case K::Word16: return 32767;
    case K::Long16: return 65535;
    default: return 255;
    }
}

int WorkChannelGroupsOf(int band) { return band == BandCB ? 6 : band == BandHF ? 15 : 12; }

std::uint32_t WorkChannelAddress(int band, int group) {
    const std::uint32_t base = band == BandCB ? 0x18007 : band == BandHF ? 0x1800D : 0x1801C;
    return base + static_cast<std::uint32_t>(group - 1);
}

std::uint32_t PublicDefaultsAddress(int band) { return band == BandCB ? 0x18108 : band == BandHAM ? 0x18118 : 0x18128; }


bool IsDtmfText(const std::string& trimmed) {
    static const std::string allowed = "0123456789ABCD*#";
    return trimmed.find_first_not_of(allowed) == std::string::npos;
}

QByteArray ImageTextBytes(const QString& text, bool* ok) {
    QByteArray out;
    bool good = true;
    if (IsImageText407()) {
        const int cp = platform::AnsiCodePageForLcid(QStringLiteral("407"));
        for (const QChar c : text) {
            bool one = false;
            const QByteArray b = platform::ToCodePage(QString(c), cp, &one);
            if (one && !b.isEmpty()) {
                out += b;
            } else {
                out += '?';
                good = false;
            }
        }
    } else {
        // Each 16-bit code low byte then high byte; zero bytes are left out.
        for (const QChar c : text) {
            const auto lo = static_cast<char>(c.unicode() & 0xFF), hi = static_cast<char>(c.unicode() >> 8);
            if (lo != 0) out += lo;
            if (hi != 0) out += hi;
        }
    }
    if (ok) *ok = good;
    return out;
}

void WriteImageText(std::uint32_t address, const QString& text, int count) {
    const QByteArray b = ImageTextBytes(text);
    for (int i = 0; i < count; ++i)
        SetImageByte(address + static_cast<std::uint32_t>(i), i < b.size() ? static_cast<std::uint8_t>(b[i]) : 0);
}

QString ReadImageText(std::uint32_t address, int count) {
    QByteArray b;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t v = ImageByte(address + static_cast<std::uint32_t>(i));
        if (v == 0x00 || v == 0xFF) break;
        b += static_cast<char>(v);
    }
    return TrimNull(DecodeImageBytes(b)) + QChar(0);
}

QString DocumentTextToImageText(const FixedText<16>& text) {
    return DecodeImageBytes(QByteArray::fromStdString(TrimNull(text)));
}

std::string ImageTextToDocumentText(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        bool ok = false;
        const QByteArray b = ImageTextBytes(QString(c), &ok);
        if (ok && b.size() == 1) out += b[0];
        else if (c.unicode() <= 0xFF) out += static_cast<char>(c.unicode());  // a byte that stood for itself, or NUL
        else out += '?';
    }
    return out;
}

void PackSettings(GeneralSettingsRecord& settings) {
    DocumentImage& doc = WorkDocument;
    for (int b = 0; b < BandCount; ++b) {
        const std::uint32_t validBase = GroupValidBase + 2 * static_cast<std::uint32_t>(b);
        SetImageByte(validBase, 0);
        SetImageByte(validBase + 1, 0);
        const std::uint32_t nameBase = GroupNameBase + 0x20 * static_cast<std::uint32_t>(b);
        for (int g = 1; g <= NamedGroupsOf(b); ++g) {
            if (settings.GroupValid(b, g) != 0) SetImageBit(validBase, g - 1);
            const std::string name = TrimNull(settings.GroupName(b, g));
            for (std::uint32_t k = 0; k < 2; ++k)
                SetImageByte(nameBase + 2 * static_cast<std::uint32_t>(g - 1) + k,
                             k < name.size() ? static_cast<std::uint8_t>(name[k]) : 0);
        }
    }

    SetImageByte(BandAddress, Low(doc.Band));
    for (int b = 0; b < BandCount; ++b) {
        const std::uint32_t a = CurGroupBase + 2 * static_cast<std::uint32_t>(b);
        const Integer cur = settings.CurGroupIndex[static_cast<std::size_t>(b)];
        SetImageByte(a, cur == 0 ? 0 : Low(cur - 1));
        SetImageByte(a + 1, Low(settings.CurGroupAux[static_cast<std::size_t>(b)]));
        for (int g = 1; g <= WorkChannelGroupsOf(b); ++g)
            SetImageByte(WorkChannelAddress(b, g), Low(settings.WorkChannel(b, g) - 1));
    }

    for (int b = 0; b < BandCount; ++b) {
        const std::uint32_t p = PublicDefaultsAddress(b);
        const PublicDefaults& pub = PublicOf(settings, b);
        std::uint8_t flags = 0;
        for (const auto& f : PublicFlagLayout)
            if (pub[static_cast<std::size_t>(f.word)] != 0) flags |= static_cast<std::uint8_t>(1u << f.bit);
        SetImageByte(p, flags);
        SetImageByte(p + 2, Low(pub[PubRoger]));
        SetImageByte(p + 3, Low(pub[PubMode]));
    }

    for (int m = 1; m <= 16; ++m) {
        const std::string s = TrimNull(settings.DtmfAutodial[static_cast<std::size_t>(m)]);
        const std::uint32_t a = DtmfAutodialBase + 16 * static_cast<std::uint32_t>(m - 1);
        for (std::size_t k = 0; k < 16; ++k)
            SetImageByte(a + static_cast<std::uint32_t>(k),
                         static_cast<std::uint8_t>(k < s.size() ? TextToDigit(s.substr(k, 1)) : 0x10));
    }

    for (const OptionField& f : OptionTable) PackOption(f, settings, doc);
    WriteImageText(OptionTextAddress, DocumentTextToImageText(settings.OptionText), 16);
    std::uint8_t modes = 0;
    for (const auto& m : ModeEnableLayout)
        if (doc.*m.field != 0) modes |= static_cast<std::uint8_t>(1u << m.bit);
    SetImageByte(ModeEnableAddress, modes);
}

void UnpackSettings(GeneralSettingsRecord& settings) {
    DocumentImage& doc = WorkDocument;
    for (int b = 0; b < BandCount; ++b) {
        const std::uint32_t validBase = GroupValidBase + 2 * static_cast<std::uint32_t>(b);
        const std::uint32_t nameBase = GroupNameBase + 0x20 * static_cast<std::uint32_t>(b);
        for (int g = 1; g <= NamedGroupsOf(b); ++g) {
            settings.GroupValid(b, g) = ImageBit(validBase, g - 1) ? 1 : 0;
            std::string name;
            for (std::uint32_t k = 0; k < 2; ++k) {
                const std::uint8_t c = ImageByte(nameBase + 2 * static_cast<std::uint32_t>(g - 1) + k);
                if (c != 0x00 && c != 0xFF) name += static_cast<char>(c);
            }
            settings.GroupName(b, g) = name;
        }
    }

    doc.Band = InRangeOr(ImageByte(BandAddress), 0, 2, doc.Band);
    for (int b = 0; b < BandCount; ++b) {
        const std::uint32_t a = CurGroupBase + 2 * static_cast<std::uint32_t>(b);
        Integer& cur = settings.CurGroupIndex[static_cast<std::size_t>(b)];
        cur = InRangeOr(ImageByte(a) + 1, 1, GroupsOfBand(b), cur);
        settings.CurGroupAux[static_cast<std::size_t>(b)] = ImageByte(a + 1);
        for (int g = 1; g <= WorkChannelGroupsOf(b); ++g) {
            Integer& wc = settings.WorkChannel(b, g);
            wc = InRangeOr(ImageByte(WorkChannelAddress(b, g)) + 1, 1, SlotLimit(b, g), wc);
        }
    }

    for (int b = 0; b < BandCount; ++b) {
        const std::uint32_t p = PublicDefaultsAddress(b);
        PublicDefaults& pub = PublicOf(settings, b);
        const std::uint8_t flags = ImageByte(p);
        for (const auto& f : PublicFlagLayout) pub[static_cast<std::size_t>(f.word)] = (flags >> f.bit) & 1;
        pub[PubRoger] = ImageByte(p + 2);
        pub[PubMode] = ImageByte(p + 3);
    }

    for (int m = 1; m <= 16; ++m) {
        const std::uint32_t a = DtmfAutodialBase + 16 * static_cast<std::uint32_t>(m - 1);
        std::string s;
        for (std::uint32_t k = 0; k < 16; ++k) {
            const std::uint8_t v = ImageByte(a + k);
            if (v >= 0x10) {
                s += '\0';
                break;
            }
            s += DigitToText(v).toStdString();
        }
        settings.DtmfAutodial[static_cast<std::size_t>(m)] = s;
    }

    for (const OptionField& f : OptionTable) UnpackOption(f, settings, doc);
    settings.OptionText = ImageTextToDocumentText(ReadImageText(OptionTextAddress, 16));
    const std::uint8_t modes = ImageByte(ModeEnableAddress);
    for (const auto& m : ModeEnableLayout) doc.*m.field = (modes >> m.bit) & 1;
}

}  // namespace ulbrix
