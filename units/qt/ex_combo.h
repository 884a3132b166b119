#pragma once

#include "units/data_info.h"
#include "units/dependent_control.h"

#include <cstdint>
#include <functional>
#include <memory>

#include <QComboBox>

namespace units {

class CDataObject;

/// A combo box bound to a cell of a data object, whose items come from the cells of a list
/// object (shown in their display unit and format). Choosing an item validates and stores
/// the value parsed back from the item's text.
class CExCombo : public QComboBox, public DependentControl {
    Q_OBJECT

public:
    using CommitCallback = std::function<void(std::intptr_t userData, int)>;

    explicit CExCombo(QWidget* parent = nullptr);
    ~CExCombo() override;

    void Bind(CDataObject* object, Cell cell = Cell(), const QObject* owner = nullptr);
    CDataObject* GetDataObject() const { return m_object; }

    /// The list object, which is also the values object; owned by the combo when asked.
    void SetListObject(CDataObject* list, bool owns);
    CDataObject* GetListObject() const { return m_list; }
    void SetCommitCallback(CommitCallback callback, std::intptr_t userData = 0);

    bool refreshFromData() override;
    bool hasWindow() const override { return m_alive; }
    bool hasPendingEdit() const override;
    bool commitEdit(bool showMessages, bool beep) override;

    /// The value text a commit would store for the current item or text.
    std::string PendingText(bool fromSelection) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool Commit(bool fromSelection);
    void OnActivated(int index);
    void ReleaseList();

    CDataObject* m_object = nullptr;
    Cell m_cell;
    CommitCallback m_commitCallback;
    std::intptr_t m_commitUserData = 0;
    CDataObject* m_list = nullptr;
    bool m_ownsList = false;
    std::unique_ptr<CDataObject> m_listOutsideGroup;
    bool m_alive = true;
};

/// Builds the list of a combo from count values in the bound object's storage unit: a data
/// object named after the bound object with "QUILL" appended, in the root group, with the
/// bound object's units, so the items follow the display unit. The item shown before is
/// selected again when its text is still there.
void SetComboValues(CExCombo& combo, int count, const double* values);

}  // namespace units
