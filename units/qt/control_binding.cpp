#include "units/qt/control_binding.h"

#include "units/control_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"

#include <QTimer>

namespace units {

void RegisterBinding(DependentControl* control, const QObject* owner, CDataObject* object) {
    CControlManager* manager = ControlManager();
    if (manager == nullptr) {
        return;
    }
    if (!manager->HasPostHook()) {
        manager->SetPostHook([] {
            QTimer::singleShot(0, [] {
                if (CControlManager* current = ControlManager()) {
                    current->DeliverPosted();
                }
            });
        });
    }
    if (owner != nullptr) {
        manager->RegisterControl(owner, control);
    }
    if (object != nullptr) {
        manager->RegisterControl(object, control);
        if (CUnitsCategory* category = object->GetCategory()) {
            manager->RegisterControl(category, control);
        }
    }
}

void UnregisterBinding(DependentControl* control) {
    if (CControlManager* manager = ControlManager()) {
        manager->UnregisterControl(control);
    }
}

bool IsValidating() {
    CControlManager* manager = ControlManager();
    return manager != nullptr && manager->IsValidating();
}

}  // namespace units
