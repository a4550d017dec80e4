#include "link/PortSearch.h"

#include "core/ModFun.h"
#include "core/GlobalState.h"
#include "core/ModVersion.h"
#include "link/ModComm.h"
#include "platform/SerialLink.h"
#include "platform/SerialPorts.h"

namespace ulbrix {

PortSearch::PortSearch(CommEngine& engine) : engine_(engine) {}

bool PortSearch::StartPortSearch(const QList<int>& ports, int returnMode) {
    State = PortSearchState{};
    for (int p : ports) {
        if (State.PortCount >= static_cast<int>(State.PortList.size())) break;
        State.PortList[static_cast<std::size_t>(State.PortCount++)] = p;
    }
    State.ReturnMode = returnMode == CommModeWrite ? CommModeWrite : CommModeRead;
    Comm.CommMode = CommModePortSearch;
    Comm.CommTotal = 139776;
    Comm.CommBlockSize = 16;
    Comm.CommAddress = -16;
    Comm.CommLastPercent = 0;
    Comm.CommActive = true;
    State.Searching = true;
    TryNextPortSetting(false);
    return engine_.TransferUnderWay() && engine_.port()->isOpen();
}

void PortSearch::SaveCommSettings() {
    WriteSetting(QStringLiteral("comPort"), QString::number(App.ComPort));
    WriteSetting(QStringLiteral("Handshaking"), QString::number(App.Handshaking));
    WriteSetting(QStringLiteral("StopBit"), QString::number(App.StopBit));
    if (engine_.portChanged) engine_.portChanged();
}

bool PortSearch::OpenProbePort(int port, int handshaking, int stopBits) {
    engine_.ClosePort();
    return engine_.port()->open(platform::DeviceForPort(port), handshaking, stopBits);
}

void PortSearch::SendProgramProbe() {
    // Through SendProgramCmd and so SendFrame: a resend after a time-out
    // repeats this probe, not whatever frame went before it.
    engine_.SendProgramCmd();
}

void PortSearch::ResendProgramProbe() { SendProgramProbe(); }

void PortSearch::OnPortSearchEvent() {
    engine_.waitTimer()->stop();
    if (Comm.CommMode != CommModePortSearch) return;
    if (Comm.ReadStep == StepProgramSent) {
        Comm.ReadStep = StepIdentifySent;
        engine_.SendIdentifyCmd();
    } else if (Comm.ReadStep == StepIdentifySent) {
        if (CheckProbeReply()) {
            Comm.CommMode = State.ReturnMode;
            if (State.ReturnMode == CommModeWrite) {
                Comm.WriteStep = StepIdentifySent;
                Comm.ReadStep = StepIdle;
            } else {
                Comm.ReadStep = StepIdentifySent;
            }
            App.ComPort = State.SearchPort;
            App.Handshaking = State.SearchHandshaking;
            App.StopBit = State.SearchStopBit;
            State.Searching = true;
            SaveCommSettings();
            if (setCaption) setCaption(State.SearchCaption);
            engine_.CommStep();
        } else {
            TryNextPortSetting(true);
        }
    }
}

bool PortSearch::CheckProbeReply() {
    engine_.waitTimer()->stop();
    if (TrimNull(App.ModelName) == TrimNull(Comm.RadioModelText)) return true;
    if (!State.OtherRadioFound) {
        State.OtherRadioFound = true;
        State.OtherPort = State.SearchPort;
        State.OtherHandshaking = State.SearchHandshaking;
        State.OtherStopBit = State.SearchStopBit;
    }
    return false;
}

void PortSearch::TryNextPortSetting(bool advance) {
    if (advance) {
        if (++State.SearchHandshaking > 3) {
            State.SearchHandshaking = 0;
            if (++State.SearchStopBit > 2) {
                State.SearchStopBit = 1;
                ++State.PortIndex;
            }
        }
    }
    if (State.PortIndex >= State.PortCount) {
        FinishPortSearch();
        return;
    }
    State.SearchPort = State.PortList[static_cast<std::size_t>(State.PortIndex)];
    while (!OpenProbePort(State.SearchPort, State.SearchHandshaking, State.SearchStopBit)) {
        if (++State.PortIndex >= State.PortCount) {
            FinishPortSearch();
            return;
        }
        State.SearchPort = State.PortList[static_cast<std::size_t>(State.PortIndex)];
        State.SearchHandshaking = 0;
        State.SearchStopBit = 1;
    }
    ResendProgramProbe();
}

void PortSearch::FinishPortSearch() {
    State.Searching = false;
    Comm.CommMode = State.ReturnMode;
    if (setCaption) setCaption(State.SearchCaption);
    if (!State.OtherRadioFound) {
        engine_.AskRetryConnection();
        return;
    }
    App.ComPort = State.OtherPort;
    App.Handshaking = State.OtherHandshaking;
    App.StopBit = State.OtherStopBit;
    if (State.ReturnMode == CommModeWrite) Comm.WriteStep = StepProgramSent;
    else Comm.ReadStep = StepProgramSent;
    SaveCommSettings();
    if (OpenProbePort(State.OtherPort, State.OtherHandshaking, State.OtherStopBit)) engine_.SendProgramCmd();
    else engine_.AskRetryConnection();
}

void PortSearch::OnProbeTimeout() {
    if (Comm.CommMode != CommModePortSearch) return;
    TryNextPortSetting(true);
}

}  // namespace ulbrix
