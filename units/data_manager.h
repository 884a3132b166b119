#pragma once

#include "units/group_object.h"

#include <memory>

namespace units {

/// Holds the root group "Root", under which objects live that belong to no dialog's group.
class CDataManager {
public:
    CDataManager();
    virtual ~CDataManager() = default;
    CDataManager(const CDataManager&) = delete;
    CDataManager& operator=(const CDataManager&) = delete;

    CGroupObject* GetRoot() const { return m_root.get(); }

private:
    std::unique_ptr<CGroupObject> m_root;
};

}  // namespace units
