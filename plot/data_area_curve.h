#pragma once

#include "plot/curve_data.h"
#include "plot/data_area_object.h"
#include "plot/symbol.h"

#include <memory>
#include <vector>

namespace plot {

/// Where a curve draws its symbol.
enum SymbolPlacement : int {
    kPlaceNone = 0,
    kPlaceEveryPoint = 1,
    kPlaceFirst = 2,
    kPlaceLast = 3,
    kPlaceFirstAndLast = 4,
    kPlacePointer = 5,  ///< the pointer marker
};

/// Fill modes: the region between the curve and an edge of the data area, the curve's own
/// outline, or the region between it and a second curve.
enum FillMode : int {
    kFillNone = 0,
    kFillToLeft = 1,
    kFillToRight = 2,
    kFillToTop = 3,
    kFillToBottom = 4,
    kFillClosed = 5,
    kFillToCurve = 6,
};

class CDataAreaCurve;

/// One of a curve's two fills.
struct CCurveFill {
    int fillMode = kFillNone;
    Color fillColor = 0xFF000000u;
    Color fillColorHighlighted = 0xFF000000u;
    int hatchStyle = 0;
    int hatchStyleHighlighted = 0;
    int hatched = 0;
    int hatchedHighlighted = 0;
    CDataAreaCurve* otherCurve = nullptr;  ///< mode 6
    std::vector<PointF> polygon;
};

/// Device points of a curve between a start and an end index, for one transform.
struct CPointCache {
    int start = 0;
    int end = 0;
    std::vector<PointF> points;
    std::vector<int> intPoints;  ///< x, y pairs truncated to integers
    CTransform transform;
};

/// A curve of series drawn into a data area, with symbols, fills, highlighting and the
/// pointer marker.
class CDataAreaCurve : public CDataAreaObject {
public:
    explicit CDataAreaCurve(std::string name);

    CSymbol& GetSymbol() { return m_symbol; }
    int GetSymbolPlacement() const { return m_symbolPlacement; }
    void SetSymbolPlacement(int placement);
    Color GetHighlightColor() const { return m_highlightColor; }
    void SetHighlightColor(Color c);
    int IsHighlighted() const { return m_highlighted; }
    void SetHighlighted(int highlighted);
    double PointerX() const { return m_pointerX; }
    double PointerY() const { return m_pointerY; }
    int TracksPointer() const { return m_tracksPointer; }
    void SetTracksPointer(int tracks) { m_tracksPointer = tracks; }
    int ShowCoordinates() const { return m_showCoordinates; }
    void SetShowCoordinates(int show) { m_showCoordinates = show; }
    int LineVisible() const { return m_lineVisible; }
    void SetLineVisible(int visible);
    CCurveFill& Fill(int i) { return m_fills[i == 0 ? 0 : 1]; }
    int FillInFront() const { return m_fillInFront; }
    void SetFillInFront(int inFront) { m_fillInFront = inFront; }
    int IsLaidOut() const { return m_laidOut; }
    /// Whether the curve draws a pointer marker that follows the mouse.
    bool IsPointerMarker() const { return m_symbolPlacement == kPlacePointer && m_tracksPointer; }

    int IsDirty() const override;
    void ClearDirty() override;
    void SetTransform(const CTransform& transform) override;
    void Draw(Graphics& g) override;
    std::string GetTooltipText(double x, double y) override;

    /// Stores the pointer position when it differs; with showCoordinates the symbol's label
    /// shows the point in data units.
    virtual void SetPointerPosition(double x, double y, int showCoordinates);
    virtual void UsePointCache(int flag) { m_activeCache = flag ? 1 : 0; }
    virtual double XMin() const = 0;
    virtual double XMax() const = 0;
    virtual double YMin() const = 0;
    virtual double YMax() const = 0;
    virtual int XMinIndex() const = 0;
    virtual int XMaxIndex() const = 0;
    virtual int YMinIndex() const = 0;
    virtual int YMaxIndex() const = 0;
    /// The cached device point nearest to (x, y) and its index; index -1 when there is none.
    virtual int NearestPoint(double x, double y, PointF* point) const;
    virtual void DrawFill(Graphics& g);
    virtual void DrawLine(Graphics& g);
    virtual void FillPolygons(Graphics& g);
    virtual void DrawSymbols(Graphics& g);
    virtual void ResetPointCache();
    virtual void BuildFillPolygon(CCurveFill& fill);
    virtual void BuildFills();

    const CPointCache& Cache() const { return m_caches[m_activeCache]; }
    /// Number of points drawn: the shortest series.
    virtual int PointCount() const;
    const std::vector<std::unique_ptr<CCurveData>>& Series() const { return m_series; }

protected:
    RectF ClipRect() const;

    std::vector<std::unique_ptr<CCurveData>> m_series;
    CSymbol m_symbol;
    int m_symbolPlacement = kPlaceNone;
    Color m_highlightColor = 0xFFFF0000u;
    int m_highlighted = 0;
    double m_pointerX = -1.0;
    double m_pointerY = -1.0;
    CPointCache m_caches[2];
    int m_activeCache = 0;
    int m_tracksPointer = 0;
    int m_showCoordinates = 0;
    int m_lineVisible = 1;
    CCurveFill m_fills[2];
    int m_laidOut = 0;
    int m_fillInFront = 1;
    int m_symbolDirty = 0;
};

}  // namespace plot
