#include "report/report.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace report {

CPage* CReport::FindPage(const std::string& name) const {
    for (const auto& page : m_pages) {
        if (page->GetName() == name) {
            return page.get();
        }
    }
    return nullptr;
}

CPage* CReport::PageAt(int index) const {
    if (index < 0 || index >= GetPageCount()) {
        throw std::out_of_range("report page index out of range");
    }
    return m_pages[static_cast<std::size_t>(index)].get();
}

CPage* CReport::AddPage(std::unique_ptr<CPage> page) {
    if (!page) {
        return nullptr;
    }
    m_pages.push_back(std::move(page));
    NumberPages();
    return m_pages.back().get();
}

bool CReport::HasPage(const std::string& name) const {
    return FindPage(name) != nullptr;
}

std::unique_ptr<CPage> CReport::RemovePage(const std::string& name, bool destroy) {
    const auto it = std::find_if(m_pages.begin(), m_pages.end(),
                                 [&](const auto& page) { return page->GetName() == name; });
    if (it == m_pages.end()) {
        return nullptr;
    }
    std::unique_ptr<CPage> page = std::move(*it);
    m_pages.erase(it);
    NumberPages();
    if (destroy) {
        page.reset();
    }
    return page;
}

void CReport::RemoveAllPages() {
    m_pages.clear();
}

void CReport::NumberPages() {
    const int count = GetPageCount();
    for (int i = 0; i < count; ++i) {
        m_pages[static_cast<std::size_t>(i)]->SetPageNumbers(i + 1, count);
    }
}

PrintResult CReport::Print(ReportPrinter& printer) {
    if (m_pages.empty()) {
        return PrintResult::kNoPages;
    }
    if (!printer.BeginDocument(m_name)) {
        return PrintResult::kCancelled;
    }
    const plot::SizeF printable = printer.PrintableSize();
    for (const auto& page : m_pages) {
        const plot::CTransform saved = page->GetTransform();
        plot::Graphics& graphics = printer.BeginPage();
        page->SetDeviceRect(0.0, 0.0, printable.width, printable.height, false);
        page->Draw(graphics);
        page->SetDeviceRect(saved.device.x, saved.device.y, saved.device.w, saved.device.h,
                            saved.invertY != 0);
        printer.EndPage();
    }
    return printer.EndDocument() ? PrintResult::kPrinted : PrintResult::kFailed;
}

}  // namespace report
