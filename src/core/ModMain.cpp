#include "core/ModMain.h"

namespace ulbrix {

void ResetProcessState() {
    Doc = DocumentState{};
    App = AppState{};
}

}  // namespace ulbrix
