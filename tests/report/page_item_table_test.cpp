#include "report/page_item_table.h"

#include "plot/recording_graphics.h"

#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace report {
namespace {

void PlaceOnPage(CPageItem& item) {
    plot::CTransform t;
    t.data = plot::RectF{0.0, 0.0, 8.5, 11.0};
    t.device = plot::RectF{0.0, 0.0, 850.0, 1100.0};
    t.invertY = 0;
    item.SetTransform(t);
}

TEST(PageItemTableTest, AutomaticRowsNeverGetLessThanAnEighthInch) {
    CPageItemTable table(10, 2);
    table.SetRect(1.0, 1.0, 2.0, 0.5);
    EXPECT_DOUBLE_EQ(table.AutoRowHeight(), CPageItemTable::kMinimumRowHeight);

    // The table then grows past its box: ten rows of 0.125 in from the box's top.
    plot::RecordingGraphics g;
    table.SetFrameColor(0x00FFFFFFu);
    PlaceOnPage(table);
    table.Draw(g);
    EXPECT_DOUBLE_EQ(table.GetCell(9, 0).rect.bottom(), 100.0 + 10 * 12.5);
    EXPECT_GT(table.GetCell(9, 0).rect.bottom(), table.GetDeviceRect().bottom());
}

TEST(PageItemTableTest, AutomaticRowsAndColumnsShareWhatFixedOnesLeave) {
    CPageItemTable table(3, 3);
    table.SetRect(0.0, 0.0, 4.0, 1.0);
    table.SetRowHeight(0, 0.2);
    table.SetColumnWidth(1, 1.0);
    EXPECT_DOUBLE_EQ(table.AutoRowHeight(), 0.4);
    EXPECT_DOUBLE_EQ(table.AutoColumnWidth(), 1.5);

    table.SetMargins(0.25, 0.1, 0.25, 0.1);
    EXPECT_DOUBLE_EQ(table.AvailableWidth(), 3.5);
    EXPECT_DOUBLE_EQ(table.AvailableHeight(), 0.8);
    EXPECT_DOUBLE_EQ(table.AutoColumnWidth(), 1.25);

    // A caption takes its estimated height and twice the inner margin (hundredths of an inch).
    table.SetText("Table");
    EXPECT_DOUBLE_EQ(table.AvailableWidth(), 3.5 - 0.08);
    EXPECT_NEAR(table.AvailableHeight(), 0.8 - 0.08 - table.TextHeight(), 1e-12);
}

TEST(PageItemTableTest, CellsThenGridLinesColumnByColumnThenRowByRow) {
    plot::RecordingGraphics g;
    CPageItemTable table(2, 2);
    table.SetRect(1.0, 1.0, 2.0, 1.0);
    table.SetFrameColor(0x00FFFFFFu);
    table.SetColumnWidth(0, 1.5);
    table.SetColumnWidth(1, 0.5);
    table.SetRowHeight(0, 0.25);
    table.SetRowHeight(1, 0.25);
    table.SetCellText(0, 0, "Peak Load");
    table.SetCellBackgroundColor(1, 1, 0xFFEEEEEEu);
    PlaceOnPage(table);
    table.Draw(g);

    const std::vector<std::string> expected = {
        "string \"Peak Load\" font=Arial/8/0 color=#FF000000 rect=100,100,150,25 align=1/1 "
        "nowrap",
        "fillrect 250,125,50,25 brush=#FFEEEEEE",
        "line 100,100 100,150 pen=#FF000000/1",
        "line 250,100 250,150 pen=#FF000000/1",
        "line 250,100 250,150 pen=#FF000000/1",
        "line 300,100 300,150 pen=#FF000000/1",
        "line 100,100 300,100 pen=#FF000000/1",
        "line 100,125 300,125 pen=#FF000000/1",
        "line 100,125 300,125 pen=#FF000000/1",
        "line 100,150 300,150 pen=#FF000000/1",
    };
    EXPECT_EQ(g.lines(), expected);
    EXPECT_EQ(table.GetCell(1, 1).rect, (plot::RectF{250.0, 125.0, 50.0, 25.0}));
}

TEST(PageItemTableTest, TextsAboveMoveTheTableDown) {
    plot::RecordingGraphics g;
    CPageItemTable table(1, 1);
    table.SetRect(0.0, 0.0, 2.0, 2.0);
    table.SetFrameColor(0x00FFFFFFu);
    table.SetLeftText("Note");
    PlaceOnPage(table);

    table.Draw(g);
    EXPECT_DOUBLE_EQ(table.GetCell(0, 0).rect.y, 0.0);
    const std::string below = g.linesStartingWith("string").at(0);
    EXPECT_NE(below.find("align=0/2"), std::string::npos);

    g.clear();
    table.SetTextsBelow(0);
    table.Draw(g);
    // One line of 10-point text: 1.2 * 10 * 96/72 units.
    EXPECT_DOUBLE_EQ(table.GetCell(0, 0).rect.y, 16.0);
    EXPECT_NE(g.linesStartingWith("string").at(0).find("align=0/0"), std::string::npos);
}

TEST(PageItemTableTest, BadIndexesThrow) {
    CPageItemTable table(2, 3);
    EXPECT_THROW(table.SetCellText(2, 0, "x"), std::out_of_range);
    EXPECT_THROW(table.SetCellText(0, 3, "x"), std::out_of_range);
    EXPECT_THROW(table.SetRowHeight(-1, 0.2), std::out_of_range);
    EXPECT_THROW(table.SetColumnFontSize(5, 8.0), std::out_of_range);
    EXPECT_THROW(table.GetCell(-1, 0), std::out_of_range);
    CPageItemTable empty(-4, -1);
    EXPECT_EQ(empty.GetRowCount(), 0);
    EXPECT_EQ(empty.GetColumnCount(), 0);
}

}  // namespace
}  // namespace report
