#include "units/data_info_date_time.h"

#include "units/no_value.h"
#include "units/number_text.h"

#include <cmath>
#include <cstdio>

namespace units {

namespace {

// Days from 1970-01-01 to the civil date, and back (proleptic Gregorian calendar).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y += m <= 2 ? 1 : 0;
}

constexpr long long kEpochOffset = 25569;  // 1899-12-30 to 1970-01-01
constexpr double kMaxDays = 2958465.0;     // 9999-12-31

bool ReadField(const std::string& text, std::size_t& pos, std::size_t digits, int& value) {
    value = 0;
    for (std::size_t k = 0; k < digits; ++k, ++pos) {
        if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') {
            return false;
        }
        value = value * 10 + (text[pos] - '0');
    }
    return true;
}

bool Expect(const std::string& text, std::size_t& pos, char c) {
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

}  // namespace

CDataInfoDateTime::CDataInfoDateTime() : CDataInfoTyped(kTypeDateTime, std::string()) {}

std::string CDataInfoDateTime::FormatDays(double days) {
    if (!std::isfinite(days) || days < -kMaxDays || days > kMaxDays) {
        return "Invalid DateTime";
    }
    // Round to the second first so that 23:59:59.9 does not show as second 60.
    const double totalSeconds = std::floor(days * 86400.0 + 0.5);
    const auto wholeDays = static_cast<long long>(std::floor(totalSeconds / 86400.0));
    const auto seconds =
        static_cast<long long>(totalSeconds - static_cast<double>(wholeDays) * 86400.0);
    long long year = 0;
    unsigned month = 0;
    unsigned day = 0;
    CivilFromDays(wholeDays - kEpochOffset, year, month, day);
    char buffer[48];
    if (seconds == 0) {
        std::snprintf(buffer, sizeof(buffer), "%04lld-%02u-%02u", year, month, day);
    } else {
        std::snprintf(buffer, sizeof(buffer), "%04lld-%02u-%02u %02lld:%02lld:%02lld", year, month,
                      day, seconds / 3600, (seconds / 60) % 60, seconds % 60);
    }
    return buffer;
}

bool CDataInfoDateTime::ParseDays(const std::string& rawText, double& days) {
    const std::string text = TrimBlanks(rawText);
    std::size_t pos = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    if (!ReadField(text, pos, 4, year) || !Expect(text, pos, '-') ||
        !ReadField(text, pos, 2, month) || !Expect(text, pos, '-') ||
        !ReadField(text, pos, 2, day)) {
        return false;
    }
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (pos < text.size()) {
        if (!Expect(text, pos, ' ') || !ReadField(text, pos, 2, hour) || !Expect(text, pos, ':') ||
            !ReadField(text, pos, 2, minute)) {
            return false;
        }
        if (pos < text.size() && (!Expect(text, pos, ':') || !ReadField(text, pos, 2, second))) {
            return false;
        }
        if (pos != text.size()) {
            return false;
        }
    }
    if (month < 1 || month > 12 || day < 1 || hour > 23 || minute > 59 || second > 59) {
        return false;
    }
    const long long serial =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) +
        kEpochOffset;
    // Reject dates such as 31 April that the arithmetic would roll into the next month.
    long long checkYear = 0;
    unsigned checkMonth = 0;
    unsigned checkDay = 0;
    CivilFromDays(serial - kEpochOffset, checkYear, checkMonth, checkDay);
    if (checkMonth != static_cast<unsigned>(month) || checkDay != static_cast<unsigned>(day)) {
        return false;
    }
    days = static_cast<double>(serial) + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return true;
}

const CDateTime* CDataInfoDateTime::ValidAt(Cell cell) const {
    const CDateTime* element = CellPtr(cell);
    return (element != nullptr && element->status == CDateTime::Status::Valid) ? element : nullptr;
}

bool CDataInfoDateTime::Store(Cell cell, const CDateTime& value) {
    CDateTime* element = WritableCell(cell);
    if (element == nullptr) {
        return false;
    }
    *element = value;
    return true;
}

bool CDataInfoDateTime::GetText(Cell cell, std::string& text) const {
    text.clear();
    const CDateTime* element = CellPtr(cell);
    if (element == nullptr || element->status == CDateTime::Status::Null) {
        return false;
    }
    text = element->status == CDateTime::Status::Valid ? FormatDays(element->days)
                                                       : std::string("Invalid DateTime");
    return true;
}

bool CDataInfoDateTime::GetDouble(Cell cell, double& value) const {
    const CDateTime* element = ValidAt(cell);
    value = element != nullptr ? element->days : kNoValueDouble;
    return element != nullptr;
}

bool CDataInfoDateTime::GetFloat(Cell cell, float& value) const {
    double days = 0.0;
    if (!GetDouble(cell, days) || !NumberFromDouble(days, value)) {
        value = kNoValueFloat;
        return false;
    }
    return true;
}

bool CDataInfoDateTime::GetInt(Cell cell, std::int32_t& value) const {
    double days = 0.0;
    if (!GetDouble(cell, days) || !NumberFromDouble(days, value)) {
        value = kNoValueInt;
        return false;
    }
    return true;
}

bool CDataInfoDateTime::GetShort(Cell cell, std::int16_t& value) const {
    double days = 0.0;
    if (!GetDouble(cell, days) || !NumberFromDouble(days, value)) {
        value = kNoValueShort;
        return false;
    }
    return true;
}

bool CDataInfoDateTime::SetFromText(Cell cell, const std::string& text) {
    if (TrimBlanks(text).empty()) {
        return Store(cell, CDateTime());
    }
    CDateTime value;
    value.status =
        ParseDays(text, value.days) ? CDateTime::Status::Valid : CDateTime::Status::Invalid;
    return Store(cell, value);
}

bool CDataInfoDateTime::SetDouble(Cell cell, double value) {
    CDateTime stored;
    if (value != kNoValueDouble) {
        stored.days = value;
        stored.status =
            std::isfinite(value) ? CDateTime::Status::Valid : CDateTime::Status::Invalid;
    }
    return Store(cell, stored);
}

bool CDataInfoDateTime::SetFloat(Cell cell, float value) {
    return SetDouble(cell, value == kNoValueFloat ? kNoValueDouble : static_cast<double>(value));
}

bool CDataInfoDateTime::SetInt(Cell cell, std::int32_t value) {
    return SetDouble(cell, value == kNoValueInt ? kNoValueDouble : static_cast<double>(value));
}

bool CDataInfoDateTime::SetShort(Cell cell, std::int16_t value) {
    return SetDouble(cell, value == kNoValueShort ? kNoValueDouble : static_cast<double>(value));
}

bool CDataInfoDateTime::CopyCellFrom(const CDataInfo& other, Cell from, Cell to) {
    if (const auto* same = dynamic_cast<const CDataInfoDateTime*>(&other)) {
        const CDateTime* element = same->CellPtr(from);
        return Store(to, element != nullptr ? *element : CDateTime());
    }
    double days = 0.0;
    return other.GetDouble(from, days) ? SetDouble(to, days) : Store(to, CDateTime());
}

int CDataInfoDateTime::CompareWith(Cell cell, const CDataInfo& other, Cell otherCell) const {
    double a = 0.0;
    double b = 0.0;
    GetDouble(cell, a);
    other.GetDouble(otherCell, b);
    return a < b ? -1 : (a > b ? 1 : 0);
}

}  // namespace units
