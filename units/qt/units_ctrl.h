#pragma once

#include "units/dependent_control.h"

#include <string>
#include <vector>

#include <QBasicTimer>
#include <QColor>
#include <QWidget>

class QMenu;

namespace units {

class CDataObject;

/// The small label beside a value that shows its unit symbol. A click in its hot zone (the
/// right 13 pixels, or all of it) opens a menu of the units the category allows; choosing
/// one changes the display unit of every category with the same caption.
class CUnitsCtrl : public QWidget, public DependentControl {
    Q_OBJECT

public:
    explicit CUnitsCtrl(QWidget* parent = nullptr);
    ~CUnitsCtrl() override;

    /// Binds to the object's cell 0 and registers under owner, the object and its category.
    void Bind(CDataObject* object, const QObject* owner = nullptr);
    CDataObject* GetDataObject() const { return m_object; }

    void SetWholeControlHot(bool on) { m_wholeControlHot = on; }
    void SetOpensLeftwards(bool on) { m_opensLeftwards = on; }
    void SetNoText(bool on) { m_noText = on; }
    void SetBackgroundColor(const QColor& color) { m_background = color; }
    bool IsHot() const { return m_hot; }
    QString GetText() const { return m_text; }

    bool refreshFromData() override;
    bool hasWindow() const override { return m_alive; }

    /// The unit keys the menu offers now, in menu order (sorted by key when the category's
    /// table row asks for it); empty when no menu would open.
    std::vector<std::string> MenuKeys() const;
    /// Builds the menu: one checkable item per key, the current unit checked.
    QMenu* BuildMenu(QWidget* parent);
    /// Applies menu item n (1 = first key of the last built menu).
    void ChooseMenuItem(int item);
    /// The whole click: commits the focused control, then opens the menu when hot.
    void OpenMenu();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect HotZone() const;
    void SetHot(bool hot);

    CDataObject* m_object = nullptr;
    std::vector<std::string> m_menuKeys;
    bool m_hot = false;
    bool m_wholeControlHot = false;
    QColor m_background;
    bool m_noText = false;
    bool m_opensLeftwards = false;
    QString m_text;
    QBasicTimer m_hoverTimer;
    bool m_alive = true;
};

}  // namespace units
