// The editor windows the main window can open, by window name: one line per
// editor, e.g.
//   RegisterEditor<frmCommChInfo>(FormName::ChannelInfo);
// A name with no line opens nothing: its menu item and tree node stay inert.
#include "editors/EditorBase.h"
#include "mainwindow/ChildForms.h"

namespace ulbrix {

void RegisterKnownEditors() {}

}  // namespace ulbrix
