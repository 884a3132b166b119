// Feeds arbitrary bytes to the legacy binary design file scanner.
#include "files/legacy_stream_scanner.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto members = files::LegacyStreamScanner(bytes).Scan();
    // Every member found carries a name and takes at least one byte of the stream.
    if (members.size() > size) {
        __builtin_trap();
    }
    return 0;
}
