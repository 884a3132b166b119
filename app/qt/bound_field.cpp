#include "app/qt/bound_field.h"

#include "app/qt/ui_text.h"
#include "units/data_object.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace app {

BoundField::BoundField(units::CDataObject& object, QLineEdit* edit, QLabel* unitLabel,
                       QObject* parent)
    : QObject(parent), m_object(object), m_edit(edit), m_unitLabel(unitLabel) {
    connectEdit();
}

BoundField::BoundField(units::CDataObject& object, QComboBox* combo, QLabel* unitLabel,
                       std::vector<double> presets, QObject* parent)
    : QObject(parent),
      m_object(object),
      m_edit(combo->lineEdit()),
      m_combo(combo),
      m_unitLabel(unitLabel),
      m_presets(std::move(presets)) {
    connectEdit();
    // Picking a preset commits it at once.
    connect(combo, QOverload<int>::of(&QComboBox::activated), this, [this] { commit(true); });
}

void BoundField::connectEdit() {
    connect(m_edit, &QLineEdit::editingFinished, this, [this] { commit(true); });
}

void BoundField::refresh() {
    if (m_combo) {
        const QSignalBlocker block(m_combo);
        m_combo->clear();
        for (double preset : m_presets) {
            m_combo->addItem(toQString(m_object.FormatValue(m_object.ToDisplay(preset))));
        }
    }
    m_shownText = toQString(m_object.GetText(units::Cell(), units::kTextValue));
    {
        const QSignalBlocker block(m_edit);
        m_edit->setText(m_shownText);
    }
    if (m_unitLabel) {
        m_unitLabel->setText(toQString(m_object.GetText(units::Cell(), units::kTextUnit)));
    }
}

bool BoundField::isDirty() const {
    return m_edit->text() != m_shownText;
}

bool BoundField::commit(bool showMessages) {
    if (m_isCommitting || !isDirty()) {
        return true;
    }
    // A message box takes the focus and would finish the edit a second time.
    m_isCommitting = true;
    const std::string text = fromQString(m_edit->text().trimmed());
    bool accepted = m_object.Validate(text, showMessages, showMessages);
    if (accepted) {
        accepted = m_object.SetFromText(text);
    }
    m_isCommitting = false;
    if (!accepted) {
        return false;
    }
    refresh();
    emit committed();
    return true;
}

}  // namespace app
