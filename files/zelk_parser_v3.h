#pragma once

#include "files/parser.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <string>

namespace files {

/// The keyed-text design file: one "Key:value" line per field after the version line. Numbers
/// with a unit are in the display units the file names in its twelve unit keys.
class CZelkParserV3 : public CParser {
public:
    /// Reads every key of the format; a missing key or empty value takes the default of a new
    /// design case, or for the settings and options, of the options passed in (the stored ones).
    bool Parse(std::istream& in, ZelkEngine::DesignCase& design,
               app::ZelkOptions& options) override;

    /// Appends the lines after the version line, in the format's key order.
    void Write(std::ostream& out, const ZelkEngine::DesignCase& design,
               const app::ZelkOptions& options) const;

    /// Tubing anchor value count announced by the last file parsed (-1 when none).
    std::int32_t TubingAnchorCount() const { return m_tubingAnchorCount; }

    /// Announced counts above this are taken as damage, not as a calculator state: no values are
    /// read. The calculator keeps a few fixed inputs and at most 200 depths.
    static constexpr std::int32_t kMaxTubingAnchorValues = 4096;

private:
    std::int32_t m_tubingAnchorCount = -1;
};

}  // namespace files
