#include "app/qt/ui_text.h"

#include "app/string_table.h"

namespace app {

QString uiText(int id) {
    return toQString(loadString(id));
}

QString uiFormat(int id, std::initializer_list<FormatArg> args) {
    return toQString(formatText(loadString(id), args));
}

QString menuText(int id) {
    QString text = uiText(id);
    // "Help &with Zelk... F1": the hint follows the last "..." or a blank before a key name.
    const int dots = text.lastIndexOf(QStringLiteral("..."));
    if (dots >= 0 && dots + 3 < text.size()) {
        text.truncate(dots + 3);
    }
    return text.trimmed();
}

}  // namespace app
