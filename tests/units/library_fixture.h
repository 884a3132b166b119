#pragma once

#include "units/control_manager.h"
#include "units/dcl_manager.h"
#include "units/units_manager.h"
#include "units/user_notifier.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace unitstest {

/// Records what would have been shown to the user.
class RecordingNotifier : public units::UserNotifier {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override {
        captions.push_back(caption);
        messages.push_back(text);
    }
    void Beep() override { ++beeps; }

    std::vector<std::string> captions;
    std::vector<std::string> messages;
    int beeps = 0;
};

/// Starts the process-wide library fresh for each test and tears it down afterwards.
class LibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        units::ShutdownUnitsLibrary();
        units::StartUnitsLibrary("OILFIELD");
        units::SetUserNotifier(&m_notifier);
    }
    void TearDown() override {
        units::SetUserNotifier(nullptr);
        units::ShutdownUnitsLibrary();
    }
    units::CUnitsManager& Manager() { return *units::UnitsManager(); }
    void SetUnit(const char* category, const char* unit) {
        Manager().FindCategory(category)->SetCurrentUnit(Manager().FindUnit(unit));
    }

    RecordingNotifier m_notifier;
};

}  // namespace unitstest
