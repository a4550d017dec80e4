// The port dialog: lists the serial ports that exist, keeps the list fresh
// while it is open, and stores the choice on OK.
#pragma once

#include <QDialog>

#include "link/PortDialogRules.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace ulbrix {

class FrmComSet : public QDialog {
    Q_OBJECT
public:
    explicit FrmComSet(QWidget* parent = nullptr);

    QComboBox* Combo1;
    QLabel* Label1;
    QPushButton* CommandOK;
    QPushButton* CommandCancel;
    QTimer* ReShowComPortTimer;

    int SelectedPort() const { return model_.SelectedPort; }
    // True after OK stored a port in ComPort.
    bool PortStored() const { return stored_; }

public slots:
    void Combo1_Click(int index);
    void CommandOK_Click();
    void CommandCancel_Click();
    void ReShowComPortTimer_Timer();

protected:
    void done(int r) override;

private:
    void Form_Load();
    void SetLanguageText();
    void fillCombo();

    ComSetModel model_;
    bool filling_ = false;
    bool stored_ = false;
};

}  // namespace ulbrix
