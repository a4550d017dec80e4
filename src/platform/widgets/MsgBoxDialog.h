// The real message boxes of the program: a handler for the message seam that
// shows a modal QMessageBox with the requested buttons and icon.
#pragma once

#include "platform/MsgBox.h"

class QMessageBox;
class QWidget;

namespace platform {

// Builds (but does not run) the box for a request; the caller may inspect it.
// `chinese` gives the buttons Chinese captions.
QMessageBox* BuildMsgBoxDialog(const MsgRequest& request, bool chinese, QWidget* parent = nullptr);

// Installs the dialog handler. `chineseButtons` is asked at each message, so
// the buttons follow a language switch; `parent` gives the box's owner (may
// return nullptr).
void InstallMsgBoxDialog(std::function<bool()> chineseButtons, std::function<QWidget*()> parent);

}  // namespace platform
