// Rules of the eight roger-beep tone patterns: when a pattern is valid, how
// the references to patterns stay consistent after an edit, the texts of the
// roger-beep windows, and the geometry of the chart that pictures a pattern.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "core/Records.h"

namespace ulbrix {

constexpr int RBPatternCount = 8;
constexpr int RBToneCount = 14;

// n when pattern n (1..8) of the working document repeats at least once and
// has a tone with a length; 0 otherwise (also for n outside 1..8).
int ValidRBIndex(int n);
// Number of valid patterns (0..8).
int CountValidRB();

// A roger-beep reference: 0 Off, 127 + n pattern n.
constexpr int RBReferenceOf(int pattern) { return pattern <= 0 ? 0 : 127 + pattern; }
// The reference kept as it is, or 0 when it names no valid pattern.
Integer CheckedRBReference(Integer reference);

// Sets every reference to a pattern that is no longer valid to Off: every
// channel in use of every band and group, the CB memory channels and the three
// public Roger words. Touches the records only.
void ClearStaleRBReferences();
// ClearStaleRBReferences, then the open channel editor and optional-features
// editor show their roger-beep lists again (a closed window is not opened).
void RefreshRBReferences();

// A text of the roger-beep vocabulary (menu item 10221, tree node 12014,
// window texts 29000..29201) in the current language; "" for an unknown id.
QString GetRBText(long id);

// A roger-beep list: the Off word, then the number of every valid pattern.
QStringList ValidRBItems();

// One bar of the pattern chart, in the surface's own scale units: the box
// from (left, base) to (right, top), red for odd tone numbers, blue for even.
struct RBChartBar {
    int tone = 0;  // 1..14
    int left = 0;
    int right = 0;
    int base = 0;
    int top = 0;
    bool red = false;
};
// The bars of a pattern drawn on a surface of scaleWidth x scaleHeight units:
// they stand on a line 50 units above the bottom, start 50 units from the
// left, share the width less 100 by their lengths, and 2560 Hz would reach
// the height less 100. Each tone is drawn as it plays: a skipped tone draws
// nothing, a silent one no height, a held length or pitch its held value,
// and no bar rises above the height less 100.
std::vector<RBChartBar> RBChartGeometry(const RogerBeepPattern& pattern, double scaleWidth,
                                        double scaleHeight);

}  // namespace ulbrix
