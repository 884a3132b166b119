#pragma once

#include <string>

namespace ZelkEngine {
struct DesignCase;
}
namespace app {
struct ZelkOptions;
}

namespace files {

/// Program file version written into the version line ("3.1.0.0").
const std::string& ProgramFileVersion();

/// The first line of a keyed-text design file: "Version:Zelk" and the program's file version.
std::string VersionLine();

/// True when a file's first line marks the keyed-text format.
bool IsKeyedTextVersionLine(const std::string& firstLine);

/// True when a design file of this version stores the fiberglass and steel sizes in the display
/// unit of their category (3.0.11 and later); older files hold them in inches.
bool StoresRodSizesInDisplayUnits(const std::string& version);

enum class DesignFormat { KeyedText, Legacy };

struct OpenResult {
    enum class Status {
        Opened,      ///< the design case and options were filled from the file
        CannotOpen,  ///< the file could not be opened; nothing changed
        NotADesign   ///< neither format found anything; nothing changed
    };
    Status status = Status::CannotOpen;
    DesignFormat format = DesignFormat::KeyedText;
    std::string message;  ///< why it failed, for the user

    bool ok() const { return status == Status::Opened; }
};

/// Opens a design file of either format into the design case and options, which the caller has
/// filled with the values that stand for what a legacy file lacks (the window's new design and
/// the stored options). Numbers of a keyed-text file are in the display units it names.
OpenResult OpenDesignFile(const std::string& path, ZelkEngine::DesignCase& design,
                          app::ZelkOptions& options);

struct SaveResult {
    bool ok = false;
    std::string message;  ///< why it failed, for the user
};

/// Writes the design (numbers in the display units it names) and the options as a keyed-text
/// file. The file is written beside the target under another name, flushed, then put in the
/// target's place, so a failure at any step leaves an existing file as it was.
SaveResult SaveDesignFile(const std::string& path, const ZelkEngine::DesignCase& design,
                          const app::ZelkOptions& options);

}  // namespace files
