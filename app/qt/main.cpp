#include "app/qt/settings_preferences_store.h"
#include "app/qt/zelk_app.h"

#include <clocale>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt takes the user's locale for the C library; numbers in files and formatted texts always
    // use "." whatever the desktop language is.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setOrganizationName(QStringLiteral("Brantwick Company"));
    QApplication::setApplicationName(QStringLiteral("Zelk"));
    app::SettingsPreferencesStore preferences;
    app::CZelkApp zelk(preferences);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return zelk.run(arguments);
}
