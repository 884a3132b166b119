#include "units/group_object.h"

namespace units {

CGroupObject::~CGroupObject() {
    // Children must not detach themselves from a map that is being destroyed.
    std::map<std::string, std::unique_ptr<CBaseObject>> children;
    children.swap(m_children);
    for (auto& entry : children) {
        entry.second->SetParent(nullptr);
    }
}

void CGroupObject::SetModified(int modified) {
    CBaseObject::SetModified(modified);
    if (modified == 0) {
        for (auto& entry : m_children) {
            entry.second->SetModified(0);
        }
    }
}

bool CGroupObject::GetModified() const {
    if (CBaseObject::GetModified()) {
        return true;
    }
    for (const auto& entry : m_children) {
        if (entry.second->GetModified()) {
            return true;
        }
    }
    return false;
}

CBaseObject* CGroupObject::FindChild(const std::string& name) const {
    auto it = m_children.find(name);
    return it == m_children.end() ? nullptr : it->second.get();
}

bool CGroupObject::AddChild(std::unique_ptr<CBaseObject>& child) {
    if (!child || m_children.count(child->GetName()) != 0) {
        return false;
    }
    // An object moving from another group leaves it first.
    if (CGroupObject* previous = child->GetParent()) {
        previous->DetachChild(child.get());
    }
    child->SetParent(this);
    const std::string name = child->GetName();
    m_children.emplace(name, std::move(child));
    return true;
}

std::unique_ptr<CBaseObject> CGroupObject::RemoveChild(const std::string& name) {
    auto it = m_children.find(name);
    if (it == m_children.end()) {
        return nullptr;
    }
    std::unique_ptr<CBaseObject> child = std::move(it->second);
    m_children.erase(it);
    child->SetParent(nullptr);
    return child;
}

void CGroupObject::DetachChild(const CBaseObject* child) {
    auto it = m_children.find(child->GetName());
    if (it == m_children.end() || it->second.get() != child) {
        // Renamed after it was added: look for it by identity.
        for (it = m_children.begin(); it != m_children.end(); ++it) {
            if (it->second.get() == child) {
                break;
            }
        }
    }
    if (it != m_children.end()) {
        static_cast<void>(it->second.release());  // the object is being destroyed by its own delete
        m_children.erase(it);
    }
}

}  // namespace units
