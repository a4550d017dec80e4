// The dialog of the memory channel of each CB plan, of HF and of HAM, each
// with its state; opening it frees memory entries that refer to no channel.
#pragma once

#include "editors/channels/SpecialChannelDialog.h"

namespace ulbrix {

class frm_MEM : public SpecialChannelDialog {
    Q_OBJECT
public:
    explicit frm_MEM(QWidget* parent = nullptr);
};

}  // namespace ulbrix
