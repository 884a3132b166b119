#pragma once

#include <string>

namespace units {

/// How a unit's values map onto the base unit of its dimension.
enum class ConversionKind {
    Linear,      // x * factor
    Fahrenheit,  // degrees Rankine = x + 459.67
    Celsius,     // degrees Rankine = (x + 273.15) * 1.8
    ApiGravity,  // specific gravity of water = 141.5 / (x + 131.5)
    Gauge,       // absolute psi = x * factor + 14.7 (one standard atmosphere, rounded)
};

/// One unit of the catalogue. Only the symbol changes after creation (the main window puts the
/// string-table names of degrees and radians into it).
class CUnits {
public:
    CUnits(int dimension, std::string symbol, std::string key, double factor, ConversionKind kind)
        : m_dimension(dimension),
          m_symbol(std::move(symbol)),
          m_key(std::move(key)),
          m_factor(factor),
          m_converter(kind),
          m_reversesOrder(kind == ConversionKind::ApiGravity) {}
    virtual ~CUnits() = default;

    int GetDimension() const { return m_dimension; }
    const std::string& GetSymbol() const { return m_symbol; }
    void SetSymbol(const std::string& symbol) { m_symbol = symbol; }
    const std::string& GetKey() const { return m_key; }
    double GetFactor() const { return m_factor; }
    ConversionKind GetConverter() const { return m_converter; }
    /// A larger API gravity is a lighter fluid, so range limits swap sides when shown in it.
    bool ReversesOrder() const { return m_reversesOrder; }

    double ToBase(double x) const {
        switch (m_converter) {
            case ConversionKind::Linear:
                return x * m_factor;
            case ConversionKind::Fahrenheit:
                return x + 459.67;
            case ConversionKind::Celsius:
                return (x + 273.15) * 1.8;
            case ConversionKind::ApiGravity:
                return 141.5 / (x + 131.5);
            case ConversionKind::Gauge:
                return x * m_factor + 14.7;
        }
        return x;
    }

    double FromBase(double y) const {
        switch (m_converter) {
            case ConversionKind::Linear:
                return y / m_factor;
            case ConversionKind::Fahrenheit:
                return y - 459.67;
            case ConversionKind::Celsius:
                // The freezing point in Rankine does not survive the round trip exactly; snap it
                // so that 32 deg F and 0 deg C show as 0.
                if (491.67 - y < 0.00001 && y - 491.67 < 0.00001) {
                    return 0.0;
                }
                return y / 1.8 - 273.15;
            case ConversionKind::ApiGravity:
                return 141.5 / y - 131.5;
            case ConversionKind::Gauge:
                return (y - 14.7) / m_factor;
        }
        return y;
    }

private:
    int m_dimension;
    std::string m_symbol;
    std::string m_key;
    double m_factor;
    ConversionKind m_converter;
    bool m_reversesOrder;
};

}  // namespace units
