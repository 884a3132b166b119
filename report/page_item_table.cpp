#include "report/page_item_table.h"

#include <algorithm>
#include <stdexcept>

namespace report {

namespace {

// Same estimate as a caption's: lines of the body font plus the leading, in inches.
double EstimatedTextHeight(const std::string& text, double points) {
    if (text.empty()) {
        return 0.0;
    }
    const double lines = 1.0 + static_cast<double>(std::count(text.begin(), text.end(), '\n'));
    return points * (lines * 1.5419269800186157 + 0.13177065551280975) / 100.0;
}

}  // namespace

CPageItemTable::CPageItemTable(int rowCount, int columnCount)
    : m_rowCount(std::max(0, rowCount)), m_columnCount(std::max(0, columnCount)) {
    m_cells.resize(static_cast<std::size_t>(m_rowCount) * static_cast<std::size_t>(m_columnCount));
    m_rowHeights.assign(static_cast<std::size_t>(m_rowCount), -1.0);
    m_columnWidths.assign(static_cast<std::size_t>(m_columnCount), -1.0);
    SetColumnsAtBottom();
}

void CPageItemTable::CheckRow(int row) const {
    if (row < 0 || row >= m_rowCount) {
        throw std::out_of_range("table row index out of range");
    }
}

void CPageItemTable::CheckColumn(int column) const {
    if (column < 0 || column >= m_columnCount) {
        throw std::out_of_range("table column index out of range");
    }
}

TableCell& CPageItemTable::CellAt(int row, int column) {
    CheckRow(row);
    CheckColumn(column);
    return m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columnCount) +
                   static_cast<std::size_t>(column)];
}

const TableCell& CPageItemTable::GetCell(int row, int column) const {
    return const_cast<CPageItemTable*>(this)->CellAt(row, column);
}

const std::string& CPageItemTable::GetCellText(int row, int column) const {
    return GetCell(row, column).text;
}

void CPageItemTable::SetMargins(double left, double top, double right, double bottom) {
    m_margins = TableMargins{left, top, right, bottom};
}

void CPageItemTable::SetTextsBelow(int below) {
    m_textsBelow = below;
    const int align = below != 0 ? 2 : 0;
    m_leftFormat.verticalAlign = align;
    m_rightFormat.verticalAlign = align;
    m_centerFormat.verticalAlign = align;
}

void CPageItemTable::SetCellText(int row, int column, const std::string& text) {
    CellAt(row, column).text = text;
}
void CPageItemTable::SetCellFontName(int row, int column, const std::string& name) {
    CellAt(row, column).fontName = name;
}
void CPageItemTable::SetCellFontSize(int row, int column, double points) {
    CellAt(row, column).fontSize = points;
}
void CPageItemTable::SetCellTextColor(int row, int column, plot::Color color) {
    CellAt(row, column).textColor = color;
}
void CPageItemTable::SetCellBackgroundColor(int row, int column, plot::Color color) {
    CellAt(row, column).backgroundColor = color;
}
void CPageItemTable::SetCellFormat(int row, int column, const plot::TextFormat& format) {
    CellAt(row, column).format = format;
}
void CPageItemTable::SetCellFontStyle(int row, int column, int style) {
    CellAt(row, column).fontStyle = style;
}

void CPageItemTable::SetRowFontSize(int row, double points) {
    for (int c = 0; c < m_columnCount; ++c) {
        CellAt(row, c).fontSize = points;
    }
}
void CPageItemTable::SetColumnFontSize(int column, double points) {
    for (int r = 0; r < m_rowCount; ++r) {
        CellAt(r, column).fontSize = points;
    }
}
void CPageItemTable::SetRowFontStyle(int row, int style) {
    for (int c = 0; c < m_columnCount; ++c) {
        CellAt(row, c).fontStyle = style;
    }
}
void CPageItemTable::SetColumnFontStyle(int column, int style) {
    for (int r = 0; r < m_rowCount; ++r) {
        CellAt(r, column).fontStyle = style;
    }
}
void CPageItemTable::SetRowBackgroundColor(int row, plot::Color color) {
    for (int c = 0; c < m_columnCount; ++c) {
        CellAt(row, c).backgroundColor = color;
    }
}
void CPageItemTable::SetColumnBackgroundColor(int column, plot::Color color) {
    for (int r = 0; r < m_rowCount; ++r) {
        CellAt(r, column).backgroundColor = color;
    }
}
void CPageItemTable::SetRowTextColor(int row, plot::Color color) {
    for (int c = 0; c < m_columnCount; ++c) {
        CellAt(row, c).textColor = color;
    }
}
void CPageItemTable::SetColumnTextColor(int column, plot::Color color) {
    for (int r = 0; r < m_rowCount; ++r) {
        CellAt(r, column).textColor = color;
    }
}
void CPageItemTable::SetRowFormat(int row, const plot::TextFormat& format) {
    for (int c = 0; c < m_columnCount; ++c) {
        CellAt(row, c).format = format;
    }
}
void CPageItemTable::SetColumnFormat(int column, const plot::TextFormat& format) {
    for (int r = 0; r < m_rowCount; ++r) {
        CellAt(r, column).format = format;
    }
}

double CPageItemTable::GetRowHeight(int row) const {
    CheckRow(row);
    return m_rowHeights[static_cast<std::size_t>(row)];
}

double CPageItemTable::GetColumnWidth(int column) const {
    CheckColumn(column);
    return m_columnWidths[static_cast<std::size_t>(column)];
}

void CPageItemTable::SetRowHeight(int row, double inches) {
    CheckRow(row);
    m_rowHeights[static_cast<std::size_t>(row)] = inches;
}

void CPageItemTable::SetColumnWidth(int column, double inches) {
    CheckColumn(column);
    m_columnWidths[static_cast<std::size_t>(column)] = inches;
}

double CPageItemTable::ColumnTextsHeight() const {
    return std::max({EstimatedTextHeight(m_leftText, m_bodyFontSize),
                     EstimatedTextHeight(m_centerText, m_bodyFontSize),
                     EstimatedTextHeight(m_rightText, m_bodyFontSize)});
}

double CPageItemTable::AvailableWidth() const {
    double width = m_rect.w;
    if (!m_text.empty()) {
        width -= 2.0 * m_innerMargin / 100.0;
    }
    return width - m_margins.left - m_margins.right;
}

double CPageItemTable::AvailableHeight() const {
    double height = m_rect.h;
    if (!m_text.empty()) {
        height -= 2.0 * m_innerMargin / 100.0 + TextHeight();
    }
    return height - ColumnTextsHeight() - m_margins.top - m_margins.bottom;
}

double CPageItemTable::AutoRowHeight() const {
    double fixed = 0.0;
    int automatic = 0;
    for (double h : m_rowHeights) {
        if (h < 0.0) {
            ++automatic;
        } else {
            fixed += h;
        }
    }
    if (automatic == 0) {
        return kMinimumRowHeight;
    }
    return std::max(kMinimumRowHeight, (AvailableHeight() - fixed) / automatic);
}

double CPageItemTable::AutoColumnWidth() const {
    double fixed = 0.0;
    int automatic = 0;
    for (double w : m_columnWidths) {
        if (w < 0.0) {
            ++automatic;
        } else {
            fixed += w;
        }
    }
    if (automatic == 0) {
        return 0.0;
    }
    return std::max(0.0, (AvailableWidth() - fixed) / automatic);
}

double CPageItemTable::RowHeightUsed(int row) const {
    const double h = GetRowHeight(row);
    return h < 0.0 ? AutoRowHeight() : h;
}

double CPageItemTable::ColumnWidthUsed(int column) const {
    const double w = GetColumnWidth(column);
    return w < 0.0 ? AutoColumnWidth() : w;
}

void CPageItemTable::Draw(plot::Graphics& graphics) {
    const plot::RectF saved = m_deviceRect;
    if (!m_text.empty()) {
        m_deviceRect = InnerRect(graphics);
    }
    m_captionRect = DrawText(graphics);
    const double top = m_captionRect.y + m_captionRect.h;
    m_bodyRect = plot::RectF{m_deviceRect.x, top, m_deviceRect.w,
                             std::max(0.0, m_deviceRect.bottom() - top)};
    const plot::RectF left = DrawLeft(graphics, m_bodyRect);
    const plot::RectF right = DrawRight(graphics, m_bodyRect);
    const plot::RectF center = DrawCenter(graphics, m_bodyRect);

    const double perInch = DevicePerInch();
    double tableTop = top;
    if (m_textsBelow == 0) {
        tableTop += std::max({left.h, right.h, center.h});
    }
    DrawCells(graphics, m_deviceRect.x + m_margins.left * perInch,
              tableTop + m_margins.top * perInch);

    m_deviceRect = saved;
    DrawFrame(graphics);
}

void CPageItemTable::DrawCells(plot::Graphics& graphics, double x, double y) {
    const double perInch = DevicePerInch();
    std::vector<double> columnX(static_cast<std::size_t>(m_columnCount) + 1, x);
    for (int c = 0; c < m_columnCount; ++c) {
        columnX[static_cast<std::size_t>(c) + 1] =
            columnX[static_cast<std::size_t>(c)] + ColumnWidthUsed(c) * perInch;
    }
    std::vector<double> rowY(static_cast<std::size_t>(m_rowCount) + 1, y);
    for (int r = 0; r < m_rowCount; ++r) {
        rowY[static_cast<std::size_t>(r) + 1] =
            rowY[static_cast<std::size_t>(r)] + RowHeightUsed(r) * perInch;
    }

    for (int r = 0; r < m_rowCount; ++r) {
        for (int c = 0; c < m_columnCount; ++c) {
            TableCell& cell = CellAt(r, c);
            const auto ci = static_cast<std::size_t>(c);
            const auto ri = static_cast<std::size_t>(r);
            cell.rect = plot::RectF{columnX[ci], rowY[ri], columnX[ci + 1] - columnX[ci],
                                    rowY[ri + 1] - rowY[ri]};
            if (!cell.backgroundColor.isTransparent()) {
                plot::Brush brush;
                brush.color = cell.backgroundColor;
                graphics.fillRectangle(brush, cell.rect);
            }
            if (!cell.text.empty()) {
                plot::Font font;
                font.family = cell.fontName;
                font.sizePt = cell.fontSize;
                font.style = cell.fontStyle;
                graphics.drawString(cell.text, font, cell.textColor, cell.rect, cell.format);
            }
        }
    }

    if (m_gridColor.isTransparent() || m_rowCount == 0 || m_columnCount == 0) {
        return;
    }
    plot::Pen pen;
    pen.color = m_gridColor;
    pen.width = graphics.scaled(1.0);
    const double tableTop = rowY.front();
    const double tableBottom = rowY.back();
    for (int c = 0; c < m_columnCount; ++c) {
        const auto ci = static_cast<std::size_t>(c);
        graphics.drawLine(pen, columnX[ci], tableTop, columnX[ci], tableBottom);
        graphics.drawLine(pen, columnX[ci + 1], tableTop, columnX[ci + 1], tableBottom);
    }
    const double tableLeft = columnX.front();
    const double tableRight = columnX.back();
    for (int r = 0; r < m_rowCount; ++r) {
        const auto ri = static_cast<std::size_t>(r);
        graphics.drawLine(pen, tableLeft, rowY[ri], tableRight, rowY[ri]);
        graphics.drawLine(pen, tableLeft, rowY[ri + 1], tableRight, rowY[ri + 1]);
    }
}

}  // namespace report
