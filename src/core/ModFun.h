// Small helpers every part of the program uses: fixed-length texts, numbers,
// DTMF digits, modes, group names and the band limits.
#pragma once

#include <QString>
#include <optional>
#include <string>

#include "core/Records.h"

namespace ulbrix {

// Limits of the current band range text in MHz, set only by ParseBandRange,
// and the second allowed range (21.0 to 21.5 MHz).
inline double BandLowMHz = 0.0;
inline double BandHighMHz = 0.0;
inline double Range2LowMHz = 0.0;
inline double Range2HighMHz = 0.0;

// Trailing blanks removed, then cut before the first NUL (blanks in front of
// the NUL stay).
std::string TrimNull(const std::string& text);
QString TrimNull(const QString& text);
template <std::size_t N>
std::string TrimNull(const FixedText<N>& text) { return TrimNull(text.str()); }

// A fixed-length text's value as shown: TrimNull, bytes taken one to one.
template <std::size_t N>
QString FixedToQString(const FixedText<N>& text) { return QString::fromLatin1(TrimNull(text)); }
// The inverse, for assigning shown texts back (characters above 255 become "?").
std::string QStringToFixed(const QString& text);

// A decimal number, blanks around it allowed: [+-]digits[.digits][e[+-]digits].
bool IsNumeric(const QString& text);
std::optional<double> NumericValue(const QString& text);

// The text's whole-number value (half to even) when it is numeric and fits 16
// bits, else def.
Integer ValOrDefault(const QString& text, Integer def);
Integer ValOrDefault(const std::string& text, Integer def);

// DTMF digits: 0..15 as "0".."9", "A".."D", "*" (14), "#" (15); "" outside.
QString DigitToText(int value);
// The first character as a DTMF digit: "#" 15, "*" 14, a hexadecimal digit its
// value (either case); anything else, an empty text included, 16.
int TextToDigit(const QString& text);
int TextToDigit(const std::string& text);

// Two upper-case hexadecimal digits.
QString ByteToHex2(Byte value);

bool StrEquals(const QString& a, const QString& b, int unused = 0);

// The text after the last "\" or "/"; the whole path when it has none.
QString FileNameFromPath(const QString& path);

// value when it is 0 or 1, else def.
Integer ValidFlag(int value, Integer def);

// Mode codes of a channel: 0 FM, 1 AM, 2 USB, 3 LSB, 4 PA, 5 CW.
int ModeIndexFromText(const QString& text);  // any other text 0
QString ModeTextFromIndex(int mode);         // any other value "FM"

// Display name of a group: the stored two-character name (trimmed, and the
// trimmed text written back), "MEM"/"VFO" for HF 16/17 and HAM 13/14, "" for
// anything else.
QString GetGroupName(int band, int group);
// The group whose display name equals name exactly (the highest-numbered one
// when several do); 0 when none.
int GetGroupID(int band, const QString& name);

// Band limits from App.BandRangeText (or the given text): "low - high MHz".
// Without " - ": 100 and 500. A limit that is not a number: 100 or 500.
void ParseBandRange();
void ParseBandRange(const QString& bandRangeText);

}  // namespace ulbrix
