#pragma once

namespace app {

/// Makes the language (1033 or 2058) the one of every text shown from now on: the string table
/// and Qt's own standard texts (buttons of message boxes and file dialogs), whose Spanish
/// catalogue is loaded when Spanish is chosen. Returns true when the language changed.
bool applyUiLanguage(int languageId);

/// True while Qt's Spanish catalogue is installed.
bool isQtSpanishCatalogueLoaded();

}  // namespace app
