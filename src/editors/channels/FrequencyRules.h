// How channel frequencies are typed, checked, stored and shown.
// A stored frequency is an 8-character field: the whole megahertz as two
// digits, then the decimals, without the point, blank-padded.
#pragma once

#include <QString>
#include <optional>

#include "core/Records.h"

namespace ulbrix {

// The band range text the channel editor applies for a band
// (CB "26.96500 - 27.86125 MHz", HF "24.7150 - 30.1050 MHz", HAM "28.0000 - 29.7000 MHz").
QString ChannelBandRangeText(int band);
// The limits a channel of the band must keep, in MHz (both inclusive): those
// of the text, but for CB the span of all seven plans (26.565 - 27.99125).
struct FrequencyLimits {
    double low = 0.0;
    double high = 0.0;
};
FrequencyLimits ChannelBandLimits(int band);

// The shown text of a stored field: "" for no frequency (empty, blanks,
// "FFFFFFFF"), else MHz formatted "#0.00000". A field that is not a number
// gives nullopt: the caller shows the cell empty and reports it.
std::optional<QString> FieldToFrequencyText(const std::string& field);
template <std::size_t N>
std::optional<QString> FieldToFrequencyText(const FixedText<N>& field) { return FieldToFrequencyText(field.str()); }

// The shown text of a field, "" for a corrupt one; sets *corrupt when it was.
QString DigitsToFrequencyText(const FixedText<8>& field, bool* corrupt = nullptr);

// f cut down (never rounded up) to a whole number of 10 Hz steps above the
// lower limit.
double SnapFreq10Hz(double mhz, const FrequencyLimits& limits);

// A typed text checked against the limits: the snapped text "#0.00000", or
// nullopt when it is not a number or lies outside the limits.
std::optional<QString> CheckTypedFrequency(const QString& typed, const FrequencyLimits& limits);

// "#0.00000" with "." whatever the locale.
QString FormatMHz(double mhz);

// The stored field of a shown MHz text (left-justified, blank-padded, cut to 8).
std::string FrequencyTextToField(const QString& text);

// Column 1 of the channel grid writes the receive frequency; any other column
// changes nothing.
void SetRecordFreq(ChannelRecord& record, int column, const QString& text);

// The frequency of a stored field in MHz; nullopt for none or a corrupt field.
std::optional<double> FieldMHz(const FixedText<8>& field);

}  // namespace ulbrix
