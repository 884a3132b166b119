#pragma once

#include <string>

namespace units {

/// How the library tells the user something without knowing the toolkit: the application
/// installs one that shows message boxes with an exclamation icon and sounds the beep.
class UserNotifier {
public:
    virtual ~UserNotifier() = default;
    /// An empty caption means the application's title.
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
    virtual void Beep() = 0;
};

/// The installed notifier, or none (then nothing is shown).
UserNotifier* GetUserNotifier();
void SetUserNotifier(UserNotifier* notifier);

}  // namespace units
