#pragma once

#include <string>
#include <vector>

namespace plot {

/// A named value range shared by data areas and axes. Ranges listed in `linked` follow this
/// one: whenever it is set, they take the same limits and stop scaling themselves.
class CRange {
public:
    CRange(std::string name, int orientation)
        : m_name(std::move(name)), m_orientation(orientation) {}

    const std::string& GetName() const { return m_name; }
    double Min() const { return m_min; }
    double Max() const { return m_max; }
    double AutoMin() const { return m_autoMin; }
    double AutoMax() const { return m_autoMax; }
    /// 0 for a range used along X, 1 along Y.
    int Orientation() const { return m_orientation; }
    int AutoScale() const { return m_autoScale; }
    int Changed() const { return m_changed; }

    /// Stores each limit that differs (marking the range changed), then hands the same limits
    /// to every linked range and clears their automatic scaling.
    void SetMinMax(double min, double max);
    void SetAutoMinMax(double min, double max) {
        m_autoMin = min;
        m_autoMax = max;
    }
    /// Switches automatic scaling of this range and of its linked ranges.
    void SetAutoScale(int autoScale);
    void ClearChanged() { m_changed = 0; }
    void SetChanged() { m_changed = 1; }

    /// Makes `other` follow this range. A range never follows itself and is listed once.
    void Link(CRange* other);
    void Unlink(CRange* other);
    const std::vector<CRange*>& Linked() const { return m_linked; }

private:
    void StoreMinMax(double min, double max);

    std::string m_name;
    double m_min = 0.0;
    double m_max = 0.0;
    double m_autoMin = 0.0;
    double m_autoMax = 0.0;
    int m_orientation = 0;
    int m_autoScale = 1;
    int m_changed = 0;
    std::vector<CRange*> m_linked;
};

}  // namespace plot
