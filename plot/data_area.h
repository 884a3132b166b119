#pragma once

#include "plot/curve_data.h"
#include "plot/data_area_curve_2d.h"
#include "plot/image.h"
#include "plot/plot_object.h"
#include "plot/transform.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace plot {

class CPlot;
class CRange;

/// Placement of a data area's background image.
enum ImageMode : int { kImageStretch = 0, kImageFit = 1, kImageNatural = 2 };

/// The rectangle in which curves and annotations are drawn, over an X and a Y range.
class CDataArea : public CPlotObject {
public:
    CDataArea(std::string name, CRange* xRange, CRange* yRange);
    ~CDataArea() override;

    virtual void SetPlot(CPlot* plot) { m_plot = plot; }
    CPlot* GetPlot() const { return m_plot; }
    /// Recomputes the data extent, auto-ranges the ranges that scale themselves and returns
    /// the data rectangle (x min, y min, x span, y span).
    virtual RectF GetDataRect();
    /// The rectangle of the two ranges' last automatic limits.
    virtual RectF GetAutoRect() const;

    CRange* GetXRange() const { return m_xRange; }
    CRange* GetYRange() const { return m_yRange; }
    const CTransform& GetTransform() const { return m_transform; }

    /// A plain 2D curve over the two series; the area owns it.
    CDataAreaCurve2D* AddCurve2D(const std::string& name, std::unique_ptr<CCurveData> xSeries,
                                 std::unique_ptr<CCurveData> ySeries);
    /// A unit-aware 2D curve; the rows are the application category rows of X and Y.
    CDataAreaCurve2D* AddDCLCurve2D(const std::string& name, std::unique_ptr<CCurveData> xSeries,
                                    std::unique_ptr<CCurveData> ySeries, int xCategoryRow,
                                    int yCategoryRow);
    /// Appends a curve, registers it under its name and extends the data extent.
    CDataAreaCurve* AddCurve(std::unique_ptr<CDataAreaCurve> curve);
    CDataAreaCurve* FindCurve(const std::string& name) const;
    /// Removes the curve and hands it to the caller; null when no curve has that name.
    std::unique_ptr<CDataAreaCurve> RemoveCurve(const std::string& name);
    const std::vector<std::unique_ptr<CDataAreaCurve>>& Curves() const { return m_curves; }

    /// Adds an annotation or another object; it stays until the area is destroyed.
    CDataAreaObject* AddObject(std::unique_ptr<CDataAreaObject> object);
    CDataAreaObject* FindObject(const std::string& name) const;
    const std::vector<std::unique_ptr<CDataAreaObject>>& Objects() const { return m_objects; }
    void HideObjects();
    void ShowObjects();

    CDataAreaCurve* GetSelectedCurve() const { return m_selectedCurve; }
    void SetSelectedCurve(CDataAreaCurve* curve) { m_selectedCurve = curve; }
    double GetCurveOffset() const { return m_curveOffset; }
    void SetCurveOffset(double offset);
    const RectF& GetDataExtent() const { return m_dataExtent; }
    /// Recomputes the union of the visible curves' extents.
    const RectF& ComputeDataExtent();
    void SetInset(int left, int top, int right, int bottom);
    void SetBackgroundImage(const Image& image, int mode);

    int IsDirty() const override;
    void SetDirty() override;
    void ClearDirty() override;
    void Layout(Graphics& g, double x, double y, double w, double h) override;
    void DrawBackground(Graphics& g) override;
    void DrawContent(Graphics& g) override;
    std::string GetTooltipText(double x, double y) override;

private:
    void RaiseCurveEvent(int code);
    void DrawFills(Graphics& g, int inFront);

    CTransform m_transform;
    std::vector<std::unique_ptr<CDataAreaCurve>> m_curves;
    std::unordered_map<std::string, CDataAreaCurve*> m_curveMap;
    std::vector<std::unique_ptr<CDataAreaObject>> m_objects;
    std::unordered_map<std::string, CDataAreaObject*> m_objectMap;
    CDataAreaCurve* m_selectedCurve = nullptr;
    double m_curveOffset = 0.0;
    RectF m_dataExtent;
    CRange* m_xRange;
    CRange* m_yRange;
    int m_insetLeft = 0;
    int m_insetTop = 0;
    int m_insetRight = 0;
    int m_insetBottom = 0;
    Image m_backgroundImage;
    int m_imageMode = kImageFit;
    CPlot* m_plot = nullptr;
};

}  // namespace plot
