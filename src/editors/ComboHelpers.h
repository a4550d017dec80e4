// The list-box helpers applied to combo boxes: the rules live in
// core/ModPubFun.h, these read a box's items and select what they say.
#pragma once

#include <QString>
#include <QStringList>

#include "core/ModPubFun.h"

class QComboBox;

namespace ulbrix {

// The box's items, without the item that shows a stored value it lacks.
QStringList ComboItems(const QComboBox* box);
QString FindComboItem(const QComboBox* box, const QString& text);
QString GetComboItem(const QComboBox* box, int index);
// Selects the found item (item 0 when the text is not in the list); nothing
// is selected when the list is empty.
void SelectComboText(QComboBox* box, const QString& text);
void SelectComboIndex(QComboBox* box, int index);
// Shows a stored value (run it under the fill guard). A value the list lacks
// shows its own text as an extra last item, so the closed list and a screen
// reader both read it; ComboItems leaves that item out, a pick of it stores
// nothing and a pick of any other item drops it.
void ShowComboValue(QComboBox* box, const ShownItem& shown);
// True for the extra item that shows a value the list lacks.
bool IsOwnTextItem(const QComboBox* box, int index);
// Removes that item unless it is the one shown.
void DropOwnTextItem(QComboBox* box);
// Clears the box and adds the six mode names; the index is the mode code.
void FillModeCombo(QComboBox* box);

}  // namespace ulbrix
