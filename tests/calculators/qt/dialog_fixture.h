#pragma once

#include "calculators/qt/calculator_message_box.h"
#include "plot/recording_graphics.h"
#include "report/page.h"
#include "report/page_item.h"
#include "report/page_item_text.h"
#include "report/report.h"
#include "report/report_mgr.h"
#include "report/report_printer.h"
#include "units/dcl_manager.h"
#include "units/units_category.h"
#include "units/units_manager.h"
#include "units/user_notifier.h"

#include <map>
#include <string>
#include <vector>

#include <QString>

#include <gtest/gtest.h>

namespace calctest {

/// Keeps what a preview would have shown.
class RecordingViewer : public report::ReportViewer {
public:
    void ShowReport(report::CReport& report, const std::string& title) override {
        ++shown;
        titles.push_back(title);
        report::CPage* page = report.FindPage("1");
        texts.clear();
        if (page == nullptr) {
            return;
        }
        for (const char* name :
             {"Header", "Title", "Inputs", "Result", "pInputsData", "pRequiredData",
              "RecommendedData", "InputData", "UserData", "ResultsData", "ResultsRight",
              "WellDimData", "WellFluidData", "TempData", "DepthHeader", "DepthData"}) {
            report::CPageItem* item = page->FindItem(name);
            if (item == nullptr) {
                continue;
            }
            if (auto* columns = dynamic_cast<report::CPageItemText*>(item)) {
                texts[name] = columns->GetLeftText() + "|" + columns->GetRightText();
            } else {
                texts[name] = item->GetText();
            }
        }
        hasTemperaturePlot = page->FindItem("TempPlot") != nullptr;
        hasSlippagePlot = page->FindItem("SlippagePlot") != nullptr;
    }

    int shown = 0;
    std::vector<std::string> titles;
    std::map<std::string, std::string> texts;
    bool hasTemperaturePlot = false;
    bool hasSlippagePlot = false;
};

/// Records the documents and pages a print would produce.
class RecordingPrinter : public report::ReportPrinter {
public:
    explicit RecordingPrinter(bool accept = true) : graphics(1.0, true), m_accept(accept) {}
    bool BeginDocument(const std::string& documentName) override {
        calls.push_back("begin " + documentName);
        return m_accept;
    }
    plot::SizeF PrintableSize() const override { return {850.0, 1100.0}; }
    plot::Graphics& BeginPage() override {
        calls.push_back("page");
        return graphics;
    }
    void EndPage() override { calls.push_back("endpage"); }
    bool EndDocument() override {
        calls.push_back("end");
        return true;
    }

    plot::RecordingGraphics graphics;
    std::vector<std::string> calls;

private:
    bool m_accept;
};

class SilentNotifier : public units::UserNotifier {
public:
    void ShowMessage(const std::string& caption, const std::string& text) override {
        captions.push_back(caption);
        messages.push_back(text);
    }
    void Beep() override {}
    std::vector<std::string> captions;
    std::vector<std::string> messages;
};

/// Starts the units library in oilfield units and records message boxes instead of showing
/// them.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        units::ShutdownUnitsLibrary();
        units::StartUnitsLibrary("OILFIELD");
        units::SetUserNotifier(&m_notifier);
        calc::CalculatorMessageBox::StartRecording();
    }
    void TearDown() override {
        calc::CalculatorMessageBox::StopRecording();
        units::SetUserNotifier(nullptr);
        units::ShutdownUnitsLibrary();
    }
    const std::vector<calc::CalculatorMessageBox::Message>& Messages() const {
        return calc::CalculatorMessageBox::Recorded();
    }
    static std::string Symbol(const char* category) { return units::CategoryUnitSymbol(category); }
    static void SetUnit(const char* category, const char* unit) {
        units::UnitsManager()->FindCategory(category)->SetCurrentUnit(
            units::UnitsManager()->FindUnit(unit));
    }

    SilentNotifier m_notifier;
};

}  // namespace calctest
