#pragma once

#include "app/text_format.h"

#include <string>

#include <QString>

namespace app {

/// The built-in string-table text of the identifier in the current language, as a QString.
QString uiText(int id);
/// Menu and button texts carry "&" accelerators and, after a run of blanks, a shortcut hint
/// ("&Print Report... Ctrl+P"); Qt shows shortcuts itself, so the hint is cut off.
QString menuText(int id);

/// The text of the identifier with its placeholders filled (see `formatText`).
QString uiFormat(int id, std::initializer_list<FormatArg> args);

inline QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string fromQString(const QString& text) {
    return text.toStdString();
}

}  // namespace app
