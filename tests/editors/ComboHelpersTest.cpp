// The combo box helpers.
#include <gtest/gtest.h>

#include <QComboBox>

#include "editors/ComboHelpers.h"


TEST(ComboHelpers, SelectionFallsBackToTheFirstItem) {
    QComboBox box;
    ulbrix::SelectComboText(&box, "On");
    EXPECT_EQ(box.currentIndex(), -1);  // empty list: nothing selected
    box.addItems({"Off", "On"});
    ulbrix::SelectComboText(&box, "On");
    EXPECT_EQ(box.currentIndex(), 1);
    ulbrix::SelectComboText(&box, "on");
    EXPECT_EQ(box.currentIndex(), 0);
    ulbrix::SelectComboIndex(&box, 7);
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(ulbrix::GetComboItem(&box, 1), "On");
    ulbrix::FillModeCombo(&box);
    EXPECT_EQ(box.count(), 6);
    EXPECT_EQ(box.itemText(5), "CW");
}
