#include "report/report.h"

#include "plot/recording_graphics.h"
#include "report/page.h"
#include "report/page_item.h"
#include "test_printer.h"

#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

namespace report {
namespace {

std::unique_ptr<CPageItem> Item(const std::string& name, double x, double y, double w, double h) {
    auto item = std::make_unique<CPageItem>();
    item->SetName(name);
    item->SetRect(x, y, w, h);
    item->SetText(name);
    item->SetFrameColor(0x00FFFFFFu);
    return item;
}

std::unique_ptr<CPage> PageWithItems(const std::string& name) {
    auto page = std::make_unique<CPage>(name);
    page->AddItem(Item("Paper", 1.0, 1.0, 2.0, 0.5));
    page->AddItem(Item("ScreenHint", 1.0, 2.0, 2.0, 0.5))->SetScreenOnly(1);
    return page;
}

TEST(PageTest, ScreenOnlyItemsAppearInThePreviewAndNotOnPaper) {
    auto page = PageWithItems("1");
    page->SetDeviceRect(0, 0, 850, 1100, false);

    plot::RecordingGraphics screen;
    page->Draw(screen);
    EXPECT_EQ(screen.linesStartingWith("string").size(), 2u);

    plot::RecordingGraphics paper(300.0 / 96.0, true);
    page->Draw(paper);
    const auto printed = paper.linesStartingWith("string");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].rfind("string \"Paper\"", 0), 0u);
}

TEST(PageTest, ItemsFollowTheDeviceRectAndClicksReachTheFirstItemHit) {
    auto page = std::make_unique<CPage>("1");
    CPageItem* under = page->AddItem(Item("Under", 1.0, 1.0, 2.0, 2.0));
    CPageItem* over = page->AddItem(Item("Over", 1.5, 1.5, 1.0, 1.0));
    page->SetDeviceRect(10, 20, 850, 1100, false);
    EXPECT_EQ(under->GetDeviceRect(), (plot::RectF{110.0, 120.0, 200.0, 200.0}));

    std::string clicked;
    auto remember = [&](CPageItem& item, int, double, double, void*) { clicked = item.GetName(); };
    under->SetClickHandler(remember, nullptr);
    over->SetClickHandler(remember, nullptr);
    EXPECT_TRUE(page->HitTest(200, 200));
    EXPECT_TRUE(page->Click(1, 200, 200));
    EXPECT_EQ(clicked, "Under");
    EXPECT_FALSE(page->HitTest(500, 900));
    EXPECT_FALSE(page->HitTest(5, 5));  // outside the page
    EXPECT_FALSE(page->Click(1, 500, 900));
}

TEST(PageTest, LookupAndRemoval) {
    auto page = PageWithItems("1");
    EXPECT_TRUE(page->HasItem("Paper"));
    EXPECT_FALSE(page->HasItem("paper"));  // names compare exactly
    std::unique_ptr<CPageItem> kept = page->RemoveItem("Paper", false);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetName(), "Paper");
    EXPECT_EQ(page->RemoveItem("ScreenHint", true), nullptr);
    EXPECT_EQ(page->GetItemCount(), 0u);
    EXPECT_EQ(page->RemoveItem("Missing", true), nullptr);
    EXPECT_THROW(page->ItemAt(0), std::out_of_range);
}

TEST(ReportTest, PagesAreNumberedInOrder) {
    CReport report;
    report.AddPage(PageWithItems("1"));
    report.AddPage(PageWithItems("2"));
    report.AddPage(PageWithItems("3"));
    EXPECT_EQ(report.PageAt(2)->GetPageNumber(), 3);
    EXPECT_EQ(report.PageAt(2)->GetPageCount(), 3);
    EXPECT_EQ(report.FindPage("2")->ItemAt(0)->GetPageCount(), 3);

    report.RemovePage("1", true);
    EXPECT_EQ(report.GetPageCount(), 2);
    EXPECT_EQ(report.FindPage("2")->GetPageNumber(), 1);
    EXPECT_EQ(report.FindPage("3")->ItemAt(0)->GetPageNumber(), 2);
    EXPECT_FALSE(report.HasPage("1"));
    EXPECT_THROW(report.PageAt(2), std::out_of_range);
    EXPECT_THROW(report.PageAt(-1), std::out_of_range);
}

TEST(ReportTest, PrintingWithoutPagesAsksNoPrinter) {
    CReport report;
    TestPrinter printer;
    EXPECT_EQ(report.Print(printer), PrintResult::kNoPages);
    EXPECT_TRUE(printer.calls.empty());
}

TEST(ReportTest, CancelledPrintDrawsNothing) {
    CReport report;
    report.AddPage(PageWithItems("1"));
    TestPrinter printer(300.0, false);
    EXPECT_EQ(report.Print(printer), PrintResult::kCancelled);
    EXPECT_EQ(printer.calls, std::vector<std::string>{"begin Report"});
    EXPECT_TRUE(printer.graphics.lines().empty());
}

TEST(ReportTest, PrintStretchesEachPageToThePrintableAreaAndRestoresThePreview) {
    CReport report;
    report.SetName("Sucker Rod Report");
    report.AddPage(PageWithItems("1"));
    report.AddPage(PageWithItems("2"));
    report.PageAt(0)->SetDeviceRect(15, 15, 850, 1100, false);

    TestPrinter printer(300.0);
    EXPECT_EQ(report.Print(printer), PrintResult::kPrinted);
    const std::vector<std::string> calls = {
        "begin Sucker Rod Report", "page", "endpage", "page", "endpage", "end"};
    EXPECT_EQ(printer.calls, calls);
    // "Paper" at (1, 1) in on a 300-dpi sheet, drawn once per page; the screen-only item never.
    const auto strings = printer.graphics.linesStartingWith("string");
    ASSERT_EQ(strings.size(), 2u);
    EXPECT_NE(strings[0].find("rect=300,300,600,150"), std::string::npos);

    EXPECT_EQ(report.PageAt(0)->GetDeviceRect(), (plot::RectF{15.0, 15.0, 850.0, 1100.0}));
    EXPECT_EQ(report.PageAt(0)->FindItem("Paper")->GetDeviceRect(),
              (plot::RectF{115.0, 115.0, 200.0, 50.0}));
}

}  // namespace
}  // namespace report
