#pragma once

#include <vector>

#include <QMessageBox>
#include <QString>

class QWidget;

namespace app {

/// Every message box of the program goes through here. In a test the service records what would
/// be shown and answers with a chosen button instead of blocking.
class MessageService {
public:
    enum class Icon { None, Information, Warning, Stop, Question };

    struct Message {
        QString caption;
        QString text;
        Icon icon;
    };

    /// Shows a modal box; an empty caption means the program's name. Returns the button pressed.
    static QMessageBox::StandardButton show(QWidget* parent, const QString& text,
                                            const QString& caption = QString(),
                                            Icon icon = Icon::None,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok);

    /// From now on boxes are recorded, not shown, and `answer` is returned for each.
    static void startRecording(QMessageBox::StandardButton answer = QMessageBox::Ok);
    static void stopRecording();
    static const std::vector<Message>& recorded();
    static void clearRecorded();
};

}  // namespace app
