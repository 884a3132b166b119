#pragma once

#include <istream>

namespace ZelkEngine {
struct DesignCase;
}
namespace app {
struct ZelkOptions;
}

namespace files {

/// A reader of one design file format.
class CParser {
public:
    virtual ~CParser() = default;

    /// Fills the design case and the options from the open stream. Returns false when the
    /// stream holds nothing this format can read; what was read so far is kept either way.
    virtual bool Parse(std::istream& in, ZelkEngine::DesignCase& design,
                       app::ZelkOptions& options) = 0;
};

}  // namespace files
