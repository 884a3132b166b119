#pragma once

#include "units/data_info.h"

#include <functional>
#include <string>

namespace units {

/// The array machinery shared by every element type: dimensions, growth blocks, limits,
/// external count variables, the cell index mapping and the default text format.
class CDataInfoCommon : public CDataInfo {
public:
    /// (column, row, columns, rows) to the linear index of the cell in the buffer.
    using IndexMapping = std::function<long long(int, int, int, int)>;
    /// (column, row) to the address of the cell; replaces the buffer when installed.
    using CellAddress = std::function<void*(int, int)>;

    CDataInfoCommon(int type, int elementSize, std::string defaultFormat);

    int GetType() const override { return m_type; }
    int GetElementSize() const { return m_elementSize; }
    int GetCount(int dimension) const override { return dimension == 1 ? m_rows : m_columns; }
    int GetLimit(int dimension) const override {
        return dimension == 1 ? m_rowLimit : m_columnLimit;
    }
    int GetAllocatedCount(int dimension) const {
        return dimension == 1 ? m_allocatedRows : m_allocatedColumns;
    }
    bool InRange(Cell cell) const override {
        return cell.column >= 0 && cell.row >= 0 && cell.column < m_columns && cell.row < m_rows;
    }
    const std::string& GetDefaultFormat() const override { return m_defaultFormat; }
    void SetDefaultFormat(const std::string& format) override { m_defaultFormat = format; }
    void SetArrayMode(bool arrayMode) override { m_arrayMode = arrayMode; }
    bool GetArrayMode() const override { return m_arrayMode; }
    void SetOwnsBuffer(bool owns) override { m_ownsBuffer = owns; }
    bool GetOwnsBuffer() const override { return m_ownsBuffer; }
    void CopySettings(const CDataInfo& other) override;
    void CopySettingsAndFormat(const CDataInfo& other) override;

    void SetIndexMapping(IndexMapping mapping) { m_indexMapping = std::move(mapping); }
    void SetCellAddress(CellAddress address) { m_cellAddress = std::move(address); }

protected:
    /// Linear index of a cell under the given dimensions, or -1 when the mapping sends it
    /// outside the allocated cells.
    long long IndexOf(int column, int row, int columns, int rows, long long allocated) const;
    /// The allocation a resize to columns x rows needs; false when it is refused.
    bool PlanResize(int columns, int rows, int& allocatedColumns, int& allocatedRows) const;
    void SetDimensions(int columns, int rows, int allocatedColumns, int allocatedRows);
    void SetGrowth(int columnLimit, int* columnCount, int columnBlock, int rowLimit, int* rowCount,
                   int rowBlock);

    int m_type;
    int m_elementSize;
    bool m_arrayMode = false;
    bool m_ownsBuffer = false;
    int m_rowBlock = 1;
    int m_rows = 0;
    int* m_rowCountVariable = nullptr;
    int m_rowLimit = 0;
    int m_allocatedRows = 0;
    int m_columnBlock = 1;
    int m_columns = 0;
    int* m_columnCountVariable = nullptr;
    int m_columnLimit = 0;
    int m_allocatedColumns = 0;
    std::string m_defaultFormat;
    IndexMapping m_indexMapping;
    CellAddress m_cellAddress;
};

}  // namespace units
