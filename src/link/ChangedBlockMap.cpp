#include "link/ChangedBlockMap.h"

#include <algorithm>

#include "link/ModComm.h"

namespace ulbrix {

void ClearBlockMap(int /*unused*/) {
    ChangedBlockMap.fill(0);
    Comm.CommAddress = -16;
}

void MarkBlocksChanged(std::int64_t address, std::int64_t length) {
    if (!BlockMarking || length <= 0) return;
    const std::int64_t last = static_cast<std::int64_t>(ChangedBlockCount) - 1;
    const std::int64_t first = std::max<std::int64_t>(address / 16, 0);
    const std::int64_t end = std::min<std::int64_t>((address + length - 1) / 16, last);
    for (std::int64_t i = first; i <= end; ++i) ChangedBlockMap[static_cast<std::size_t>(i)] = 1;
}

}  // namespace ulbrix
