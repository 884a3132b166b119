#pragma once

#include <functional>

#include <QString>
#include <QUrl>

namespace app {

/// Help > Help with Zelk and F1: writes the user guide carried in the program's resources to the
/// temporary folder and opens it with the default browser. The program does not wait for it.
class HelpLauncher {
public:
    using Opener = std::function<bool(const QUrl&)>;

    /// Writes the guide for the current language and opens it; returns the written file's path.
    /// A guide that cannot be written is still handed to the browser, as it was before.
    static QString open();
    /// Replaces the default handler (tests record the address instead of starting a browser);
    /// an empty opener restores the default.
    static void setOpener(Opener opener);
};

}  // namespace app
