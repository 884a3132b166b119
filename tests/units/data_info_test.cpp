#include "units/data_info_date_time.h"
#include "units/data_info_numeric.h"
#include "units/data_info_text.h"
#include "units/data_object.h"

#include <cmath>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

using units::Cell;

TEST(NoValue, DoubleMarkerHasTheDocumentedBitPattern) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &units::kNoValueDouble, sizeof(bits));
    EXPECT_EQ(bits, 0xFFEFFFFFFFFFFFFBULL);
}

TEST(DataInfo, EmptyCellsReadAsTheMarkerOfTheTypeAsked) {
    units::CDataInfoDouble cells;
    ASSERT_TRUE(cells.BindValue(nullptr, 2, 1));
    std::int32_t asInt = 0;
    std::int16_t asShort = 0;
    double asDouble = 0.0;
    EXPECT_FALSE(cells.GetInt(0, asInt));
    EXPECT_EQ(asInt, -2147483647);
    EXPECT_FALSE(cells.GetShort(0, asShort));
    EXPECT_EQ(asShort, -32767);
    EXPECT_FALSE(cells.GetDouble(5, asDouble));  // outside the grid
    EXPECT_EQ(asDouble, units::kNoValueDouble);

    cells.SetDouble(0, 3.0);
    EXPECT_TRUE(cells.HasValue(0));
    cells.SetDouble(0, -1.797693134862315e308);
    EXPECT_FALSE(cells.HasValue(0));
}

TEST(DataInfo, NumbersConvertBetweenTypesWithoutOverflow) {
    units::CDataInfoShort shorts;
    shorts.BindValue(nullptr, 3, 1);
    shorts.SetDouble(0, 1e12);
    shorts.SetDouble(1, -2.9);
    shorts.SetFloat(2, 7.5f);
    std::int16_t value = 0;
    shorts.GetShort(0, value);
    EXPECT_EQ(value, 32767);
    shorts.GetShort(1, value);
    EXPECT_EQ(value, -2);
    shorts.GetShort(2, value);
    EXPECT_EQ(value, 7);  // a float write is kept, truncated

    units::CDataInfoInt ints;
    ints.BindValue(nullptr, 1, 1);
    ints.SetDouble(0, std::nan(""));
    EXPECT_FALSE(ints.HasValue(0));
    ints.SetFromText(0, " 42abc");
    std::string text;
    EXPECT_TRUE(ints.GetText(0, text));
    EXPECT_EQ(text, "42");

    units::CDataInfoFloat floats;
    floats.BindValue(nullptr, 1, 1);
    floats.SetDouble(0, 1e300);
    float big = 0.0f;
    floats.GetFloat(0, big);
    EXPECT_TRUE(std::isinf(big));
}

TEST(DataInfo, DefaultFormatFromDataIsCheckedBeforeUse) {
    units::CDataInfoDouble cells;
    cells.BindValue(nullptr, 1, 1);
    cells.SetDouble(0, 2.5);
    cells.SetDefaultFormat("%s%s%n");
    std::string text;
    cells.GetText(0, text);
    EXPECT_EQ(text, "2.5");
    cells.SetDefaultFormat("%.3f");
    cells.GetText(0, text);
    EXPECT_EQ(text, "2.500");
}

TEST(DataInfo, GrowthBlocksAllocateAheadAndCountsFollow) {
    double* buffer = nullptr;
    int rows = -1;
    int columns = -1;
    units::CDataInfoDouble cells;
    ASSERT_TRUE(cells.BindArray(&buffer, 1, 0, &columns, 1, 3, 0, &rows, 10));
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(columns, 1);
    EXPECT_EQ(cells.GetAllocatedCount(1), 10);
    cells.SetDouble(Cell(0, 2), 8.0);
    ASSERT_TRUE(cells.Resize(1, 4));
    EXPECT_EQ(rows, 4);
    EXPECT_EQ(cells.GetAllocatedCount(1), 10);
    EXPECT_EQ(buffer[2], 8.0);
    EXPECT_FALSE(cells.HasValue(Cell(0, 3)));

    // Writing past the end of an array grows it.
    cells.SetDouble(Cell(0, 11), 1.0);
    EXPECT_EQ(rows, 12);
    EXPECT_EQ(cells.GetAllocatedCount(1), 20);
    EXPECT_EQ(buffer[11], 1.0);
    EXPECT_EQ(buffer[2], 8.0);
}

TEST(DataInfo, ResizeRefusalsLeaveTheStorageUnchanged) {
    units::CDataInfoDouble cells;
    cells.BindArray(nullptr, 2, 3, nullptr, 1, 2, 4, nullptr, 1);
    cells.SetDouble(Cell(1, 1), 5.0);
    EXPECT_FALSE(cells.Resize(2, 5));   // beyond the row limit
    EXPECT_FALSE(cells.Resize(4, 2));   // beyond the column limit
    EXPECT_FALSE(cells.Resize(-1, 2));  // negative
    EXPECT_EQ(cells.GetCount(1), 2);
    double value = 0.0;
    EXPECT_TRUE(cells.GetDouble(Cell(1, 1), value));
    EXPECT_EQ(value, 5.0);
    EXPECT_FALSE(cells.SetDouble(Cell(0, 7), 1.0));  // past the limit: ignored

    // A single value keeps its dimensions: writes outside it are ignored.
    double owner = 1.0;
    units::CDataInfoDouble single;
    single.BindValue(&owner, 1, 1);
    EXPECT_FALSE(single.Resize(2, 2));
    EXPECT_FALSE(single.SetDouble(Cell(0, 1), 2.0));
    EXPECT_EQ(owner, 1.0);

    // A huge request is refused instead of exhausting memory.
    units::CDataInfoDouble huge;
    huge.BindArray(nullptr, 0, 0, nullptr, 1, 0, 0, nullptr, 1);
    EXPECT_FALSE(huge.Resize(1 << 20, 1 << 20));
    EXPECT_FALSE(huge.SetDouble(Cell(0, 2147483647), 1.0));
    EXPECT_FALSE(huge.InsertCells(0, 2147483647, 0));
    EXPECT_FALSE(huge.MoveCells(0, 1, 2147483647, 0));
    units::CDataInfoDouble blocks;  // a block size near the int range must not overflow
    blocks.BindArray(nullptr, 1, 0, nullptr, 1, 0, 0, nullptr, 2147483647);
    EXPECT_FALSE(blocks.Resize(1, 2));
}

TEST(DataInfo, InsertAndDeleteRowsKeepTheirNeighbours) {
    units::CDataInfoDouble cells;
    cells.BindArray(nullptr, 1, 0, nullptr, 1, 3, 0, nullptr, 1);
    for (int row = 0; row < 3; ++row) {
        cells.SetDouble(Cell(0, row), row + 1.0);  // 1 2 3
    }
    ASSERT_TRUE(cells.InsertCells(1, 2, 0));  // 1 - - 2 3
    auto text = [&](int row) {
        std::string value;
        cells.GetText(Cell(0, row), value);
        return value;
    };
    EXPECT_EQ(cells.GetCount(1), 5);
    EXPECT_EQ(text(0), "1");
    EXPECT_EQ(text(1), "");
    EXPECT_EQ(text(2), "");
    EXPECT_EQ(text(3), "2");
    EXPECT_EQ(text(4), "3");
    ASSERT_TRUE(cells.DeleteCells(0, 3, 0));  // 2 3
    EXPECT_EQ(cells.GetCount(1), 2);
    EXPECT_EQ(text(0), "2");
    EXPECT_EQ(text(1), "3");
    EXPECT_TRUE(cells.SwapCells(Cell(0, 0), Cell(0, 1)));
    EXPECT_EQ(text(0), "3");
    EXPECT_FALSE(cells.InsertCells(5, 1, 0));
}

TEST(DataInfo, IndexMappingStoresColumnAfterColumn) {
    units::CDataInfoInt cells;
    cells.SetIndexMapping([](int column, int row, int, int rows) -> long long {
        return row + static_cast<long long>(column) * rows;
    });
    cells.BindArray(nullptr, 2, 0, nullptr, 1, 2, 0, nullptr, 1);
    cells.SetInt(Cell(1, 0), 10);
    cells.SetInt(Cell(0, 1), 1);
    ASSERT_TRUE(cells.Resize(2, 3));
    std::int32_t value = 0;
    cells.GetInt(Cell(1, 0), value);
    EXPECT_EQ(value, 10);
    cells.GetInt(Cell(0, 1), value);
    EXPECT_EQ(value, 1);
    // A mapping that points outside the buffer makes the cell unreachable, not a stray write.
    units::CDataInfoInt bad;
    bad.SetIndexMapping([](int, int, int, int) -> long long { return 1000; });
    bad.BindArray(nullptr, 1, 0, nullptr, 1, 1, 0, nullptr, 1);
    EXPECT_FALSE(bad.SetInt(0, 5));
}

TEST(DataInfo, TextCellsParseAndFormatNumbers) {
    units::CDataInfoStrArray texts;
    texts.BindArray(nullptr, 3, 0, nullptr, 1, 1, 0, nullptr, 1);
    texts.SetDouble(0, 0.125);
    texts.SetInt(1, -4);
    std::string text;
    texts.GetText(0, text);
    EXPECT_EQ(text, "0.125");
    double value = 0.0;
    EXPECT_TRUE(texts.GetDouble(1, value));
    EXPECT_EQ(value, -4.0);
    EXPECT_FALSE(texts.GetDouble(2, value));
    EXPECT_EQ(texts.CompareCells(0, 1), 1);  // text order: "0.125" after "-4"
}

TEST(DataInfo, ReferencedStringsAreWrittenInPlace) {
    std::string first = "one";
    std::string second;
    units::CDataInfoStrPtrArray refs;
    refs.BindArray(nullptr, 3, 0, nullptr, 1, 1, 0, nullptr, 1);
    refs.SetReference(0, &first);
    refs.SetReference(1, &second);
    EXPECT_TRUE(refs.HasValue(0));
    EXPECT_FALSE(refs.HasValue(1));  // an empty string is no value
    EXPECT_TRUE(refs.SetFromText(1, "two"));
    EXPECT_EQ(second, "two");
    EXPECT_FALSE(refs.SetFromText(2, "lost"));  // no reference to write through
    refs.ClearCell(0);
    EXPECT_EQ(first, "");
}

TEST(DataInfo, DateTimeCells) {
    units::CDataInfoDateTime dates;
    dates.BindArray(nullptr, 3, 0, nullptr, 1, 1, 0, nullptr, 1);
    dates.SetFromText(0, "2024-02-29 13:30");
    dates.SetFromText(1, "2023-02-29");
    std::string text;
    EXPECT_TRUE(dates.GetText(0, text));
    EXPECT_EQ(text, "2024-02-29 13:30:00");
    EXPECT_TRUE(dates.GetText(1, text));
    EXPECT_EQ(text, "Invalid DateTime");
    EXPECT_FALSE(dates.GetText(2, text));
    EXPECT_EQ(text, "");
    double days = 0.0;
    dates.SetFromText(2, "1899-12-30");
    EXPECT_TRUE(dates.GetDouble(2, days));
    EXPECT_EQ(days, 0.0);
    EXPECT_EQ(units::CDataInfoDateTime::FormatDays(45000.0), "2023-03-15");
}

}  // namespace
