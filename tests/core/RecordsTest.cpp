#include <gtest/gtest.h>

#include "core/Records.h"

using namespace ulbrix;

TEST(RecordLayout, SizesMatchTheDiskForm) {
    EXPECT_EQ(ChannelToBytes(ChannelRecord{}).size(), 70u);
    EXPECT_EQ(HeaderToBytes(FileHeader{}).size(), 34u);
    EXPECT_EQ(SettingsToBytes(GeneralSettingsRecord{}).size(), 1964u);
    EXPECT_EQ(DocumentToBytes(DocumentImage{}).size(), 2893u);
}
