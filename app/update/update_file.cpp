#include "app/update/update_file.h"

#include <cctype>
#include <limits>
#include <sstream>

namespace app {

namespace {

std::int32_t leadingValue(const std::string& part) {
    std::int64_t value = 0;
    for (char c : part) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            return std::numeric_limits<std::int32_t>::max();
        }
    }
    return static_cast<std::int32_t>(value);
}

std::string trimmed(const std::string& text) {
    const char* blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

UpdateVersion ParseUpdateVersion(const std::string& text) {
    std::int32_t parts[3] = {0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 3 && start <= text.size(); ++i) {
        const std::size_t dot = text.find('.', start);
        parts[i] = leadingValue(text.substr(start, dot == std::string::npos ? dot : dot - start));
        if (dot == std::string::npos) {
            break;
        }
        start = dot + 1;
    }
    return UpdateVersion{parts[0], parts[1], parts[2]};
}

bool IsNewerVersion(const UpdateVersion& candidate, const UpdateVersion& current) {
    if (candidate.major != current.major) {
        return candidate.major > current.major;
    }
    if (candidate.minor != current.minor) {
        return candidate.minor > current.minor;
    }
    return candidate.build > current.build;
}

std::optional<UpdateFile> ParseUpdateFile(const std::string& content) {
    std::istringstream in(content);
    std::string versionLine;
    std::string addressLine;
    if (!std::getline(in, versionLine) || !std::getline(in, addressLine)) {
        return std::nullopt;
    }
    if (versionLine.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        versionLine.erase(0, 3);
    }
    UpdateFile file;
    file.version = ParseUpdateVersion(trimmed(versionLine));
    file.address = trimmed(addressLine);
    if (file.address.empty()) {
        return std::nullopt;
    }
    return file;
}

bool IsWebAddress(const std::string& address) {
    std::size_t hostStart = 0;
    if (startsWithNoCase(address, "https://")) {
        hostStart = 8;
    } else if (startsWithNoCase(address, "http://")) {
        hostStart = 7;
    } else {
        return false;
    }
    for (char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) {
            return false;
        }
    }
    // A host must follow: not empty, and not starting with a path, query or user part.
    return hostStart < address.size() &&
           std::string("/?#@:").find(address[hostStart]) == std::string::npos;
}

}  // namespace app
