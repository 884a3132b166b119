#pragma once

namespace units {

/// What the control manager needs of anything that shows a value or a unit: a control of a
/// dialog, a plot window bound to a unit category. Widget classes implement it.
class DependentControl {
public:
    virtual ~DependentControl() = default;

    /// Re-reads the shown text from the bound data object; the result joins the answer of a
    /// synchronous refresh.
    virtual bool refreshFromData() = 0;
    /// False while the control has no window (not yet created or being destroyed): it is
    /// then left out of refreshes and commits.
    virtual bool hasWindow() const { return true; }
    /// Validates and stores the text being edited; false when the value was refused.
    /// True while the control shows text the user typed that is not yet stored.
    virtual bool hasPendingEdit() const { return false; }
    virtual bool commitEdit(bool showMessages, bool beep) {
        static_cast<void>(showMessages);
        static_cast<void>(beep);
        return true;
    }
};

}  // namespace units
