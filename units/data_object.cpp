#include "units/data_object.h"

#include "units/data_info_date_time.h"
#include "units/data_info_numeric.h"
#include "units/data_info_text.h"
#include "units/number_text.h"
#include "units/units_manager.h"
#include "units/user_notifier.h"

#include <cmath>
#include <limits>

namespace units {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

const PrintfFormat& GeneralFormat() {
    static const PrintfFormat format = PrintfFormat::Parse("%g", PrintfFormat::Kind::Floating);
    return format;
}

bool IsNumericType(int type) {
    return type >= kTypeDouble && type <= kTypeShort;
}

}  // namespace

std::unique_ptr<CDataInfo> CreateDataInfo(int type) {
    switch (type) {
        case kTypeDouble:
            return std::make_unique<CDataInfoDouble>();
        case kTypeFloat:
            return std::make_unique<CDataInfoFloat>();
        case kTypeInt:
            return std::make_unique<CDataInfoInt>();
        case kTypeShort:
            return std::make_unique<CDataInfoShort>();
        case kTypeStr:
            return std::make_unique<CDataInfoStr>();
        case kTypeStrArray:
            return std::make_unique<CDataInfoStrArray>();
        case kTypeStrPtrArray:
            return std::make_unique<CDataInfoStrPtrArray>();
        case kTypeDateTime:
            return std::make_unique<CDataInfoDateTime>();
        default:
            return nullptr;
    }
}

CDataObject::CDataObject() = default;

// Storage, unit binding and validation go with the object; the base leaves the group.
CDataObject::~CDataObject() = default;

void CDataObject::SetStorage(std::unique_ptr<CDataInfo> storage) {
    m_storage = std::move(storage);
}

bool CDataObject::InitValue(int type, void* external, int columns, int rows) {
    if (!m_storage) {
        m_storage = CreateDataInfo(type);
        if (!m_storage) {
            return false;
        }
    } else if (m_storage->GetType() != type && external != nullptr) {
        // The kept storage would read the caller's cells as another type.
        return false;
    }
    if (!m_validation) {
        m_validation = std::make_unique<CValidationInfo>();
    }
    m_validation->SetNumericOnly(IsNumericType(type));
    return m_storage->BindValue(external, columns, rows);
}

bool CDataObject::InitArray(int type, void* bufferRef, int columns, int columnLimit,
                            int* columnCount, int columnBlock, int rows, int rowLimit,
                            int* rowCount, int rowBlock) {
    if (!m_storage) {
        m_storage = CreateDataInfo(type);
        if (!m_storage) {
            return false;
        }
    } else if (m_storage->GetType() != type && bufferRef != nullptr) {
        return false;
    }
    if (!m_validation) {
        m_validation = std::make_unique<CValidationInfo>();
    }
    m_validation->SetNumericOnly(IsNumericType(type));
    return m_storage->BindArray(bufferRef, columns, columnLimit, columnCount, columnBlock, rows,
                                rowLimit, rowCount, rowBlock);
}

bool CDataObject::CopyCellFrom(const CDataObject& other, Cell from, Cell to) {
    if (!m_storage || !other.m_storage) {
        return false;
    }
    return m_storage->CopyCellFrom(*other.m_storage, from, to);
}

std::string CDataObject::StripSeparators(const std::string& text) const {
    return units::StripSeparators(text);
}

bool CDataObject::SetFromText(const std::string& rawText, Cell cell) {
    if (!m_storage) {
        return false;
    }
    std::string text = TrimBlanks(rawText);
    if (m_textFilter && !m_unitInfo) {
        text = m_textFilter(text, 1);
    }
    bool stored = false;
    if (text.empty()) {
        stored = m_storage->ClearCell(cell);
    } else if (m_unitInfo) {
        stored = m_storage->SetDouble(cell, ToInternal(ParseDecimal(StripSeparators(text))));
    } else {
        stored = m_storage->SetFromText(cell, text);
    }
    if (m_changeCallback) {
        m_changeCallback(m_changeUserData, 0);
    }
    return stored;
}

std::string CDataObject::GetText(Cell cell, int flags) const {
    std::string text;
    if ((flags & kTextValue) != 0 && m_storage && m_storage->HasValue(cell)) {
        if (m_unitInfo) {
            double value = 0.0;
            m_storage->GetDouble(cell, value);
            text = FormatValue(ToDisplay(value));
        } else {
            m_storage->GetText(cell, text);
            if (m_textFilter) {
                text = m_textFilter(text, 0);
            }
        }
    }
    if ((flags & kTextUnit) != 0) {
        if ((flags & kTextValue) != 0) {
            text += ' ';
        }
        if (m_unitInfo) {
            text += m_unitInfo->GetDisplaySymbol();
        }
    }
    return text;
}

bool CDataObject::InsertCells(int at, int count, int dimension) {
    return m_storage && m_storage->InsertCells(at, count, dimension);
}

bool CDataObject::DeleteCells(int at, int count, int dimension) {
    return m_storage && m_storage->DeleteCells(at, count, dimension);
}

int CDataObject::GetCount(int dimension) const {
    return m_storage ? m_storage->GetCount(dimension) : 0;
}

bool CDataObject::SwapCells(Cell a, Cell b) {
    return m_storage && m_storage->SwapCells(a, b);
}

int CDataObject::CompareWith(Cell cell, const CDataObject& other, Cell otherCell,
                             bool ascending) const {
    if (!m_storage || !other.m_storage) {
        return 0;
    }
    const int order = m_storage->CompareWith(cell, *other.m_storage, otherCell);
    return ascending ? order : -order;
}

int CDataObject::CompareCells(bool ascending, Cell a, Cell b) const {
    if (!m_storage) {
        return 0;
    }
    const bool hasA = m_storage->HasValue(a);
    const bool hasB = m_storage->HasValue(b);
    if (!hasA || !hasB) {
        return hasA == hasB ? 0 : (hasA ? -1 : 1);
    }
    const int order = m_storage->CompareCells(a, b);
    return ascending ? order : -order;
}

bool CDataObject::CopyFrom(const CDataObject& other) {
    if (!other.m_storage) {
        return false;
    }
    if (!m_storage) {
        m_storage = CreateDataInfo(other.m_storage->GetType());
        if (!m_storage) {
            return false;
        }
        m_storage->BindValue(nullptr, 0, 0);
    }
    if (m_storage->GetType() == kTypeStr) {
        m_storage->ClearCell(Cell());
    }
    return m_storage->CopyFrom(*other.m_storage);
}

std::string CDataObject::FormatValue(double value) const {
    if (m_formatter != nullptr) {
        return m_formatter->FormatValue(value);
    }
    if (m_unitInfo) {
        if (const CFormatInfo* format = m_unitInfo->FindDisplayFormat()) {
            return format->Format(value);
        }
    }
    return GeneralFormat().FormatDouble(value);
}

void CDataObject::SetValidation(std::unique_ptr<CValidationInfo> validation) {
    m_validation = std::move(validation);
}

void CDataObject::SetRange(double minimum, double maximum, int flags) {
    if (!m_validation) {
        m_validation = std::make_unique<CValidationInfo>();
    }
    m_validation->SetRange(minimum, maximum, flags);
}

void CDataObject::SetMaximum(double value, int flags) {
    if (!m_validation) {
        m_validation = std::make_unique<CValidationInfo>();
    }
    m_validation->SetMaximum(value, flags);
}

void CDataObject::SetMinimum(double value, int flags) {
    if (!m_validation) {
        m_validation = std::make_unique<CValidationInfo>();
    }
    m_validation->SetMinimum(value, flags);
}

void CDataObject::SetNumericOnly(bool numericOnly) {
    if (!m_validation) {
        m_validation = std::make_unique<CValidationInfo>();
    }
    m_validation->SetNumericOnly(numericOnly);
}

bool CDataObject::IsNumericText(const std::string& text) const {
    static const std::string kAllowed = "01234567890-+.eE,";
    for (char c : text) {
        if (kAllowed.find(c) == std::string::npos) {
            return false;
        }
    }
    return true;
}

void CDataObject::Report(bool show, const std::string& caption, int code, double upper,
                         double lower, const std::string& message) {
    if (!show) {
        return;
    }
    if (m_messageCallback) {
        m_messageCallback(GetDescription(), this, code, upper, lower, m_messageUserData, message);
    } else if (UserNotifier* notifier = GetUserNotifier()) {
        notifier->ShowMessage(caption, message);
    }
}

bool CDataObject::Validate(const std::string& rawText, bool show, bool beep, std::string* out) {
    const std::string text = TrimBlanks(rawText);
    if (out != nullptr) {
        out->clear();
    }
    if (m_validation && m_validation->GetNumericOnly() && !IsNumericText(text)) {
        const std::string message =
            "The value for " + GetDescription() + " can contain only numeric characters.";
        if (beep) {
            if (UserNotifier* notifier = GetUserNotifier()) {
                notifier->Beep();
            }
        }
        Report(show, std::string(), kCodeNotNumeric, kNaN, kNaN, message);
        if (out != nullptr) {
            *out = message;
        }
        return false;
    }
    if (text.empty() || !m_validation) {
        return true;
    }
    const double value = ParseDecimal(StripSeparators(text));

    double minimum = 0.0;
    double maximum = 0.0;
    const int minimumFlags = m_validation->GetMinimum(minimum);
    const int maximumFlags = m_validation->GetMaximum(maximum);
    // Shown in API gravity a stored maximum specific gravity is the smallest value allowed.
    const CUnits* storage = GetStorageUnit();
    const CUnits* display = m_unitInfo ? m_unitInfo->GetDisplayUnit() : nullptr;
    const bool storageReverses = storage != nullptr && storage->ReversesOrder();
    const bool displayReverses = display != nullptr && display->ReversesOrder();
    const bool swapped = storageReverses != displayReverses;
    const int lowerFlags = swapped ? maximumFlags : minimumFlags;
    const double lowerBound = swapped ? maximum : minimum;
    const int upperFlags = swapped ? minimumFlags : maximumFlags;
    const double upperBound = swapped ? minimum : maximum;
    const std::string symbol = m_unitInfo ? m_unitInfo->GetDisplaySymbol() : std::string();

    std::string message = "The value for '" + GetDescription() + "' should be ";
    bool error = false;
    bool warning = false;
    int code = 0;
    double lowerShown = kNaN;
    double upperShown = kNaN;
    const bool hasLower = (lowerFlags & kLimitSet) != 0;
    const bool hasUpper = (upperFlags & kLimitSet) != 0;
    if (hasLower) {
        const double lo = ToDisplay(lowerBound);
        const bool exclusive = (lowerFlags & kLimitExclusive) != 0;
        message += "greater than ";
        if (!exclusive) {
            message += "or equal to ";
        }
        const bool violated = exclusive ? lo >= value : lo > value;
        if (violated) {
            ((lowerFlags & kLimitError) != 0 ? error : warning) = true;
            lowerShown = lo;
        }
        code = exclusive ? kCodeLowerExclusive : kCodeLowerInclusive;
        message += FormatValue(lo) + " " + symbol;
    }
    if (hasUpper) {
        const double hi = ToDisplay(upperBound);
        const bool exclusive = (upperFlags & kLimitExclusive) != 0;
        if (hasLower) {
            message += " and ";
        }
        message += "less than ";
        if (!exclusive) {
            message += "or equal to ";
        }
        const bool violated = exclusive ? hi <= value : hi < value;
        if (violated) {
            ((upperFlags & kLimitError) != 0 ? error : warning) = true;
            upperShown = hi;
        }
        code = exclusive ? kCodeUpperExclusive : kCodeUpperInclusive;
        message += FormatValue(hi) + " " + symbol;
    }
    message += ".";
    if (hasLower && hasUpper) {
        const bool anyExclusive = ((lowerFlags | upperFlags) & kLimitExclusive) != 0;
        code = anyExclusive ? kCodeRangeExclusive : kCodeRangeInclusive;
    }

    if (error || warning) {
        if (show) {
            if (beep) {
                if (UserNotifier* notifier = GetUserNotifier()) {
                    notifier->Beep();
                }
            }
            Report(true, std::string("Validation ") + (error ? "Error" : "Warning"), code,
                   upperShown, lowerShown, message);
        }
        if (out != nullptr) {
            *out = message;
        }
    }
    return !error;
}

void CDataObject::SetUnitInfo(std::unique_ptr<CUnitInfo> unitInfo) {
    m_unitInfo = std::move(unitInfo);
}

void CDataObject::SetUnits(const std::string& unitKey, const std::string& categoryKey) {
    if (CUnitsManager* manager = UnitsManager()) {
        SetUnits(unitKey, categoryKey, *manager);
        return;
    }
    // Before the catalogue exists there is nothing to bind to; values pass unchanged.
    if (!m_unitInfo) {
        m_unitInfo = std::make_unique<CUnitInfo>();
    }
    m_unitInfo->Set(nullptr, nullptr);
}

void CDataObject::SetUnits(const std::string& unitKey, const std::string& categoryKey,
                           CUnitsManager& manager) {
    if (!m_unitInfo) {
        m_unitInfo = std::make_unique<CUnitInfo>();
    }
    CUnitsCategory* category = manager.FindCategory(categoryKey);
    if (category == nullptr) {
        category = manager.AddCategory(categoryKey, unitKey);
    }
    m_unitInfo->Set(manager.FindUnit(unitKey), category);
}

double CDataObject::ToDisplay(double value) const {
    if (!m_unitInfo) {
        return value;
    }
    return CUnitsManager::Convert(value, m_unitInfo->GetStorageUnit(),
                                  m_unitInfo->GetDisplayUnit());
}

double CDataObject::ToInternal(double value) const {
    if (!m_unitInfo) {
        return value;
    }
    return CUnitsManager::Convert(value, m_unitInfo->GetDisplayUnit(),
                                  m_unitInfo->GetStorageUnit());
}

CUnits* CDataObject::GetStorageUnit() const {
    return m_unitInfo ? m_unitInfo->GetStorageUnit() : nullptr;
}

CUnitsCategory* CDataObject::GetCategory() const {
    return m_unitInfo ? m_unitInfo->GetCategory() : nullptr;
}

bool CDataObject::GetValue(Cell cell, double& value) const {
    if (!m_storage) {
        value = kNoValueDouble;
        return false;
    }
    return m_storage->GetDouble(cell, value);
}

bool CDataObject::SetValue(Cell cell, double value) {
    return m_storage && m_storage->SetDouble(cell, value);
}

bool CDataObject::HasValue(Cell cell) const {
    return m_storage && m_storage->HasValue(cell);
}

void CDataObject::SetChangeCallback(ChangeCallback callback, std::intptr_t userData) {
    m_changeCallback = std::move(callback);
    m_changeUserData = userData;
}

void CDataObject::SetUnitChangeCallback(ChangeCallback callback, std::intptr_t userData) {
    m_unitChangeCallback = std::move(callback);
    m_unitChangeUserData = userData;
}

void CDataObject::NotifyUnitChanged() const {
    if (m_unitChangeCallback) {
        m_unitChangeCallback(m_unitChangeUserData, 0);
    }
}

void CDataObject::SetMessageCallback(MessageCallback callback, std::intptr_t userData) {
    m_messageCallback = std::move(callback);
    m_messageUserData = userData;
}

}  // namespace units
