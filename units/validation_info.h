#pragma once

namespace units {

/// Bits of a limit's flags.
enum LimitFlags : int {
    kLimitSet = 1,        // forced on by every setter
    kLimitExclusive = 2,  // strict comparison; clear = inclusive
    kLimitError = 4,      // a violation blocks the value; clear = a warning only
};

/// The range limits of one data object, held in its storage (internal) unit.
class CValidationInfo {
public:
    CValidationInfo() = default;
    virtual ~CValidationInfo() = default;

    /// The flags (0 when unset) and, through value, the limit.
    virtual int GetMaximum(double& value) const {
        value = m_maximum;
        return m_maximumFlags;
    }
    virtual int GetMinimum(double& value) const {
        value = m_minimum;
        return m_minimumFlags;
    }
    virtual void SetRange(double minimum, double maximum, int flags) {
        SetMinimum(minimum, flags);
        SetMaximum(maximum, flags);
    }
    virtual void SetMaximum(double value, int flags) {
        m_maximum = value;
        m_maximumFlags = flags | kLimitSet;
    }
    virtual void SetMinimum(double value, int flags) {
        m_minimum = value;
        m_minimumFlags = flags | kLimitSet;
    }
    virtual void SetNumericOnly(bool numericOnly) { m_numericOnly = numericOnly ? 1 : 0; }
    virtual bool GetNumericOnly() const { return m_numericOnly != 0; }

private:
    int m_minimumFlags = 0;
    int m_maximumFlags = 0;
    double m_maximum = 0.0;
    double m_minimum = 0.0;
    int m_numericOnly = 1;
};

}  // namespace units
