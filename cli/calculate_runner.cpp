#include "cli/calculate_runner.h"

#include "cli/case_json.h"
#include "cli/exit_codes.h"
#include "cli/input_error.h"
#include "cli/result_json.h"
#include "cli/results_report.h"
#include "engine/calculation_driver.h"
#include "engine/zelk_calculator_exception.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

namespace cli {

namespace {

using ZelkEngine::CalculationCase;

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw InputError("cannot read " + path + ": " + std::strerror(errno));
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        throw InputError("cannot read " + path);
    }
    return text.str();
}

void applyJsonCase(const nlohmann::json& object, const std::string& context, CalculationCase& c) {
    try {
        ApplyCaseJson(object, c);
    } catch (const InputError& e) {
        throw InputError(context + ": " + e.what());
    }
}

CalculationCase singleCase(const CalculateRequest& request) {
    CalculationCase c = request.m_baseCase;
    if (!request.m_casePath.empty()) {
        const nlohmann::json object =
            ParseJsonText(readFile(request.m_casePath), request.m_casePath);
        applyJsonCase(object, request.m_casePath, c);
    }
    return c;
}

void applyAssignments(const CalculateRequest& request, CalculationCase& c) {
    for (const std::string& assignment : request.m_assignments) {
        ApplyCaseAssignment(assignment, c);
    }
}

struct BatchCase {
    CalculationCase m_case;
    nlohmann::json m_id;
};

std::vector<BatchCase> readBatch(const CalculateRequest& request, const CalculationCase& base) {
    std::istringstream lines(readFile(request.m_casesPath));
    std::vector<BatchCase> cases;
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;  // blank lines separate nothing
        }
        const std::string context = request.m_casesPath + ":" + std::to_string(number);
        BatchCase entry{base, nullptr};
        const nlohmann::json object = ParseJsonText(line, context);
        applyJsonCase(object, context, entry.m_case);
        if (object.contains("id")) {
            entry.m_id = object["id"];
        }
        applyAssignments(request, entry.m_case);
        cases.push_back(std::move(entry));
    }
    return cases;
}

int runBatch(const CalculateRequest& request, std::ostream& out) {
    std::vector<BatchCase> cases = readBatch(request, singleCase(request));
    bool allSucceeded = true;
    for (BatchCase& entry : cases) {
        try {
            ZelkEngine::Calculate(entry.m_case);
            out << ResultJsonLine(entry.m_case, entry.m_id) << '\n';
        } catch (const ZelkEngine::ZelkCalculatorException& e) {
            out << ErrorJsonLine(e.code(), e.message(), entry.m_id) << '\n';
            allSucceeded = false;
        }
        out.flush();
        entry.m_case.Results = ZelkEngine::ZelkResults{};  // large batches keep no curves around
    }
    return allSucceeded ? kExitSuccess : kExitEngine;
}

int runSingle(const CalculateRequest& request, std::ostream& out) {
    CalculationCase c = singleCase(request);
    applyAssignments(request, c);
    try {
        ZelkEngine::Calculate(c);
    } catch (const ZelkEngine::ZelkCalculatorException& e) {
        out << (request.m_json ? ErrorJsonLine(e.code(), e.message()) : e.message()) << '\n';
        return kExitEngine;
    }
    out << (request.m_json ? ResultJsonLine(c) + "\n" : ResultsReport(c));
    return kExitSuccess;
}

}  // namespace

int RunCalculate(const CalculateRequest& request, std::ostream& out, std::ostream& err) {
    try {
        return request.m_casesPath.empty() ? runSingle(request, out) : runBatch(request, out);
    } catch (const InputError& e) {
        err << "zelk-cli calculate: " << e.what() << '\n';
        return kExitUsage;
    }
}

}  // namespace cli
