#pragma once

#include <cstdint>
#include <exception>
#include <string>

namespace ZelkEngine {

/// Error codes of ZelkCalculatorException. 1-11 are the codes the user interface knows texts for;
/// 12 and 13 report the engine's own safety stops and are shown with the exception's message.
enum ZelkErrorCode : std::int32_t {
    kErrorValidation = 1,      ///< an input failed validation
    kErrorTaperSize = 2,       ///< taper code outside the taper table
    kErrorRodGrade = 3,        ///< rod grade code outside the grade table
    kErrorSteelSize = 4,       ///< steel size index outside the steel table
    kErrorFiberglassSize = 5,  ///< fiberglass size index outside the fiberglass table
    kErrorFiberglassRodsNotFalling =
        6,                            ///< fiberglass string: minimum polished rod load below 200 lb
    kErrorRodNumber = 7,              ///< API rod number not in the table
    kErrorUnitType = 8,               ///< unit type code outside 0-3
    kErrorRodsNotFalling = 9,         ///< steel string: negative minimum polished rod load
    kErrorTargetExceedsInflow = 10,   ///< never raised by the engine; kept for the string table
    kErrorInflowExceeded = 11,        ///< calculated pump rate above the well's inflow capacity
    kErrorTargetRateNotReached = 12,  ///< target-rate search stopped without reaching the target
    kErrorNotFinite = 13,             ///< the solution is not a finite number
};

/// The engine's only exception type. Copyable; catch it by value.
///
/// The two reals carry values for the caller's own message text: for code 11 the calculated pump
/// rate and the well's maximum inflow rate (bbl/day); for code 12 the last rate reached and the
/// target rate (bbl/day). They are 0 for every other code.
class ZelkCalculatorException : public std::exception {
public:
    ZelkCalculatorException(std::int32_t code, std::string message, double value1 = 0.0,
                            double value2 = 0.0);

    const char* what() const noexcept override;

    std::int32_t code() const noexcept { return m_code; }
    const std::string& message() const noexcept { return m_message; }
    /// Code 11: the calculated pump rate. Code 12: the last production rate reached.
    double value1() const noexcept { return m_value1; }
    /// Code 11: the well's maximum inflow rate. Code 12: the target rate.
    double value2() const noexcept { return m_value2; }

private:
    std::int32_t m_code;
    std::string m_message;
    double m_value1;
    double m_value2;
};

}  // namespace ZelkEngine
