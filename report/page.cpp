#include "report/page.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace report {

CPage::CPage(const std::string& name) : m_name(name) {
    m_transform.data = plot::RectF{0.0, 0.0, kWidthInches, kHeightInches};
    m_transform.invertY = 0;
}

CPageItem* CPage::FindItem(const std::string& name) const {
    for (const auto& item : m_items) {
        if (item->GetName() == name) {
            return item.get();
        }
    }
    return nullptr;
}

CPageItem* CPage::AddItem(std::unique_ptr<CPageItem> item) {
    if (!item) {
        return nullptr;
    }
    item->SetTransform(m_transform);
    item->SetPageInfo(m_pageNumber, m_pageCount);
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

bool CPage::HasItem(const std::string& name) const {
    return FindItem(name) != nullptr;
}

std::unique_ptr<CPageItem> CPage::RemoveItem(const std::string& name, bool destroy) {
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [&](const auto& item) { return item->GetName() == name; });
    if (it == m_items.end()) {
        return nullptr;
    }
    std::unique_ptr<CPageItem> item = std::move(*it);
    m_items.erase(it);
    if (destroy) {
        item.reset();
    }
    return item;
}

void CPage::RemoveAllItems() {
    m_items.clear();
}

CPageItem* CPage::ItemAt(std::size_t index) const {
    if (index >= m_items.size()) {
        throw std::out_of_range("page item index out of range");
    }
    return m_items[index].get();
}

void CPage::SetDeviceRect(double x, double y, double w, double h, bool invertY) {
    m_transform.device = plot::RectF{x, y, w, h};
    m_transform.invertY = invertY ? 1 : 0;
    for (const auto& item : m_items) {
        item->SetTransform(m_transform);
        item->SetPageInfo(m_pageNumber, m_pageCount);
    }
}

plot::RectF CPage::GetDeviceRect() const {
    return m_transform.device;
}

void CPage::SetPageNumbers(int pageNumber, int pageCount) {
    m_pageNumber = pageNumber;
    m_pageCount = pageCount;
    for (const auto& item : m_items) {
        item->SetPageInfo(pageNumber, pageCount);
    }
}

void CPage::Draw(plot::Graphics& graphics) {
    const bool printed = graphics.isPrintedPage();
    for (const auto& item : m_items) {
        if (printed && item->GetScreenOnly() != 0) {
            continue;
        }
        item->Draw(graphics);
    }
}

bool CPage::HitTest(double x, double y) const {
    if (!GetDeviceRect().contains(x, y)) {
        return false;
    }
    return std::any_of(m_items.begin(), m_items.end(),
                       [&](const auto& item) { return item->Contains(x, y); });
}

bool CPage::Click(int code, double x, double y) {
    for (const auto& item : m_items) {
        if (item->Contains(x, y)) {
            return item->Click(code, x, y);
        }
    }
    return false;
}

}  // namespace report
