#pragma once

#include <string>

namespace units {

class CGroupObject;

/// A named member of a group. The description is the user-facing label that validation
/// messages quote; the name is the object's key in its group.
class CBaseObject {
public:
    CBaseObject() = default;
    /// Leaves the parent group, which then no longer owns the object.
    virtual ~CBaseObject();
    CBaseObject(const CBaseObject&) = delete;
    CBaseObject& operator=(const CBaseObject&) = delete;

    virtual void SetDescription(const std::string& description) { m_description = description; }
    virtual const std::string& GetDescription() const { return m_description; }
    virtual void SetName(const std::string& name) { m_name = name; }
    virtual const std::string& GetName() const { return m_name; }
    virtual void SetParent(CGroupObject* parent) { m_parent = parent; }
    virtual CGroupObject* GetParent() const { return m_parent; }
    virtual void SetModified(int modified) { m_modified = modified; }
    virtual bool GetModified() const { return m_modified != 0; }

private:
    std::string m_description;
    std::string m_name;
    CGroupObject* m_parent = nullptr;
    int m_modified = 0;
};

}  // namespace units
