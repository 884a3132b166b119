#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace app {

/// A release number as the update check compares it: major.minor.build.
struct UpdateVersion {
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t build = 0;
};

/// The content of the update file: the newest version and where to get it.
struct UpdateFile {
    UpdateVersion version;
    std::string address;
};

/// Splits a version text at "." into major, minor and build: each part is the value of its
/// leading digits (0 when there are none or the part is missing; values too large for 32 bits
/// stay at the largest value). Further parts ("3.1.0.0") are ignored.
UpdateVersion ParseUpdateVersion(const std::string& text);

/// True when `candidate` is a later release than `current` (equal versions are not newer).
bool IsNewerVersion(const UpdateVersion& candidate, const UpdateVersion& current);

/// Reads the update file: line 1 is the version, line 2 the download address; further lines
/// are ignored. None when the file does not have both lines or the address line is blank.
/// Line ends may be "\n" or "\r\n"; a UTF-8 byte order mark before the version is skipped.
std::optional<UpdateFile> ParseUpdateFile(const std::string& content);

/// True only for an absolute http or https address with a host and without blanks or control
/// characters: the only kind of download address the about box hands to the system.
bool IsWebAddress(const std::string& address);

}  // namespace app
