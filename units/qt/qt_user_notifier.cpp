#include "units/qt/qt_user_notifier.h"

#include "units/qt/control_binding.h"

#include <QApplication>
#include <QMessageBox>

namespace units {

void QtUserNotifier::ShowMessage(const std::string& caption, const std::string& text) {
    const QString title =
        caption.empty() ? QApplication::applicationDisplayName() : ToQString(caption);
    QMessageBox::warning(QApplication::activeWindow(), title, ToQString(text));
}

void QtUserNotifier::Beep() {
    QApplication::beep();
}

}  // namespace units
