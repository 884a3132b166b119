#include "app/qt/picture_panel.h"

#include "app/language.h"

#include <QPainter>
#include <QPixmap>

namespace app {

PicturePanel::PicturePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picturePanel"));
    setAutoFillBackground(false);
}

int PicturePanel::pictureForCounter(int counter) {
    switch (counter) {
        case 1:
            return 2;
        case 2:
        case 5:
            return 1;
        case 4:
            return 3;
        default:
            return 0;
    }
}

QString PicturePanel::picturePath(int picture, int languageId) {
    const QString language = languageId == kSpanish ? QStringLiteral("es") : QStringLiteral("en");
    return QStringLiteral(":/images/picture%1_%2.png").arg(picture).arg(language);
}

void PicturePanel::setCounter(int counter) {
    m_counter = counter;
    update();
}

void PicturePanel::setShowsPicture(bool showsPicture) {
    m_showsPicture = showsPicture;
    update();
}

void PicturePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_showsPicture) {
        return;
    }
    const QPixmap picture(picturePath(pictureForCounter(m_counter), currentLanguage()));
    if (picture.isNull()) {
        return;
    }
    // Centred when it fits; a larger picture starts at the top left.
    const int x = qMax(0, (width() - picture.width()) / 2);
    const int y = qMax(0, (height() - picture.height()) / 2);
    painter.drawPixmap(x, y, picture);
}

}  // namespace app
