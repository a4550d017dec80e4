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
// What a list shows for a stored value: the item `index`, or, when the list
// lacks the value, the value's own text (nothing when that is empty too).
struct ShownItem {
    int index = -1;
    QString own;
    bool operator==(const ShownItem&) const = default;
};
// The item at `index`; the own text for an index outside the list.
ShownItem ShowIndex(const QStringList& items, int index, const QString& own);
// The item at `value`, the list index a field stores; outside the list, the
// value in the list's numbering (OwnItemText).
ShownItem ShowAt(const QStringList& items, long value);
// The item equal to `text`; `text` itself as the own text when no item is.
ShownItem ShowText(const QStringList& items, const QString& text);
// Entry `value` of `entries` (a mode, a key function) found by its text among
// `items`, which may leave entries out; a value no entry has shows its number.
ShownItem ShowEntry(const QStringList& entries, long value, const QStringList& items);
// The text a list's own numbering gives a value beyond its last item: where
// the last three items are numbers in one step with one suffix ("1S", "2S",
// "3S"), the numbering goes on ("40S"); otherwise, and for a negative value,
// the value itself.
QString OwnItemText(const QStringList& items, long value);
// "FM", "AM", "USB", "LSB", "PA", "CW": the list index is the mode code.
QStringList FillModeCombo();
// "from", "from + step", ... up to `to`, each followed by `suffix`.
QStringList NumberItems(int from, int to, int step = 1, const char* suffix = "");

}  // namespace ulbrix
