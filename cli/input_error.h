#pragma once

#include <stdexcept>
#include <string>

namespace cli {

/// A usage or input problem (unreadable file, malformed JSON, unknown key). what() is a
/// one-line message naming the problem; commands report it and exit with kExitUsage.
class InputError : public std::runtime_error {
public:
    explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace cli
