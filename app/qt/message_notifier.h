#pragma once

#include "units/user_notifier.h"

namespace app {

/// Shows the units library's messages (a value outside its range, a value that is not a number)
/// through the program's message service, as warnings.
class MessageNotifier : public units::UserNotifier {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override;
    void Beep() override;
};

}  // namespace app
