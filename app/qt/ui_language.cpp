#include "app/qt/ui_language.h"

#include "app/language.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {

std::unique_ptr<QTranslator>& qtCatalogue() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

bool applyUiLanguage(int languageId) {
    const int before = currentLanguage();
    setCurrentLanguage(languageId);
    const int language = currentLanguage();
    std::unique_ptr<QTranslator>& translator = qtCatalogue();
    if (language == kSpanish && !translator) {
        auto loaded = std::make_unique<QTranslator>();
        // Without the catalogue the standard buttons stay in English; nothing else depends on it.
        if (loaded->load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(loaded.get());
            translator = std::move(loaded);
        }
    } else if (language == kEnglish && translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    QLocale::setDefault(QLocale(language == kSpanish ? QLocale::Spanish : QLocale::English,
                                language == kSpanish ? QLocale::Mexico : QLocale::UnitedStates));
    return language != before;
}

bool isQtSpanishCatalogueLoaded() {
    return qtCatalogue() != nullptr;
}

}  // namespace app
