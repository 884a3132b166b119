#include "app/window/calculation_error_text.h"

#include "app/string_table.h"
#include "app/text_format.h"

namespace app {

std::string calculationErrorText(std::int32_t code, const std::string& message, double value1,
                                 double value2) {
    switch (code) {
        case 2:
            return loadString(217);
        case 3:
            return loadString(214);
        case 4:
            return loadString(216);
        case 5:
            return loadString(215);
        case 6:
            return loadString(210);
        case 7:
            return loadString(212);
        case 8:
            return loadString(213);
        case 9:
            return loadString(211);
        case 10:
            return loadString(223);
        case 11:
            return formatText(loadString(372), {value1, value2});
        default:
            return message;
    }
}

}  // namespace app
