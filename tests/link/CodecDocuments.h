// Whole documents for the codec tests: a rich fixed one, random valid ones,
// and the comparison of what a pack and a read carry.
#pragma once

#include <cstdint>

#include "core/GlobalState.h"

namespace codectest {

struct Snapshot {
    ulbrix::DocumentImage doc;
    ulbrix::ChannelTableType table;
    ulbrix::MemChannelListType mem;
};
Snapshot TakeSnapshot();

// Fills the working document with a document that uses every field the image
// carries, within the ranges the editors keep.
void BuildRichDocument();
// The same from a seed: every group, the memory list and all settings random
// but valid.
void BuildRandomDocument(std::uint32_t seed);

// The image as a read from the radio would leave it after the radio had
// received it: only the bytes the walk exchanges survive.
void KeepOnlyExchangedBytes();

// Checks (gtest expectations) that the working document holds every field of
// `before` that the image carries, and the values of a new channel in the
// fields it does not.
void ExpectCarried(const Snapshot& before);

// Every index the document holds lies within its table.
void ExpectIndicesInRange();

}  // namespace codectest
