#pragma once

#include "files/legacy_stream_scanner.h"
#include "files/parser.h"

#include <vector>

namespace files {

/// Reads the binary design files of earlier releases (a .NET binary serialisation stream of the
/// old engine's inputs, settings and options objects). Members the file does not carry keep the
/// values the caller filled in. Never writes.
class CZelkParserDotNet : public CParser {
public:
    /// True when at least one known member was found.
    bool Parse(std::istream& in, ZelkEngine::DesignCase& design,
               app::ZelkOptions& options) override;

    /// Stores the members found by the scanner, in stream order; returns how many were known.
    static int Apply(const std::vector<LegacyMember>& members, ZelkEngine::DesignCase& design,
                     app::ZelkOptions& options);
};

}  // namespace files
