#pragma once

#include "plot/plot.h"

#include <string>
#include <vector>

namespace plot {

/// The set-up every plot of the program starts from: ranges "XRange" and "YRange", the data
/// area "DataArea" (80 pixels free on the left, 20 on the right, from 15 % to 75 % of the
/// height), and the axes "XAxis" and "YAxis" bound to the two data objects.
void BuildStandardPlot(CPlot& plot, units::CDataObject* xDataObject,
                       units::CDataObject* yDataObject);

/// Adds the three standard text blocks: "PlotTitle" (top, 15 %, bold 10 pt), "YLabel" (left,
/// 50 pixels, turned 90 degrees) and "XLabel" (bottom, `xLabelSize` of the height).
void AddStandardTextBlocks(CPlot& plot, const std::string& title, const std::string& xLabel,
                           const std::string& yLabel, double xLabelSize = 0.15);

/// Puts a curve into a standard plot, replacing the curve of that name: series from the two
/// lists (as long as the X list), a unit-aware curve with the given category rows, and the
/// pointer marker (a white circle with a coordinate read-out). Returns the new curve.
CDataAreaCurve* ReplaceCurve(CPlot& plot, const std::string& name,
                             const std::vector<double>& xValues, const std::vector<double>& yValues,
                             int xCategoryRow, int yCategoryRow);

}  // namespace plot
