#include "core/GlobalState.h"

#include <vector>

#include "core/ChannelList.h"
#include "core/ModFreFile.h"
#include "core/ModFun.h"
#include "core/ModMsg.h"
#include "core/ModVersion.h"

namespace ulbrix {

namespace {
std::vector<ProcessStateReset>& resets() {
    static std::vector<ProcessStateReset> r;
    return r;
}
}  // namespace

bool RegisterProcessStateReset(ProcessStateReset reset) {
    resets().push_back(reset);
    return true;
}

void ResetTransferToIdle() {
    for (const auto& r : resets())
        if (r.idle) r.idle();
}

void ResetProcessState() {
    Doc = DocumentState{};
    App = AppState{};
    BandLowMHz = BandHighMHz = Range2LowMHz = Range2HighMHz = 0.0;
    ResetVersionState();
    MsgQueueCount = 0;
    ChInfoLoaded = false;
    ReShowGridHook = nullptr;
    WindowHooks = DocumentWindowHooks{};
    testhooks::SaveFault = nullptr;
    for (const auto& r : resets())
        if (r.full) r.full();
}

}  // namespace ulbrix
