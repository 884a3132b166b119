#include "app/qt/zelk_app.h"

#include "app/app_preferences.h"
#include "app/language.h"
#include "app/qt/ui_language.h"
#include "app/qt/zelk_dlg.h"
#include "app/version.h"
#include "units/preferences_store.h"

#include <QtGlobal>

static void initZelkResources() {
    Q_INIT_RESOURCE(zelk);
}

namespace app {

void initResources() {
    initZelkResources();
}

CZelkApp::CZelkApp(units::PreferencesStore& preferences) : m_preferences(preferences) {}

QString CZelkApp::commandLinePath(const QStringList& arguments) {
    QString path = arguments.join(QLatin1Char(' '));
    path.remove(QLatin1Char('"'));
    return path.trimmed();
}

const std::string& CZelkApp::fileVersionText() {
    if (m_fileVersion.empty()) {
        m_fileVersion = app::fileVersionText();
    }
    return m_fileVersion;
}

std::string CZelkApp::languageText() const {
    return AppPreferences(m_preferences).languageText();
}

int CZelkApp::stepPictureCounter() {
    return AppPreferences(m_preferences).stepPictureCounter();
}

void CZelkApp::writeLanguage() {
    AppPreferences(m_preferences).writeLanguage(currentLanguage());
}

int CZelkApp::run(const QStringList& arguments) {
    initResources();
    applyUiLanguage(languageFromText(languageText()));
    fileVersionText();
    int result = 0;
    {
        CZelkDlg window(*this);
        const QString path = commandLinePath(arguments);
        if (!path.isEmpty()) {
            window.openDesignWithoutCalculating(path);
        }
        result = window.exec();
    }
    // The language is kept only when the window has been closed normally.
    Q_UNUSED(result);
    return 0;
}

}  // namespace app
