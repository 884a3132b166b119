#include "app/qt/message_service.h"

#include "app/qt/ui_text.h"

namespace app {

namespace {

struct RecordingState {
    bool isRecording = false;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    std::vector<MessageService::Message> messages;
};

RecordingState& state() {
    static RecordingState s;
    return s;
}

QMessageBox::Icon boxIcon(MessageService::Icon icon) {
    switch (icon) {
        case MessageService::Icon::Information:
            return QMessageBox::Information;
        case MessageService::Icon::Warning:
            return QMessageBox::Warning;
        case MessageService::Icon::Stop:
            return QMessageBox::Critical;
        case MessageService::Icon::Question:
            return QMessageBox::Question;
        case MessageService::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QMessageBox::StandardButton MessageService::show(QWidget* parent, const QString& text,
                                                 const QString& caption, Icon icon,
                                                 QMessageBox::StandardButtons buttons) {
    const QString title = caption.isEmpty() ? uiText(169) : caption;
    if (state().isRecording) {
        state().messages.push_back(Message{title, text, icon});
        return state().answer;
    }
    QMessageBox box(boxIcon(icon), title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MessageService::startRecording(QMessageBox::StandardButton answer) {
    state().isRecording = true;
    state().answer = answer;
}

void MessageService::stopRecording() {
    state().isRecording = false;
}

const std::vector<MessageService::Message>& MessageService::recorded() {
    return state().messages;
}

void MessageService::clearRecorded() {
    state().messages.clear();
}

}  // namespace app
