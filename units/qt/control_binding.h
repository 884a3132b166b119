#pragma once

#include <string>

#include <QString>

class QObject;

namespace units {

class CDataObject;
class DependentControl;

/// Registers a control under its owner window (when given), its data object and the object's
/// unit category, and makes sure deferred refreshes are delivered from the Qt event loop.
void RegisterBinding(DependentControl* control, const QObject* owner, CDataObject* object);
/// Removes the control from the registry, if the library still runs.
void UnregisterBinding(DependentControl* control);
/// Whether a commit may start (no other validation running).
bool IsValidating();

inline QString ToQString(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ToStdString(const QString& text) {
    return text.toStdString();
}

}  // namespace units
