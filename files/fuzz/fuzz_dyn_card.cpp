// Feeds arbitrary bytes to the dynamometer card reader.
#include "files/dyn_file_reader.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const files::DynFile file = files::readDynCard(in);
    // A point for every data line at most, the power never below its floor.
    if (file.card.positions.size() != file.card.loads.size() ||
        !(file.card.polishedRodPower >= 0.001)) {
        __builtin_trap();
    }
    return 0;
}
