#pragma once

namespace calc {

/// One row of the tubing table seen as a pipe: tubing, or casing around it.
struct PipeSize {
    double m_outerDiameter = 0.0;  // in
    double m_innerDiameter = 0.0;  // in

    double OuterRadius() const { return m_outerDiameter * 0.5; }
    double InnerRadius() const { return m_innerDiameter * 0.5; }
};

}  // namespace calc
