// The batch-write progress dialog: the current radio's percentage and the
// radio number of the batch. Closing it cancels the batch.
#pragma once

#include "link/dialogs/ProgressDialog.h"

namespace ulbrix {

class frmMProgress : public ProgressDialog {
    Q_OBJECT
public:
    frmMProgress(CommEngine& engine, QWidget* parent = nullptr);

    QProgressBar* ProgressBar2;  // radio number
    QLabel* Label3;              // radio number
    QLabel* Label4;              // radio-number caption

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
};

}  // namespace ulbrix
