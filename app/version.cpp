#include "app/version.h"

#ifndef ZELK_VERSION_TEXT
#error "The build defines ZELK_VERSION_TEXT"
#endif

namespace app {

std::string fileVersionText() {
    return ZELK_VERSION_TEXT;
}

std::string shortVersionText() {
    const std::string full = fileVersionText();
    const std::size_t first = full.find('.');
    const std::size_t second = first == std::string::npos ? first : full.find('.', first + 1);
    return full.substr(0, second);
}

}  // namespace app
