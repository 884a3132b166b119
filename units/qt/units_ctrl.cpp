#include "units/qt/units_ctrl.h"

#include "units/category_table.h"
#include "units/control_manager.h"
#include "units/data_object.h"
#include "units/dcl_manager.h"
#include "units/qt/control_binding.h"
#include "units/units_manager.h"

#include <algorithm>
#include <cctype>

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimerEvent>

namespace units {

namespace {

constexpr int kHotZoneWidth = 13;
constexpr int kHoverPollMs = 100;
const QColor kDisabledGrey(198, 198, 198);
const QColor kHotFrame(100, 100, 200);

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool ShowsNoUnit(const CUnitsCategory* category) {
    return category == nullptr || category->GetCurrentUnit() == nullptr ||
           category->GetCurrentUnit()->GetKey() == "NOUNITS";
}

}  // namespace

CUnitsCtrl::CUnitsCtrl(QWidget* parent)
    : QWidget(parent), m_background(palette().color(QPalette::Base)) {
    setMouseTracking(true);
    QFont labelFont(QStringLiteral("Tahoma"));
    labelFont.setPointSize(8);
    setFont(labelFont);
}

CUnitsCtrl::~CUnitsCtrl() {
    m_alive = false;
    UnregisterBinding(this);
}

void CUnitsCtrl::Bind(CDataObject* object, const QObject* owner) {
    m_object = object;
    RegisterBinding(this, owner, object);
    refreshFromData();
}

bool CUnitsCtrl::refreshFromData() {
    m_text = m_object != nullptr ? ToQString(m_object->GetText(Cell(), kTextUnit)) : QString();
    updateGeometry();
    update();
    return true;
}

QSize CUnitsCtrl::sizeHint() const {
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(m_text) + 6 + kHotZoneWidth, metrics.height() + 2);
}

QRect CUnitsCtrl::HotZone() const {
    if (m_wholeControlHot) {
        return rect();
    }
    return QRect(width() - kHotZoneWidth, 0, kHotZoneWidth, height());
}

void CUnitsCtrl::SetHot(bool hot) {
    if (hot == m_hot) {
        return;
    }
    m_hot = hot;
    if (hot) {
        m_hoverTimer.start(kHoverPollMs, this);
    } else {
        m_hoverTimer.stop();
    }
    update();
}

void CUnitsCtrl::mouseMoveEvent(QMouseEvent* event) {
    SetHot(HotZone().contains(event->position().toPoint()));
    QWidget::mouseMoveEvent(event);
}

void CUnitsCtrl::leaveEvent(QEvent* event) {
    SetHot(false);
    QWidget::leaveEvent(event);
}

void CUnitsCtrl::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_hoverTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if (!HotZone().contains(mapFromGlobal(QCursor::pos()))) {
        SetHot(false);
    }
}

void CUnitsCtrl::paintEvent(QPaintEvent*) {
    const CUnitsCategory* category = m_object != nullptr ? m_object->GetCategory() : nullptr;
    if (ShowsNoUnit(category)) {
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (!m_noText) {
        painter.setPen(isEnabled() ? QColor(Qt::black) : kDisabledGrey);
        const QFontMetrics metrics(font());
        painter.drawText(QPoint(3, 1 + metrics.ascent()), m_text);
    }
    const QRect zone = HotZone();
    const bool stripHot = m_hot && !m_wholeControlHot;
    if (stripHot) {
        QColor shifted = m_background;
        shifted.setRgb(std::clamp(shifted.red() - 20, 0, 255),
                       std::clamp(shifted.green() - 20, 0, 255),
                       std::clamp(shifted.blue() + 20, 0, 255));
        painter.fillRect(zone, shifted);
    }
    // The triangle sits between 8 and 4 pixels from the right edge, 2 pixels either side of
    // the middle; it points left when the menu opens leftwards.
    const int right = width() - 4;
    const int left = width() - 8;
    const int middle = height() / 2;
    QPainterPath triangle;
    if (m_opensLeftwards) {
        triangle.moveTo(right, middle - 2);
        triangle.lineTo(right, middle + 2);
        triangle.lineTo(left, middle);
    } else {
        triangle.moveTo(left, middle - 2);
        triangle.lineTo(right, middle - 2);
        triangle.lineTo((left + right) / 2.0, middle + 2);
    }
    triangle.closeSubpath();
    const QColor triangleColor = (m_hot && !stripHot) ? QColor(Qt::black) : kDisabledGrey;
    painter.fillPath(triangle, stripHot ? kDisabledGrey : triangleColor);
    if (stripHot) {
        painter.fillPath(triangle.translated(-1, -1), QColor(Qt::black));
        painter.setPen(kHotFrame);
        painter.drawRect(zone.adjusted(0, 0, -1, -1));
    }
}

std::vector<std::string> CUnitsCtrl::MenuKeys() const {
    std::vector<std::string> keys;
    CUnitsManager* manager = UnitsManager();
    const CUnitsCategory* category = m_object != nullptr ? m_object->GetCategory() : nullptr;
    if (manager == nullptr || ShowsNoUnit(category)) {
        return keys;
    }
    std::size_t position = 0;
    while (const CUnits* unit = manager->NextUnitOfDimension(position, category->GetDimension())) {
        if (category->IsUnitAllowed(unit->GetKey())) {
            keys.push_back(unit->GetKey());
        }
    }
    const int row = CUnitsManager::CategoryIndexOf(category->GetKey());
    if (row != kNoneCategoryRow && CategoryRowAt(row).sorted) {
        std::stable_sort(keys.begin(), keys.end(), LessIgnoringCase);
    }
    return keys;
}

QMenu* CUnitsCtrl::BuildMenu(QWidget* parent) {
    m_menuKeys = MenuKeys();
    if (m_menuKeys.empty()) {
        return nullptr;
    }
    CUnitsManager* manager = UnitsManager();
    const std::string current = CUnitsManager::CategoryUnitSymbol(m_object->GetCategory());
    auto* menu = new QMenu(parent);
    for (std::size_t i = 0; i < m_menuKeys.size(); ++i) {
        const CUnits* unit = manager->FindUnit(m_menuKeys[i]);
        QAction* action = menu->addAction(ToQString(unit->GetSymbol()));
        action->setData(static_cast<int>(i + 1));
        action->setCheckable(true);
        action->setChecked(unit->GetSymbol() == current);
    }
    return menu;
}

void CUnitsCtrl::ChooseMenuItem(int item) {
    CUnitsManager* manager = UnitsManager();
    if (manager == nullptr || m_object == nullptr || item < 1 ||
        item > static_cast<int>(m_menuKeys.size())) {
        m_menuKeys.clear();
        return;
    }
    CUnits* unit = manager->FindUnit(m_menuKeys[static_cast<std::size_t>(item - 1)]);
    CUnitsCategory* bound = m_object->GetCategory();
    if (bound != nullptr) {
        if (CUnitsManager::CategoryIndexOf(bound->GetKey()) == kNoneCategoryRow &&
            bound->GetKey() != "NONE") {
            // A category outside the application table has no caption to share: it alone
            // takes the unit.
            bound->SetCurrentUnit(unit);
        } else {
            const std::string caption = bound->GetCaption();
            for (const auto& entry : manager->GetCategories()) {
                if (entry.second->GetCaption() == caption) {
                    manager->SetUnitForCaption(caption, unit);
                }
            }
        }
    }
    m_object->NotifyUnitChanged();
    m_menuKeys.clear();
}

void CUnitsCtrl::OpenMenu() {
    if (CControlManager* controls = ControlManager()) {
        if (!controls->CommitFocusedControl()) {
            return;
        }
    }
    if (!m_hot) {
        return;
    }
    QMenu* menu = BuildMenu(this);
    if (menu == nullptr) {
        return;
    }
    const QSize size = menu->sizeHint();
    QPoint topLeft = m_opensLeftwards ? QPoint(4 - size.width(), 0) : QPoint(4, height());
    QAction* chosen = menu->exec(mapToGlobal(topLeft));
    const int item = chosen != nullptr ? chosen->data().toInt() : 0;
    delete menu;
    if (item > 0) {
        ChooseMenuItem(item);
    } else {
        m_menuKeys.clear();
    }
}

void CUnitsCtrl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        SetHot(HotZone().contains(event->position().toPoint()));
        OpenMenu();
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

}  // namespace units
