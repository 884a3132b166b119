#include "plot/qt/render_targets.h"

#include "plot/qt/painter_graphics.h"
#include "plot/qt/qt_string.h"

#include <cstdlib>
#include <memory>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace plot {

namespace {

void setError(std::string* error, const std::string& message) {
    if (error != nullptr) {
        *error = message;
    }
}

bool hasExtension(const std::string& path, const char* ext) {
    const std::string e(ext);
    if (path.size() < e.size()) {
        return false;
    }
    for (std::size_t i = 0; i < e.size(); ++i) {
        char c = path[path.size() - e.size() + i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != e[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

void ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    }
    static int argc = 1;
    static char name[] = "zelk";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

QImage renderImage(int width, int height, const DrawFunction& draw, Color background) {
    ensureGuiApplication();
    QImage image(width > 0 ? width : 1, height > 0 ? height : 1,
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgba(background.argb));
    QPainter painter(&image);
    {
        PainterGraphics g(painter);
        draw(g, RectF{0.0, 0.0, static_cast<double>(image.width()),
                      static_cast<double>(image.height())});
    }
    painter.end();
    return image;
}

bool writePng(const std::string& path, int width, int height, const DrawFunction& draw,
              std::string* error) {
    if (width <= 0 || height <= 0) {
        setError(error, "The image size must be positive.");
        return false;
    }
    const QImage image = renderImage(width, height, draw);
    if (!image.save(toQString(path), "PNG")) {
        setError(error, "Cannot write the image file \"" + path + "\".");
        return false;
    }
    return true;
}

bool writeSvg(const std::string& path, int width, int height, const DrawFunction& draw,
              const std::string& title, std::string* error) {
    if (width <= 0 || height <= 0) {
        setError(error, "The image size must be positive.");
        return false;
    }
    ensureGuiApplication();
    QSvgGenerator generator;
    generator.setFileName(toQString(path));
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(96);
    if (!title.empty()) {
        generator.setTitle(toQString(title));
    }
    QPainter painter;
    if (!painter.begin(&generator)) {
        setError(error, "Cannot write the image file \"" + path + "\".");
        return false;
    }
    {
        PainterGraphics g(painter);
        const RectF all{0.0, 0.0, static_cast<double>(width), static_cast<double>(height)};
        g.fillRectangle(Brush{0xFFFFFFFFu}, all);
        draw(g, all);
    }
    painter.end();
    return true;
}

bool writePdf(const std::string& path, int pageCount,
              const std::function<void(Graphics&, const RectF&, int pageIndex)>& drawPage,
              const std::string& title, int dpi, std::string* error) {
    if (pageCount <= 0) {
        setError(error, "There is nothing to write.");
        return false;
    }
    ensureGuiApplication();
    QPdfWriter writer(toQString(path));
    writer.setResolution(dpi > 0 ? dpi : 300);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setCreator(QStringLiteral("Zelk"));
    if (!title.empty()) {
        writer.setTitle(toQString(title));
    }
    QPainter painter;
    if (!painter.begin(&writer)) {
        setError(error, "Cannot write the PDF file \"" + path + "\".");
        return false;
    }
    const double scale = writer.resolution() / 96.0;
    for (int i = 0; i < pageCount; ++i) {
        if (i > 0) {
            writer.newPage();
        }
        PainterGraphics g(painter, scale, true);
        drawPage(g,
                 RectF{0.0, 0.0, static_cast<double>(writer.width()),
                       static_cast<double>(writer.height())},
                 i);
    }
    painter.end();
    return true;
}

bool writeImageFile(const std::string& path, int width, int height, const DrawFunction& draw,
                    std::string* error) {
    if (hasExtension(path, ".png")) {
        return writePng(path, width, height, draw, error);
    }
    if (hasExtension(path, ".svg")) {
        return writeSvg(path, width, height, draw, std::string(), error);
    }
    setError(error, "The output file \"" + path + "\" must end in .png or .svg.");
    return false;
}

}  // namespace plot
