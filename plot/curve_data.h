#pragma once

#include <string>
#include <vector>

namespace plot {

/// One named series of doubles with a label per value; minimum and maximum are kept up to
/// date on every append.
class CCurveData {
public:
    explicit CCurveData(std::string name = std::string()) : m_name(std::move(name)) {}

    void Append(double value, const std::string& label = std::string());
    /// The label of value i, or an empty string when i is out of range.
    std::string LabelAt(int i) const;
    double MinValue() const { return m_minValue; }
    double MaxValue() const { return m_maxValue; }
    int MinIndex() const { return m_minIndex; }
    int MaxIndex() const { return m_maxIndex; }
    int Count() const { return static_cast<int>(m_values.size()); }
    int Capacity() const { return static_cast<int>(m_values.capacity()); }
    const std::vector<double>& Values() const { return m_values; }
    double At(int i) const { return m_values[static_cast<std::size_t>(i)]; }
    const std::string& GetName() const { return m_name; }
    int Kind() const { return m_kind; }
    int IsValid() const { return m_valid; }

private:
    std::vector<double> m_values;
    int m_valid = 1;
    double m_minValue = 0.0;
    double m_maxValue = 0.0;
    int m_minIndex = 0;
    int m_maxIndex = 0;
    bool m_hasExtremes = false;
    std::string m_name;
    int m_kind = 2;
    std::vector<std::string> m_labels;
};

}  // namespace plot
