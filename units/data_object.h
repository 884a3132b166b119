#pragma once

#include "units/base_object.h"
#include "units/data_info.h"
#include "units/unit_info.h"
#include "units/validation_info.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace units {

class CUnitsManager;
class CDataInfoCommon;

/// Replaces the unit format of one data object (value in display units to text).
class ValueFormatter {
public:
    virtual ~ValueFormatter() = default;
    virtual std::string FormatValue(double value) const = 0;
};

/// Validation codes reported to a message callback.
enum ValidationCode : int {
    kCodeLowerExclusive = 50000,
    kCodeLowerInclusive = 50001,
    kCodeUpperExclusive = 50002,
    kCodeUpperInclusive = 50003,
    kCodeRangeExclusive = 50004,
    kCodeRangeInclusive = 50005,
    kCodeNotNumeric = 50007,
};

/// GetText flags.
enum TextFlags : int { kTextUnit = 1, kTextValue = 2 };

/// A named value that a control edits or shows: typed storage, an optional unit binding
/// (values stored in an internal unit, shown in the category's current unit), text
/// conversion both ways and validation of typed text against a range.
class CDataObject : public CBaseObject {
public:
    using ChangeCallback = std::function<void(std::intptr_t userData, int)>;
    /// direction 1 = text coming in, 0 = going out.
    using TextFilter = std::function<std::string(const std::string& text, int direction)>;
    /// (description, object, code, upper value, lower value, user data, message); an
    /// unviolated side and the numeric check pass NaN.
    using MessageCallback = std::function<void(const std::string& description, CDataObject* object,
                                               int code, double upper, double lower,
                                               std::intptr_t userData, const std::string& message)>;

    CDataObject();
    ~CDataObject() override;

    /// Replaces the storage (the object owns it).
    virtual void SetStorage(std::unique_ptr<CDataInfo> storage);
    CDataInfo* GetStorage() const { return m_storage.get(); }
    /// One value (or a fixed grid) in external cells of the type, which the owner keeps and
    /// which must outlive the object; none allocates owned cells without value. An existing
    /// storage of another type stays, and then external cells are refused (false).
    virtual bool InitArray(int type, void* bufferRef, int columns, int columnLimit,
                           int* columnCount, int columnBlock, int rows, int rowLimit, int* rowCount,
                           int rowBlock);
    virtual bool InitValue(int type, void* external, int columns, int rows);
    /// Typed forms: the type code follows from the variable.
    bool InitValue(double* external) { return InitValue(kTypeDouble, external, 1, 1); }
    bool InitValue(float* external) { return InitValue(kTypeFloat, external, 1, 1); }
    bool InitValue(std::int32_t* external) { return InitValue(kTypeInt, external, 1, 1); }
    bool InitValue(std::int16_t* external) { return InitValue(kTypeShort, external, 1, 1); }
    bool InitValue(std::string* external) { return InitValue(kTypeStr, external, 1, 1); }

    virtual bool CopyCellFrom(const CDataObject& other, Cell from, Cell to);
    /// Stores typed text (see the class comment); an empty text clears the cell. The change
    /// callback runs afterwards.
    virtual bool SetFromText(const std::string& text, Cell cell = Cell());
    virtual std::string StripSeparators(const std::string& text) const;
    /// flags: kTextValue for the value, kTextUnit for the unit symbol, or both.
    virtual std::string GetText(Cell cell = Cell(), int flags = kTextValue) const;
    virtual bool InsertCells(int at, int count, int dimension);
    virtual bool DeleteCells(int at, int count, int dimension);
    virtual int GetCount(int dimension) const;
    virtual bool SwapCells(Cell a, Cell b);
    virtual int CompareWith(Cell cell, const CDataObject& other, Cell otherCell,
                            bool ascending = true) const;
    /// Cells without value sort last in both directions.
    virtual int CompareCells(bool ascending, Cell a, Cell b) const;
    virtual bool CopyFrom(const CDataObject& other);
    virtual void SetFormatter(const ValueFormatter* formatter) { m_formatter = formatter; }
    /// Text of a display-unit value.
    virtual std::string FormatValue(double value) const;
    virtual void SetValidation(std::unique_ptr<CValidationInfo> validation);
    CValidationInfo* GetValidation() const { return m_validation.get(); }
    virtual void SetRange(double minimum, double maximum, int flags);
    virtual void SetMaximum(double value, int flags);
    virtual void SetMinimum(double value, int flags);
    virtual void SetNumericOnly(bool numericOnly);
    /// Checks typed text; false only for an error (a warning lets the value through). When
    /// show is set the message goes to the message callback or a message box; the message of
    /// any violation is copied to out when given.
    virtual bool Validate(const std::string& text, bool show, bool beep,
                          std::string* out = nullptr);
    virtual void SetUnitInfo(std::unique_ptr<CUnitInfo> unitInfo);
    CUnitInfo* GetUnitInfo() const { return m_unitInfo.get(); }
    /// Binds the value to a category of the process-wide catalogue (created with the unit
    /// when missing) and the unit it is stored in.
    virtual void SetUnits(const std::string& unitKey, const std::string& categoryKey);
    void SetUnits(const std::string& unitKey, const std::string& categoryKey,
                  CUnitsManager& manager);
    virtual double ToDisplay(double value) const;
    virtual double ToInternal(double value) const;
    virtual CUnits* GetStorageUnit() const;
    virtual CUnitsCategory* GetCategory() const;
    /// Every character one of "0123456789-+.eE,"; the empty text counts as numeric.
    virtual bool IsNumericText(const std::string& text) const;

    /// The value of a cell in the storage unit; false and the no-value marker when none.
    bool GetValue(Cell cell, double& value) const;
    bool SetValue(Cell cell, double value);
    bool HasValue(Cell cell = Cell()) const;

    void SetChangeCallback(ChangeCallback callback, std::intptr_t userData = 0);
    void SetTextFilter(TextFilter filter) { m_textFilter = std::move(filter); }
    void SetUnitChangeCallback(ChangeCallback callback, std::intptr_t userData = 0);
    /// Called by the unit menu after the user picked a unit for the object's category.
    void NotifyUnitChanged() const;
    void SetMessageCallback(MessageCallback callback, std::intptr_t userData = 0);

private:
    void Report(bool show, const std::string& caption, int code, double upper, double lower,
                const std::string& message);

    std::unique_ptr<CValidationInfo> m_validation;
    std::unique_ptr<CUnitInfo> m_unitInfo;
    const ValueFormatter* m_formatter = nullptr;
    std::unique_ptr<CDataInfo> m_storage;
    ChangeCallback m_changeCallback;
    std::intptr_t m_changeUserData = 0;
    TextFilter m_textFilter;
    ChangeCallback m_unitChangeCallback;
    std::intptr_t m_unitChangeUserData = 0;
    MessageCallback m_messageCallback;
    std::intptr_t m_messageUserData = 0;
};

/// A new storage of the type code; none for an unknown code.
std::unique_ptr<CDataInfo> CreateDataInfo(int type);

}  // namespace units
