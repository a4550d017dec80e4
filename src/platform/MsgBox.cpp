#include "platform/MsgBox.h"

#include <cstdio>

namespace platform {

const QString ProgramTitle = QStringLiteral("Ulbrix");

namespace {
MsgHandler& handler() {
    static MsgHandler h;
    return h;
}

MsgResult firstButton(MsgButtons b) {
    switch (b) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel: return MsgResult::Ok;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgResult::Yes;
        case MsgButtons::RetryCancel: return MsgResult::Retry;
    }
    return MsgResult::Ok;
}
}  // namespace

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) {
    MsgRequest req{text, buttons, icon, title.isEmpty() ? ProgramTitle : title};
    if (handler()) return handler()(req);
    std::fprintf(stderr, "%s: %s\n", qPrintable(req.title), qPrintable(req.text));
    return firstButton(buttons);
}

MsgHandler SetMsgHandler(MsgHandler h) {
    MsgHandler old = std::move(handler());
    handler() = std::move(h);
    return old;
}

}  // namespace platform
