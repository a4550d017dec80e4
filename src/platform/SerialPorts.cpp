#include "platform/SerialPorts.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <algorithm>

#include "platform/Paths.h"

namespace platform {

namespace {

struct DeviceRange {
    const char* prefix;
    int firstPort;
};
// 32 ports each, in the order the numbers are given out.
constexpr DeviceRange kRanges[] = {{"/dev/ttyS", 1}, {"/dev/ttyUSB", 33}, {"/dev/ttyACM", 65}};
constexpr int kPortsPerRange = 32;

SystemPortLister& lister() {
    static SystemPortLister l;
    return l;
}

QStringList systemPorts() {
    if (lister()) return lister()();
    QStringList out;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) out << info.systemLocation();
    return out;
}

QString linkFor(int n) { return PortsFolder() + QStringLiteral("/com") + QString::number(n); }

}  // namespace

QString PortsFolder() {
    // The settings file lives in <parent of program folder>/language.
    QDir dir(ProgramDir());
    dir.cdUp();
    return dir.absolutePath() + QStringLiteral("/ports");
}

QString DeviceForPort(int n) {
    const QFileInfo link(linkFor(n));
    if (link.isSymLink()) return link.symLinkTarget();
    for (const DeviceRange& r : kRanges) {
        if (n >= r.firstPort && n < r.firstPort + kPortsPerRange)
            return QString::fromLatin1(r.prefix) + QString::number(n - r.firstPort);
    }
    return QString();
}

int PortForDevice(const QString& device) {
    for (const DeviceRange& r : kRanges) {
        const QString prefix = QString::fromLatin1(r.prefix);
        if (!device.startsWith(prefix)) continue;
        bool ok = false;
        const int index = device.mid(prefix.size()).toInt(&ok);
        if (ok && index >= 0 && index < kPortsPerRange && device.mid(prefix.size()) == QString::number(index))
            return r.firstPort + index;
    }
    return 0;
}

QList<int> ExistingPortNumbers() {
    QList<int> out;
    QList<int> linked;
    const QDir folder(PortsFolder());
    const QStringList names = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!name.startsWith(QStringLiteral("com"))) continue;
        bool ok = false;
        const int n = name.mid(3).toInt(&ok);
        if (!ok || n < 1 || name.mid(3) != QString::number(n)) continue;
        const QFileInfo link(folder.filePath(name));
        if (!link.isSymLink()) continue;
        linked << n;
        if (QFileInfo::exists(link.symLinkTarget())) out << n;
    }
    for (const QString& dev : systemPorts()) {
        const int n = PortForDevice(dev);
        // A link of the same number stands for another device.
        if (n > 0 && !linked.contains(n) && !out.contains(n)) out << n;
    }
    std::sort(out.begin(), out.end());
    return out;
}

void SetSystemPortLister(SystemPortLister l) { lister() = std::move(l); }

}  // namespace platform
