#include "app/qt/calculate_button.h"

#include <QEvent>
#include <QPainter>
#include <QPixmap>

namespace app {

namespace {
constexpr int kInset = 2;  // pixels in from the owner's top and right edges
}

CCalculateButton::CCalculateButton(QWidget* owner, bool isToolButton)
    : QAbstractButton(owner->parentWidget()), m_owner(owner), m_isToolButton(isToolButton) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    resize(sizeHint());
    owner->installEventFilter(this);
    place();
}

void CCalculateButton::setLinkState(int state) {
    m_state = state;
    update();
}

QString CCalculateButton::picturePath() const {
    if (m_isToolButton) {
        return QStringLiteral(":/images/tool.png");
    }
    if (m_state == Off) {
        return m_isHovered ? QStringLiteral(":/images/link_off_hover.png")
                           : QStringLiteral(":/images/link_off.png");
    }
    if (m_state == On) {
        return m_isHovered ? QStringLiteral(":/images/link_on_hover.png")
                           : QStringLiteral(":/images/link_on.png");
    }
    return QStringLiteral(":/images/link_other.png");
}

QSize CCalculateButton::sizeHint() const {
    const QPixmap off(QStringLiteral(":/images/link_off.png"));
    return off.isNull() ? QSize(16, 16) : off.size();
}

void CCalculateButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), QPixmap(picturePath()));
}

void CCalculateButton::enterEvent(QEnterEvent* event) {
    m_isHovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CCalculateButton::leaveEvent(QEvent* event) {
    m_isHovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

bool CCalculateButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_owner && (event->type() == QEvent::Move || event->type() == QEvent::Resize ||
                               event->type() == QEvent::Show)) {
        place();
    }
    return QAbstractButton::eventFilter(watched, event);
}

void CCalculateButton::place() {
    const QRect owner = m_owner->geometry();
    move(owner.right() + 1 - kInset - width(), owner.top() + kInset);
    raise();
}

}  // namespace app
