#include "editors/ComboHelpers.h"

#include <QComboBox>

#include "core/ModPubFun.h"

namespace ulbrix {

QStringList ComboItems(const QComboBox* box) {
    QStringList items;
    if (!box) return items;
    items.reserve(box->count());
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

QString FindComboItem(const QComboBox* box, const QString& text) { return FindComboItem(ComboItems(box), text); }

QString GetComboItem(const QComboBox* box, int index) { return GetComboItem(ComboItems(box), index); }

void SelectComboText(QComboBox* box, const QString& text) {
    if (box) box->setCurrentIndex(SelectComboText(ComboItems(box), text));
}

void SelectComboIndex(QComboBox* box, int index) {
    if (box) box->setCurrentIndex(SelectComboIndex(ComboItems(box), index));
}

void FillModeCombo(QComboBox* box) {
    if (!box) return;
    box->clear();
    box->addItems(FillModeCombo());
}

}  // namespace ulbrix
