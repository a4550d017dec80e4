// The dialog of the dual-watch channel of each CB plan, of HF and of HAM,
// each with its work mode.
#pragma once

#include "editors/channels/SpecialChannelDialog.h"

namespace ulbrix {

class frm_dw : public SpecialChannelDialog {
    Q_OBJECT
public:
    explicit frm_dw(QWidget* parent = nullptr);
};

}  // namespace ulbrix
