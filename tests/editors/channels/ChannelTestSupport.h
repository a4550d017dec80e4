// Fixture of the channel logic tests: a fresh document in English and a
// shorthand for filling a group's packed slots.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "core/ChannelList.h"
#include "core/GlobalState.h"
#include "core/ModEnglish.h"
#include "core/ModFun.h"
#include "editors/channels/ChannelListEdit.h"
#include "support/Support.h"

namespace channeltest {

using namespace ulbrix;

class ChannelLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProcessState();
        ResetChannelClipboard();
        CurrentLanguage = 1;
        InitLanguageStrings();
        ChInfoLoaded = false;
        ReShowGridHook = nullptr;
    }
    void TearDown() override {
        ChInfoLoaded = false;
        ReShowGridHook = nullptr;
        ResetChannelClipboard();
    }

    // Slots 1..n of (band, group) hold these channel numbers, in this order,
    // each at 28.1 MHz + number kHz.
    static void Fill(int band, int group, std::initializer_list<int> numbers) {
        WorkDocument.ChannelCount(band, group) = 0;
        for (int n : numbers) AddChannel(n, band, group, Freq(n));
    }
    static QString Freq(int n) { return QString::number(28.1 + n / 1000.0, 'f', 5); }
    // The numbers in slots 1..count.
    static std::vector<int> Numbers(int band, int group) {
        std::vector<int> v;
        for (int s = 1; s <= WorkDocument.ChannelCount(band, group); ++s) v.push_back(ChannelTable(band, s, group).ChNo);
        return v;
    }
    // Every slot in 1..count is in use, no slot above the count is.
    static bool Packed(int band, int group) {
        const int c = WorkDocument.ChannelCount(band, group);
        for (int s = 1; s <= MaxSlot; ++s)
            if ((ChannelTable(band, s, group).InUse == 1) != (s <= c)) return false;
        return true;
    }

    testsupport::MsgRecorder msgs_;
};

}  // namespace channeltest
