// The single-transfer progress dialog. A whole read or write runs inside its
// modal loop: loading it starts the transfer, and the transfer's end unloads
// it. The user cannot close it; a transfer ends by itself (or through the
// connection question) within seconds of the radio going quiet.
#pragma once

#include "link/dialogs/ProgressDialog.h"

namespace ulbrix {

class FrmProgress : public ProgressDialog {
    Q_OBJECT
public:
    FrmProgress(CommEngine& engine, QWidget* parent = nullptr);

    // Bar value only.
    void SetProgressValue(int rValue);

protected:
    void Form_Load() override;
    void SetBar(int percent) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    void ChangShowByLanguage();
    void justSize();
};

}  // namespace ulbrix
