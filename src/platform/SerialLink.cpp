#include "platform/SerialLink.h"

#include <QSerialPort>

namespace platform {

SerialLink::SerialLink(QObject* parent) : QObject(parent), port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialLink::bytesArrived);
    connect(port_, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { onError(static_cast<int>(e)); });
}

SerialLink::~SerialLink() { close(); }

bool SerialLink::open(const QString& device, int handshaking, int stopBits) {
    close();
    error_.clear();
    device_ = device;
    if (device.isEmpty()) {
        error_ = QStringLiteral("no device");
        return false;
    }
    port_->setPortName(device);
    if (!port_->open(QIODevice::ReadWrite)) {
        error_ = port_->errorString();
        return false;
    }
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    if (handshaking == 1) flow = QSerialPort::SoftwareControl;
    else if (handshaking == 2 || handshaking == 3) flow = QSerialPort::HardwareControl;
    const bool ok = port_->setBaudRate(QSerialPort::Baud38400) &&
                    port_->setDataBits(QSerialPort::Data8) &&
                    port_->setParity(QSerialPort::NoParity) &&
                    port_->setStopBits(stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
                    port_->setFlowControl(flow);
    if (!ok) {
        error_ = port_->errorString();
        port_->close();
        return false;
    }
    port_->clear(QSerialPort::AllDirections);
    port_->clearError();
    return true;
}

void SerialLink::close() {
    if (port_->isOpen()) port_->close();
}

bool SerialLink::isOpen() const { return port_->isOpen(); }

bool SerialLink::write(const QByteArray& frame) {
    if (!port_->isOpen()) return false;
    if (port_->write(frame) != frame.size()) return false;
    // Hand the frame to the driver now rather than on the next event-loop turn.
    port_->flush();
    return true;
}

void SerialLink::clearBuffers() {
    if (!port_->isOpen()) return;
    port_->clear(QSerialPort::AllDirections);
    port_->readAll();  // what Qt had already taken from the driver
}

QByteArray SerialLink::readAll() { return port_->isOpen() ? port_->readAll() : QByteArray(); }

qint64 SerialLink::bytesAvailable() const { return port_->isOpen() ? port_->bytesAvailable() : 0; }

void SerialLink::onError(int code) {
    const auto e = static_cast<QSerialPort::SerialPortError>(code);
    if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError) return;
    if (!port_->isOpen()) return;  // failures of open() are reported by open()
    error_ = port_->errorString();
    // Read and write errors on a device that has gone away come as
    // ResourceError; any of these leaves the port unusable for a transfer.
    if (e == QSerialPort::ResourceError || e == QSerialPort::ReadError ||
        e == QSerialPort::WriteError || e == QSerialPort::PermissionError ||
        e == QSerialPort::DeviceNotFoundError) {
        port_->clearError();
        emit portFailed();
    }
}

}  // namespace platform
