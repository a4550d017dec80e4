// Settings codec: the radio-wide settings of the document (group valid bits,
// group names, band and current groups, work channels, public defaults, DTMF
// autodial memories and the option block) to and from the radio image.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Records.h"

namespace ulbrix {

// Writes every settings region of the image from `settings` and the few
// document fields that live beside it (Band, mode enables, tail words) of
// WorkDocument. The image must have been cleared first.
void PackSettings(GeneralSettingsRecord& settings);
// The mirror: overwrites the fields above from the image. Values out of range
// (an erased radio reads FF everywhere) keep the document's value or take 1.
void UnpackSettings(GeneralSettingsRecord& settings);

// The one free text of the image. With SystemLCIDHex "407" the text goes
// through the system code page (Windows-1252); otherwise each character's
// 16-bit code is split low byte, high byte, with zero bytes dropped. Exactly
// `count` bytes are written: cut, or padded with 0.
void WriteImageText(std::uint32_t address, const QString& text, int count);
// At most `count` bytes from address, stopping before a 0x00 or 0xFF byte,
// converted back the same way; the result is trimmed and ends with one NUL.
QString ReadImageText(std::uint32_t address, int count);
// The byte sequence WriteImageText would use for text, before cutting and
// padding. ok is false when a character has no form in the code page.
QByteArray ImageTextBytes(const QString& text, bool* ok = nullptr);
// Records keep the free text as bytes of the system code page. These turn
// them into the text WriteImageText takes (trimmed), and ReadImageText's
// text back into those bytes, so a read followed by a write sends the same
// bytes (with "407", the Windows-1252 marks such as the euro sign included).
QString DocumentTextToImageText(const FixedText<16>& text);
std::string ImageTextToDocumentText(const QString& text);

// ---- the option block at 0x22100 ----

enum class OptionKind {
    Word8,    // an Integer sent as one byte (0..255)
    Copy8,    // a Byte copied unchanged
    Word16,   // an Integer sent low byte, high byte (0..32767)
    Byte16,   // a Byte sent as the byte then 0; read back only when 0..255
    Long16,   // the 32-bit OptionLong sent low byte, high byte (0..65535)
    Masked7,  // sent as a byte, read back as its bits 0..6
};

// One field of the option block. get/set reach the settings record or, for
// the few fields that live in the document image itself, the document.
struct OptionField {
    std::uint32_t address;
    const char* name;
    OptionKind kind;
    long (*get)(const GeneralSettingsRecord&, const DocumentImage&);
    void (*set)(GeneralSettingsRecord&, DocumentImage&, long);
};
const std::vector<OptionField>& OptionBlockLayout();
// Lowest and highest value an option field can carry to the radio.
long OptionFieldMin(OptionKind kind);
long OptionFieldMax(OptionKind kind);

// Addresses of the other settings regions.
constexpr std::uint32_t GroupValidBase = 0x16460;   // + 2 * band
constexpr std::uint32_t GroupNameBase = 0x22000;    // + 0x20 * band
constexpr std::uint32_t BandAddress = 0x18000;
constexpr std::uint32_t DtmfAutodialBase = 0x20000;  // + 16 * (m - 1)
constexpr std::uint32_t OptionTextAddress = 0x22130;
constexpr std::uint32_t ModeEnableAddress = 0x22141;

// Groups that have a work channel in the image: CB 6, HF 15, HAM 12 (valid
// bits and names go with NamedGroupsOf).
int WorkChannelGroupsOf(int band);
std::uint32_t WorkChannelAddress(int band, int group);

// Public defaults: one flags byte, the Roger word and the Mode word, at
// 0x18108 (CB), 0x18118 (HAM), 0x18128 (HF).
std::uint32_t PublicDefaultsAddress(int band);
// The public defaults of a band in a settings record (const or not); HAM
// comes before HF in the record and the image.
template <class S>
auto& PublicOf(S& s, int band) {
    return band == BandCB ? s.CBPublic : band == BandHAM ? s.HAMPublic : s.HFPublic;
}
struct PublicFlagBit {
    int bit;
    int word;  // index into PublicDefaults
};
inline constexpr std::array<PublicFlagBit, 6> PublicFlagLayout{{
    {0, PubHiCut}, {1, PubEcho}, {2, PubAdd10K}, {3, PubBusy}, {4, PubNB}, {5, PubANL},
}};

// Mode enables at 0x22141, one bit each.
struct ModeEnableBit {
    int bit;
    Integer DocumentImage::*field;
    const char* name;
};
inline constexpr std::array<ModeEnableBit, 6> ModeEnableLayout{{
    {0, &DocumentImage::FMEnable, "FMEnable"},
    {1, &DocumentImage::AMEnable, "AMEnable"},
    {2, &DocumentImage::USBEnable, "USBEnable"},
    {3, &DocumentImage::LSBEnable, "LSBEnable"},
    {4, &DocumentImage::PAEnable, "PAEnable"},
    {5, &DocumentImage::CWEnable, "CWEnable"},
}};

// The DTMF characters a memory may hold.
bool IsDtmfText(const std::string& trimmed);

}  // namespace ulbrix
