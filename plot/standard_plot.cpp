#include "plot/standard_plot.h"

namespace plot {

void BuildStandardPlot(CPlot& plot, units::CDataObject* xDataObject,
                       units::CDataObject* yDataObject) {
    plot.SetBorderColor(0xFF808080u);
    CRange* xRange = plot.AddRange("XRange", 0);
    CRange* yRange = plot.AddRange("YRange", 1);
    xRange->SetAutoScale(1);
    yRange->SetAutoScale(1);
    CDataArea* area = plot.AddDataArea("DataArea", xRange, yRange);

    CLayoutRect layout;
    layout.relX = 0.1;
    layout.relY = 0.15;
    layout.relW = 0.9;
    layout.relH = 0.6;
    layout.left = 80.0;
    layout.right = 20.0;
    plot.SetPlotAreaLayout(layout);

    area->GetBorder().SetBorder(1.0, 0xFF000000u);
    area->GetBorder().top.SetColor(0xFFFFFFFFu);
    area->GetBorder().right.SetColor(0xFFFFFFFFu);
    area->SetBackgroundColor(0xFFFFFFFFu);

    CAxis* xAxis = plot.AddAxis("XAxis", area, kDockBottom, false, xDataObject, 0.1);
    CAxis* yAxis = plot.AddAxis("YAxis", area, kDockLeft, true, yDataObject, 40.0);
    for (CAxis* axis : {xAxis, yAxis}) {
        axis->SetMinorTicksVisible(0);
        axis->SetMajorTicksVisible(0);
        axis->GetLabelText().SetFontSize(8.0);
    }
    yAxis->GetGridStyle().SetColor(0xFFF5F5F5u);
}

void AddStandardTextBlocks(CPlot& plot, const std::string& title, const std::string& xLabel,
                           const std::string& yLabel, double xLabelSize) {
    CTextBlock* titleBlock = plot.AddTextBlock("PlotTitle", title, kDockTop, false, 0.15);
    titleBlock->GetTextStyle().SetFontStyle(kFontBold);
    titleBlock->GetTextStyle().SetFontSize(10.0);
    CTextBlock* yBlock = plot.AddTextBlock("YLabel", yLabel, kDockLeft, true, 50.0);
    yBlock->GetTextStyle().SetRotation(1);
    CTextBlock* xBlock = plot.AddTextBlock("XLabel", xLabel, kDockBottom, false, xLabelSize);
    for (CTextBlock* block : {titleBlock, yBlock, xBlock}) {
        block->GetTextStyle().multiLine = 0;
    }
}

CDataAreaCurve* ReplaceCurve(CPlot& plot, const std::string& name,
                             const std::vector<double>& xValues, const std::vector<double>& yValues,
                             int xCategoryRow, int yCategoryRow) {
    CDataArea* area = plot.FindDataArea("DataArea");
    if (area == nullptr) {
        return nullptr;
    }
    area->RemoveCurve(name);  // the old curve is destroyed here
    auto xs = std::make_unique<CCurveData>("CurveXData");
    auto ys = std::make_unique<CCurveData>("CurveYData");
    for (double x : xValues) {
        xs->Append(x, std::string());
    }
    // A shorter Y list gives a shorter Y series; the curve draws only the common points.
    for (std::size_t i = 0; i < xValues.size() && i < yValues.size(); ++i) {
        ys->Append(yValues[i], std::string());
    }
    area->AddDCLCurve2D(name, std::move(xs), std::move(ys), xCategoryRow, yCategoryRow);
    CDataAreaCurve* curve = area->FindCurve(name);
    if (curve == nullptr) {
        return nullptr;
    }
    curve->SetSymbolPlacement(kPlacePointer);
    CSymbol& symbol = curve->GetSymbol();
    symbol.shape = kSymbolCircle;
    symbol.size = 5.0;
    symbol.fillColor = 0xFFFFFFFFu;
    symbol.outline.SetColor(0xFF000000u);
    symbol.label.horizontalAlign = 1;
    symbol.label.backgroundColor = 0xFFFFFFFFu;
    curve->SetShowCoordinates(1);
    curve->SetTracksPointer(1);
    curve->SetPointerPosition(0.0, 0.0, 1);
    curve->SetDirty();
    return curve;
}

}  // namespace plot
