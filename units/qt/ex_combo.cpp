#include "units/qt/ex_combo.h"

#include "units/control_manager.h"
#include "units/data_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/number_text.h"
#include "units/qt/control_binding.h"

#include <QFocusEvent>
#include <QSignalBlocker>

namespace units {

CExCombo::CExCombo(QWidget* parent) : QComboBox(parent) {
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &CExCombo::OnActivated);
}

CExCombo::~CExCombo() {
    m_alive = false;
    UnregisterBinding(this);
    ReleaseList();
}

void CExCombo::ReleaseList() {
    if (m_ownsList && m_list != nullptr) {
        if (m_listOutsideGroup) {
            m_listOutsideGroup.reset();
        } else if (CDataManager* dataManager = DataManager()) {
            // The list lives in the root group, unless the group went first (then it is gone).
            CGroupObject* root = dataManager->GetRoot();
            if (root->FindChild(m_list->GetName()) == m_list) {
                root->RemoveChild(m_list->GetName());
            }
        }
    }
    m_list = nullptr;
    m_ownsList = false;
    m_listOutsideGroup.reset();
}

void CExCombo::Bind(CDataObject* object, Cell cell, const QObject* owner) {
    m_object = object;
    m_cell = cell;
    RegisterBinding(this, owner, object);
    refreshFromData();
}

void CExCombo::SetListObject(CDataObject* list, bool owns) {
    if (list == m_list) {
        m_ownsList = owns;
        return;
    }
    ReleaseList();
    m_list = list;
    m_ownsList = owns;
    if (owns && list != nullptr && list->GetParent() == nullptr) {
        m_listOutsideGroup.reset(list);
    }
}

void CExCombo::SetCommitCallback(CommitCallback callback, std::intptr_t userData) {
    m_commitCallback = std::move(callback);
    m_commitUserData = userData;
}

bool CExCombo::refreshFromData() {
    const QSignalBlocker blocker(this);
    if (m_list != nullptr) {
        clear();
        const int count = m_list->GetCount(0);
        for (int i = 0; i < count; ++i) {
            if (m_list->HasValue(Cell(i, 0))) {
                addItem(ToQString(m_list->GetText(Cell(i, 0), kTextValue)), i);
            }
        }
    }
    const std::string bound = m_object != nullptr ? m_object->GetText(m_cell, kTextValue) : "";
    if (isEditable()) {
        setEditText(ToQString(bound));
        return true;
    }
    QString wanted;
    if (m_list != nullptr) {
        const int count = m_list->GetCount(0);
        for (int i = 0; i < count; ++i) {
            if (m_list->GetText(Cell(i, 0), kTextValue) == bound) {
                wanted = ToQString(m_list->GetText(Cell(i, 0), kTextValue));
                break;
            }
        }
    }
    for (int item = 0; item < this->count(); ++item) {
        if (itemText(item).startsWith(wanted, Qt::CaseInsensitive)) {
            setCurrentIndex(item);
            return true;
        }
    }
    // An empty list cannot show the value. Only a list that was given clears it: before
    // the owner sets one, the value must survive.
    if (m_list != nullptr && m_object != nullptr && m_object->GetStorage() != nullptr) {
        m_object->GetStorage()->ClearCell(m_cell);
    }
    return true;
}

std::string CExCombo::PendingText(bool fromSelection) const {
    const QString shown = fromSelection ? itemText(currentIndex()) : currentText();
    const std::string text = TrimBlanks(ToStdString(shown));
    if (isEditable()) {
        return text;
    }
    for (int item = 0; item < count(); ++item) {
        if (ToStdString(itemText(item)) == text) {
            const int index = itemData(item).toInt();
            return m_list != nullptr ? m_list->GetText(Cell(index, 0), kTextValue) : text;
        }
    }
    return std::string();
}

bool CExCombo::hasPendingEdit() const {
    return m_object != nullptr && PendingText(false) != m_object->GetText(m_cell, kTextValue);
}

bool CExCombo::Commit(bool fromSelection) {
    CControlManager* manager = ControlManager();
    if (m_object == nullptr || !isEnabled() || manager == nullptr || manager->IsValidating()) {
        return true;
    }
    const std::string text = PendingText(fromSelection);
    ValidatingScope validating(*manager);
    // A combo always reports a refused value, whatever the caller asked.
    if (!m_object->Validate(text, true, true)) {
        setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (text != m_object->GetText(m_cell, kTextValue)) {
        m_object->SetFromText(text, m_cell);
        m_object->SetModified(1);
        manager->RefreshDependents(m_object, this, false);
    }
    return true;
}

bool CExCombo::commitEdit(bool, bool) {
    return Commit(false);
}

void CExCombo::OnActivated(int) {
    if (m_object == nullptr || PendingText(true) == m_object->GetText(m_cell, kTextValue)) {
        return;
    }
    if (Commit(true) && m_commitCallback) {
        m_commitCallback(m_commitUserData, 1);
    }
}

void CExCombo::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (CControlManager* manager = ControlManager()) {
        manager->SetFocusedControl(this);
    }
}

void CExCombo::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || IsValidating() || !hasPendingEdit()) {
        return;
    }
    if (Commit(false) && m_commitCallback) {
        m_commitCallback(m_commitUserData, 1);
    }
}

void SetComboValues(CExCombo& combo, int count, const double* values) {
    CDataObject* bound = combo.GetDataObject();
    CDataManager* dataManager = DataManager();
    if (bound == nullptr || dataManager == nullptr || count < 0 ||
        (count > 0 && values == nullptr)) {
        return;
    }
    const QString previous = combo.currentText();
    auto list = std::make_unique<CDataObject>();
    list->SetName(bound->GetName() + "QUILL");
    list->SetDescription(bound->GetDescription());
    list->InitValue(kTypeDouble, nullptr, count, 1);
    for (int i = 0; i < count; ++i) {
        list->SetValue(Cell(i, 0), values[i]);
    }
    if (bound->GetStorageUnit() != nullptr && bound->GetCategory() != nullptr) {
        list->SetUnits(bound->GetStorageUnit()->GetKey(), bound->GetCategory()->GetKey());
    }
    // The previous list goes first so that the new one can take its name in the group.
    combo.SetListObject(nullptr, false);
    CDataObject* raw = list.get();
    std::unique_ptr<CBaseObject> child(std::move(list));
    if (!dataManager->GetRoot()->AddChild(child)) {
        static_cast<void>(
            child.release());  // name taken by an object of someone else: the combo keeps it
    }
    combo.SetListObject(raw, true);
    combo.refreshFromData();
    const int again = combo.findText(previous, Qt::MatchExactly);
    if (again >= 0) {
        combo.setCurrentIndex(again);
    }
}

}  // namespace units
