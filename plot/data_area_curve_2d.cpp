#include "plot/data_area_curve_2d.h"

namespace plot {

CDataAreaCurve2D::CDataAreaCurve2D(std::string name, std::unique_ptr<CCurveData> xSeries,
                                   std::unique_ptr<CCurveData> ySeries)
    : CDataAreaCurve(std::move(name)) {
    m_series.push_back(xSeries ? std::move(xSeries) : std::make_unique<CCurveData>("CurveXData"));
    m_series.push_back(ySeries ? std::move(ySeries) : std::make_unique<CCurveData>("CurveYData"));
}

void CDataAreaCurve2D::SetData(std::unique_ptr<CCurveData> xSeries,
                               std::unique_ptr<CCurveData> ySeries) {
    m_series[0] = xSeries ? std::move(xSeries) : std::make_unique<CCurveData>("CurveXData");
    m_series[1] = ySeries ? std::move(ySeries) : std::make_unique<CCurveData>("CurveYData");
    m_laidOut = 0;
    m_dirty = 1;
}

void CDataAreaCurve2D::ComputeDevicePoints() {
    CPointCache& cache = m_caches[m_activeCache];
    const int n = static_cast<int>(cache.points.size());
    const CCurveData& xs = *XSeries();
    const CCurveData& ys = *YSeries();
    for (int i = 0; i < n; ++i) {
        const double dx = m_transform.DataToDeviceX(xs.At(i));
        const double dy = m_transform.DataToDeviceY(ys.At(i));
        const auto k = static_cast<std::size_t>(i);
        cache.points[k] = PointF{dx, dy};
        cache.intPoints[2 * k] = static_cast<int>(dx);
        cache.intPoints[2 * k + 1] = static_cast<int>(dy);
    }
    cache.start = 0;
    cache.end = n;
    cache.transform = m_transform;
}

void CDataAreaCurve2D::Layout(Graphics& g, double x, double y, double w, double h) {
    const RectF rect{x, y, w, h};
    if (!m_visible || (!IsDirty() && m_laidOut && rect == m_rect)) {
        return;
    }
    m_rect = rect;
    m_laidOut = 1;
    const int n = PointCount();
    if (static_cast<std::size_t>(n) != m_caches[0].points.size()) {
        for (CPointCache& cache : m_caches) {
            cache.points.assign(static_cast<std::size_t>(n), PointF{});
            cache.intPoints.assign(2 * static_cast<std::size_t>(n), 0);
            cache.start = 0;
            cache.end = 0;
        }
    }
    ComputeDevicePoints();
    for (CCurveFill& fill : m_fills) {
        if (fill.fillMode == kFillToCurve && fill.otherCurve != nullptr &&
            fill.otherCurve != this && !fill.otherCurve->IsLaidOut()) {
            fill.otherCurve->Layout(g, x, y, w, h);
        }
    }
    BuildFills();
}

}  // namespace plot
