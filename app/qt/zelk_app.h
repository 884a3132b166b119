#pragma once

#include <string>

#include <QString>
#include <QStringList>

namespace units {
class PreferencesStore;
}

namespace app {

/// The application: chooses the stored language, keeps the preferences of the run, creates the
/// main window and runs it until it closes.
class CZelkApp {
public:
    explicit CZelkApp(units::PreferencesStore& preferences);

    /// The start-up sequence; returns the process exit code when the main window has closed.
    /// `arguments` are the program's arguments without the program name.
    int run(const QStringList& arguments);

    /// The design file named on the command line: the arguments joined by blanks with every
    /// double quote removed, so a path with blanks works quoted or not; empty when none.
    static QString commandLinePath(const QStringList& arguments);

    /// The program's file version text, read once.
    const std::string& fileVersionText();
    /// The stored "Lang" text (first four characters; empty when missing).
    std::string languageText() const;
    /// Steps the stored picture counter and returns the new value.
    int stepPictureCounter();
    /// Stores the language in force.
    void writeLanguage();
    units::PreferencesStore& preferences() { return m_preferences; }

private:
    units::PreferencesStore& m_preferences;
    std::string m_fileVersion;
};

/// Makes the program's pictures and help files available (they live in a static library).
void initResources();

}  // namespace app
