// Common ground of the codec tests: a fresh process state and a cleared image,
// and small helpers to put channels into the working document.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/GlobalState.h"
#include "link/RadioImage.h"

namespace codectest {

class CodecTest : public ::testing::Test {
protected:
    void SetUp() override {
        ulbrix::ResetProcessState();
        ulbrix::ClearImage();
    }
    void TearDown() override {
        ulbrix::ResetProcessState();
        ulbrix::ClearImage();
    }
};

// A channel as a new one is made: in use, in the scan list, FM, NB on.
inline ulbrix::ChannelRecord Channel(int number, const std::string& rxFreq) {
    ulbrix::ChannelRecord r;
    r.ChNo = static_cast<ulbrix::Integer>(number);
    r.InUse = 1;
    r.ScanAdd = 1;
    r.RxFreq = rxFreq;
    r.TxFreq = rxFreq;
    r.NB = 1;
    return r;
}

// Appends r to (band, group) of the working table.
inline void Append(int band, int group, const ulbrix::ChannelRecord& r) {
    auto& count = ulbrix::WorkDocument.ChannelCount(band, group);
    ++count;
    ulbrix::ChannelTable(band, count, group) = r;
}

inline std::vector<int> ImageBytes(std::uint32_t address, int n) {
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(ulbrix::RadioImage[address + static_cast<std::uint32_t>(i)]);
    return out;
}

inline void Put(std::uint32_t address, const std::vector<int>& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) ulbrix::RadioImage[address + i] = static_cast<std::uint8_t>(bytes[i]);
}

}  // namespace codectest
