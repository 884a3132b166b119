#pragma once

#include <cstdint>

namespace plot {

/// A 32-bit ARGB colour, alpha in the top byte. Alpha 0 means "not painted": every drawing
/// routine skips a transparent colour instead of painting it invisibly.
struct Color {
    std::uint32_t argb = 0xFF000000u;

    constexpr Color() = default;
    constexpr Color(std::uint32_t value) : argb(value) {}  // NOLINT: ARGB literals read best

    constexpr std::uint8_t alpha() const { return static_cast<std::uint8_t>(argb >> 24); }
    constexpr std::uint8_t red() const { return static_cast<std::uint8_t>(argb >> 16); }
    constexpr std::uint8_t green() const { return static_cast<std::uint8_t>(argb >> 8); }
    constexpr std::uint8_t blue() const { return static_cast<std::uint8_t>(argb); }
    constexpr bool isTransparent() const { return alpha() == 0; }

    friend constexpr bool operator==(Color a, Color b) { return a.argb == b.argb; }
    friend constexpr bool operator!=(Color a, Color b) { return a.argb != b.argb; }
};

}  // namespace plot
