#pragma once

#include "units/data_info_typed.h"

#include <string>

namespace units {

/// A point in time as a day count from 30 December 1899 (the fraction is the time of day),
/// with a status. A null date-time is the no-value marker.
struct CDateTime {
    enum class Status { Valid, Invalid, Null };
    double days = 0.0;
    Status status = Status::Null;
};

struct DateTimeTraits {
    static bool IsNoValue(const CDateTime& value) {
        return value.status == CDateTime::Status::Null;
    }
    static void Clear(CDateTime& value) { value = CDateTime(); }
};

/// Date-time cells. A valid value reads as "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS", an invalid
/// one as "Invalid DateTime"; text in either date form sets a valid value, any other text an
/// invalid one. As a number the cell is its day count.
class CDataInfoDateTime : public CDataInfoTyped<CDateTime, DateTimeTraits> {
public:
    CDataInfoDateTime();

    bool GetText(Cell cell, std::string& text) const override;
    bool GetDouble(Cell cell, double& value) const override;
    bool GetFloat(Cell cell, float& value) const override;
    bool GetInt(Cell cell, std::int32_t& value) const override;
    bool GetShort(Cell cell, std::int16_t& value) const override;
    bool SetFromText(Cell cell, const std::string& text) override;
    bool SetDouble(Cell cell, double value) override;
    bool SetFloat(Cell cell, float value) override;
    bool SetInt(Cell cell, std::int32_t value) override;
    bool SetShort(Cell cell, std::int16_t value) override;
    bool CopyCellFrom(const CDataInfo& other, Cell from, Cell to) override;
    int CompareWith(Cell cell, const CDataInfo& other, Cell otherCell) const override;
    int CompareCells(Cell a, Cell b) const override { return CompareWith(a, *this, b); }

    /// Text of a valid day count, and the reverse (false for text in no known form).
    static std::string FormatDays(double days);
    static bool ParseDays(const std::string& text, double& days);

private:
    const CDateTime* ValidAt(Cell cell) const;
    bool Store(Cell cell, const CDateTime& value);
};

}  // namespace units
