#include "units/control_manager.h"

#include "units/dependent_control.h"

#include <algorithm>

namespace units {

namespace {

bool Contains(const std::vector<DependentControl*>& list, const DependentControl* control) {
    return std::find(list.begin(), list.end(), control) != list.end();
}

void Erase(std::vector<DependentControl*>& list, const DependentControl* control) {
    list.erase(std::remove(list.begin(), list.end(), control), list.end());
}

}  // namespace

void CControlManager::RegisterControl(Key key, DependentControl* control) {
    if (control == nullptr) {
        return;
    }
    std::vector<DependentControl*>& set = m_dependents[key];
    if (!Contains(set, control)) {
        set.push_back(control);
    }
    if (!Contains(m_allControls, control)) {
        m_allControls.push_back(control);
    }
}

void CControlManager::UnregisterControl(DependentControl* control) {
    for (auto it = m_dependents.begin(); it != m_dependents.end();) {
        Erase(it->second, control);
        if (it->second.empty()) {
            it = m_dependents.erase(it);
        } else {
            ++it;
        }
    }
    Erase(m_allControls, control);
    Erase(m_posted, control);
    if (m_focused == control) {
        m_focused = nullptr;
    }
}

bool CControlManager::IsRegistered(const DependentControl* control) const {
    return Contains(m_allControls, control);
}

std::vector<DependentControl*> CControlManager::Collect(Key key, DependentControl* except) const {
    std::vector<DependentControl*> result;
    auto add = [&](const std::vector<DependentControl*>& list) {
        for (DependentControl* control : list) {
            if (control != except && control->hasWindow() && !Contains(result, control)) {
                result.push_back(control);
            }
        }
    };
    if (key == nullptr) {
        add(m_allControls);
        return result;
    }
    auto nullSet = m_dependents.find(nullptr);
    if (nullSet != m_dependents.end()) {
        add(nullSet->second);
    }
    auto keySet = m_dependents.find(key);
    if (keySet != m_dependents.end()) {
        add(keySet->second);
    }
    return result;
}

bool CControlManager::RefreshDependents(Key key, DependentControl* except, bool synchronous) {
    const std::vector<DependentControl*> targets = Collect(key, except);
    if (!synchronous) {
        const bool wasEmpty = m_posted.empty();
        for (DependentControl* control : targets) {
            if (!Contains(m_posted, control)) {
                m_posted.push_back(control);
            }
        }
        if (wasEmpty && !m_posted.empty() && m_postHook) {
            m_postHook();
        }
        return true;
    }
    bool result = true;
    for (DependentControl* control : targets) {
        // A refresh may destroy other controls (a dialog closing); skip those.
        if (IsRegistered(control) && !control->refreshFromData()) {
            result = false;
        }
    }
    return result;
}

void CControlManager::DeliverPosted() {
    std::vector<DependentControl*> pending;
    pending.swap(m_posted);
    for (DependentControl* control : pending) {
        if (IsRegistered(control) && control->hasWindow()) {
            control->refreshFromData();
        }
    }
}

bool CControlManager::CommitFocusedControl() {
    if (m_focused == nullptr || m_validating || !m_focused->hasWindow()) {
        return true;
    }
    return m_focused->commitEdit(true, true);
}

}  // namespace units
