#pragma once

#include "units/user_notifier.h"

namespace units {

/// Shows validation messages in a modal message box with an exclamation icon over the active
/// window, and beeps through the platform.
class QtUserNotifier : public UserNotifier {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override;
    void Beep() override;
};

}  // namespace units
