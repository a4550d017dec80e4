// The single-transfer progress dialog. A whole read or write runs inside its
// modal loop: loading it starts the transfer, and the transfer's end unloads
// it. The user cannot close it; a transfer ends by itself (or through the
// connection question) within seconds of the radio going quiet.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace ulbrix {

class CommEngine;

class FrmProgress : public QDialog {
    Q_OBJECT
public:
    FrmProgress(CommEngine& engine, QWidget* parent = nullptr);

    QProgressBar* ProgressBar1;
    QLabel* Label1;  // "Completion percentage:"
    QLabel* Label2;  // percent & "%"

    // Bar value only.
    void SetProgressValue(int rValue);
    // Bar and percentage label, as the transfer's progress shows them.
    void ShowPercent(int percent);
    // Ends the modal loop (the transfer has finished).
    void Unload();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void Form_Load();
    void ChangShowByLanguage();
    void justSize();

    CommEngine& engine_;
    bool loaded_ = false;
    bool unloading_ = false;
};

}  // namespace ulbrix
