#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ZelkEngine {

/// Value of a setting that the design does not carry yet; it then takes the stored option default.
constexpr double kUnsetSetting = -1.0;

/// Display unit of one saved unit category, by their keys ("DEPTH" -> "FT").
struct DisplayUnit {
    std::string m_categoryKey;
    std::string m_unitKey;
};

/// The document record: what the main window edits and a design file stores. Sizes are given as
/// diameters and names as text; values are in oilfield units. Constructed with the defaults of a
/// new design.
struct DesignCase {
    DesignCase();

    /// Display unit key of a category, or an empty text when the category is not saved.
    std::string displayUnit(const std::string& categoryKey) const;
    /// Sets the display unit of a saved category; unknown categories are appended.
    void setDisplayUnit(const std::string& categoryKey, const std::string& unitKey);

    std::string m_version;  ///< file version text read from a design file
    std::string m_title;
    std::string m_unitTypeName = "CWConv";  ///< "CWConv", "CCWConv", "MarkII" or "AirBal"
    double m_pumpDepth = 5000.0;            ///< ft
    double m_strokeLength = 100.0;          ///< surface stroke, in
    double m_pumpDiameter = 1.5;            ///< in
    double m_tubingOD = 2.875;              ///< in
    double m_tubingWeight = 8.7;            ///< nominal weight, lb/ft
    double m_tubingID = 2.259;              ///< in
    bool m_anchoredTubing = false;
    std::int32_t m_rodType = 0;  ///< 0 API steel, 1 fiberglass over steel
    std::int32_t m_rodNumber = 76;
    std::string m_rodGrade = "D";                   ///< "K", "C", "D" or "E"
    double m_fiberglassSize = 1.0;                  ///< in
    double m_steelSize = 0.75;                      ///< in
    double m_fiberglassPercent = 40.0;              ///< %
    double m_sinkerBarWeight = kUnsetSetting;       ///< lb
    double m_fluidSpecificGravity = kUnsetSetting;  ///< fresh water = 1.0
    double m_tubingPressure = kUnsetSetting;        ///< psi
    double m_casingPressure = kUnsetSetting;        ///< psi
    double m_dampingFactor = kUnsetSetting;
    double m_unitEfficiency = kUnsetSetting;  ///< %
    double m_pumpEfficiency = kUnsetSetting;  ///< %
    bool m_pumpIntakePressureEntered = true;  ///< false: from reservoir pressure and PI
    double m_pumpIntakePressure = 50.0;       ///< psi
    double m_reservoirPressure = 1000.0;      ///< psi
    double m_productivityIndex = 0.2;         ///< bbl/day/psi
    std::int32_t m_calculationType = 0;       ///< 0 from stroke rate, 1 from target rate
    double m_strokeRate = 8.3;                ///< strokes/min
    double m_targetRate = 171.0;              ///< bbl/day
    double m_oilGravity = 30.0;               ///< deg API, fluid specific gravity calculator
    double m_waterSpecificGravity = 0.9999;   ///< fluid specific gravity calculator
    double m_waterCut = 89.0;                 ///< %, fluid specific gravity calculator
    double m_sinkerBarDiameter = 1.5;         ///< in, sinker bar calculator
    double m_clearance = 0.006;               ///< in, pump slippage calculator
    double m_fluidViscosity = 0.76;           ///< cP, pump slippage calculator
    double m_plungerLength = 48.0;            ///< in, pump slippage calculator
    bool m_useFluidSpGravCalculator = false;
    bool m_useSinkerBarCalculator = false;
    bool m_useSlippageCalculator = false;
    std::vector<double> m_tubingAnchorCatcherState;  ///< saved tubing anchor catcher values
    std::vector<DisplayUnit> m_displayUnits;         ///< the twelve saved categories, in order
};

}  // namespace ZelkEngine
