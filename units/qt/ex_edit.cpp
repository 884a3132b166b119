#include "units/qt/ex_edit.h"

#include "units/control_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/number_text.h"
#include "units/qt/control_binding.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace units {

CExEdit::CExEdit(QWidget* parent) : QLineEdit(parent) {}

CExEdit::~CExEdit() {
    m_alive = false;
    UnregisterBinding(this);
}

void CExEdit::Bind(CDataObject* object, Cell cell, const QObject* owner) {
    m_object = object;
    m_cell = cell;
    RegisterBinding(this, owner, object);
    refreshFromData();
}

void CExEdit::SetCommitCallback(CommitCallback callback, std::intptr_t userData) {
    m_commitCallback = std::move(callback);
    m_commitUserData = userData;
}

void CExEdit::SetBorder(bool on) {
    m_border = on;
    setFrame(on);
}

bool CExEdit::refreshFromData() {
    setText(m_object != nullptr ? ToQString(m_object->GetText(m_cell, kTextValue)) : QString());
    return true;
}

bool CExEdit::hasPendingEdit() const {
    if (m_object == nullptr) {
        return false;
    }
    return TrimBlanks(ToStdString(text())) != TrimBlanks(m_object->GetText(m_cell, kTextValue));
}

bool CExEdit::commitEdit(bool showMessages, bool beep) {
    CControlManager* manager = ControlManager();
    if (m_object == nullptr || !isEnabled() || manager == nullptr || manager->IsValidating()) {
        return true;
    }
    const std::string typed = TrimBlanks(ToStdString(text()));
    ValidatingScope validating(*manager);
    if (!m_object->Validate(typed, showMessages, beep)) {
        setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (TrimBlanks(m_object->GetText(m_cell, kTextValue)) != typed) {
        m_object->SetFromText(typed, m_cell);
        m_object->SetModified(1);
        // Rewrites this field too, in the object's display format.
        manager->RefreshDependents(m_object, nullptr, true);
    }
    return true;
}

void CExEdit::CallCommitCallback() {
    if (m_commitCallback) {
        m_commitCallback(m_commitUserData, 1);
    }
}

void CExEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (CControlManager* manager = ControlManager()) {
        manager->SetFocusedControl(this);
    }
}

void CExEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A pop-up (the unit menu, a combo list) commits by itself when it acts.
    if (event->reason() == Qt::PopupFocusReason) {
        return;
    }
    if (isVisible() && !IsValidating() && hasPendingEdit() && commitEdit(true, true)) {
        CallCommitCallback();
    }
}

bool CExEdit::IsIntegerField() const {
    const CDataInfo* storage = m_object != nullptr ? m_object->GetStorage() : nullptr;
    return storage != nullptr &&
           (storage->GetType() == kTypeInt || storage->GetType() == kTypeShort);
}

void CExEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter) {
        bool swallow = false;
        if (m_commitOnEnter && !IsValidating()) {
            bool accepted = true;
            if (hasPendingEdit()) {
                accepted = commitEdit(true, true);
                if (accepted) {
                    CallCommitCallback();
                }
            }
            swallow = !accepted || !m_passEnterOn;
        }
        if (m_enterAsTab) {
            focusNextChild();
            event->accept();
            return;
        }
        if (swallow) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (IsIntegerField()) {
        static const QString kAllowed = QStringLiteral("+-0123456789");
        for (const QChar c : event->text()) {
            if (c.unicode() > 32 && !kAllowed.contains(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace units
