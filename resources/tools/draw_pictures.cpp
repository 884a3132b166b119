// Draws the main window's pictures (four, in English and Spanish) and the small link and tool
// buttons into PNG files. The PNGs are committed; run this again only to change them:
//   cmake --build build/dev --target zelk_draw_pictures && build/dev/bin/zelk_draw_pictures
//   resources/images
#include <cmath>

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>

namespace {

constexpr int kSize = 520;
const QColor kInk(40, 48, 60);
const QColor kSteel(120, 130, 142);
const QColor kAccent(200, 90, 30);
const QColor kBlue(40, 100, 170);

struct Texts {
    QString title;
    QStringList labels;
    QString caption;
};

QFont font(double pointSize, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

void frame(QPainter& p, const QString& title, const QString& caption) {
    p.fillRect(0, 0, kSize, kSize, Qt::white);
    QLinearGradient sky(0, 0, 0, kSize);
    sky.setColorAt(0, QColor(236, 243, 250));
    sky.setColorAt(1, Qt::white);
    p.fillRect(QRect(10, 10, kSize - 20, kSize - 20), sky);
    p.setPen(QPen(QColor(214, 213, 217), 2));
    p.drawRect(QRect(10, 10, kSize - 20, kSize - 20));
    p.setPen(kInk);
    p.setFont(font(17, true));
    p.drawText(QRect(20, 18, kSize - 40, 34), Qt::AlignHCenter | Qt::AlignVCenter, title);
    p.setFont(font(10));
    p.setPen(QColor(80, 88, 100));
    p.drawText(QRect(24, kSize - 64, kSize - 48, 48), Qt::AlignCenter | Qt::TextWordWrap, caption);
}

void label(QPainter& p, QPointF from, QPointF at, const QString& text, bool right = true) {
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(from, at);
    p.setPen(kInk);
    p.setFont(font(10, true));
    const QRectF box = right ? QRectF(at.x() + 4, at.y() - 10, 160, 20)
                             : QRectF(at.x() - 164, at.y() - 10, 160, 20);
    p.drawText(box, (right ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, text);
}

// A beam pumping unit on its base with the wellhead below the horsehead.
void drawPumpingUnit(QPainter& p, const Texts& t) {
    frame(p, t.title, t.caption);
    p.setRenderHint(QPainter::Antialiasing);
    const double ground = 390;
    p.fillRect(QRectF(20, ground, kSize - 40, 40), QColor(190, 170, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(90, ground - 14, 330, 14));  // base
    // Samson post.
    p.setBrush(kSteel);
    QPolygonF post;
    post << QPointF(230, ground - 14) << QPointF(262, 150) << QPointF(278, 150)
         << QPointF(300, ground - 14);
    p.drawPolygon(post);
    // Walking beam and horsehead.
    p.setBrush(QColor(70, 80, 95));
    p.drawRect(QRectF(120, 138, 280, 16));
    QPainterPath head;
    head.moveTo(395, 122);
    head.quadTo(440, 150, 395, 206);
    head.lineTo(385, 206);
    head.lineTo(385, 122);
    p.drawPath(head);
    // Bridle, polished rod and wellhead.
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(420, 160), QPointF(420, 300));
    p.setPen(QPen(QColor(180, 180, 185), 4));
    p.drawLine(QPointF(420, 300), QPointF(420, ground - 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 100, 110));
    p.drawRect(QRectF(405, ground - 30, 30, 30));
    // Gearbox, crank, counterweight, pitman.
    p.setBrush(QColor(60, 110, 80));
    p.drawRect(QRectF(130, ground - 80, 70, 66));
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(165, ground - 80), 34, 34);
    p.setPen(QPen(kInk, 5));
    p.drawLine(QPointF(165, ground - 80), QPointF(140, 150));
    // Prime mover.
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(60, ground - 50, 52, 36), 6, 6);
    const QStringList& l = t.labels;
    label(p, QPointF(200, 140), QPointF(180, 80), l.value(0));
    label(p, QPointF(412, 130), QPointF(450, 100), l.value(1), false);
    label(p, QPointF(420, 320), QPointF(440, 300), l.value(2), false);
    label(p, QPointF(170, ground - 70), QPointF(205, 250), l.value(3));
    label(p, QPointF(150, ground - 40), QPointF(70, 205), l.value(4));
    label(p, QPointF(86, ground - 40), QPointF(36, 290), l.value(5));
}

// The well below the surface: casing, tubing, rod string, sinker bars and the pump.
void drawDownhole(QPainter& p, const Texts& t) {
    frame(p, t.title, t.caption);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = 200;
    const double top = 70;
    const double bottom = 430;
    p.fillRect(QRectF(20, top, kSize - 40, bottom - top + 10), QColor(215, 200, 175));
    for (int i = 0; i < 6; ++i) {
        p.fillRect(QRectF(20, top + 40 + i * 58, kSize - 40, 4), QColor(190, 172, 145));
    }
    p.fillRect(QRectF(cx - 46, top, 92, bottom - top), QColor(160, 165, 170));       // casing
    p.fillRect(QRectF(cx - 40, top, 80, bottom - top), QColor(225, 235, 245));       // annulus
    p.fillRect(QRectF(cx - 22, top, 44, bottom - top - 20), QColor(130, 140, 150));  // tubing
    p.fillRect(QRectF(cx - 18, top, 36, bottom - top - 20), QColor(160, 200, 230));  // fluid
    p.fillRect(QRectF(cx - 3, top, 6, 230), QColor(80, 80, 85));                     // rods
    p.fillRect(QRectF(cx - 8, top + 230, 16, 50), QColor(50, 50, 55));               // sinker bars
    p.fillRect(QRectF(cx - 14, top + 285, 28, 60), kAccent);                         // pump
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(cx - 10, top + 300), QPointF(cx + 10, top + 300));
    p.drawLine(QPointF(cx - 10, top + 335), QPointF(cx + 10, top + 335));
    // Perforations.
    p.setPen(QPen(QColor(60, 40, 20), 3));
    for (int i = 0; i < 5; ++i) {
        const double y = bottom - 40 + i * 8;
        p.drawLine(QPointF(cx - 46, y), QPointF(cx - 70, y + 3));
        p.drawLine(QPointF(cx + 46, y), QPointF(cx + 70, y + 3));
    }
    const QStringList& l = t.labels;
    label(p, QPointF(cx + 44, top + 30), QPointF(cx + 110, top + 20), l.value(0));
    label(p, QPointF(cx + 20, top + 80), QPointF(cx + 110, top + 75), l.value(1));
    label(p, QPointF(cx + 3, top + 140), QPointF(cx + 110, top + 140), l.value(2));
    label(p, QPointF(cx + 8, top + 255), QPointF(cx + 110, top + 245), l.value(3));
    label(p, QPointF(cx + 14, top + 315), QPointF(cx + 110, top + 315), l.value(4));
    label(p, QPointF(cx + 60, bottom - 30), QPointF(cx + 110, bottom - 15), l.value(5));
}

// A surface card around a pump card, the two shapes the calculation draws.
void drawCards(QPainter& p, const Texts& t) {
    frame(p, t.title, t.caption);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area(70, 80, 380, 330);
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.setFont(font(10));
    p.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), 20), Qt::AlignCenter,
               t.labels.value(4));
    p.save();
    p.translate(area.left() - 20, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-100, -12, 200, 20), Qt::AlignCenter, t.labels.value(5));
    p.restore();
    auto at = [&](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.bottom() - y * area.height());
    };
    QPainterPath surface;
    const int n = 120;
    for (int i = 0; i <= n; ++i) {
        const double a = 2 * M_PI * i / n;
        const double x = 0.05 + 0.9 * (1 - std::cos(a)) / 2;
        const double up = std::sin(a) > 0 ? 1.0 : 0.0;
        const double y = 0.25 + 0.45 * up + 0.08 * std::sin(3 * a) + 0.1 * std::sin(a);
        i == 0 ? surface.moveTo(at(x, y)) : surface.lineTo(at(x, y));
    }
    surface.closeSubpath();
    p.setPen(QPen(kBlue, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(surface);
    QPainterPath pump;
    pump.moveTo(at(0.12, 0.08));
    pump.lineTo(at(0.2, 0.45));
    pump.lineTo(at(0.82, 0.45));
    pump.lineTo(at(0.74, 0.08));
    pump.closeSubpath();
    p.setPen(QPen(kAccent, 2.5));
    p.drawPath(pump);
    const QStringList& l = t.labels;
    label(p, at(0.5, 0.8), at(0.6, 0.95), l.value(0));
    label(p, at(0.5, 0.45), at(0.55, 0.55), l.value(1));
    label(p, at(0.35, 0.8), at(0.08, 0.9), l.value(2));
    label(p, at(0.3, 0.2), at(0.25, 0.28), l.value(3));
}

// The three steps of a design.
void drawSteps(QPainter& p, const Texts& t) {
    frame(p, t.title, t.caption);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 3; ++i) {
        const QRectF box(60, 90 + i * 110, 400, 80);
        p.setPen(QPen(i == 1 ? kAccent : kBlue, 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(box, 12, 12);
        p.setBrush(i == 1 ? kAccent : kBlue);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(box.left() + 40, box.center().y()), 24, 24);
        p.setPen(Qt::white);
        p.setFont(font(18, true));
        p.drawText(QRectF(box.left() + 16, box.top(), 48, box.height()), Qt::AlignCenter,
                   QString::number(i + 1));
        p.setPen(kInk);
        p.setFont(font(12, true));
        p.drawText(box.adjusted(80, 8, -10, -40), Qt::AlignLeft | Qt::AlignVCenter,
                   t.labels.value(2 * i));
        p.setFont(font(10));
        p.drawText(box.adjusted(80, 36, -10, -6), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   t.labels.value(2 * i + 1));
        if (i < 2) {
            p.setPen(QPen(QColor(150, 150, 150), 3));
            const double x = box.center().x();
            p.drawLine(QPointF(x, box.bottom() + 4), QPointF(x, box.bottom() + 26));
            p.drawLine(QPointF(x - 8, box.bottom() + 18), QPointF(x, box.bottom() + 26));
            p.drawLine(QPointF(x + 8, box.bottom() + 18), QPointF(x, box.bottom() + 26));
        }
    }
}

// The link button: a small calculator, grey when the value is typed, green when it comes from
// the calculator; the tool button is a wrench.
QImage linkButton(const QColor& body, bool isHovered) {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(isHovered ? QColor(255, 170, 0) : body.darker(160), 1));
    p.setBrush(isHovered ? body.lighter(120) : body);
    p.drawRoundedRect(QRectF(1.5, 0.5, 13, 15), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 245, 235));
    p.drawRect(QRectF(3.5, 2.5, 9, 3.5));
    p.setBrush(Qt::white);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            p.drawRect(QRectF(3.5 + c * 3.2, 7.5 + r * 2.6, 2, 1.6));
        }
    }
    return image;
}

QImage toolButton() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 12), QPointF(10, 6));
    p.setPen(QPen(QColor(90, 60, 20), 1.5));
    p.setBrush(QColor(230, 170, 60));
    p.drawEllipse(QPointF(11, 5), 3.5, 3.5);
    return image;
}

QImage appIcon() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kBlue);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 22, 38, 6));
    p.drawRect(QRectF(28, 26, 6, 28));
    QPainterPath head;
    head.moveTo(48, 16);
    head.quadTo(58, 25, 48, 36);
    head.closeSubpath();
    p.drawPath(head);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(17, 44), 7, 7);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    using Draw = void (*)(QPainter&, const Texts&);
    struct Picture {
        Draw draw;
        Texts english;
        Texts spanish;
    };
    const Picture pictures[] = {
        {drawPumpingUnit,
         {QStringLiteral("Beam Pumping Unit"),
          {QStringLiteral("Walking beam"), QStringLiteral("Horsehead"),
           QStringLiteral("Polished rod"), QStringLiteral("Crank and counterweight"),
           QStringLiteral("Gearbox"), QStringLiteral("Prime mover")},
          QStringLiteral("Enter the design on the left and press Calculate to simulate one "
                         "pumping stroke.")},
         {QStringLiteral("Unidad de Bombeo Mecánico"),
          {QStringLiteral("Balancín"), QStringLiteral("Cabeza de caballo"),
           QStringLiteral("Barra pulida"), QStringLiteral("Manivela y contrapeso"),
           QStringLiteral("Caja reductora"), QStringLiteral("Motor")},
          QStringLiteral("Ingrese el diseño a la izquierda y presione Calcular para simular una "
                         "carrera de bombeo.")}},
        {drawDownhole,
         {QStringLiteral("The Well Below the Surface"),
          {QStringLiteral("Casing"), QStringLiteral("Tubing"), QStringLiteral("Sucker rod string"),
           QStringLiteral("Sinker bars"), QStringLiteral("Pump"), QStringLiteral("Perforations")},
          QStringLiteral("Zelk models the rod string as a damped elastic rod driven by the "
                         "surface unit.")},
         {QStringLiteral("El Pozo Bajo la Superficie"),
          {QStringLiteral("Casing"), QStringLiteral("Tubería"), QStringLiteral("Sarta de varillas"),
           QStringLiteral("Barras de peso"), QStringLiteral("Bomba"), QStringLiteral("Punzados")},
          QStringLiteral("Zelk modela la sarta de varillas como una barra elástica amortiguada "
                         "movida por la unidad de bombeo.")}},
        {drawCards,
         {QStringLiteral("Dynamometer Cards"),
          {QStringLiteral("Surface card"), QStringLiteral("Pump card"), QStringLiteral("PPRL"),
           QStringLiteral("MPRL"), QStringLiteral("Position"), QStringLiteral("Rod Load")},
          QStringLiteral("The results show the surface and pump cards, the pump velocity and "
                         "the gearbox torque.")},
         {QStringLiteral("Cartas Dinamométricas"),
          {QStringLiteral("Carta de superficie"), QStringLiteral("Carta de fondo"),
           QStringLiteral("Carga máxima"), QStringLiteral("Carga mínima"),
           QStringLiteral("Posición"), QStringLiteral("Carga en varillas")},
          QStringLiteral("Los resultados muestran las cartas de superficie y de fondo, la "
                         "velocidad de la bomba y el torque en la caja reductora.")}},
        {drawSteps,
         {QStringLiteral("Three Steps to a Design"),
          {QStringLiteral("Enter the well and the equipment"),
           QStringLiteral("Pump depth, stroke, pump, tubing, rods and fluid."),
           QStringLiteral("Calculate"),
           QStringLiteral("From a stroke rate, or from a target liquid rate."),
           QStringLiteral("Read the results"),
           QStringLiteral("Loads, torque, power, motor and unit sizes, and the cards.")},
          QStringLiteral("Help > Help with Zelk explains every input and result.")},
         {QStringLiteral("Un Diseño en Tres Pasos"),
          {QStringLiteral("Ingrese el pozo y el equipo"),
           QStringLiteral("Profundidad de la bomba, carrera, bomba, tubería, varillas y fluido."),
           QStringLiteral("Calcular"),
           QStringLiteral("A partir de la velocidad de bombeo o de un caudal objetivo."),
           QStringLiteral("Lea los resultados"),
           QStringLiteral("Cargas, torque, potencia, motor y unidad mínimos, y las cartas.")},
          QStringLiteral("Ayuda > Ayuda con Zelk explica cada dato de entrada y cada resultado.")}},
    };
    int index = 0;
    for (const Picture& picture : pictures) {
        for (int language = 0; language < 2; ++language) {
            QImage image(kSize, kSize, QImage::Format_RGB32);
            QPainter painter(&image);
            picture.draw(painter, language == 0 ? picture.english : picture.spanish);
            painter.end();
            image.save(out.filePath(
                QStringLiteral("picture%1_%2.png")
                    .arg(index)
                    .arg(language == 0 ? QStringLiteral("en") : QStringLiteral("es"))));
        }
        ++index;
    }
    linkButton(QColor(160, 160, 165), false).save(out.filePath(QStringLiteral("link_off.png")));
    linkButton(QColor(160, 160, 165), true)
        .save(out.filePath(QStringLiteral("link_off_hover.png")));
    linkButton(QColor(60, 150, 70), false).save(out.filePath(QStringLiteral("link_on.png")));
    linkButton(QColor(60, 150, 70), true).save(out.filePath(QStringLiteral("link_on_hover.png")));
    linkButton(QColor(200, 80, 60), false).save(out.filePath(QStringLiteral("link_other.png")));
    toolButton().save(out.filePath(QStringLiteral("tool.png")));
    appIcon().save(out.filePath(QStringLiteral("zelk.png")));
    return 0;
}
