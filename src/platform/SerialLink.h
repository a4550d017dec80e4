// The serial control of a transfer: one port, opened at 38400 8N1 without
// flow control and used as a raw byte stream. The engine never reads it
// synchronously; it is told when bytes have arrived or the port has failed.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

namespace platform {

class SerialLink : public QObject {
    Q_OBJECT
public:
    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    // Opens the device (a path such as /dev/ttyUSB0). Handshaking 0 none,
    // 1 XON/XOFF, 2 RTS/CTS, 3 RTS/CTS as well (the port has no mixed mode);
    // stop bits 1 or 2. A port already open is closed first. False on any
    // failure, with the reason in errorText().
    bool open(const QString& device, int handshaking = 0, int stopBits = 1);
    void close();
    bool isOpen() const;
    QString device() const { return device_; }
    QString errorText() const { return error_; }

    // Writes the whole frame at once; false when the port is closed or refuses.
    bool write(const QByteArray& frame);
    // Empties both directions, the driver's queues and ours.
    void clearBuffers();
    // Everything received so far.
    QByteArray readAll();
    qint64 bytesAvailable() const;

signals:
    void bytesArrived();
    // The device went away or can no longer be used (an unplugged adapter).
    void portFailed();

private:
    void onError(int code);

    QSerialPort* port_;
    QString device_;
    QString error_;
};

}  // namespace platform
