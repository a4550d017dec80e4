// The calls one window makes on another. Each reaches the window only while
// it is open (a window is never opened for a call) and returns false when it
// is not open. The target declares the operation Q_INVOKABLE under the
// method name listed in WindowCallTable().
#pragma once

#include <QString>
#include <vector>

namespace ulbrix::calls {

// The channel editor refills its work-channel list / reselects the stored
// work channels of the shown group.
bool InitValidComboList();
bool ShowValidComboText();
// Lists of valid roger-beep patterns / autodial memories rebuilt, on the
// channel editor and on the optional-features editor.
bool ShowRB();
bool ShowDTMF();
// The channel editor refills its group lists after a rename.
bool ReShow_Group_Name();
// The channel editor redraws one row of its grid.
bool reShowGrid(int row);
// What the channel editor shows: band 0..2, group (list position + 1) and the
// grid's current row. False when it is not open.
bool ChannelEditorPosition(int& band, int& group, int& row);

// Every call above: the window name and the method signature it needs.
struct WindowCall {
    QString formName;
    const char* signature;  // normalized, as QMetaObject::indexOfMethod takes it
};
const std::vector<WindowCall>& WindowCallTable();

}  // namespace ulbrix::calls
