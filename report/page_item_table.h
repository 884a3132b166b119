#pragma once

#include "report/page_item_text.h"

#include <string>
#include <vector>

namespace report {

/// One cell of a report table.
struct TableCell {
    std::string text;
    std::string fontName = "Arial";
    double fontSize = 8.0;  // points
    plot::Color textColor = 0xFF000000u;
    plot::Color backgroundColor = 0x00FFFFFFu;
    plot::TextFormat format{1, 1, false, false};
    int fontStyle = 0;
    plot::RectF rect;  // device rectangle of the last drawing
};

/// Margins around a table, in inches.
struct TableMargins {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

/// A grid of cells inside a captioned box. Row heights and column widths are in inches; -1
/// makes a row or column automatic, sharing what the fixed ones leave.
class CPageItemTable : public CPageItemText {
public:
    /// Automatic rows never get less than this, in inches, even if the table then outgrows
    /// its box.
    static constexpr double kMinimumRowHeight = 0.125;

    CPageItemTable(int rowCount, int columnCount);

    int GetRowCount() const { return m_rowCount; }
    int GetColumnCount() const { return m_columnCount; }

    virtual const TableMargins& GetMargins() const { return m_margins; }
    virtual void SetMargins(double left, double top, double right, double bottom);
    virtual plot::Color GetGridColor() const { return m_gridColor; }
    virtual void SetGridColor(plot::Color color) { m_gridColor = color; }
    virtual int GetTextsBelow() const { return m_textsBelow; }
    virtual void SetTextsBelow(int below);

    // Cells; an index out of range throws std::out_of_range.
    virtual const TableCell& GetCell(int row, int column) const;
    virtual const std::string& GetCellText(int row, int column) const;
    virtual void SetCellText(int row, int column, const std::string& text);
    virtual void SetCellFontName(int row, int column, const std::string& name);
    virtual void SetCellFontSize(int row, int column, double points);
    virtual void SetCellTextColor(int row, int column, plot::Color color);
    virtual void SetCellBackgroundColor(int row, int column, plot::Color color);
    virtual void SetCellFormat(int row, int column, const plot::TextFormat& format);
    virtual void SetCellFontStyle(int row, int column, int style);
    virtual void SetRowFontSize(int row, double points);
    virtual void SetColumnFontSize(int column, double points);
    virtual void SetRowFontStyle(int row, int style);
    virtual void SetColumnFontStyle(int column, int style);
    virtual void SetRowBackgroundColor(int row, plot::Color color);
    virtual void SetColumnBackgroundColor(int column, plot::Color color);
    virtual void SetRowTextColor(int row, plot::Color color);
    virtual void SetColumnTextColor(int column, plot::Color color);
    virtual void SetRowFormat(int row, const plot::TextFormat& format);
    virtual void SetColumnFormat(int column, const plot::TextFormat& format);

    virtual double GetRowHeight(int row) const;
    virtual double GetColumnWidth(int column) const;
    virtual void SetRowHeight(int row, double inches);
    virtual void SetColumnWidth(int column, double inches);
    /// Height of every automatic row, in inches.
    virtual double AutoRowHeight() const;
    /// Width of every automatic column, in inches.
    virtual double AutoColumnWidth() const;
    /// Width the columns may share, in inches.
    virtual double AvailableWidth() const;
    /// Height the rows may share, in inches.
    virtual double AvailableHeight() const;
    /// Height of row or width of column as laid out, in inches.
    double RowHeightUsed(int row) const;
    double ColumnWidthUsed(int column) const;

    void Draw(plot::Graphics& graphics) override;

    /// Draws the cells and the grid with the table's top-left corner at (x, y), device units.
    virtual void DrawCells(plot::Graphics& graphics, double x, double y);

private:
    TableCell& CellAt(int row, int column);
    void CheckRow(int row) const;
    void CheckColumn(int column) const;
    /// Estimated height in inches of the tallest column text.
    double ColumnTextsHeight() const;

    int m_rowCount;
    int m_columnCount;
    std::vector<TableCell> m_cells;  // row after row
    std::vector<double> m_rowHeights;
    std::vector<double> m_columnWidths;
    int m_textsBelow = 1;
    TableMargins m_margins;
    plot::Color m_gridColor = 0xFF000000u;
};

}  // namespace report
