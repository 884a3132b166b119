// The units of the catalogue, in creation order. The order decides how unsorted unit menus
// list their choices. Factors convert to the base unit of each dimension (the unit with
// factor 1); the units the application's categories offer carry their stored decimal
// constants, the others are derived from the same constants or from exact definitions.
#include "units/units_manager.h"

#include <cmath>
#include <vector>

namespace units {

namespace {

using K = ConversionKind;

struct UnitRow {
    int dimension;
    const char* symbol;
    K kind;
    double factor;
    const char* key;
};

// Stored constants shared by many units.
constexpr double kFtPerM = 3.2808399;
constexpr double kPsiPerPa = 0.00014503796;
constexpr double kPsiPerKpa = 0.14503796;
constexpr double kPsiPerMpa = 145.03796;
constexpr double kPsiPerBar = 14.503796;
constexpr double kPsiPerKgfCm2 = 14.2233594;
constexpr double kBblPerM3 = 6.2898108;
constexpr double kFt3PerM3 = 35.3146667;
constexpr double kFt3PerBbl = 5.61458333;
constexpr double kFt3PerGal = 0.133680556;
constexpr double kFt2PerM2 = 10.7639104;
constexpr double kLbPerKg = 2.2046226;
constexpr double kBblPerMcf = 178.10761;  // 1000 ft3 of gas as barrels
constexpr double kHoursPerDay = 24.0;
constexpr double kHoursPerMonth = 730.485;  // mean Gregorian month
constexpr double kHoursPerYear = 8765.82;   // mean Gregorian year
constexpr double kSecondsPerDay = 86400.0;
constexpr double kMdPerUm2 = 1013.24997;  // 1 darcy = 0.986923 um^2
constexpr double kPi = 3.14159265358979;
constexpr double kJPerBtuLbF = 4186.8;  // J/kg-K per Btu/lb-F
constexpr double kGPerLb = 453.59237;
constexpr double kLPerUsGal = 3.78541178;
constexpr double kLPerUkGal = 4.54609;
constexpr double kKgPerShortTon = 907.18474;

std::vector<UnitRow> UnitRows() {
    const double hr5 = 1.0;
    const double hr25 = 1.0;
    return {
        // clang-format off
        {0, "  ", K::Linear, 1.0, "NOUNITS"},
        // 1 LENGTH, base ft
        {1, "ft", K::Linear, 1.0, "FT"},
        {1, "in", K::Linear, 0.083333333, "IN"},
        {1, "m", K::Linear, kFtPerM, "M"},
        {1, "cm", K::Linear, 0.032808399, "CM"},
        {1, "mm", K::Linear, 0.0032808399, "MM"},
        {1, "yd", K::Linear, 3.0, "YD"},
        {1, "mile", K::Linear, 5280.0, "MILE"},
        {1, "km", K::Linear, kFtPerM * 1000.0, "KM"},
        {72, "in", K::Linear, 1.0, "PUREINCH"},
        {73, "lb", K::Linear, 1.0, "PURELB"},
        // 2 AREA, base ft^2
        {2, "acre", K::Linear, 43560.0, "ACRE"},
        {2, "ft^2", K::Linear, 1.0, "FT2"},
        {2, "m^2", K::Linear, kFt2PerM2, "M2"},
        {2, "mile^2", K::Linear, 27878400.0, "MILE2"},
        {2, "cm^2", K::Linear, kFt2PerM2 * 1e-4, "CM2"},
        {2, "in^2", K::Linear, 1.0 / 144.0, "IN2"},
        {2, "ha", K::Linear, kFt2PerM2 * 1e4, "HA"},
        {2, "km^2", K::Linear, kFt2PerM2 * 1e6, "KM2"},
        // 3 DENSITY, base g/cm^3 (specific gravity of water)
        {3, "g/cm^3", K::Linear, 1.0, "G_CM3"},
        {3, "kg/m^3", K::Linear, 0.001, "KG_M3"},
        {3, "lbm/ft^3", K::Linear, 0.016018464, "LBM_FT3"},
        {3, "deg.API", K::ApiGravity, 1.0, "DEGAPI"},
        {3, "Sp.Gr.H2O", K::Linear, 1.0, "SGH2O"},
        {3, "lbm/gal", K::Linear, kGPerLb / (kLPerUsGal * 1000.0), "LBM_GAL"},
        // 4 VOLUME, base ft^3
        {4, "ft^3", K::Linear, 1.0, "FT3"},
        {4, "m^3", K::Linear, kFt3PerM3, "M3"},
        {4, "gal", K::Linear, kFt3PerGal, "GAL"},
        {4, "STB", K::Linear, kFt3PerBbl, "STB"},
        {4, "bbl", K::Linear, kFt3PerBbl, "BBL"},
        {4, "dm^3", K::Linear, kFt3PerM3 * 0.001, "DM3"},
        {4, "L", K::Linear, kFt3PerM3 * 0.001, "L"},
        {4, "Mcf", K::Linear, 1e3, "MCF"},
        {4, "MMcf", K::Linear, 1e6, "MMCF"},
        {4, "Bcf", K::Linear, 1e9, "BCF"},
        {4, "Tcf", K::Linear, 1e12, "TCF"},
        // 5 DELTA_TIME, base hr
        {5, "hr", K::Linear, 1.0, "HR"},
        {5, "min", K::Linear, 1.0 / 60.0, "MIN"},
        {5, "s", K::Linear, 1.0 / 3600.0, "SEC"},
        {5, "day", K::Linear, kHoursPerDay, "DAY"},
        {5, "month", K::Linear, kHoursPerMonth, "MONTH"},
        {5, "year", K::Linear, kHoursPerYear, "YEAR"},
        // 6 TEMPERATURE, base deg R
        {6, "deg F", K::Fahrenheit, 1.0, "F"},
        {6, "deg C", K::Celsius, 1.0, "C"},
        {6, "deg R", K::Linear, 1.0, "R"},
        {6, "K", K::Linear, 1.8, "K"},
        // 7 PRESSURE (differences), base psi
        {7, "psi", K::Linear, 1.0, "PSI"},
        {7, "Pa", K::Linear, kPsiPerPa, "PA"},
        {7, "kPa", K::Linear, kPsiPerKpa, "KPA"},
        {7, "bar", K::Linear, kPsiPerBar, "BAR"},
        {7, "kgf/cm^2", K::Linear, kPsiPerKgfCm2, "KGF_CM2"},
        {7, "MPa", K::Linear, kPsiPerMpa, "MPA"},
        // 8 GAUGE_PRESSURE, base psi absolute
        {8, "psi (a)", K::Linear, 1.0, "PSIA"},
        {8, "Pa (a)", K::Linear, kPsiPerPa, "PAA"},
        {8, "kPa (a)", K::Linear, kPsiPerKpa, "KPAA"},
        {8, "bar (a)", K::Linear, kPsiPerBar, "BARA"},
        {8, "kilo (a)", K::Linear, kPsiPerKgfCm2, "KGF_CM2A"},
        {8, "psi (g)", K::Gauge, 1.0, "PSIG"},
        {8, "Pa (g)", K::Gauge, kPsiPerPa, "PAG"},
        {8, "kPa (g)", K::Gauge, kPsiPerKpa, "KPAG"},
        {8, "bar (g)", K::Gauge, kPsiPerBar, "BARG"},
        {8, "kilo (g)", K::Gauge, kPsiPerKgfCm2, "KGF_CM2G"},
        {8, "10^6 psi (a)", K::Linear, 1e6, "PSI6A"},
        {8, "MPa (a)", K::Linear, kPsiPerMpa, "MPAA"},
        {8, "10^6 psi (g)", K::Gauge, 1e6, "PSI6G"},
        {8, "MPa (g)", K::Gauge, kPsiPerMpa, "MPAG"},
        // 9 FRACTION
        {9, "fraction", K::Linear, 1.0, "FRACTION"},
        {9, "%", K::Linear, 0.01, "PERCENT"},
        // 10 time per time, base fraction of the day
        {10, "fraction", K::Linear, 1.0, "TIME_FRACTION"},
        {10, "%", K::Linear, 0.01, "TIME_PERCENT"},
        {10, "hr/day", K::Linear, 0.04166666666667, "HR_DAY"},
        // 11 PERMEABILITY, base md
        {11, "md", K::Linear, 1.0, "MD"},
        {11, "10^-3 um^2", K::Linear, kMdPerUm2 * 0.001, "MDSI"},
        {11, "darcy", K::Linear, 1000.0, "DARCY"},
        {11, "m^2", K::Linear, kMdPerUm2 * 1e12, "PERM_M2"},
        {11, "um^2", K::Linear, kMdPerUm2, "PERM_UM2"},
        // 12 FLOWRATE, base bbl/day
        {12, "m^3/D", K::Linear, kBblPerM3, "M3_D"},
        {12, "scf/D", K::Linear, 0.17810761, "SCF_D"},
        {12, "Mscf/D", K::Linear, kBblPerMcf, "MCF_D"},
        {12, "BBL/D", K::Linear, 1.0, "BBL_D"},
        {12, "STB/D", K::Linear, 1.0, "STB_D"},
        {12, "m^3/s", K::Linear, kBblPerM3 * kSecondsPerDay, "M3_S"},
        {12, "m^3/min", K::Linear, kBblPerM3 * 1440.0, "M3_MIN"},
        {12, "10^3 m^3/D", K::Linear, kBblPerM3 * 1000.0, "KM3_D"},
        {12, "bbl/min", K::Linear, 1440.0, "BPM"},
        {12, "dm^3/s", K::Linear, kBblPerM3 * kSecondsPerDay * 0.001, "DM3_S"},
        {12, "L/s", K::Linear, kBblPerM3 * kSecondsPerDay * 0.001, "L_S"},
        {12, "RB/D", K::Linear, 1.0, "RB_D"},
        // 13 DENSITY_GRADIENT, base psi/ft
        {13, "psi/ft", K::Linear, 1.0, "PSI_FT"},
        {13, "kPa/m", K::Linear, 0.044207569, "KPA_M"},
        {13, "psi/100ft", K::Linear, 0.01, "PSI_100FT"},
        {13, "Pa/m", K::Linear, 4.4207569e-05, "PA_M"},
        // 14 VISCOSITY, base cP
        {14, "cP", K::Linear, 1.0, "CP"},
        {14, "mPa s", K::Linear, 1.0, "MPA_S"},
        {14, "Pa s", K::Linear, 1000.0, "PAS"},
        {14, "N s/m^2", K::Linear, 1000.0, "NS_M2"},
        // 15 MASS, base lb
        {15, "lb", K::Linear, 1.0, "LB"},
        {15, "Klb", K::Linear, 1000.0, "KLB"},
        {15, "kg", K::Linear, kLbPerKg, "KG"},
        {15, "mt", K::Linear, 2204.6226, "MT"},
        // 16 POWER, base hp
        {16, "HP", K::Linear, 1.0, "HP"},
        {16, "KW", K::Linear, 1.3404826, "KW"},
        // 17 FORCE, base lbf
        {17, "lbf", K::Linear, 1.0, "LBF"},
        {17, "Klbf", K::Linear, 1000.0, "KLBF"},
        {17, "100 lbf", K::Linear, 100.0, "CBF"},
        {17, "N", K::Linear, 0.224808943, "N"},
        {17, "kN", K::Linear, 224.808943, "KN"},
        // 18 PRODUCTIVITY_INDEX, base STB/D/psi
        {18, "STB/D/psi", K::Linear, 1.0, "STB_D_PSI"},
        {18, "m^3/D/kPa", K::Linear, 43.366654, "M3_D_KPA"},
        {18, "Mscf/D/psi", K::Linear, kBblPerMcf, "MCF_D_PSI"},
        {18, "scf/D/psi", K::Linear, kBblPerMcf * 0.001, "SCF_D_PSI"},
        {18, "m^3/s/Pa", K::Linear, kBblPerM3 * kSecondsPerDay / kPsiPerPa, "M3_S_PA"},
        // 19 STORATIVITY, base bbl/psi
        {19, "bbl/psi", K::Linear, 1.0, "BBL_PSI"},
        {19, "ft^3/psi", K::Linear, 1.0 / kFt3PerBbl, "FT3_PSI"},
        {19, "m^3/kPa", K::Linear, kBblPerM3 / kPsiPerKpa, "M3_KPA"},
        // 20 COMPRESSIBILITY, base 1/psi
        {20, "1/psi", K::Linear, 1.0, "ONE_PSI"},
        {20, "10^-6/psi", K::Linear, 1e-6, "ONE_PSI_E6"},
        {20, "1/Pa", K::Linear, 1.0 / kPsiPerPa, "ONE_PA"},
        {20, "1/kPa", K::Linear, 1.0 / kPsiPerKpa, "ONE_KPA"},
        // 21 PERMEABILITY_THICKNESS, base md-ft
        {21, "md-ft", K::Linear, 1.0, "MDFT"},
        {21, "md-m", K::Linear, kFtPerM, "MDM"},
        {21, "m^2-m", K::Linear, kMdPerUm2 * 1e12 * kFtPerM, "M2M"},
        {21, "um^2-m", K::Linear, kMdPerUm2 * kFtPerM, "UM2M"},
        // 22 FRACTURE_TOUGHNESS, base psi in^0.5
        {22, "lb/in^1.5", K::Linear, 1.0, "LB_IN15"},
        {22, "psi in^0.5", K::Linear, 1.0, "PSIIN5"},
        {22, "Pa m^0.5", K::Linear, kPsiPerPa * 6.27455, "PAM5"},  // sqrt(39.37 in)
        // 23 FLUID_LOSS_COEFF, base ft/min^0.5
        {23, "ft/min^0.5", K::Linear, 1.0, "FT_MIN5"},
        {23, "m/min^0.5", K::Linear, kFtPerM, "M_MIN5"},
        // 24 SPURT_LOSS_COEFF, base gal/ft^2
        {24, "gal/ft^2", K::Linear, 1.0, "GAL_FT2"},
        {24, "m^3/m^2", K::Linear, kFt3PerM3 / kFt3PerGal / kFt2PerM2, "M3_M2"},
        // 25 VOLUME_RATIO
        {25, "STB/STB", K::Linear, 1.0, "STB_STB"},
        {25, "m^3/m^3", K::Linear, 1.0, "M3_M3"},
        // 26 PROPANT_CONCENTRATION, base lb/ft^2
        {26, "lb/ft^2", K::Linear, 1.0, "LB_FT2"},
        {26, "Klb/ft^2", K::Linear, 1000.0, "KLB_FT2"},
        {26, "g/m^2", K::Linear, kLbPerKg * 0.001 / kFt2PerM2, "G_M2"},
        {26, "kg/m^2", K::Linear, kLbPerKg / kFt2PerM2, "KG_M2"},
        // 27 MASS_CONCENTRATION, base weight percent
        {27, "wt%", K::Linear, 1.0, "WTPCT"},
        {27, "ppm", K::Linear, 1e-4, "PPM"},
        {27, "ppb", K::Linear, 1e-7, "PPB"},
        {27, "kg/kg", K::Linear, 100.0, "KG_KG"},
        {27, "g/kg", K::Linear, 0.1, "G_KG"},
        {27, "mg/kg", K::Linear, 1e-4, "MG_KG"},
        // 28 ANGLE, base degree
        {28, "degree", K::Linear, 1.0, "DEGREE"},
        {28, "rad", K::Linear, 57.2957795, "RADIANS"},
        // 29 HYDRAULIC_DIFFUSIVITY, base ft^2/hr
        {29, "ft^2/hr", K::Linear, 1.0, "FT2_HR"},
        {29, "ft^2/s", K::Linear, 3600.0, "FT2_SEC"},
        {29, "mm^2/s", K::Linear, kFt2PerM2 * 1e-6 * 3600.0, "MM2_SEC"},
        {29, "cm^2/s", K::Linear, kFt2PerM2 * 1e-4 * 3600.0, "CM2_SEC"},
        {29, "m^2/hr", K::Linear, kFt2PerM2, "M2_HR"},
        // 30 SEMILOG_SLOPE, base psi/cycle
        {30, "psi/cycle", K::Linear, 1.0, "PSI_CYC"},
        {30, "Pa/cycle", K::Linear, kPsiPerPa, "PA_CYC"},
        {30, "kPa/cycle", K::Linear, kPsiPerKpa, "KPA_CYC"},
        {30, "MPa/cycle", K::Linear, kPsiPerMpa, "MPA_CYC"},
        {30, "bar/cycle", K::Linear, kPsiPerBar, "BAR_CYC"},
        // 31 PRESSURE_CHANGE_RATE, base psi/hr
        {31, "psi/hr", K::Linear, 1.0, "PSI_HR"},
        {31, "Pa/hr", K::Linear, kPsiPerPa, "PA_HR"},
        {31, "kPa/hr", K::Linear, kPsiPerKpa, "KPA_HR"},
        {31, "MPa/hr", K::Linear, kPsiPerMpa, "MPA_HR"},
        {31, "bar/hr", K::Linear, kPsiPerBar, "BAR_HR"},
        // 32 GAS_SPECIFIC_GRAVITY, base specific gravity of air
        {32, "Sp.Gr.Air", K::Linear, 1.0, "SGAIR"},
        {32, "mol wt", K::Linear, 1.0 / 28.9647, "MWGAS"},
        // 33 MR_PLOTTING, base psi/(STB/D)
        {33, "psi/(STB/D)", K::Linear, 1.0, "PSI_STB_D"},
        {33, "psi/(Mscf/D)", K::Linear, 1.0 / kBblPerMcf, "PSI_MCF_D"},
        {33, "Pa/(m^3/D)", K::Linear, kPsiPerPa / kBblPerM3, "PA_M3_D"},
        {33, "kPa/(m^3/D)", K::Linear, kPsiPerKpa / kBblPerM3, "KPA_M3_D"},
        {33, "MPa/(m^3/D)", K::Linear, kPsiPerMpa / kBblPerM3, "MPA_M3_D"},
        // 34 SEMILOG_SLOPE_2, base psi/(STB/D)/cycle
        {34, "psi/(STB/D)/cycle", K::Linear, 1.0, "PSI_STB_D_CYC"},
        {34, "psi/(Mscf/D)/cycle", K::Linear, 1.0 / kBblPerMcf, "PSI_MCF_D_CYC"},
        {34, "Pa/(m^3/D)/cycle", K::Linear, kPsiPerPa / kBblPerM3, "PA_M3_D_CYC"},
        {34, "kPa/(m^3/D)/cycle", K::Linear, kPsiPerKpa / kBblPerM3, "KPA_M3_D_CYC"},
        {34, "MPa/(m^3/D)/cycle", K::Linear, kPsiPerMpa / kBblPerM3, "MPA_M3_D_CYC"},
        // 35 LINEAR_SLOPE, base psi/hr^0.5
        {35, "psi/hr^0.5", K::Linear, hr5, "PSI_HR5"},
        {35, "Pa/hr^0.5", K::Linear, kPsiPerPa, "PA_HR5"},
        {35, "kPa/hr^0.5", K::Linear, kPsiPerKpa, "KPA_HR5"},
        {35, "MPa/hr^0.5", K::Linear, kPsiPerMpa, "MPA_HR5"},
        // 36 BILINEAR_SLOPE, base psi/hr^0.25
        {36, "psi/hr^0.25", K::Linear, hr25, "PSI_HR25"},
        {36, "Pa/hr^0.25", K::Linear, kPsiPerPa, "PA_HR25"},
        {36, "kPa/hr^0.25", K::Linear, kPsiPerKpa, "KPA_HR25"},
        {36, "MPa/hr^0.25", K::Linear, kPsiPerMpa, "MPA_HR25"},
        // 37 RATE_NORMALIZED_LINEAR_SLOPE, base psi/(STB/D)/hr^0.5
        {37, "psi/(STB/D)/hr^0.5", K::Linear, 1.0, "PSI_STB_D_HR5"},
        {37, "psi/(Mscf/D)/hr^0.5", K::Linear, 1.0 / kBblPerMcf, "PSI_MCF_D_HR5"},
        {37, "Pa/(m^3/D)/hr^0.5", K::Linear, kPsiPerPa / kBblPerM3, "PA_M3_D_HR5"},
        {37, "kPa/(m^3/D)/hr^0.5", K::Linear, kPsiPerKpa / kBblPerM3, "KPA_M3_D_HR5"},
        {37, "MPa/(m^3/D)/hr^0.5", K::Linear, kPsiPerMpa / kBblPerM3, "MPA_M3_D_HR5"},
        // 38 RATE_NORMALIZED_BILINEAR_SLOPE, base psi/(STB/D)/hr^0.25
        {38, "psi/(STB/D)/hr^0.25", K::Linear, 1.0, "PSI_STB_D_HR25"},
        {38, "psi/(Mscf/D)/hr^0.25", K::Linear, 1.0 / kBblPerMcf, "PSI_MCF_D_HR25"},
        {38, "Pa/(m^3/D)/hr^0.25", K::Linear, kPsiPerPa / kBblPerM3, "PA_M3_D_HR25"},
        {38, "kPa/(m^3/D)/hr^0.25", K::Linear, kPsiPerKpa / kBblPerM3, "KPA_M3_D_HR25"},
        {38, "MPa/(m^3/D)/hr^0.25", K::Linear, kPsiPerMpa / kBblPerM3, "MPA_M3_D_HR25"},
        // 39 SLURRY_CONCENTRATION, base lb added per gal
        {39, "ppg", K::Linear, 1.0, "PPG"},
        {39, "kg/m^3", K::Linear, kLbPerKg / (kFt3PerM3 / kFt3PerGal), "KG_M3C"},
        // 40 TRANSM, base md-ft/cP
        {40, "md-ft/cP", K::Linear, 1.0, "MDFT2"},
        {40, "md-m/cP", K::Linear, kFtPerM, "MDM2"},
        // 41 SQUARE_ROOT_OF_TIME, base hr^0.5
        {41, "hr^0.5", K::Linear, 1.0, "HR5"},
        {41, "min^0.5", K::Linear, std::sqrt(1.0 / 60.0), "MIN5"},
        {41, "s^0.5", K::Linear, 1.0 / 60.0, "SEC5"},
        {41, "day^0.5", K::Linear, std::sqrt(kHoursPerDay), "DAY5"},
        {41, "month^0.5", K::Linear, std::sqrt(kHoursPerMonth), "MONTH5"},
        {41, "year^0.5", K::Linear, std::sqrt(kHoursPerYear), "YEAR5"},
        // 42 FOURTH_ROOT_OF_TIME, base hr^0.25
        {42, "hr^0.25", K::Linear, 1.0, "HR25"},
        {42, "min^0.25", K::Linear, std::pow(1.0 / 60.0, 0.25), "MIN25"},
        {42, "s^0.25", K::Linear, std::pow(1.0 / 3600.0, 0.25), "SEC25"},
        {42, "day^0.25", K::Linear, std::pow(kHoursPerDay, 0.25), "DAY25"},
        {42, "month^0.25", K::Linear, std::pow(kHoursPerMonth, 0.25), "MONTH25"},
        {42, "year^0.25", K::Linear, std::pow(kHoursPerYear, 0.25), "YEAR25"},
        // 43 PSEUDOCONV, base cP/psi
        {43, "cP/psi", K::Linear, 1.0, "CP_PSI"},
        {43, "Pa s/kPa", K::Linear, 1000.0 / kPsiPerKpa, "PAS_KPA"},
        {43, "kPa s/kPa", K::Linear, 1e6 / kPsiPerKpa, "KPAS_KPA"},
        // 44 VELOCITY, base ft/min
        {44, "ft/s", K::Linear, 60.0, "FT_S"},
        {44, "m/s", K::Linear, 196.850394, "M_S"},
        {44, "in/s", K::Linear, 5.0, "IN_S"},
        {44, "cm/s", K::Linear, 1.96850394, "CM_S"},
        {44, "ft/min", K::Linear, 1.0, "FT_MIN"},
        {44, "ft/hr", K::Linear, 1.0 / 60.0, "FT_HR"},
        {44, "m/min", K::Linear, kFtPerM, "M_MIN"},
        {44, "m/hr", K::Linear, kFtPerM / 60.0, "M_HR"},
        {44, "mm/year", K::Linear, 0.0032808399 / (kHoursPerYear * 60.0), "MM_YEAR"},
        // 45 ANGULAR_VELOCITY, base rad/s
        {45, "rad/s", K::Linear, 1.0, "RAD_S"},
        {45, "rev/min", K::Linear, 2.0 * kPi / 60.0, "REV_MIN"},
        {45, "rev/s", K::Linear, 2.0 * kPi, "REV_S"},
        {45, "deg/min", K::Linear, kPi / 180.0 / 60.0, "DEG_MIN"},
        // 46 ACCELERATION, base ft/s^2
        {46, "ft/s2", K::Linear, 1.0, "FT_S2"},
        {46, "cm/s2", K::Linear, 0.032808399, "CM_S2"},
        {46, "in/s2", K::Linear, 0.0833333333, "IN_S2"},
        {46, "G", K::Linear, 32.17405, "STD_G"},
        {46, "m/s2", K::Linear, kFtPerM, "M_S2"},
        // 47 ANGULAR_ACCELERATION, base rad/s^2
        {47, "rad/s^2", K::Linear, 1.0, "RAD_S2"},
        {47, "rpm/s", K::Linear, 2.0 * kPi / 60.0, "RPM_S"},
        // 48 TORQUE, base ft-lb
        {48, "ft-lb", K::Linear, 1.0, "FTLB"},
        {48, "Nm", K::Linear, 0.737563255, "NM"},
        {48, "kNm", K::Linear, 737.563255, "KNM"},
        {48, "in-lb", K::Linear, 0.0833333333, "INLB"},
        {48, "Kin-lb", K::Linear, 83.333333, "KINLB"},
        // 49 MOMENT_OF_INERTIA, base lb-ft^2
        {49, "lb-ft^2", K::Linear, 1.0, "LBFT2"},
        {49, "Klb-ft^2", K::Linear, 1000.0, "KLBFT2"},
        {49, "slug-ft^2", K::Linear, 32.17405, "SLUGFT2"},
        {49, "kg-m^2", K::Linear, kLbPerKg * kFt2PerM2, "KGM2"},
        // 50 WEIGHT_PER_LENGTH, base lb/ft
        {50, "lb/ft", K::Linear, 1.0, "LB_FT"},
        {50, "kg/m", K::Linear, 0.671968968, "KG_M"},
        {50, "lb/in", K::Linear, 0.0833333333, "LB_IN"},
        // 51 STROKES_PER_MINUTE
        {51, "SPM", K::Linear, 1.0, "SPM"},
        {51, "SPS", K::Linear, 60.0, "SPS"},
        // 52 NUMBER_DENSITY, base 1/ft
        {52, "1/ft", K::Linear, 1.0, "NUM_FT"},
        {52, "1/in", K::Linear, 12.0, "NUM_IN"},
        {52, "1/m", K::Linear, 1.0 / kFtPerM, "NUM_M"},
        {52, "1/cm", K::Linear, 100.0 / kFtPerM, "NUM_CM"},
        {52, "1/mm", K::Linear, 1000.0 / kFtPerM, "NUM_MM"},
        // 53 COST_PER_GAS_VOLUME, base $/ft^3
        {53, "$/ft^3", K::Linear, 1.0, "DOLLAR_FT3"},
        {53, "$/m^3", K::Linear, 1.0 / kFt3PerM3, "DOLLAR_M3"},
        {53, "$/gal", K::Linear, 1.0 / kFt3PerGal, "DOLLAR_GAL"},
        {53, "¢/gal", K::Linear, 0.01 / kFt3PerGal, "CENT_GAL"},
        {53, "$/STB", K::Linear, 1.0 / kFt3PerBbl, "DOLLAR_STB"},
        {53, "¢/STB", K::Linear, 0.01 / kFt3PerBbl, "CENT_STB"},
        {53, "$/bbl", K::Linear, 1.0 / kFt3PerBbl, "DOLLAR_BBL"},
        {53, "¢/bbl", K::Linear, 0.01 / kFt3PerBbl, "CENT_BBL"},
        {53, "$/dm^3", K::Linear, 1000.0 / kFt3PerM3, "DOLLAR_DM3"},
        {53, "$/L", K::Linear, 1000.0 / kFt3PerM3, "DOLLAR_L"},
        {53, "$/Mcf", K::Linear, 1e-3, "DOLLAR_MCF"},
        {53, "$/MMcf", K::Linear, 1e-6, "DOLLAR_MMCF"},
        {53, "$/Bcf", K::Linear, 1e-9, "DOLLAR_BCF"},
        {53, "$/Tcf", K::Linear, 1e-12, "DOLLAR_TCF"},
        // 54 COST_PER_TIME, base $/hr
        {54, "$/hr", K::Linear, 1.0, "DOLLAR_HR"},
        {54, "$/min", K::Linear, 60.0, "DOLLAR_MIN"},
        {54, "$/s", K::Linear, 3600.0, "DOLLAR_SEC"},
        {54, "$/day", K::Linear, 1.0 / kHoursPerDay, "DOLLAR_DAY"},
        {54, "$/month", K::Linear, 1.0 / kHoursPerMonth, "DOLLAR_MONTH"},
        {54, "$/year", K::Linear, 1.0 / kHoursPerYear, "DOLLAR_YEAR"},
        // 55 COST_PER_POWER, base $/HP
        {55, "$/HP", K::Linear, 1.0, "DOLLAR_HP"},
        {55, "¢/KW", K::Linear, 0.0074599999, "CENT_KW"},
        {55, "$/KW", K::Linear, 0.74599999, "DOLLAR_KW"},
        // 56 MONEY, base US dollar; the exchange rates are fixed reference values
        {56, "$", K::Linear, 1.0, "DOLLAR"},
        {56, "¢", K::Linear, 0.01, "CENT"},
        {56, "£", K::Linear, 1.25, "BRITISHPOUND"},
        {56, "¥", K::Linear, 0.0067, "JAPANYEN"},
        // 57 LIQUID_FVF, base RB/STB
        {57, "RB/STB", K::Linear, 1.0, "LIQUID_FVF_RB_STB"},
        {57, "m^3/m^3", K::Linear, 1.0, "LIQUID_FVF_M3_M3"},
        // 58 LIQUID_SHRINKAGE_FACTOR, base STB/RB
        {58, "STB/RB", K::Linear, 1.0, "LIQUID_SHRINK_FACTOR_STB_RB"},
        {58, "m^3/m^3", K::Linear, 1.0, "LIQUID_SHRINK_FACTOR_M3_M3"},
        // 59 GAS_FVF, base RB/Mscf
        {59, "RB/Mscf", K::Linear, 1.0, "GAS_FVF_RB_MCF"},
        {59, "rcf/scf", K::Linear, kBblPerMcf, "GAS_FVF_RCF_SCF"},
        {59, "rcf/Mscf", K::Linear, kBblPerMcf * 0.001, "GAS_FVF_RCF_MCF"},
        {59, "m^3/m^3", K::Linear, kBblPerMcf, "GAS_FVF_M3_M3"},
        // 60 GAS_SHRINKAGE_FACTOR, base Mscf/RB
        {60, "Mscf/RB", K::Linear, 1.0, "GAS_SHRINKAGE_FACTOR_MCF_RB"},
        {60, "scf/rcf", K::Linear, 1.0 / kBblPerMcf, "GAS_SHRINKAGE_FACTOR_SCF_RCF"},
        {60, "Mscf/rcf", K::Linear, 1000.0 / kBblPerMcf, "GAS_SHRINKAGE_FACTOR_MCF_RCF"},
        {60, "m^3/m^3", K::Linear, 1.0 / kBblPerMcf, "GAS_SHRINKAGE_FACTOR_M3_M3"},
        // 61 GAS_LIQUID_RATIO, base scf/STB
        {61, "scf/STB", K::Linear, 1.0, "GAS_LIQUID_RATIO_SCF_STB"},
        {61, "m^3/m^3", K::Linear, 5.6145833, "GAS_LIQUID_RATIO_M3_M3"},
        {61, "Mscf/STB", K::Linear, 1000.0, "GAS_LIQUID_RATIO_MSCF_STB"},
        // 62 LIQUID_GAS_RATIO, base STB/Mscf
        {62, "STB/scf", K::Linear, 1000.0, "LIQUID_GAS_RATIO_STB_SCF"},
        {62, "m^3/m^3", K::Linear, kBblPerMcf, "LIQUID_GAS_RATIO_M3_M3"},
        {62, "STB/Mscf", K::Linear, 1.0, "LIQUID_GAS_RATIO_STB_MCF"},
        // 63 COMPONENT_CONCENTRATION, base mole fraction
        {63, "mole fraction", K::Linear, 1.0, "MOLE_FRACTION"},
        {63, "mole %", K::Linear, 0.01, "MOLE_PERCENT"},
        // 64 ADSORBED_GAS_CONCENTRATION, base scf/short ton
        {64, "scf/ton", K::Linear, 1.0, "SCF_TON"},
        {64, "m^3/kg", K::Linear, kFt3PerM3 * kKgPerShortTon, "M3_KG"},
        {64, "m^3/tonne", K::Linear, kFt3PerM3 * kKgPerShortTon / 1000.0, "M3_TONNE"},
        {64, "m^3/Mg", K::Linear, kFt3PerM3 * kKgPerShortTon / 1000.0, "M3_MG"},
        {64, "mL/g", K::Linear, kFt3PerM3 * kKgPerShortTon / 1000.0, "ML_G"},
        // 65 standard liquid volume, base STB
        {65, "STB", K::Linear, 1.0, "STB_LSTD"},
        {65, "MSTB", K::Linear, 1000.0, "MSTB_LSTD"},
        {65, "m^3", K::Linear, kBblPerM3, "M3_LSTD"},
        {65, "dm^3", K::Linear, kBblPerM3 * 0.001, "DM3_LSTD"},
        {65, "L", K::Linear, kBblPerM3 * 0.001, "L_LSTD"},
        // 66 standard gas volume, base scf
        {66, "scf", K::Linear, 1.0, "SCF_GSTD"},
        {66, "Mscf", K::Linear, 1e3, "MCF_GSTD"},
        {66, "MMscf", K::Linear, 1e6, "MMCF_GSTD"},
        {66, "Bscf", K::Linear, 1e9, "BCF_GSTD"},
        {66, "Tscf", K::Linear, 1e12, "TCF_GSTD"},
        {66, "m^3", K::Linear, kFt3PerM3, "M3_GSTD"},
        {66, "dm^3", K::Linear, kFt3PerM3 * 0.001, "DM3_GSTD"},
        // 67 standard liquid rate, base STB/D
        {67, "STB/D", K::Linear, 1.0, "STB_D_LSTD"},
        {67, "MSTB/D", K::Linear, 1000.0, "MSTB_D_LSTD"},
        {67, "m^3/D", K::Linear, kBblPerM3, "M3_D_LSTD"},
        {67, "m^3/s", K::Linear, kBblPerM3 * kSecondsPerDay, "M3_S_LSTD"},
        {67, "dm^3/s", K::Linear, kBblPerM3 * kSecondsPerDay * 0.001, "DM3_S_LSTD"},
        // 68 standard gas rate, base Mscf/D
        {68, "Mscf/D", K::Linear, 1.0, "MCF_D_GSTD"},
        {68, "MMscf/D", K::Linear, 1000.0, "MMCF_D_GSTD"},
        {68, "m^3/D", K::Linear, kFt3PerM3 * 0.001, "M3_D_GSTD"},
        {68, "m^3/s", K::Linear, kFt3PerM3 * 0.001 * kSecondsPerDay, "M3_S_GSTD"},
        {68, "dm^3/s", K::Linear, kFt3PerM3 * 1e-6 * kSecondsPerDay, "DM3_S_GSTD"},
        // 69 solid density, base g/cm^3
        {69, "g/cm^3", K::Linear, 1.0, "S_G_CM3"},
        {69, "kg/m^3", K::Linear, 0.001, "S_KG_M3"},
        {69, "lbm/ft^3", K::Linear, 0.016018464, "S_LBM_FT3"},
        // 70 MASS_VOLUME_CONCENTRATION, base kg/m^3
        {70, "kg/m^3", K::Linear, 1.0, "MVCONC_KG_M3"},
        {70, "g/L", K::Linear, 1.0, "MVCONC_G_L"},
        {70, "lbm/bbl", K::Linear, kGPerLb * 0.001 * kBblPerM3, "MVCONC_LBM_BBL"},
        {70, "g/US gal", K::Linear, 1.0 / kLPerUsGal, "MVCONC_G_USGAL"},
        {70, "g/UK gal", K::Linear, 1.0 / kLPerUkGal, "MVCONC_G_UKGAL"},
        {70, "mg/L", K::Linear, 0.001, "MVCONC_MG_L"},
        // 71 GAS_DELIVERABILITY, base scf/D/psi^2
        {71, "scf/D/psi^2", K::Linear, 1.0, "SCF_D_PSI2"},
        {71, "Mscf/D/psi^2", K::Linear, 1e3, "MSCF_D_PSI2"},
        {71, "MMscf/D/psi^2", K::Linear, 1e6, "MMSCF_D_PSI2"},
        {71, "m^3/s/Pa^2", K::Linear, kFt3PerM3 * kSecondsPerDay / (kPsiPerPa * kPsiPerPa),
         "M3_S_PA2"},
        {71, "m^3/D/kPa^2", K::Linear, kFt3PerM3 / (kPsiPerKpa * kPsiPerKpa), "M3_D_KPA2"},
        // 74 TEMPERATURE_GRADIENT, base deg F/100ft
        {74, "deg F/100ft", K::Linear, 1.0, "F_100FT"},
        {74, "deg C/100m", K::Linear, 1.8 / kFtPerM, "C_100M"},
        // 75 LOGGING_VELOCITY (slowness), base us/ft
        {75, "us/ft", K::Linear, 1.0, "USEC_FT"},
        {75, "us/m", K::Linear, 1.0 / kFtPerM, "USEC_M"},
        // 76 LOGGING_RESISTIVITY
        {76, "ohm-m", K::Linear, 1.0, "OHMM"},
        // 77 RHEOLOGY_CONSISTENCY_INDEX, base lbf s^n/ft^2
        {77, "Pa s^n", K::Linear, 0.020885434, "PASN"},
        {77, "lbf s^n/ft^2", K::Linear, 1.0, "LBSN_FT2"},
        {77, "cP s^n", K::Linear, 0.020885434e-3, "CPS"},
        // 78 HEAT_CAPACITY, base J/kg-K
        {78, "J/kg-K", K::Linear, 1.0, "JKHC"},
        {78, "kJ/kg-K", K::Linear, 1000.0, "KKHC"},
        {78, "kcal/kg-C", K::Linear, kJPerBtuLbF, "KKPS"},
        {78, "Btu/lb-F", K::Linear, kJPerBtuLbF, "BFHC"},
        {78, "Btu/lbm-F", K::Linear, kJPerBtuLbF, "BLMF"},
        // 79 volume per length, base ft^3/ft
        {79, "ft^3/ft", K::Linear, 1.0, "FT3_FT"},
        {79, "bbl/ft", K::Linear, kFt3PerBbl, "BBL_FT"},
        {79, "ft^3/in", K::Linear, 12.0, "FT3_IN"},
        {79, "bbl/in", K::Linear, kFt3PerBbl * 12.0, "BBL_IN"},
        {79, "m^3/m", K::Linear, kFt3PerM3 / kFtPerM, "M3_M"},
        {79, "m^3/cm", K::Linear, kFt3PerM3 * 100.0 / kFtPerM, "M3_CM"},
        {79, "L/m", K::Linear, kFt3PerM3 * 0.001 / kFtPerM, "L_M"},
        // 80 MASS PER TIME, base g/s
        {80, "g/s", K::Linear, 1.0, "G_S"},
        {80, "kg/s", K::Linear, 1000.0, "KG_S"},
        {80, "kg/min", K::Linear, 1000.0 / 60.0, "KG_MIN"},
        // 81 PRESSURE PER VOLUME, base psi/bbl
        {81, "psi/bbl", K::Linear, 1.0, "PSI_BBL"},
        {81, "Pa/m^3", K::Linear, kPsiPerPa / kBblPerM3, "PA_M3"},
        // 82 THERMAL CONDUCTIVITY, base Btu/hr-ft-F
        {82, "Btu/hr-ft-f", K::Linear, 1.0, "BTU_H_FT_F"},
        {82, "Btu/day-ft-f", K::Linear, 24.0, "BTU_DA_FT_F"},
        // 83 PRESSURE_PER_TIME, base psi/min
        {83, "psi/min", K::Linear, 1.0, "PSI_MIN"},
        {83, "kPa/min", K::Linear, kPsiPerKpa, "KPA_MIN"},
        {83, "bar/min", K::Linear, kPsiPerBar, "BAR_MIN"},
        {83, "Pa/min", K::Linear, kPsiPerPa, "PA_MIN"},
        {83, "kilos/min", K::Linear, kPsiPerKgfCm2, "KILOS_MIN"},
        // 84 the fluid family: specific gravity of water, density and hydrostatic gradient of
        // one fluid are one quantity (1 psi/ft = 2.3066587 SG)
        {84, "Sp.Gr.H2O", K::Linear, 1.0, "ZELK_SGH2O"},
        {84, "g/cm^3", K::Linear, 1.0, "ZELK_G_CM3"},
        {84, "kg/m^3", K::Linear, 0.001, "ZELK_KG_M3"},
        {84, "lbm/ft^3", K::Linear, 0.016018464, "ZELK_LBM_FT3"},
        {84, "deg.API", K::ApiGravity, 1.0, "ZELK_DEGAPI"},
        {84, "psi/ft", K::Linear, 2.3066587, "ZELK_PSI_FT"},
        {84, "kPa/m", K::Linear, 0.10197099, "ZELK_KPA_M"},
        {84, "psi/100ft", K::Linear, 0.023066587, "ZELK_PSI_100FT"},
        {84, "Pa/m", K::Linear, 0.00010197099, "ZELK_PA_M"},
        {84, "Sp.Gr.Air", K::Linear, 0.0017, "ZELK_SGAir"},
        // clang-format on
    };
}

}  // namespace

void CUnitsManager::CreateUnits() {
    for (const UnitRow& row : UnitRows()) {
        AddUnit(row.dimension, row.symbol, row.kind, row.factor, row.key);
    }
}

}  // namespace units
