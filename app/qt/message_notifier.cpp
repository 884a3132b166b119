#include "app/qt/message_notifier.h"

#include "app/qt/message_service.h"
#include "app/qt/ui_text.h"

#include <QApplication>

namespace app {

void MessageNotifier::ShowMessage(const std::string& caption, const std::string& text) {
    MessageService::show(QApplication::activeWindow(), toQString(text), toQString(caption),
                         MessageService::Icon::Warning);
}

void MessageNotifier::Beep() {
    QApplication::beep();
}

}  // namespace app
