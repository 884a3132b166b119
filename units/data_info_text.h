#pragma once

#include "units/data_info_typed.h"
#include "units/no_value.h"
#include "units/number_text.h"
#include "units/printf_format.h"

#include <string>

namespace units {

struct StringTraits {
    static bool IsNoValue(const std::string& value) { return value.empty(); }
    static void Clear(std::string& value) { value.clear(); }
};

/// A referenced string has a value when the reference is set and the string is not empty;
/// clearing empties the caller's string but keeps the reference.
struct StringRefTraits {
    static bool IsNoValue(std::string* const& value) { return value == nullptr || value->empty(); }
    static void Clear(std::string*& value) {
        if (value != nullptr) {
            value->clear();
        }
    }
};

/// Text cells. Read as a number the text is parsed as a decimal; a number written into one
/// is formatted with "%g" or "%d". The empty string is the no-value marker.
template <class T, class Traits>
class CDataInfoTextBase : public CDataInfoTyped<T, Traits> {
    using Base = CDataInfoTyped<T, Traits>;

public:
    explicit CDataInfoTextBase(int type) : Base(type, std::string()) {}

    bool GetText(Cell cell, std::string& text) const override {
        const std::string* value = TextAt(cell);
        text = value != nullptr ? *value : std::string();
        return value != nullptr;
    }
    bool GetDouble(Cell cell, double& value) const override { return ReadNumber(cell, value); }
    bool GetFloat(Cell cell, float& value) const override { return ReadNumber(cell, value); }
    bool GetInt(Cell cell, std::int32_t& value) const override { return ReadNumber(cell, value); }
    bool GetShort(Cell cell, std::int16_t& value) const override { return ReadNumber(cell, value); }

    bool SetFromText(Cell cell, const std::string& text) override { return Store(cell, text); }
    bool SetDouble(Cell cell, double value) override {
        if (value == kNoValueDouble) {
            return Store(cell, std::string());
        }
        static const PrintfFormat general = PrintfFormat::Parse("%g", PrintfFormat::Kind::Floating);
        return Store(cell, general.FormatDouble(value));
    }
    bool SetFloat(Cell cell, float value) override {
        return value == kNoValueFloat ? Store(cell, std::string())
                                      : SetDouble(cell, static_cast<double>(value));
    }
    bool SetInt(Cell cell, std::int32_t value) override {
        return value == kNoValueInt ? Store(cell, std::string())
                                    : Store(cell, std::to_string(value));
    }
    bool SetShort(Cell cell, std::int16_t value) override {
        return value == kNoValueShort ? Store(cell, std::string())
                                      : Store(cell, std::to_string(value));
    }
    bool CopyCellFrom(const CDataInfo& other, Cell from, Cell to) override {
        std::string text;
        other.GetText(from, text);
        return Store(to, text);
    }
    int CompareWith(Cell cell, const CDataInfo& other, Cell otherCell) const override {
        std::string a;
        std::string b;
        GetText(cell, a);
        other.GetText(otherCell, b);
        const int order = a.compare(b);
        return order < 0 ? -1 : (order > 0 ? 1 : 0);
    }
    int CompareCells(Cell a, Cell b) const override { return CompareWith(a, *this, b); }

protected:
    virtual const std::string* TextAt(Cell cell) const = 0;
    virtual bool Store(Cell cell, const std::string& text) = 0;

private:
    template <class Out>
    bool ReadNumber(Cell cell, Out& value) const {
        const std::string* text = TextAt(cell);
        if (text == nullptr || !NumberFromDouble(ParseDecimal(*text), value)) {
            value = NoValue<Out>::value;
            return false;
        }
        return true;
    }
};

/// A list (grid) of strings owned by the storage or bound to the caller's array.
class CDataInfoStrArray : public CDataInfoTextBase<std::string, StringTraits> {
public:
    CDataInfoStrArray() : CDataInfoTextBase(kTypeStrArray) {}

protected:
    explicit CDataInfoStrArray(int type) : CDataInfoTextBase(type) {}
    const std::string* TextAt(Cell cell) const override {
        const std::string* value = CellPtr(cell);
        return (value != nullptr && !value->empty()) ? value : nullptr;
    }
    bool Store(Cell cell, const std::string& text) override {
        std::string* value = WritableCell(cell);
        if (value == nullptr) {
            return false;
        }
        *value = text;
        return true;
    }
};

/// One string, always one cell.
class CDataInfoStr : public CDataInfoStrArray {
public:
    CDataInfoStr() : CDataInfoStrArray(kTypeStr) {}

    bool BindValue(void* external, int, int) override {
        return CDataInfoStrArray::BindValue(external, 1, 1);
    }
    bool BindArray(void* bufferRef, int, int, int* columnCount, int, int, int, int* rowCount,
                   int) override {
        return CDataInfoStrArray::BindArray(bufferRef, 1, 1, columnCount, 1, 1, 1, rowCount, 1);
    }
    bool Resize(int columns, int rows) override {
        return columns == 1 && rows == 1 && CDataInfoStrArray::Resize(1, 1);
    }
};

/// Cells that refer to strings the caller owns. Writing text changes the caller's string; a
/// cell without a reference cannot be written.
class CDataInfoStrPtrArray : public CDataInfoTextBase<std::string*, StringRefTraits> {
public:
    CDataInfoStrPtrArray() : CDataInfoTextBase(kTypeStrPtrArray) {}

    /// Points a cell at a caller's string (none clears the reference).
    bool SetReference(Cell cell, std::string* target) {
        std::string** element = WritableCell(cell);
        if (element == nullptr) {
            return false;
        }
        *element = target;
        return true;
    }

protected:
    const std::string* TextAt(Cell cell) const override {
        std::string* const* element = CellPtr(cell);
        return (element != nullptr && !StringRefTraits::IsNoValue(*element)) ? *element : nullptr;
    }
    bool Store(Cell cell, const std::string& text) override {
        std::string** element = CellPtr(cell);
        if (element == nullptr || *element == nullptr) {
            return false;
        }
        **element = text;
        return true;
    }
};

}  // namespace units
