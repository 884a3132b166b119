// Feeds arbitrary bytes to the design file opening path: the reader choice, the keyed-text
// reader and, for other first lines, the legacy reader; a keyed-text result is written again and
// must read back the same.
#include "app/zelk_options.h"
#include "engine/design_case.h"
#include "files/design_file.h"
#include "files/zelk_parser_dot_net.h"
#include "files/zelk_parser_v3.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string firstLine = bytes.substr(0, bytes.find('\n'));
    ZelkEngine::DesignCase design;
    app::ZelkOptions options;
    std::istringstream in(bytes);
    if (!files::IsKeyedTextVersionLine(firstLine)) {
        files::CZelkParserDotNet().Parse(in, design, options);
        return 0;
    }
    files::CZelkParserV3().Parse(in, design, options);
    std::ostringstream out;
    out << files::VersionLine() << '\n';
    files::CZelkParserV3().Write(out, design, options);
    ZelkEngine::DesignCase again;
    app::ZelkOptions againOptions;
    std::istringstream back(out.str());
    files::CZelkParserV3().Parse(back, again, againOptions);
    // Line breaks inside a text are written as blanks, the one change a write may make.
    const auto oneLine = [](std::string text) {
        for (char& c : text) {
            c = (c == '\r' || c == '\n') ? ' ' : c;
        }
        return text;
    };
    if (again.m_title != oneLine(design.m_title) ||
        again.m_rodGrade != oneLine(design.m_rodGrade) ||
        again.m_tubingAnchorCatcherState.size() != design.m_tubingAnchorCatcherState.size()) {
        __builtin_trap();
    }
    return 0;
}
