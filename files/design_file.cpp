#include "files/design_file.h"

#include "app/version.h"
#include "app/zelk_options.h"
#include "engine/design_case.h"
#include "files/lenient_number.h"
#include "files/zelk_parser_dot_net.h"
#include "files/zelk_parser_v3.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

namespace files {
namespace {

// Enough of a first line to find the version markers; a binary file may have no line break.
constexpr std::size_t kFirstLineLimit = 4096;

std::string readFirstLine(std::istream& in) {
    std::string line;
    char c = 0;
    while (line.size() < kFirstLineLimit && in.get(c) && c != '\n') {
        line.push_back(c);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

std::string reason() {
    return std::strerror(errno);
}

std::filesystem::path temporaryPathBeside(const std::filesystem::path& target) {
    std::random_device device;
    std::ostringstream name;
    name << '.' << target.filename().string() << '.' << std::hex << device() << ".tmp";
    return target.parent_path() / name.str();
}

}  // namespace

const std::string& ProgramFileVersion() {
    static const std::string version = app::fileVersionText();
    return version;
}

std::string VersionLine() {
    return "Version:Zelk" + ProgramFileVersion();
}

bool IsKeyedTextVersionLine(const std::string& firstLine) {
    return firstLine.find("Version") != std::string::npos &&
           firstLine.find("Zelk3.") != std::string::npos;
}

bool StoresRodSizesInDisplayUnits(const std::string& version) {
    int parts[4] = {0, 0, 0, 0};
    std::size_t start = 0;
    for (int& part : parts) {
        if (start > version.size()) {
            break;
        }
        const std::size_t dot = version.find('.', start);
        part = integerPrefix(
            version.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) {
            break;
        }
        start = dot + 1;
    }
    const int first[4] = {3, 0, 11, 0};
    for (int i = 0; i < 4; ++i) {
        if (parts[i] != first[i]) {
            return parts[i] > first[i];
        }
    }
    return true;
}

OpenResult OpenDesignFile(const std::string& path, ZelkEngine::DesignCase& design,
                          app::ZelkOptions& options) {
    OpenResult result;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        result.status = OpenResult::Status::CannotOpen;
        result.message = "cannot open " + path + ": it is a folder";
        return result;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.status = OpenResult::Status::CannotOpen;
        result.message = "cannot open " + path + ": " + reason();
        return result;
    }
    const std::string firstLine = readFirstLine(in);
    // Read into copies so that a file that turns out to hold nothing changes nothing.
    ZelkEngine::DesignCase readDesign = design;
    app::ZelkOptions readOptions = options;
    bool found = false;
    if (IsKeyedTextVersionLine(firstLine)) {
        result.format = DesignFormat::KeyedText;
        CZelkParserV3 parser;
        found = parser.Parse(in, readDesign, readOptions);
    } else {
        result.format = DesignFormat::Legacy;
        CZelkParserDotNet parser;
        found = parser.Parse(in, readDesign, readOptions);
    }
    if (in.bad()) {
        result.status = OpenResult::Status::CannotOpen;
        result.message = "cannot read " + path + ": " + reason();
        return result;
    }
    if (!found) {
        result.status = OpenResult::Status::NotADesign;
        result.message = path + " is not a Zelk design file";
        return result;
    }
    design = std::move(readDesign);
    options = readOptions;
    result.status = OpenResult::Status::Opened;
    return result;
}

SaveResult SaveDesignFile(const std::string& path, const ZelkEngine::DesignCase& design,
                          const app::ZelkOptions& options) {
    SaveResult result;
    const std::filesystem::path target(path);
    std::error_code error;
    if (std::filesystem::is_directory(target, error)) {
        result.message = "cannot save " + path + ": it is a folder";
        return result;
    }
    const std::filesystem::path temporary = temporaryPathBeside(target);
    {
        // Lines end with CRLF as the program has always written them; readers accept both.
        std::ostringstream text;
        text << VersionLine() << '\n';
        CZelkParserV3().Write(text, design, options);
        std::string bytes;
        for (char c : text.str()) {
            if (c == '\n') {
                bytes.push_back('\r');
            }
            bytes.push_back(c);
        }
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            result.message = "cannot save " + path + ": " + reason();
            return result;
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (!out) {
            result.message = "cannot save " + path + ": writing failed (" + reason() + ")";
            std::filesystem::remove(temporary, error);
            return result;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        result.message = "cannot save " + path + ": " + error.message();
        std::filesystem::remove(temporary, error);
        return result;
    }
    result.ok = true;
    return result;
}

}  // namespace files
