// Rules of the weather channel table: how a typed frequency is checked,
// snapped and stored, and how an entry is shown. No widgets here.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

#include "core/Records.h"
#include "editors/ControlRows.h"

namespace ulbrix {

constexpr double WeatherLowMHz = 136.0;
constexpr double WeatherHighMHz = 174.0;
constexpr int WeatherChannelRows = 41;  // 40 numbered channels and the VFO entry (row 41)

// Word numbers of the weather settings (WeatherSettings::w).
enum WeatherWord { WxOnOff = 0, CurWxChannel, WxAlert, WxScanState, WxVfo, WxStep, WxSql };

// A frequency on the 5 kHz or 6.25 kHz grid comes back unchanged; any other
// is cut down to the 5 kHz step below it.
double TV_CH_Step(double f);
// A typed frequency checked: "" when it is not a number; clamped to
// 136..174 MHz, else snapped by TV_CH_Step; written as the shortest text.
QString TV_CH_CheckFre(const QString& text);

// What committing the frequency box does to its entry.
struct WeatherFrequencyCommit {
    enum Kind { Store, Clear, Keep } kind;
    double freqMHz;
};
// An emptied box clears the entry; a text that is not a number ("." or
// "1.2.3") leaves the entry as it was; anything else stores the checked value.
WeatherFrequencyCommit WeatherFrequencyFromText(const QString& text);
// Applies a frequency commit to an entry: a stored frequency is in use, Wide
// and with OnOff 0; a cleared entry is only marked unused.
void ApplyWeatherFrequency(WeatherChannelRecord& entry, const WeatherFrequencyCommit& commit);

// "000.00000"; a value that is not finite shows as "".
QString FormatWeatherFrequency(double f);

// The six settings that are plain lists (the current channel list is the
// window's own): the window shows them, and Open and Write check that each
// stored value is an item of its list.
std::span<const ControlRow> WeatherSettingRows();
// The settings word row `row` of those shows.
int WeatherSettingWord(std::size_t row);
// The W/N items of the grid's Wide column.
QStringList WeatherWideItems();

// The numbers 1..40 of the entries in use (the VFO entry never).
QStringList UsedWeatherChannelItems();

// The entry of grid row r (1..41); throws std::out_of_range for any other row.
WeatherChannelRecord& WeatherEntry(int row);

// The four grid texts of an entry (columns 1..4): frequency, "" (OnOff is
// never drawn), the W/N item at Wide and the Scan item at ScanAdd (item 0
// when out of range); four empty texts when the entry is not in use.
QStringList WeatherRowTexts(const WeatherChannelRecord& entry, const QStringList& wideItems,
                            const QStringList& scanItems);

// Keys the frequency box takes: digits and "."; control keys pass.
bool WeatherFrequencyKey(QChar c);

}  // namespace ulbrix
