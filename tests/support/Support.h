// Helpers shared by the tests: a recorder that answers message boxes, and a
// temporary copy of the runtime folder layout.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <vector>

#include "platform/MsgBox.h"

namespace testsupport {

// Installs itself as the message handler for its lifetime. Answers come from
// the queue given with `answer`; with none queued, the first button is taken.
class MsgRecorder {
public:
    MsgRecorder();
    ~MsgRecorder();
    void answer(platform::MsgResult r) { answers_.push_back(r); }
    const std::vector<platform::MsgRequest>& shown() const { return shown_; }
    QStringList texts() const;
    void clear() { shown_.clear(); }

private:
    std::vector<platform::MsgRequest> shown_;
    std::deque<platform::MsgResult> answers_;
    platform::MsgHandler previous_;
};

// A temporary copy of the runtime tree: root/bin (program folder, with Init
// and PIC), root/language/mysetup.ini and root/Version.ini. The program
// folder is pointed at root/bin while the object lives.
class RuntimeDir {
public:
    explicit RuntimeDir(bool withInit = true);
    ~RuntimeDir();
    QString root() const { return dir_.path(); }
    QString bin() const { return dir_.path() + "/bin"; }
    QString settingsFile() const { return dir_.path() + "/language/mysetup.ini"; }
    QString versionFile() const { return dir_.path() + "/Version.ini"; }
    void writeFile(const QString& rel, const QByteArray& content) const;
    QByteArray readFile(const QString& rel) const;

private:
    QTemporaryDir dir_;
    QString previousProgramDir_;
};

}  // namespace testsupport
