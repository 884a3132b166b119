#pragma once

#include "units/data_info.h"
#include "units/dependent_control.h"

#include <cstdint>
#include <functional>

#include <QLineEdit>

namespace units {

class CDataObject;

/// An edit field bound to a cell of a data object. It shows the cell in the display unit and
/// format, and stores typed text only after the object validated it: on Enter (when asked),
/// on leaving the field and on an explicit commit.
class CExEdit : public QLineEdit, public DependentControl {
    Q_OBJECT

public:
    using CommitCallback = std::function<void(std::intptr_t userData, int)>;

    explicit CExEdit(QWidget* parent = nullptr);
    ~CExEdit() override;

    /// Binds to the cell and registers under owner (when given), the object and its category.
    void Bind(CDataObject* object, Cell cell = Cell(), const QObject* owner = nullptr);
    CDataObject* GetDataObject() const { return m_object; }
    Cell GetCell() const { return m_cell; }

    void SetCommitCallback(CommitCallback callback, std::intptr_t userData = 0);
    void SetCommitOnEnter(bool on) { m_commitOnEnter = on; }
    void SetPassEnterOn(bool on) { m_passEnterOn = on; }
    void SetEnterAsTab(bool on) { m_enterAsTab = on; }
    void SetBorder(bool on);

    bool refreshFromData() override;
    bool hasWindow() const override { return m_alive; }
    bool hasPendingEdit() const override;
    /// Validates the typed text and stores it when it changed; false when refused, with the
    /// focus given back to the field and the text left as typed.
    bool commitEdit(bool showMessages, bool beep) override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool IsIntegerField() const;
    void CallCommitCallback();

    CDataObject* m_object = nullptr;
    Cell m_cell;
    CommitCallback m_commitCallback;
    std::intptr_t m_commitUserData = 0;
    bool m_commitOnEnter = false;
    bool m_passEnterOn = false;
    bool m_enterAsTab = false;
    bool m_border = true;
    bool m_alive = true;
};

}  // namespace units
