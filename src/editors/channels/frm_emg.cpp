#include "editors/channels/frm_emg.h"

namespace ulbrix {

frm_emg::frm_emg(QWidget* parent) : SpecialChannelDialog(EmergencyDialogMap(), parent) {}

}  // namespace ulbrix
