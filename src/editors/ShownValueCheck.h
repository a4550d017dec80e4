// The values the editors show from a list. A list shows item 0 (or nothing)
// for a value that is none of its items, so the user sees a value that is not
// stored and cannot tell; Open refuses such a file and Write such a document.
// Only values a visible control shows are checked: what only hidden controls
// show is kept as a file or the radio brought it, and the user could not fix
// it.
#pragma once

#include <vector>

#include "core/Records.h"
#include "link/ImageValidation.h"

namespace ulbrix {

// One problem per stored value a visible list would show as a stand-in: the
// optional features' visible lists and check boxes (CW Freq aside: the
// templates hold 0 there), the weather settings and the Wide column of the
// weather entries in use, the DTMF encode lists, every group's work channel
// (one of the channels its list offers; 1 in an empty group) and the CB
// memory entries in use whose channel is gone, and the detail panel's lists
// for every channel and CB memory entry in use. Empty when every value shows
// as it is stored.
std::vector<ImageProblem> CheckShownValues(const DocumentImage& doc, const ChannelTableType& channels,
                                           const MemChannelListType& memList);

}  // namespace ulbrix
