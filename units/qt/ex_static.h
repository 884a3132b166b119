#pragma once

#include "units/data_info.h"
#include "units/dependent_control.h"

#include <QColor>
#include <QLabel>

namespace units {

class CDataObject;

/// A read-only label showing a cell of a data object in its display unit and format.
class CExStatic : public QLabel, public DependentControl {
    Q_OBJECT

public:
    explicit CExStatic(QWidget* parent = nullptr);
    ~CExStatic() override;

    void Bind(CDataObject* object, Cell cell = Cell(), const QObject* owner = nullptr);
    CDataObject* GetDataObject() const { return m_object; }

    void SetTextColor(const QColor& color);
    void SetBackgroundColor(const QColor& color);

    bool refreshFromData() override;
    bool hasWindow() const override { return m_alive; }

private:
    CDataObject* m_object = nullptr;
    Cell m_cell;
    bool m_alive = true;
};

}  // namespace units
