#pragma once

#include <string>

namespace calc {

/// The user-visible texts the calculators' checks compose their messages from. They start as
/// the English string-table texts (identifier in the comment); a dialog replaces them with the
/// texts of the current language.
struct CalculatorTexts {
    /// The texts of the current language from the program's string table.
    static CalculatorTexts FromStringTable();

    std::string m_invalidHeader = "The following are invalid:\n\n";  // 348
    std::string m_rangeInclusive =
        "%s must be a number between %0.3f and %0.3f %s, inclusive.";          // 363
    std::string m_greaterThan = "%s must be a number greater than %0.3f %s.";  // 344

    std::string m_oilGravity = "Oil Gravity";                       // 244
    std::string m_waterCut = "Water Cut";                           // 245
    std::string m_waterSpecificGravity = "Water Specific Gravity";  // 246
    std::string m_fluidSpecificGravity = "Fluid Specific Gravity";  // 118

    std::string m_sinkerBarTooLarge =
        "The Sinker bar diameter is to large.\nMaximum diameter is tubing inner diameter - .3 "
        "in.";  // 347
    // Not in the string table: the main window's own prefix.
    std::string m_sinkerBarRecalculationHeader = "Can't Perfom Sinker Bar recalculation:\n";

    std::string m_clearance = "Clearance (C)";                                                // 267
    std::string m_fluidViscosity = "Fluid Viscosity (";                                       // 271
    std::string m_plungerLength = "Plunger Length (L)";                                       // 272
    std::string m_calculationErrorHeader = "Following calulation error occured:\n\n";         // 369
    std::string m_clearanceZero = "Clearance was set to 0 and pump efficiency was not 100.";  // 370
    std::string m_slippageExceedsDisplacement =
        "Pump Clearance is too large because the Slippage Exceeds the Pump Displacement.";  // 371
};

}  // namespace calc
