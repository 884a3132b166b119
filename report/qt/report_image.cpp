#include "report/qt/report_image.h"

#include "plot/qt/painter_graphics.h"
#include "plot/qt/qt_string.h"
#include "plot/qt/render_targets.h"

#include <cmath>

#include <QPainter>

namespace report {

QImage RenderReportPage(CReport& report, int pageIndex, int dpi) {
    CPage& page = *report.PageAt(pageIndex);
    plot::ensureGuiApplication();
    const int safeDpi = dpi > 0 && dpi <= 1200 ? dpi : 150;
    const int width = static_cast<int>(std::lround(CPage::kWidthInches * safeDpi));
    const int height = static_cast<int>(std::lround(CPage::kHeightInches * safeDpi));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);

    const plot::CTransform saved = page.GetTransform();
    QPainter painter(&image);
    {
        plot::PainterGraphics graphics(painter, safeDpi / 96.0, true);
        page.SetDeviceRect(0.0, 0.0, width, height, false);
        page.Draw(graphics);
    }
    painter.end();
    page.SetDeviceRect(saved.device.x, saved.device.y, saved.device.w, saved.device.h,
                       saved.invertY != 0);
    return image;
}

bool WriteReportPng(CReport& report, const std::string& path, int dpi, int pageIndex,
                    std::string* error) {
    if (pageIndex < 0 || pageIndex >= report.GetPageCount()) {
        if (error != nullptr) {
            *error = "The report has no page to write.";
        }
        return false;
    }
    const QImage image = RenderReportPage(report, pageIndex, dpi);
    if (!image.save(plot::toQString(path), "PNG")) {
        if (error != nullptr) {
            *error = "Cannot write the image file \"" + path + "\".";
        }
        return false;
    }
    return true;
}

}  // namespace report
