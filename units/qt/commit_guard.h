#pragma once

#include <QObject>

namespace units {

/// Keeps a click or a shortcut from acting on a half-typed value: before a mouse press lands
/// on another widget, or a shortcut fires, the focused data control with unsaved typing
/// commits (with messages and beep); when it refuses, the event is dropped. Install one on
/// the application.
class CCommitGuard : public QObject {
    Q_OBJECT

public:
    explicit CCommitGuard(QObject* parent = nullptr) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace units
