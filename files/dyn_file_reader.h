#pragma once

#include "files/card_record.h"

#include <istream>
#include <optional>
#include <string>

namespace files {

/// The two layouts of a measured dynamometer card file.
enum class DynLayout {
    Counted,  ///< a point count, "position, load" lines, then a trailer of well values
    Tabbed    ///< a "#Surface" line, then tab-separated position and load in thousands of lb
};

/// A card read from a dynamometer file: the record with its derived values, and the layout.
struct DynFile {
    DynLayout layout = DynLayout::Counted;
    CardRecord card;
};

/// Reads a dynamometer card. Every number goes through the lenient number parser: a field that
/// holds letters or symbols is NaN at its place, a line cut short reads 0. Never fails; the
/// caller decides whether a card without points is of use.
DynFile readDynCard(std::istream& in);

/// Opens and reads a dynamometer file; none (with the reason in error) when it cannot be opened.
std::optional<DynFile> readDynFile(const std::string& path, std::string* error = nullptr);

}  // namespace files
