#pragma once

#include "units/data_info_common.h"

#include <algorithm>
#include <limits>
#include <new>
#include <utility>

namespace units {

/// The buffer of one element type. Traits give the type's no-value marker:
/// static bool IsNoValue(const T&) and static void Clear(T&).
template <class T, class Traits>
class CDataInfoTyped : public CDataInfoCommon {
public:
    using Element = T;

    CDataInfoTyped(int type, std::string defaultFormat)
        : CDataInfoCommon(type, static_cast<int>(sizeof(T)), std::move(defaultFormat)) {}
    ~CDataInfoTyped() override { FreeBuffer(); }
    CDataInfoTyped(const CDataInfoTyped&) = delete;
    CDataInfoTyped& operator=(const CDataInfoTyped&) = delete;

    bool BindValue(void* external, int columns, int rows) override {
        if (columns < 0 || rows < 0) {
            return false;
        }
        FreeBuffer();
        m_bufferRef = &m_ownBuffer;
        if (external != nullptr) {
            m_ownBuffer = static_cast<T*>(external);
            m_ownsBuffer = false;
            m_arrayMode = false;
            SetDimensions(columns, rows, columns, rows);
            return true;
        }
        // Owned cells: array mode only for this first allocation.
        m_arrayMode = true;
        SetDimensions(0, 0, 0, 0);
        const bool result = Resize(columns, rows);
        m_arrayMode = false;
        return result;
    }

    bool BindArray(void* bufferRef, int columns, int columnLimit, int* columnCount, int columnBlock,
                   int rows, int rowLimit, int* rowCount, int rowBlock) override {
        if (columns < 0 || rows < 0) {
            return false;
        }
        FreeBuffer();
        m_bufferRef = bufferRef != nullptr ? static_cast<T**>(bufferRef) : &m_ownBuffer;
        SetGrowth(columnLimit, columnCount, columnBlock, rowLimit, rowCount, rowBlock);
        m_arrayMode = true;
        if (*m_bufferRef != nullptr) {
            // The caller's cells, used as they are until the array grows.
            m_ownsBuffer = false;
            SetDimensions(columns, rows, columns, rows);
            return true;
        }
        SetDimensions(0, 0, 0, 0);
        return Resize(columns, rows);
    }

    bool Resize(int columns, int rows) override {
        int allocatedColumns = 0;
        int allocatedRows = 0;
        if (!PlanResize(columns, rows, allocatedColumns, allocatedRows)) {
            return false;
        }
        if (!m_cellAddress) {
            const long long count = static_cast<long long>(allocatedColumns) * allocatedRows;
            T* fresh = new (std::nothrow) T[static_cast<std::size_t>(count)]();
            if (fresh == nullptr) {
                return false;
            }
            T* old = *m_bufferRef;
            const long long oldAllocated =
                static_cast<long long>(m_allocatedColumns) * m_allocatedRows;
            const int keepRows = std::min(rows, m_rows);
            const int keepColumns = std::min(columns, m_columns);
            for (int r = 0; old != nullptr && r < keepRows; ++r) {
                for (int c = 0; c < keepColumns; ++c) {
                    const long long from = IndexOf(c, r, m_columns, m_rows, oldAllocated);
                    const long long to = IndexOf(c, r, columns, rows, count);
                    if (from >= 0 && to >= 0) {
                        fresh[to] = std::move(old[from]);
                    }
                }
            }
            if (m_ownsBuffer) {
                delete[] old;
            }
            *m_bufferRef = fresh;
            m_ownsBuffer = true;
        }
        const int oldColumns = m_columns;
        const int oldRows = m_rows;
        SetDimensions(columns, rows, allocatedColumns, allocatedRows);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (r >= oldRows || c >= oldColumns) {
                    if (T* cell = CellPtr(Cell(c, r))) {
                        Traits::Clear(*cell);
                    }
                }
            }
        }
        return true;
    }

    bool EnsureCell(Cell cell) override {
        if (InRange(cell)) {
            return true;
        }
        if (cell.column < 0 || cell.row < 0 || cell.column == std::numeric_limits<int>::max() ||
            cell.row == std::numeric_limits<int>::max()) {
            return false;
        }
        return Resize(std::max(m_columns, cell.column + 1), std::max(m_rows, cell.row + 1));
    }

    bool HasValue(Cell cell) const override {
        const T* element = CellPtr(cell);
        return element != nullptr && !Traits::IsNoValue(*element);
    }

    bool ClearCell(Cell cell) override {
        T* element = CellPtr(cell);
        if (element == nullptr) {
            return false;
        }
        Traits::Clear(*element);
        return true;
    }

    bool SwapCells(Cell a, Cell b) override {
        T* first = CellPtr(a);
        T* second = CellPtr(b);
        if (first == nullptr || second == nullptr) {
            return false;
        }
        using std::swap;
        swap(*first, *second);
        return true;
    }

    bool CopyCellWithin(Cell from, Cell to) override {
        T* source = CellPtr(from);
        T* target = CellPtr(to);
        if (source == nullptr || target == nullptr) {
            return false;
        }
        if (source != target) {
            *target = *source;
        }
        return true;
    }

    bool MoveBlock(int from, int to, int count, int dimension) override {
        const long long extent = dimension == 0 ? m_rows : m_columns;
        if (count < 0 || from < 0 || to < 0 || from + static_cast<long long>(count) > extent ||
            to + static_cast<long long>(count) > extent) {
            return false;
        }
        // Copy in the direction that never overwrites a line before it was read.
        for (int k = 0; k < count; ++k) {
            const int step = (to > from) ? count - 1 - k : k;
            CopyLine(from + step, to + step, dimension);
        }
        return true;
    }

    bool MoveCells(int from, int to, int count, int dimension) override {
        return MoveBlock(from, to, count, dimension);
    }

    bool MoveCellsAndClear(int from, int to, int count, int dimension) override {
        if (!MoveBlock(from, to, count, dimension)) {
            return false;
        }
        for (int line = from; line < from + count; ++line) {
            if (line < to || line >= to + count) {
                ClearLine(line, dimension);
            }
        }
        return true;
    }

    bool InsertCells(int at, int count, int dimension) override {
        const int extent = dimension == 0 ? m_rows : m_columns;
        if (count <= 0 || at < 0 || at > extent ||
            count > std::numeric_limits<int>::max() - extent) {
            return false;
        }
        const bool grown =
            dimension == 0 ? Resize(m_columns, m_rows + count) : Resize(m_columns + count, m_rows);
        if (!grown) {
            return false;
        }
        MoveBlock(at, at + count, extent - at, dimension);
        for (int line = at; line < at + count; ++line) {
            ClearLine(line, dimension);
        }
        return true;
    }

    bool DeleteCells(int at, int count, int dimension) override {
        const int extent = dimension == 0 ? m_rows : m_columns;
        if (count <= 0 || at < 0 || at >= extent || !m_arrayMode) {
            return false;
        }
        count = std::min(count, extent - at);
        MoveBlock(at + count, at, extent - at - count, dimension);
        return dimension == 0 ? Resize(m_columns, m_rows - count)
                              : Resize(m_columns - count, m_rows);
    }

    bool CopyFrom(const CDataInfo& other) override {
        CopySettingsAndFormat(other);
        const int columns = other.GetCount(0);
        const int rows = other.GetCount(1);
        if (columns != m_columns || rows != m_rows) {
            const bool arrayMode = m_arrayMode;
            m_arrayMode = true;
            const bool resized = Resize(columns, rows);
            m_arrayMode = arrayMode;
            if (!resized) {
                return false;
            }
        }
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                CopyCellFrom(other, Cell(c, r), Cell(c, r));
            }
        }
        return true;
    }

    /// The element of a cell inside the grid, or none.
    T* CellPtr(Cell cell) const {
        if (!InRange(cell)) {
            return nullptr;
        }
        if (m_cellAddress) {
            return static_cast<T*>(m_cellAddress(cell.column, cell.row));
        }
        T* buffer = *m_bufferRef;
        if (buffer == nullptr) {
            return nullptr;
        }
        const long long allocated = static_cast<long long>(m_allocatedColumns) * m_allocatedRows;
        const long long index = IndexOf(cell.column, cell.row, m_columns, m_rows, allocated);
        return index >= 0 ? buffer + index : nullptr;
    }

protected:
    /// The element to write a cell into: grows an array when needed; none outside the grid
    /// of a storage that cannot grow.
    T* WritableCell(Cell cell) {
        if (!InRange(cell) && !(m_arrayMode && EnsureCell(cell))) {
            return nullptr;
        }
        return CellPtr(cell);
    }

private:
    void FreeBuffer() {
        if (m_ownsBuffer && m_bufferRef != nullptr && *m_bufferRef != nullptr) {
            delete[] * m_bufferRef;
            *m_bufferRef = nullptr;
        }
        m_ownsBuffer = false;
        m_ownBuffer = nullptr;
    }

    void CopyLine(int from, int to, int dimension) {
        const int span = dimension == 0 ? m_columns : m_rows;
        for (int k = 0; k < span; ++k) {
            if (dimension == 0) {
                CopyCellWithin(Cell(k, from), Cell(k, to));
            } else {
                CopyCellWithin(Cell(from, k), Cell(to, k));
            }
        }
    }

    void ClearLine(int line, int dimension) {
        const int span = dimension == 0 ? m_columns : m_rows;
        for (int k = 0; k < span; ++k) {
            ClearCell(dimension == 0 ? Cell(k, line) : Cell(line, k));
        }
    }

    T* m_ownBuffer = nullptr;
    T** m_bufferRef = &m_ownBuffer;
};

}  // namespace units
