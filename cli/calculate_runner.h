#pragma once

#include "engine/calculation_case.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

/// What `zelk-cli calculate` was asked to do.
struct CalculateRequest {
    /// The case the keys apply to: the default design case unless a design file supplied one.
    ZelkEngine::CalculationCase m_baseCase;
    std::string m_casePath;                  ///< --case FILE.json, empty when none
    std::vector<std::string> m_assignments;  ///< --set Key=Value, applied last, in order
    std::string m_casesPath;                 ///< --cases FILE.jsonl batch, empty when none
    bool m_json = false;                     ///< --json: results as one JSON line
};

/// Runs the request: one case (text report or JSON) or a batch with one JSON line per case in
/// input order (each case: base case, --case keys, the line's keys, --set). Returns kExitSuccess,
/// kExitEngine when the engine refused the case (in a batch: any case; the batch goes on), or
/// kExitUsage for unreadable or malformed input, reported on err as one line before any
/// calculation.
int RunCalculate(const CalculateRequest& request, std::ostream& out, std::ostream& err);

}  // namespace cli
