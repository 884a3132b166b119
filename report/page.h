#pragma once

#include "plot/graphics.h"
#include "plot/transform.h"
#include "report/page_item.h"

#include <memory>
#include <string>
#include <vector>

namespace report {

/// One sheet of a report: items placed in inches on an 8.5 x 11 in page, drawn in order.
class CPage {
public:
    static constexpr double kWidthInches = 8.5;
    static constexpr double kHeightInches = 11.0;

    explicit CPage(const std::string& name = std::string());

    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }

    /// The first item of that name, or nullptr.
    CPageItem* FindItem(const std::string& name) const;
    /// Appends the item, hands it the page transform and returns it.
    CPageItem* AddItem(std::unique_ptr<CPageItem> item);
    bool HasItem(const std::string& name) const;
    /// Takes the first item of that name off the page; it is destroyed when `destroy` is set,
    /// otherwise handed back to the caller.
    std::unique_ptr<CPageItem> RemoveItem(const std::string& name, bool destroy);
    void RemoveAllItems();
    std::size_t GetItemCount() const { return m_items.size(); }
    /// Throws std::out_of_range for a bad index.
    CPageItem* ItemAt(std::size_t index) const;

    /// Places the sheet on the device; every item recomputes its device rectangle.
    void SetDeviceRect(double x, double y, double w, double h, bool invertY);
    plot::RectF GetDeviceRect() const;
    const plot::CTransform& GetTransform() const { return m_transform; }

    /// Draws every item in order; screen-only items are left out on printed pages.
    void Draw(plot::Graphics& graphics);
    /// True when the device point lies inside the page and inside some item.
    bool HitTest(double x, double y) const;
    /// Offers a click to the first item containing the point; returns whether one took it.
    bool Click(int code, double x, double y);

    int GetPageNumber() const { return m_pageNumber; }
    int GetPageCount() const { return m_pageCount; }
    void SetPageNumbers(int pageNumber, int pageCount);

private:
    std::string m_name;
    plot::CTransform m_transform;
    std::vector<std::unique_ptr<CPageItem>> m_items;
    int m_pageNumber = -1;
    int m_pageCount = -1;
};

}  // namespace report
