#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

namespace units {

class DependentControl;

/// Records which controls depend on which objects (owner windows, data objects, unit
/// categories) and refreshes them after a change. Also holds the process-wide "validating"
/// flag that keeps a second commit from starting while one runs (message boxes and focus
/// changes re-enter), and the data control that last had the focus.
class CControlManager {
public:
    using Key = const void*;

    CControlManager() = default;
    virtual ~CControlManager() = default;
    CControlManager(const CControlManager&) = delete;
    CControlManager& operator=(const CControlManager&) = delete;

    /// Registers control under key (none is the null key: refreshed by every change).
    void RegisterControl(Key key, DependentControl* control);
    /// Removes the control everywhere, including pending deferred refreshes and the focus
    /// record. Every control calls this when it is destroyed.
    void UnregisterControl(DependentControl* control);
    /// Refreshes the live controls under the null key and under key (every control when key
    /// is none), except one. Synchronous: each is refreshed now and the answers are ANDed.
    /// Deferred: they are queued until DeliverPosted and the answer is true.
    bool RefreshDependents(Key key, DependentControl* except, bool synchronous);

    /// The toolkit installs this to schedule DeliverPosted soon after a deferred refresh.
    void SetPostHook(std::function<void()> hook) { m_postHook = std::move(hook); }
    bool HasPostHook() const { return static_cast<bool>(m_postHook); }
    /// Refreshes the controls queued by deferred refreshes that are still registered.
    void DeliverPosted();
    bool HasPosted() const { return !m_posted.empty(); }

    bool IsRegistered(const DependentControl* control) const;
    std::size_t GetControlCount() const { return m_allControls.size(); }

    bool IsValidating() const { return m_validating; }
    void SetValidating(bool validating) { m_validating = validating; }

    void SetFocusedControl(DependentControl* control) { m_focused = control; }
    DependentControl* GetFocusedControl() const { return m_focused; }
    /// Asks the focused control to commit with messages and beep before a menu or another
    /// control acts on its value. True when there is nothing to commit or it was accepted.
    bool CommitFocusedControl();

private:
    std::vector<DependentControl*> Collect(Key key, DependentControl* except) const;

    std::unordered_map<Key, std::vector<DependentControl*>> m_dependents;
    std::vector<DependentControl*> m_allControls;
    std::vector<DependentControl*> m_posted;
    std::function<void()> m_postHook;
    DependentControl* m_focused = nullptr;
    bool m_validating = false;
};

/// Sets the validating flag for one commit and clears it on every way out.
class ValidatingScope {
public:
    explicit ValidatingScope(CControlManager& manager) : m_manager(manager) {
        m_manager.SetValidating(true);
    }
    ~ValidatingScope() { m_manager.SetValidating(false); }
    ValidatingScope(const ValidatingScope&) = delete;
    ValidatingScope& operator=(const ValidatingScope&) = delete;

private:
    CControlManager& m_manager;
};

}  // namespace units
