// The editor windows the main window can open, by window name: one line per
// editor, e.g.
//   RegisterEditor<frmCommChInfo>(FormName::ChannelInfo);
// A name with no line opens nothing: its menu item and tree node stay inert.
#include "editors/EditorBase.h"
#include "mainwindow/EditorTable.h"
#include "editors/channels/frmCommChInfo.h"
#include "editors/channels/FrmTVCH.h"
#include "editors/channels/Frm_GroupName.h"
#include "editors/channels/frm_MEM.h"
#include "editors/channels/frm_dw.h"
#include "editors/channels/frm_emg.h"
#include "editors/settings/FrmDTMF.h"
#include "editors/settings/FrmOptFeatures.h"
#include "editors/settings/FrmToneTips.h"
#include "platform/widgets/ChildForms.h"

namespace ulbrix {

void RegisterKnownEditors() {
    RegisterEditor<frmCommChInfo>(FormName::ChannelInfo);
    RegisterEditor<frm_emg>(FormName::Emergency);
    RegisterEditor<frm_dw>(FormName::DualWatch);
    RegisterEditor<frm_MEM>(FormName::MemChannel);
    RegisterEditor<FrmTVCH>(FormName::Weather);
    RegisterEditor<Frm_GroupName>(FormName::GroupName);
    RegisterEditor<FrmOptFeatures>(FormName::OptFeatures);
    RegisterEditor<FrmToneTips>(FormName::ToneTips);
    RegisterEditor<FrmDTMF>(FormName::DTMF);
}

}  // namespace ulbrix
