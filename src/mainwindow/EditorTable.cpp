// The editor windows the main window can open, by window name. Each editor
// adds its line here when it is built, e.g.
//   RegisterChildForm(FormName::ChannelInfo, [](QWidget* p) -> QWidget* { return new frmCommChInfo(p); });
// A name with no line opens nothing: its menu item and tree node stay inert.
#include "mainwindow/ChildForms.h"

namespace ulbrix {

void RegisterKnownEditors() {}

}  // namespace ulbrix
