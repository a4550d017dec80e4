// One flag per 16-byte block of the radio image, for marking the blocks a
// pack touches. The marking is switched off in this program: nothing sets
// BlockMarking, so the map stays all zero and no caller depends on it.
#pragma once

#include <array>
#include <cstdint>

namespace ulbrix {

constexpr std::size_t ChangedBlockCount = 8736;  // 8736 * 16 = 139,776
inline std::array<std::uint8_t, ChangedBlockCount> ChangedBlockMap{};
inline bool BlockMarking = false;

// Every entry 0, and the transfer's address back before the first block.
// The argument is not used.
void ClearBlockMap(int unused = 0);
// While BlockMarking is set, the entries of the blocks that bytes
// address .. address + length - 1 fall in become 1 (clipped to the map).
void MarkBlocksChanged(std::int64_t address, std::int64_t length);

}  // namespace ulbrix
