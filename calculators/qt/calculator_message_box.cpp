#include "calculators/qt/calculator_message_box.h"

#include "app/string_table.h"

#include <QMessageBox>

namespace calc {
namespace {

bool g_recording = false;
std::vector<CalculatorMessageBox::Message> g_recorded;

}  // namespace

void CalculatorMessageBox::Show(QWidget* parent, const QString& text, Icon icon,
                                const QString& caption) {
    const QString shownCaption =
        caption.isEmpty() ? QString::fromStdString(app::loadString(169)) : caption;
    if (g_recording) {
        g_recorded.push_back({shownCaption, text, icon});
        return;
    }
    QMessageBox box(parent);
    box.setWindowTitle(shownCaption);
    box.setText(text);
    box.setIcon(icon == Icon::Exclamation ? QMessageBox::Warning
                : icon == Icon::Stop      ? QMessageBox::Critical
                                          : QMessageBox::NoIcon);
    box.exec();
}

void CalculatorMessageBox::StartRecording() {
    g_recording = true;
    g_recorded.clear();
}

void CalculatorMessageBox::StopRecording() {
    g_recording = false;
}

const std::vector<CalculatorMessageBox::Message>& CalculatorMessageBox::Recorded() {
    return g_recorded;
}

void CalculatorMessageBox::ClearRecorded() {
    g_recorded.clear();
}

}  // namespace calc
