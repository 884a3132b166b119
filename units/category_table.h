#pragma once

#include <cstddef>

namespace units {

/// One quantity of the application: the unit its values are stored in, the display unit under
/// the metric and oilfield systems, and whether its unit menu is sorted by unit key.
struct CategoryRow {
    const char* key;
    const char* caption;
    const char* internalUnit;
    const char* metricUnit;
    const char* oilfieldUnit;
    bool sorted;
};

/// An allowed unit of a table category with its display format.
struct FormatRow {
    const char* categoryKey;
    const char* unitKey;
    const char* format;
};

constexpr int kCategoryRowCount = 47;
constexpr int kNoneCategoryRow = 29;  // the row of "NONE", the answer for unknown keys

/// Row 0..46 of the application category table; the caller keeps the index in range.
const CategoryRow& CategoryRowAt(int row);
/// The format rows, grouped by category in table order.
const FormatRow* FormatRows();
std::size_t FormatRowCount();

}  // namespace units
