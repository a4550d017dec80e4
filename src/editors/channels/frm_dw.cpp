#include "editors/channels/frm_dw.h"

namespace ulbrix {

frm_dw::frm_dw(QWidget* parent) : SpecialChannelDialog(DualWatchDialogMap(), parent) {}

}  // namespace ulbrix
