// What the port dialog does, apart from drawing: which ports it lists, which
// one it shows, and what OK stores. The dialog (FrmComSet) applies it to its
// controls.
#pragma once

#include <QString>
#include <QStringList>

namespace ulbrix {

// Fills items with "COM" and the number of every serial port that exists
// ("COM3"); returns the first listed port number that is not 0, or 0.
int ListComPorts(QStringList& items);

// The number after the first three characters of an item ("COM12" gives 12);
// 0 and numeric = false when that text is not a whole number.
int PortNumberOfItem(const QString& item, bool* numeric = nullptr);

struct ComSetModel {
    QStringList Items;
    int SelectedPort = 0;  // 0 when nothing is listed
    int ShownIndex = -1;   // -1: nothing selected

    // Opening the dialog: the list, then the current port's item (or the first).
    void Load(int isVista, int comPort);
    // The refresh timer; nothing happens while the drop-down list is open (its
    // items must not change under the user's pointer). True when rebuilt.
    bool Refresh(bool dropDownOpen);
    // The user picked item index.
    void Select(int index);
    // OK with item index selected (-1 for none): stores a numeric choice in
    // ComPort and the settings file. True when ComPort was set; with no item,
    // or a text that is not a number, ComPort stays as it was.
    bool Ok(int index);

private:
    void show(int firstPort, int port);
};

}  // namespace ulbrix
