#include "platform/widgets/MsgBoxDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace platform {

namespace {

struct ButtonDef {
    QMessageBox::StandardButton button;
    MsgResult result;
    const char* english;
    const char* chinese;
};

// Every button the seam knows, with what it answers.
const ButtonDef kButtons[] = {
    {QMessageBox::Ok, MsgResult::Ok, "OK", "确定"},
    {QMessageBox::Yes, MsgResult::Yes, "&Yes", "是(&Y)"},
    {QMessageBox::No, MsgResult::No, "&No", "否(&N)"},
    {QMessageBox::Retry, MsgResult::Retry, "&Retry", "重试(&R)"},
    {QMessageBox::Cancel, MsgResult::Cancel, "Cancel", "取消"},
};

QMessageBox::StandardButtons buttonsOf(MsgButtons b) {
    switch (b) {
        case MsgButtons::Ok: return QMessageBox::Ok;
        case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconOf(MsgIcon i) {
    switch (i) {
        case MsgIcon::None: return QMessageBox::NoIcon;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

// What closing the box with its close button or Escape means.
MsgResult escapeResult(MsgButtons b) {
    switch (b) {
        case MsgButtons::Ok: return MsgResult::Ok;
        case MsgButtons::YesNo: return MsgResult::No;
        default: return MsgResult::Cancel;
    }
}

}  // namespace

QMessageBox* BuildMsgBoxDialog(const MsgRequest& request, bool chinese, QWidget* parent) {
    auto* box = new QMessageBox(iconOf(request.icon), request.title.isEmpty() ? ProgramTitle : request.title,
                                request.text, buttonsOf(request.buttons), parent);
    for (const auto& def : kButtons) {
        if (QAbstractButton* b = box->button(def.button))
            b->setText(QString::fromUtf8(chinese ? def.chinese : def.english));
    }
    // The first button is the default one, as with the system's boxes.
    for (const auto& def : kButtons) {
        if (buttonsOf(request.buttons).testFlag(def.button) &&
            (def.button == QMessageBox::Ok || def.button == QMessageBox::Yes || def.button == QMessageBox::Retry)) {
            box->setDefaultButton(def.button);
            break;
        }
    }
    return box;
}

void InstallMsgBoxDialog(std::function<bool()> chineseButtons, std::function<QWidget*()> parent) {
    SetMsgHandler([chineseButtons, parent](const MsgRequest& request) {
        QWidget* owner = parent ? parent() : nullptr;
        QPointer<QMessageBox> box = BuildMsgBoxDialog(request, chineseButtons && chineseButtons(), owner);
        const int answer = box->exec();
        delete box.data();
        for (const auto& def : kButtons)
            if (answer == def.button) return def.result;
        return escapeResult(request.buttons);
    });
}

}  // namespace platform
