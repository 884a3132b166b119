#pragma once

#include <vector>

#include <QObject>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;

namespace units {
class CDataObject;
}

namespace app {

/// Ties an edit field, or the edit of a combo box, to a data object: the field shows the object's
/// value in the display unit of its category, the label beside it the unit symbol, and typed
/// text goes back through the object's validation when the user presses Enter or leaves the
/// field. Preset lists are kept in internal units and shown in the display unit.
class BoundField : public QObject {
    Q_OBJECT
public:
    BoundField(units::CDataObject& object, QLineEdit* edit, QLabel* unitLabel, QObject* parent);
    BoundField(units::CDataObject& object, QComboBox* combo, QLabel* unitLabel,
               std::vector<double> presets, QObject* parent);

    /// Shows the object's value (and the presets) in the current display unit.
    void refresh();
    /// Validates and stores the typed text; false when the object refuses it. Text that is
    /// unchanged since the last refresh is not stored again, so display rounding never alters
    /// a value the user did not touch.
    bool commit(bool showMessages);
    /// True while the field shows text the object does not hold yet.
    bool isDirty() const;

    units::CDataObject& object() const { return m_object; }
    QLineEdit* edit() const { return m_edit; }

signals:
    /// The user changed the value and the object took it.
    void committed();

private:
    void connectEdit();

    units::CDataObject& m_object;
    QLineEdit* m_edit;
    QComboBox* m_combo = nullptr;
    QLabel* m_unitLabel;
    std::vector<double> m_presets;  // internal units
    QString m_shownText;
    bool m_isCommitting = false;
};

}  // namespace app
