// The grid adapter and its in-place box: addressing that counts the header,
// checked indices, the events the editors hang on, and a box that takes only
// its own characters whatever the way in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QRegularExpressionValidator>
#include <QSignalSpy>
#include <QTest>
#include <stdexcept>

#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/GridEditBox.h"

using platform::FlexGrid;
using platform::GridEditBox;

TEST(FlexGrid, CellsAreAddressedWithTheHeaderAndChecked) {
    FlexGrid grid;
    grid.setCols(2);
    grid.setRows(4);
    grid.setTextMatrix(0, 1, "Frequency");
    grid.setTextMatrix(3, 1, "28.01500");
    EXPECT_EQ(grid.textMatrix(3, 1), "28.01500");
    EXPECT_EQ(grid.textMatrix(2, 1), "");
    EXPECT_THROW(grid.textMatrix(4, 0), std::out_of_range);
    EXPECT_THROW(grid.setTextMatrix(1, 2, "x"), std::out_of_range);
    EXPECT_THROW(grid.setRow(9), std::out_of_range);
    // Header cells can never become the current cell by a click.
    EXPECT_FALSE(grid.item(0, 1)->flags() & Qt::ItemIsSelectable);
    EXPECT_TRUE(grid.item(3, 1)->flags() & Qt::ItemIsSelectable);

    grid.setColWidthTwips(1, 1260);
    EXPECT_EQ(grid.colWidthTwips(1), 1260);

    QSignalSpy enter(&grid, &FlexGrid::enterCell);
    grid.setRow(2);
    grid.setCol(1);
    EXPECT_EQ(grid.row(), 2);
    EXPECT_EQ(grid.col(), 1);
    ASSERT_FALSE(enter.isEmpty());
    EXPECT_EQ(enter.last().at(0).toInt(), 2);

    QSignalSpy enterKey(&grid, &FlexGrid::enterPressed);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(enterKey.size(), 1);
}

TEST(GridEditBox, TakesOnlyItsCharactersAndAsksForACommit) {
    FlexGrid grid;
    grid.setCols(2);
    grid.setRows(3);
    grid.resize(300, 200);
    grid.show();
    GridEditBox box(&grid);
    box.setKeyFilter([](QChar c) { return c.isDigit() || c == '.'; });
    box.setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9.]*"), &box));
    box.openAt(1, 1, "");
    EXPECT_TRUE(box.isOpen());
    EXPECT_EQ(box.geometry(), grid.cellRect(1, 1));
    EXPECT_EQ(box.contextMenuPolicy(), Qt::NoContextMenu);

    QTest::keyClicks(&box, "2a7.x5");
    EXPECT_EQ(box.text(), "27.5");
    QApplication::clipboard()->setText("abc");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "27.5");
    // Text that comes in around the key filter still meets the validator.
    box.insert("9z");
    EXPECT_EQ(box.text(), "27.5");

    QSignalSpy commit(&box, &GridEditBox::commitRequested);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(commit.size(), 1);
    EXPECT_EQ(box.takeText(), "27.5");
    EXPECT_FALSE(box.isOpen());
    EXPECT_TRUE(box.isHidden());
}
