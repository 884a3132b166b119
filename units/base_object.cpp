#include "units/base_object.h"

#include "units/group_object.h"

namespace units {

CBaseObject::~CBaseObject() {
    if (m_parent != nullptr) {
        m_parent->DetachChild(this);
    }
}

}  // namespace units
