#pragma once

#include "plot/graphics.h"
#include "plot/line_style.h"
#include "plot/transform.h"

#include <string>

namespace plot {

/// Base of everything that lives inside a data area: curves and annotations.
class CDataAreaObject {
public:
    explicit CDataAreaObject(std::string name);
    virtual ~CDataAreaObject() = default;
    CDataAreaObject(const CDataAreaObject&) = delete;
    CDataAreaObject& operator=(const CDataAreaObject&) = delete;

    virtual const CTransform& GetTransform() const { return m_transform; }
    virtual const std::string& GetName() const { return m_name; }
    virtual int IsVisible() const { return m_visible; }
    virtual Color GetColor() const { return m_line.color; }
    /// Line width in device units.
    virtual double GetLineWidth(const Graphics& g) const { return m_line.width * g.deviceScale(); }
    virtual double GetLineWidthRaw() const { return m_line.width; }
    virtual int GetDashStyle() const { return m_line.dashStyle; }
    virtual int GetTooltipsEnabled() const { return m_tooltipsEnabled; }
    virtual LineStyle& GetLineStyle() { return m_line; }
    virtual int IsDirty() const { return m_dirty || m_line.changed; }
    /// Copies the transform; marks the object dirty only when a value differs.
    virtual void SetTransform(const CTransform& transform);
    virtual void SetVisible(int visible);
    virtual void SetColor(Color c) { m_line.SetColor(c); }
    virtual void SetLineWidth(double w) { m_line.SetWidth(w); }
    virtual void SetDashStyle(int style) { m_line.SetDashStyle(style); }
    virtual void SetTooltipsEnabled(int enabled) { m_tooltipsEnabled = enabled; }
    virtual void ClearDirty();
    virtual void SetDirty() { m_dirty = 1; }
    bool NameEquals(const std::string& name) const { return name == m_name; }
    virtual void DrawBackground(Graphics&) {}
    virtual void Draw(Graphics& g) = 0;
    /// Stores the data area's rectangle.
    virtual void Layout(Graphics& g, double x, double y, double w, double h);
    virtual std::string GetTooltipText(double x, double y);
    const RectF& GetRect() const { return m_rect; }

protected:
    CTransform m_transform;
    std::string m_name;
    int m_visible = 1;
    LineStyle m_line;
    int m_tooltipsEnabled = 0;
    int m_dirty = 1;
    RectF m_rect;
};

}  // namespace plot
