// Feeds arbitrary bytes as a display format, a storage default format and typed text: none
// of them may crash, hang or read past their ends.
#include "units/data_info_numeric.h"
#include "units/data_object.h"
#include "units/format_info.h"
#include "units/number_text.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) {
        return 0;
    }
    double value = 0.0;
    std::memcpy(&value, data, sizeof(value));
    const std::string rest(reinterpret_cast<const char*>(data + sizeof(value)),
                           size - sizeof(value));
    const std::size_t split = rest.find('\n');
    const std::string format = rest.substr(0, split);
    const std::string typed = split == std::string::npos ? std::string() : rest.substr(split + 1);

    units::CFormatInfo info(format, static_cast<int>(data[0] % 20));
    const std::string text = info.Format(value);
    static_cast<void>(text);

    units::CDataInfoDouble cells;
    cells.BindValue(nullptr, 1, 1);
    cells.SetDefaultFormat(format);
    cells.SetDouble(0, value);
    std::string cellText;
    cells.GetText(0, cellText);

    static_cast<void>(units::ParseDecimal(typed));
    static_cast<void>(units::ParseInteger(typed));
    double stored = 0.0;
    units::CDataObject object;
    object.SetDescription(format);
    object.InitValue(&stored);
    object.SetRange(-1e6, 1e6, units::kLimitError);
    object.Validate(typed, false, false);
    object.SetFromText(typed);
    static_cast<void>(object.GetText());
    return 0;
}
