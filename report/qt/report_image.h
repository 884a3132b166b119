#pragma once

#include "report/report.h"

#include <string>

#include <QImage>

namespace report {

/// Renders one page of the report as it prints, into a white US Letter image of `dpi` pixels
/// per inch (screen-only items left out). The page's own device rectangle is kept.
/// Throws std::out_of_range for a bad page index.
QImage RenderReportPage(CReport& report, int pageIndex, int dpi);

/// Writes page `pageIndex` as a PNG file. On failure returns false and sets *error.
bool WriteReportPng(CReport& report, const std::string& path, int dpi = 150, int pageIndex = 0,
                    std::string* error = nullptr);

}  // namespace report
