// List-box helpers on the items of a list. Windows apply the results to their
// combo boxes (see editors/ComboHelpers.h).
#pragma once

#include <QString>
#include <QStringList>

namespace ulbrix {

// "" for an empty list; the first item equal to text (exact); else item 0.
QString FindComboItem(const QStringList& items, const QString& text);
// "" for an empty list; item index when it exists; else item 0.
QString GetComboItem(const QStringList& items, int index);
// The index to select for text: that of FindComboItem's result, or -1 (nothing
// selected) when that result is empty.
int SelectComboText(const QStringList& items, const QString& text);
// The same with GetComboItem.
int SelectComboIndex(const QStringList& items, int index);
// "FM", "AM", "USB", "LSB", "PA", "CW": the list index is the mode code.
QStringList FillModeCombo();
// "from", "from + step", ... up to `to`, each followed by `suffix`.
QStringList NumberItems(int from, int to, int step = 1, const char* suffix = "");

}  // namespace ulbrix
