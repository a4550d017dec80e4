// The port search: tries serial ports, handshaking modes and stop bits one
// after another, probes each with "PROGRAM" and keeps the setting at which a
// radio of the expected model answers. Nothing in the program starts it.
#pragma once

#include <QList>
#include <QString>
#include <array>
#include <functional>

namespace ulbrix {

class CommEngine;

struct PortSearchState {
    std::array<int, 256> PortList{};
    int PortCount = 0;
    int PortIndex = 0;
    int SearchPort = 0;
    int SearchHandshaking = 0;  // 0..3
    int SearchStopBit = 1;      // 1 or 2
    int ReturnMode = 0;         // 1 read, 2 write
    bool Searching = false;
    bool OtherRadioFound = false;
    int OtherPort = 0;
    int OtherHandshaking = 0;
    int OtherStopBit = 1;
    QString SearchCaption;  // nothing fills it
};

class PortSearch {
public:
    explicit PortSearch(CommEngine& engine);

    PortSearchState State;
    // Sets the progress dialog's caption.
    std::function<void(const QString&)> setCaption;

    // Starts a search over ports (at most 256) for a transfer of returnMode
    // (1 read, 2 write); the port is opened and probed at once. False when no
    // port of the list can be opened (the retry question has then been asked).
    bool StartPortSearch(const QList<int>& ports, int returnMode);

    // "comPort", "Handshaking" and "StopBit" to the settings file; status bar.
    void SaveCommSettings();
    bool OpenProbePort(int port, int handshaking, int stopBits);
    void SendProgramProbe();
    void ResendProgramProbe();
    // An accepted reply to a probe (program answer, or a parsed identify reply).
    void OnPortSearchEvent();
    bool CheckProbeReply();
    void TryNextPortSetting(bool advance);
    void FinishPortSearch();
    // The probe went unanswered for all its sends: the setting is silent.
    void OnProbeTimeout();

private:
    CommEngine& engine_;
};

}  // namespace ulbrix
