#include "units/data_manager.h"

namespace units {

CDataManager::CDataManager() : m_root(std::make_unique<CGroupObject>()) {
    m_root->SetName("Root");
    m_root->SetDescription("Root");
}

}  // namespace units
