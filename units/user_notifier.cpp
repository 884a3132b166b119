#include "units/user_notifier.h"

namespace units {

namespace {

UserNotifier*& Installed() {
    static UserNotifier* notifier = nullptr;
    return notifier;
}

}  // namespace

UserNotifier* GetUserNotifier() {
    return Installed();
}

void SetUserNotifier(UserNotifier* notifier) {
    Installed() = notifier;
}

}  // namespace units
