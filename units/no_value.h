#pragma once

#include <cstdint>
#include <limits>

namespace units {

/// The no-value markers of the numeric cell types. The double marker lies four units in the
/// last place above the most negative double (bit pattern 0xFFEFFFFFFFFFFFFB), so a value
/// typed by a user is never taken for it by accident.
constexpr double kNoValueDouble = -1.797693134862315e308;
constexpr float kNoValueFloat = -std::numeric_limits<float>::max();
constexpr std::int32_t kNoValueInt = -2147483647;
constexpr std::int16_t kNoValueShort = -32767;

template <class T>
struct NoValue;
template <>
struct NoValue<double> {
    static constexpr double value = kNoValueDouble;
};
template <>
struct NoValue<float> {
    static constexpr float value = kNoValueFloat;
};
template <>
struct NoValue<std::int32_t> {
    static constexpr std::int32_t value = kNoValueInt;
};
template <>
struct NoValue<std::int16_t> {
    static constexpr std::int16_t value = kNoValueShort;
};

/// A double in the range of T; NaN has no such value and gives false. Integers truncate
/// toward zero and saturate; floats beyond their range become infinite.
template <class T>
bool NumberFromDouble(double value, T& out) {
    if (value != value) {
        return false;
    }
    if constexpr (std::numeric_limits<T>::is_integer) {
        constexpr double lo = static_cast<double>(std::numeric_limits<T>::min());
        constexpr double hi = static_cast<double>(std::numeric_limits<T>::max());
        out = value <= lo ? std::numeric_limits<T>::min()
                          : (value >= hi ? std::numeric_limits<T>::max() : static_cast<T>(value));
    } else {
        constexpr double hi = static_cast<double>(std::numeric_limits<T>::max());
        if (value > hi) {
            out = std::numeric_limits<T>::infinity();
        } else if (value < -hi) {
            out = -std::numeric_limits<T>::infinity();
        } else {
            out = static_cast<T>(value);
        }
    }
    return true;
}

}  // namespace units
