#include "units/qt/commit_guard.h"

#include "units/control_manager.h"
#include "units/dcl_manager.h"
#include "units/dependent_control.h"
#include "units/qt/units_ctrl.h"

#include <QEvent>
#include <QWidget>

namespace units {

bool CCommitGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::Shortcut) {
        return false;
    }
    CControlManager* controls = ControlManager();
    if (controls == nullptr || controls->IsValidating()) {
        return false;
    }
    DependentControl* focused = controls->GetFocusedControl();
    if (focused == nullptr || !focused->hasWindow() || !focused->hasPendingEdit()) {
        return false;
    }
    if (auto* target = qobject_cast<QWidget*>(watched)) {
        // Clicks inside the field itself, and on unit labels (which commit by themselves),
        // pass untouched.
        auto* focusedWidget = dynamic_cast<QWidget*>(focused);
        if (focusedWidget != nullptr &&
            (target == focusedWidget || focusedWidget->isAncestorOf(target))) {
            return false;
        }
        if (qobject_cast<CUnitsCtrl*>(target) != nullptr) {
            return false;
        }
    }
    return !focused->commitEdit(true, true);
}

}  // namespace units
