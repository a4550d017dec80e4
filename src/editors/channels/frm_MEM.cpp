#include "editors/channels/frm_MEM.h"

namespace ulbrix {

frm_MEM::frm_MEM(QWidget* parent) : SpecialChannelDialog(MemChannelDialogMap(), parent) {}

}  // namespace ulbrix
