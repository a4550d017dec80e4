// Serial port numbers. Transfers and settings keep numbered COM ports
// ("COM3", "comPort=3"); here a number becomes a Linux device. Port n is the
// device that the link "comN" in the "ports" folder (beside the "language"
// folder of the settings file) points to; without such a link COM1-COM32 are
// /dev/ttyS0-31, COM33-COM64 /dev/ttyUSB0-31 and COM65-COM96 /dev/ttyACM0-31.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// The folder of the comN links.
QString PortsFolder();
// The device of port n; empty when n has none (out of range).
QString DeviceForPort(int n);
// The port number of a standard device path (/dev/ttyUSB2 gives 35); 0 if none.
int PortForDevice(const QString& device);
// Port numbers of the devices that exist, ascending: links whose target
// exists, and mapped devices that the system lists as serial ports.
QList<int> ExistingPortNumbers();

// The system's list of serial devices (full paths). Tests replace it; an
// empty function restores the real one.
using SystemPortLister = std::function<QStringList()>;
void SetSystemPortLister(SystemPortLister lister);

}  // namespace platform
