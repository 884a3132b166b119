#pragma once

#include <vector>

#include <QString>

class QWidget;

namespace calc {

/// Every message box the calculator dialogs show goes through here. In a test the boxes are
/// recorded instead of shown, so a dialog's checks can run without blocking.
class CalculatorMessageBox {
public:
    enum class Icon { None, Exclamation, Stop };

    struct Message {
        QString caption;
        QString text;
        Icon icon;
    };

    /// Shows a modal box; an empty caption means the program's name.
    static void Show(QWidget* parent, const QString& text, Icon icon,
                     const QString& caption = QString());

    static void StartRecording();
    static void StopRecording();
    static const std::vector<Message>& Recorded();
    static void ClearRecorded();
};

}  // namespace calc
