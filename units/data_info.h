#pragma once

#include <cstdint>
#include <string>

namespace units {

/// Element types of data storage; the numbers are the type codes objects are created with.
enum DataType : int {
    kTypeDouble = 1,
    kTypeFloat = 2,
    kTypeInt = 3,
    kTypeShort = 4,
    kTypeStr = 5,
    kTypeStrArray = 6,
    kTypeStrPtrArray = 7,
    kTypeDateTime = 8,
};

/// A cell address; a single number is a column of row 0, as controls bind "cell 0".
struct Cell {
    Cell(int columnIndex = 0, int rowIndex = 0) : column(columnIndex), row(rowIndex) {}
    int column;
    int row;
};

/// Typed two-dimensional storage of a data object. A cell has a value when it lies inside
/// the grid and does not hold its type's no-value sentinel; reading a cell without a value
/// returns false and the sentinel of the type asked for.
class CDataInfo {
public:
    virtual ~CDataInfo() = default;

    virtual int GetType() const = 0;

    /// Binds the storage to external cells (not owned) or, with none, to columns x rows owned
    /// cells without value. The external pointer must point to cells of the storage's type.
    virtual bool BindValue(void* external, int columns, int rows) = 0;
    /// Binds a growable array. bufferRef, when given, is the address of the caller's pointer
    /// to its cells, replaced whenever the array is reallocated; the count variables, when
    /// given, always hold the array's dimensions.
    virtual bool BindArray(void* bufferRef, int columns, int columnLimit, int* columnCount,
                           int columnBlock, int rows, int rowLimit, int* rowCount,
                           int rowBlock) = 0;
    /// dimension 0 = rows, 1 = columns.
    virtual bool InsertCells(int at, int count, int dimension) = 0;
    virtual bool DeleteCells(int at, int count, int dimension) = 0;
    /// Moves count rows (dimension 0) or columns (1) from one position to another; the cells
    /// left behind keep their values (MoveCells) or are cleared (MoveCellsAndClear).
    virtual bool MoveCells(int from, int to, int count, int dimension) = 0;
    virtual bool MoveCellsAndClear(int from, int to, int count, int dimension) = 0;

    virtual bool GetText(Cell cell, std::string& text) const = 0;
    virtual bool GetDouble(Cell cell, double& value) const = 0;
    virtual bool GetFloat(Cell cell, float& value) const = 0;
    virtual bool GetInt(Cell cell, std::int32_t& value) const = 0;
    virtual bool GetShort(Cell cell, std::int16_t& value) const = 0;
    virtual bool CopyCellFrom(const CDataInfo& other, Cell from, Cell to) = 0;
    virtual bool SetFromText(Cell cell, const std::string& text) = 0;
    virtual bool SetDouble(Cell cell, double value) = 0;
    virtual bool SetFloat(Cell cell, float value) = 0;
    virtual bool SetInt(Cell cell, std::int32_t value) = 0;
    virtual bool SetShort(Cell cell, std::int16_t value) = 0;
    virtual bool ClearCell(Cell cell) = 0;
    virtual bool HasValue(Cell cell) const = 0;
    /// Rows when dimension is 1, columns when 0.
    virtual int GetCount(int dimension) const = 0;
    virtual const std::string& GetDefaultFormat() const = 0;
    virtual void SetDefaultFormat(const std::string& format) = 0;
    virtual bool SwapCells(Cell a, Cell b) = 0;
    /// -1, 0 or 1 by numeric (or text) order; cells without value compare as their sentinel.
    virtual int CompareWith(Cell cell, const CDataInfo& other, Cell otherCell) const = 0;
    virtual int CompareCells(Cell a, Cell b) const = 0;
    /// Growth blocks, limits and array mode.
    virtual void CopySettings(const CDataInfo& other) = 0;
    virtual void CopySettingsAndFormat(const CDataInfo& other) = 0;
    virtual bool Resize(int columns, int rows) = 0;
    /// Copies a block of count rows (dimension 0) or columns (1) within the grid.
    virtual bool MoveBlock(int from, int to, int count, int dimension) = 0;
    virtual bool CopyCellWithin(Cell from, Cell to) = 0;
    virtual bool InRange(Cell cell) const = 0;
    /// Grows an array so that the cell exists; false outside array mode or beyond a limit.
    virtual bool EnsureCell(Cell cell) = 0;
    virtual void SetArrayMode(bool arrayMode) = 0;
    virtual bool GetArrayMode() const = 0;
    virtual void SetOwnsBuffer(bool owns) = 0;
    virtual bool GetOwnsBuffer() const = 0;
    /// Row limit when dimension is 1, column limit when 0; 0 = none.
    virtual int GetLimit(int dimension) const = 0;
    /// Settings, format and every cell of the other storage.
    virtual bool CopyFrom(const CDataInfo& other) = 0;
};

}  // namespace units
