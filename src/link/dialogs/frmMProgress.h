// The batch-write progress dialog: the current radio's percentage and the
// radio number of the batch. Closing it cancels the batch.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace ulbrix {

class CommEngine;

class frmMProgress : public QDialog {
    Q_OBJECT
public:
    frmMProgress(CommEngine& engine, QWidget* parent = nullptr);

    QProgressBar* ProgressBar1;  // percentage of the current radio
    QProgressBar* ProgressBar2;  // radio number
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;

    void ShowPercent(int percent);
    void Unload();

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void Form_Load();

    CommEngine& engine_;
    bool loaded_ = false;
    bool unloading_ = false;
};

}  // namespace ulbrix
