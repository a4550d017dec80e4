// The list-box helpers applied to combo boxes: the rules live in
// core/ModPubFun.h, these read a box's items and select what they say.
#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

namespace ulbrix {

QStringList ComboItems(const QComboBox* box);
QString FindComboItem(const QComboBox* box, const QString& text);
QString GetComboItem(const QComboBox* box, int index);
// Selects the found item (item 0 when the text is not in the list); nothing
// is selected when the list is empty.
void SelectComboText(QComboBox* box, const QString& text);
void SelectComboIndex(QComboBox* box, int index);
// Clears the box and adds the six mode names; the index is the mode code.
void FillModeCombo(QComboBox* box);

}  // namespace ulbrix
