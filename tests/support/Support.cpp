#include "support/Support.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "platform/Paths.h"

namespace testsupport {

MsgRecorder::MsgRecorder() {
    previous_ = platform::SetMsgHandler([this](const platform::MsgRequest& r) {
        shown_.push_back(r);
        if (!answers_.empty()) {
            auto a = answers_.front();
            answers_.pop_front();
            return a;
        }
        switch (r.buttons) {
            case platform::MsgButtons::YesNo:
            case platform::MsgButtons::YesNoCancel: return platform::MsgResult::Yes;
            case platform::MsgButtons::RetryCancel: return platform::MsgResult::Retry;
            default: return platform::MsgResult::Ok;
        }
    });
}

MsgRecorder::~MsgRecorder() { platform::SetMsgHandler(std::move(previous_)); }

QStringList MsgRecorder::texts() const {
    QStringList l;
    for (const auto& r : shown_) l << r.text;
    return l;
}

static void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QString p = it.next();
        QString rel = QDir(from).relativeFilePath(p);
        if (QFileInfo(p).isDir()) QDir().mkpath(to + "/" + rel);
        else { QFile::remove(to + "/" + rel); QFile::copy(p, to + "/" + rel); }
    }
}

RuntimeDir::RuntimeDir(bool withInit) {
    const QString src = QStringLiteral(ULBRIX_SOURCE_DATA);
    const QString built = QStringLiteral(ULBRIX_BUILD_ROOT);
    copyTree(src, root());
    QFile::remove(root() + "/language/mysetup.ini");
    QFile::copy(src + "/language/mysetup.ini", root() + "/language/mysetup.ini");
    QFile(root() + "/language/mysetup.ini").setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QDir(bin() + "/Init").removeRecursively();
    QDir().mkpath(bin() + "/Init");
    if (withInit) copyTree(built + "/bin/Init", bin() + "/Init");
    previousProgramDir_ = platform::ProgramDir();
    platform::SetProgramDir(bin());
}

RuntimeDir::~RuntimeDir() { platform::SetProgramDir(previousProgramDir_); }

void RuntimeDir::writeFile(const QString& rel, const QByteArray& content) const {
    QString p = root() + "/" + rel;
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(content);
}

QByteArray RuntimeDir::readFile(const QString& rel) const {
    QFile f(root() + "/" + rel);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace testsupport
