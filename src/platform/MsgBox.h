// The one seam every message box goes through. Windows install a handler that
// shows a real dialog; tests install one that records and answers.
#pragma once

#include <QString>
#include <functional>

namespace platform {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Question, Exclamation, Critical, Information };
enum class MsgResult { Ok, Cancel, Yes, No, Retry };

struct MsgRequest {
    QString text;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    QString title;
};

using MsgHandler = std::function<MsgResult(const MsgRequest&)>;

// Shows a message and waits for the answer. The title defaults to the program name.
MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::Ok,
                 MsgIcon icon = MsgIcon::None, const QString& title = QString());

// Replaces the handler; returns the previous one. With no handler installed the
// message goes to standard error and the first button is taken.
MsgHandler SetMsgHandler(MsgHandler handler);

extern const QString ProgramTitle;  // "Ulbrix"

}  // namespace platform
