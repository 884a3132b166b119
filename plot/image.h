#pragma once

#include <cstdint>
#include <vector>

namespace plot {

/// A plain ARGB raster (row-major, top row first) so Qt-free code can hand pictures to a
/// `Graphics`. An image with no pixels is "null" and draws nothing.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  ///< width * height ARGB values

    bool isNull() const {
        return width <= 0 || height <= 0 ||
               pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    }
};

}  // namespace plot
