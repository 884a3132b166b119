#pragma once

#include "units/printf_format.h"

#include <string>

namespace units {

/// How a value in one unit of a category is turned into text: a printf-style format, where a
/// "," anywhere asks for thousands separators ("%,.2f"), and an optional count of significant
/// digits to round to first (0 = no rounding). A format that does not hold exactly one
/// floating-point conversion is never used; "%g" stands in for it.
class CFormatInfo {
public:
    CFormatInfo();
    explicit CFormatInfo(const std::string& format, int sigDigits = 0);
    virtual ~CFormatInfo() = default;
    CFormatInfo(const CFormatInfo&) = default;
    CFormatInfo& operator=(const CFormatInfo&) = default;

    virtual std::string Format(double value) const;
    virtual void SetSigDigits(int digits) { m_sigDigits = digits; }
    virtual int GetSigDigits() const { return m_sigDigits; }
    virtual void SetFormat(const std::string& format);
    virtual const std::string& GetFormat() const { return m_format; }

    /// Rounds to the given number of significant digits, halves away from zero.
    static double RoundToSignificant(double value, int digits);
    /// Inserts "," every three digits left of the decimal point of a formatted number.
    static void InsertSeparators(std::string& text);

private:
    std::string m_format;
    int m_sigDigits = 0;
    PrintfFormat m_compiled;
    bool m_separators = false;
};

}  // namespace units
