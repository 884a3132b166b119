#include "app/qt/message_service.h"
#include "app/qt/zelk_app.h"
#include "calculators/qt/calculator_message_box.h"

#include <clocale>

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // test discovery runs without the environment
    }
    QApplication application(argc, argv);
    std::setlocale(LC_ALL, "C");
    app::initResources();
    // No test may block on a message box.
    app::MessageService::startRecording();
    calc::CalculatorMessageBox::StartRecording();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
