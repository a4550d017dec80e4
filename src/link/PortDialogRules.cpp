#include "link/PortDialogRules.h"

#include "core/GlobalState.h"
#include "core/ModPubFun.h"
#include "core/ModVersion.h"
#include "platform/SerialPorts.h"

namespace ulbrix {

int ListComPorts(QStringList& items) {
    items.clear();
    int first = 0;
    for (int n : platform::ExistingPortNumbers()) {
        items << QStringLiteral("COM") + QString::number(n);
        if (first == 0 && n != 0) first = n;
    }
    return first;
}

int PortNumberOfItem(const QString& item, bool* numeric) {
    bool ok = false;
    const int n = item.mid(3).trimmed().toInt(&ok);
    if (numeric) *numeric = ok;
    return ok ? n : 0;
}

void ComSetModel::show(int firstPort, int port) {
    if (firstPort < 1) {
        SelectedPort = 0;
        ShownIndex = -1;
        return;
    }
    ShownIndex = SelectComboText(Items, QStringLiteral("COM") + QString::number(port));
    SelectedPort = ShownIndex >= 0 ? PortNumberOfItem(Items[ShownIndex]) : 0;
}

void ComSetModel::Load(int isVista, int comPort) {
    int first = 0;
    if (isVista == 1) {
        Items.clear();
        for (int n = 1; n <= 255; ++n) Items << QStringLiteral("COM") + QString::number(n);
        first = 1;
    } else {
        first = ListComPorts(Items);
    }
    show(first, comPort);
}

bool ComSetModel::Refresh(bool dropDownOpen) {
    if (dropDownOpen) return false;
    const int first = ListComPorts(Items);
    show(first, SelectedPort);
    return true;
}

void ComSetModel::Select(int index) {
    if (index < 0 || index >= Items.size()) return;
    ShownIndex = index;
    SelectedPort = PortNumberOfItem(Items[index]);
}

bool ComSetModel::Ok(int index) {
    if (index < 0 || index >= Items.size()) return false;
    bool numeric = false;
    const int n = PortNumberOfItem(Items[index], &numeric);
    if (!numeric) return false;
    App.ComPort = n;
    WriteSetting(QStringLiteral("comPort"), QString::number(n));
    return true;
}

}  // namespace ulbrix
