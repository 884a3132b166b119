#include "files/lenient_number.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

struct NumberCase {
    const char* name;
    const char* text;
    double value;  // NaN when the text is not a number
    int integer;
};

class LenientNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LenientNumber, ReadsAsTheCLibraryWouldAfterTheTest) {
    const NumberCase& c = GetParam();
    const double value = files::lenientNumber(c.text);
    if (std::isnan(c.value)) {
        EXPECT_TRUE(std::isnan(value)) << value;
    } else {
        EXPECT_DOUBLE_EQ(value, c.value);
    }
    EXPECT_EQ(files::lenientInteger(c.text), c.integer);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LenientNumber, ::testing::Values(
    NumberCase{"plain",             "3400",        3400.0,   3400},
    NumberCase{"decimal",           "12.5",        12.5,     12},
    NumberCase{"thousands",         "1,234.5",     1234.5,   1234},
    NumberCase{"commas_anywhere",   "1,2,3",       123.0,    123},
    NumberCase{"blanks_trimmed",    "  -7.25 \t",  -7.25,    -7},
    NumberCase{"plus_sign",         "+8",          8.0,      8},
    NumberCase{"leading_point",     ".5",          0.5,      0},
    NumberCase{"prefix_only",       "12 34",       12.0,     12},
    NumberCase{"two_points",        "1.2.3",       1.2,      1},
    NumberCase{"empty",             "",            0.0,      0},
    NumberCase{"blank",             "   ",         0.0,      0},
    NumberCase{"sign_alone",        "-",           0.0,      0},
    NumberCase{"double_sign",       "+-5",         0.0,      0},
    NumberCase{"letter",            "12a",         kNaN,     0},
    NumberCase{"exponent_is_letter","1e3",         kNaN,     0},
    NumberCase{"infinity_word",     "inf",         kNaN,     0},
    NumberCase{"percent",           "95%",         kNaN,     0},
    NumberCase{"at_sign",           "@1",          kNaN,     0},
    NumberCase{"quote",             "\"1\"",       kNaN,     0},
    NumberCase{"backslash",         "1\\",         kNaN,     0},
    NumberCase{"colon",             "1:2",         kNaN,     0},
    NumberCase{"carriage_return",   "5\r",         5.0,      5},
    NumberCase{"huge_integer",      "99999999999", 99999999999.0, 2147483647},
    NumberCase{"huge_negative",     "-99999999999",-99999999999.0, -2147483647 - 1}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(TruncateToInt32, GivesTheHardwareResultForNaNAndOverflow) {
    EXPECT_EQ(files::truncateToInt32(-7.9), -7);
    EXPECT_EQ(files::truncateToInt32(7.9), 7);
    EXPECT_EQ(files::truncateToInt32(kNaN), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(files::truncateToInt32(1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(files::truncateToInt32(2147483647.5), 2147483647);
}

TEST(DecimalPrefix, IgnoresTheProcessLocale) {
    // A decimal comma locale must not change how a file's "12.5" reads.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    EXPECT_DOUBLE_EQ(files::decimalPrefix("12.5"), 12.5);
    EXPECT_DOUBLE_EQ(files::lenientNumber("1,234.5"), 1234.5);
    std::setlocale(LC_NUMERIC, "C");
}

TEST(DecimalPrefix, OverflowAndUnderflowAsStrtod) {
    EXPECT_TRUE(std::isinf(files::decimalPrefix("1e999")));
    EXPECT_EQ(files::decimalPrefix("1e-999"), 0.0);
    EXPECT_DOUBLE_EQ(files::decimalPrefix("1e3"), 1000.0);
    EXPECT_EQ(files::decimalPrefix("abc"), 0.0);
}

}  // namespace
