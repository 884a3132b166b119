#include "engine/number_text.h"

#include <locale>
#include <sstream>

namespace ZelkEngine {

std::string DefaultFormatNumber(double value) {
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << value;
    return stream.str();
}

}  // namespace ZelkEngine
