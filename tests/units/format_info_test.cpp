#include "units/format_info.h"

#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

namespace {

using units::CFormatInfo;

struct FormatCase {
    const char* name;
    const char* format;
    int sigDigits;
    double value;
    const char* text;
};

class FormatText : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatText, MatchesExpectedText) {
    const FormatCase& c = GetParam();
    const CFormatInfo format(c.format, c.sigDigits);
    EXPECT_EQ(format.Format(c.value), c.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, FormatText, ::testing::Values(
    FormatCase{"separators_millions", "%,.2f", 0, 1234567.891, "1,234,567.89"},
    FormatCase{"separators_negative", "%,.1f", 0, -12345.6, "-12,345.6"},
    FormatCase{"separators_short", "%,.1f", 0, 123.4, "123.4"},
    FormatCase{"separators_exactly_four", "%,.0f", 0, 1234.0, "1,234"},
    FormatCase{"rounds_up_to_thousand", "%,.0f", 0, 999.6, "1,000"},
    FormatCase{"rounds_down", "%,.0f", 0, 999.4, "999"},
    FormatCase{"negative_thousand", "%,.0f", 0, -1000.0, "-1,000"},
    FormatCase{"no_comma_no_separator", "%.0f", 0, 1234567.0, "1234567"},
    FormatCase{"sig_digits_large", "%.0f", 3, 12345.0, "12300"},
    FormatCase{"sig_digits_small", "%.5f", 3, 0.0012345, "0.00123"},
    FormatCase{"sig_digits_negative", "%.0f", 2, -1250.0, "-1300"},
    FormatCase{"sig_digits_zero_value", "%.2f", 3, 0.0, "0.00"},
    FormatCase{"no_rounding", "%.4f", 0, 0.0012345, "0.0012"},
    FormatCase{"empty_is_general", "", 0, 0.5, "0.5"},
    FormatCase{"general", "%g", 0, 1234567.0, "1.23457e+06"},
    FormatCase{"long_general", "%lg", 0, 2.5, "2.5"},
    FormatCase{"zero_flag_no_width", "%0.2f", 0, 3.14159, "3.14"},
    FormatCase{"width_and_literal", "%8.2f ft", 0, 3.14159, "    3.14 ft"},
    FormatCase{"percent_literal", "%.0f%%", 0, 95.0, "95%"},
    FormatCase{"separators_with_width", "%,10.0f", 0, 1234567.0, "   1,234,567"},
    FormatCase{"separators_exponent", "%,.1e", 0, 12345.0, "1.2e+04"},
    FormatCase{"plus_flag", "%+.1f", 0, 2.0, "+2.0"},
    FormatCase{"upper_exponent", "%.2E", 0, 12345.0, "1.23E+04"},
    // Formats that would let printf read arguments that are not there, or print another
    // type, are replaced by "%g".
    FormatCase{"two_conversions", "%f %f", 0, 1.5, "1.5"},
    FormatCase{"string_conversion", "%s", 0, 1.5, "1.5"},
    FormatCase{"integer_conversion", "%d", 0, 1.5, "1.5"},
    FormatCase{"pointer_write", "%n", 0, 1.5, "1.5"},
    FormatCase{"star_width", "%*f", 0, 1.5, "1.5"},
    FormatCase{"huge_width", "%9999f", 0, 1.5, "1.5"},
    FormatCase{"no_conversion", "abc", 0, 1.5, "1.5"},
    FormatCase{"dangling_percent", "%", 0, 1.5, "1.5"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST(FormatInfo, NewRecordIsGeneralWithoutRounding) {
    const CFormatInfo format;
    EXPECT_EQ(format.GetFormat(), "%g");
    EXPECT_EQ(format.GetSigDigits(), 0);
}

TEST(FormatInfo, ExtremeValuesNeverFail) {
    const CFormatInfo fixed("%,.3f", 4);
    // The largest double has 309 integer digits; all of them must come out.
    const std::string big = fixed.Format(std::numeric_limits<double>::max());
    EXPECT_GT(big.size(), 400u);
    EXPECT_EQ(fixed.Format(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(fixed.Format(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(fixed.Format(std::nan("")), "nan");
    // A subnormal would overflow the rounding scale; it is shown unrounded.
    EXPECT_EQ(CFormatInfo("%g", 3).Format(4.9e-324), "4.94066e-324");
}

TEST(FormatInfo, HalvesRoundAwayFromZero) {
    EXPECT_DOUBLE_EQ(CFormatInfo::RoundToSignificant(125.0, 2), 130.0);
    EXPECT_DOUBLE_EQ(CFormatInfo::RoundToSignificant(-125.0, 2), -130.0);
    EXPECT_DOUBLE_EQ(CFormatInfo::RoundToSignificant(0.0, 2), 0.0);
}

}  // namespace
