#include "editors/ComboHelpers.h"

#include <QComboBox>
#include <QVariant>

#include "core/ModPubFun.h"

namespace ulbrix {

namespace {
constexpr int OwnTextRole = Qt::UserRole + 79;

int ownTextIndex(const QComboBox* box) {
    const int last = box->count() - 1;
    return IsOwnTextItem(box, last) ? last : -1;
}
}  // namespace

bool IsOwnTextItem(const QComboBox* box, int index) {
    return box && index >= 0 && index < box->count() && box->itemData(index, OwnTextRole).toBool();
}

QStringList ComboItems(const QComboBox* box) {
    QStringList items;
    if (!box) return items;
    items.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        if (!IsOwnTextItem(box, i)) items << box->itemText(i);
    return items;
}

void DropOwnTextItem(QComboBox* box) {
    if (!box) return;
    const int own = ownTextIndex(box);
    if (own >= 0 && own != box->currentIndex()) box->removeItem(own);
}

// The own-text item is always the last one and there is at most one, so the
// items before it keep their indices and removing it never moves the shown one.
void ShowComboValue(QComboBox* box, const ShownItem& shown) {
    if (!box) return;
    int own = ownTextIndex(box);
    const int listed = own >= 0 ? own : box->count();
    if (shown.index >= 0 && shown.index < listed) {
        box->setCurrentIndex(shown.index);
    } else if (!shown.own.isEmpty()) {
        if (own < 0) {
            box->addItem(shown.own);
            own = box->count() - 1;
            box->setItemData(own, true, OwnTextRole);
        } else {
            box->setItemText(own, shown.own);
        }
        box->setCurrentIndex(own);
        return;
    } else {
        box->setCurrentIndex(-1);
    }
    DropOwnTextItem(box);
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
