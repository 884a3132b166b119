#pragma once

#include "units/base_object.h"

#include <map>
#include <memory>
#include <string>

namespace units {

/// A group of named objects, which it owns. Names are exact-match keys.
class CGroupObject : public CBaseObject {
public:
    CGroupObject() = default;
    ~CGroupObject() override;

    /// Clearing the flag clears it on every child as well.
    void SetModified(int modified) override;
    /// True when the group or any object below it is modified.
    bool GetModified() const override;
    CBaseObject* FindChild(const std::string& name) const;

    /// Takes the object when no child has its name; otherwise returns false and the caller
    /// keeps it.
    bool AddChild(std::unique_ptr<CBaseObject>& child);
    /// Convenience for a new object: returns it, or none (the object destroyed) when the name
    /// is taken.
    template <class T>
    T* AddNewChild(std::unique_ptr<T> child) {
        T* raw = child.get();
        std::unique_ptr<CBaseObject> base(std::move(child));
        return AddChild(base) ? raw : nullptr;
    }
    /// Hands the child back to the caller; none when there is no child of that name.
    std::unique_ptr<CBaseObject> RemoveChild(const std::string& name);
    /// Forgets a child that is being destroyed elsewhere without destroying it again.
    void DetachChild(const CBaseObject* child);
    std::size_t GetChildCount() const { return m_children.size(); }
    const std::map<std::string, std::unique_ptr<CBaseObject>>& GetChildren() const {
        return m_children;
    }

private:
    std::map<std::string, std::unique_ptr<CBaseObject>> m_children;
};

/// The free form used by dialogs.
inline bool AddChild(CGroupObject& group, std::unique_ptr<CBaseObject>& child) {
    return group.AddChild(child);
}

}  // namespace units
