// The dialog of the emergency channels: two per CB plan, two for HF and two
// for HAM, each with its work mode.
#pragma once

#include "editors/channels/SpecialChannelDialog.h"

namespace ulbrix {

class frm_emg : public SpecialChannelDialog {
    Q_OBJECT
public:
    explicit frm_emg(QWidget* parent = nullptr);
};

}  // namespace ulbrix
