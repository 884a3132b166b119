#pragma once

#include "units/data_info_typed.h"
#include "units/no_value.h"
#include "units/number_text.h"
#include "units/printf_format.h"

#include <limits>
#include <type_traits>

namespace units {

template <class T>
struct NumericTraits {
    static bool IsNoValue(const T& value) { return value == NoValue<T>::value; }
    static void Clear(T& value) { value = NoValue<T>::value; }
};

/// Numeric cells: text through the storage's default format, conversions between the number
/// types saturating at their ranges. Writing a type's no-value marker clears the cell.
template <class T>
class CDataInfoNumeric : public CDataInfoTyped<T, NumericTraits<T>> {
    using Base = CDataInfoTyped<T, NumericTraits<T>>;

public:
    CDataInfoNumeric(int type, const char* defaultFormat) : Base(type, defaultFormat) {}

    void SetDefaultFormat(const std::string& format) override {
        Base::SetDefaultFormat(format);
        m_compiled = Compile(format);
    }

    bool GetText(Cell cell, std::string& text) const override {
        text.clear();
        const T* element = ValueAt(cell);
        if (element == nullptr) {
            return false;
        }
        const PrintfFormat& format = m_compiled.IsValid() ? m_compiled : Fallback();
        if constexpr (std::is_integral_v<T>) {
            text = format.FormatInteger(*element);
        } else {
            text = format.FormatDouble(static_cast<double>(*element));
        }
        return true;
    }
    bool GetDouble(Cell cell, double& value) const override { return Read(cell, value); }
    bool GetFloat(Cell cell, float& value) const override { return Read(cell, value); }
    bool GetInt(Cell cell, std::int32_t& value) const override { return Read(cell, value); }
    bool GetShort(Cell cell, std::int16_t& value) const override { return Read(cell, value); }

    bool SetFromText(Cell cell, const std::string& text) override {
        const std::string trimmed = TrimBlanks(text);
        if (trimmed.empty()) {
            return this->ClearCell(cell);
        }
        if constexpr (std::is_integral_v<T>) {
            const std::int64_t parsed = ParseInteger(trimmed);
            return Write(cell, static_cast<double>(parsed));
        } else {
            return Write(cell, ParseDecimal(trimmed));
        }
    }
    bool SetDouble(Cell cell, double value) override {
        return value == kNoValueDouble ? Clear(cell) : Write(cell, value);
    }
    bool SetFloat(Cell cell, float value) override {
        return value == kNoValueFloat ? Clear(cell) : Write(cell, static_cast<double>(value));
    }
    bool SetInt(Cell cell, std::int32_t value) override {
        return value == kNoValueInt ? Clear(cell) : Write(cell, static_cast<double>(value));
    }
    bool SetShort(Cell cell, std::int16_t value) override {
        return value == kNoValueShort ? Clear(cell) : Write(cell, static_cast<double>(value));
    }

    bool CopyCellFrom(const CDataInfo& other, Cell from, Cell to) override {
        double value = 0.0;
        if (!other.GetDouble(from, value)) {
            return Clear(to);
        }
        return Write(to, value);
    }

    int CompareWith(Cell cell, const CDataInfo& other, Cell otherCell) const override {
        double a = 0.0;
        double b = 0.0;
        GetDouble(cell, a);
        other.GetDouble(otherCell, b);
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    int CompareCells(Cell a, Cell b) const override { return CompareWith(a, *this, b); }

private:
    static PrintfFormat Compile(const std::string& format) {
        return PrintfFormat::Parse(format, std::is_integral_v<T> ? PrintfFormat::Kind::Integer
                                                                 : PrintfFormat::Kind::Floating);
    }
    static const PrintfFormat& Fallback() {
        static const PrintfFormat format = Compile(std::is_integral_v<T> ? "%d" : "%g");
        return format;
    }

    const T* ValueAt(Cell cell) const {
        const T* element = this->CellPtr(cell);
        return (element != nullptr && !NumericTraits<T>::IsNoValue(*element)) ? element : nullptr;
    }

    template <class Out>
    bool Read(Cell cell, Out& value) const {
        const T* element = ValueAt(cell);
        if (element == nullptr || !NumberFromDouble(static_cast<double>(*element), value)) {
            value = NoValue<Out>::value;
            return false;
        }
        return true;
    }

    bool Clear(Cell cell) {
        T* element = this->WritableCell(cell);
        if (element == nullptr) {
            return false;
        }
        NumericTraits<T>::Clear(*element);
        return true;
    }

    bool Write(Cell cell, double value) {
        T* element = this->WritableCell(cell);
        if (element == nullptr) {
            return false;
        }
        T converted{};
        if (!NumberFromDouble(value, converted)) {
            // Not a number: an integer cell cannot hold it and keeps no value.
            NumericTraits<T>::Clear(*element);
            return true;
        }
        *element = converted;
        return true;
    }

    PrintfFormat m_compiled = Compile(this->GetDefaultFormat());
};

class CDataInfoDouble : public CDataInfoNumeric<double> {
public:
    CDataInfoDouble() : CDataInfoNumeric<double>(kTypeDouble, "%lg") {}
};

class CDataInfoFloat : public CDataInfoNumeric<float> {
public:
    CDataInfoFloat() : CDataInfoNumeric<float>(kTypeFloat, "%g") {}
};

class CDataInfoInt : public CDataInfoNumeric<std::int32_t> {
public:
    CDataInfoInt() : CDataInfoNumeric<std::int32_t>(kTypeInt, "%d") {}
};

class CDataInfoShort : public CDataInfoNumeric<std::int16_t> {
public:
    CDataInfoShort() : CDataInfoNumeric<std::int16_t>(kTypeShort, "%d") {}
};

}  // namespace units
