#include "units/data_info_common.h"

namespace units {

namespace {

// A grid larger than this is refused rather than attempted: no table of the program comes
// near it, and a bad count from a file must not exhaust memory.
constexpr long long kMaxCells = 1LL << 26;

long long Allocation(int count, int block, int limit) {
    const long long blocks = (static_cast<long long>(count) + block - 1) / block;
    long long allocated = blocks * block;
    if (limit > 0 && allocated > limit) {
        allocated = limit;
    }
    return allocated;
}

}  // namespace

CDataInfoCommon::CDataInfoCommon(int type, int elementSize, std::string defaultFormat)
    : m_type(type), m_elementSize(elementSize), m_defaultFormat(std::move(defaultFormat)) {}

void CDataInfoCommon::CopySettings(const CDataInfo& other) {
    SetArrayMode(other.GetArrayMode());
    m_rowLimit = other.GetLimit(1);
    m_columnLimit = other.GetLimit(0);
    if (const auto* common = dynamic_cast<const CDataInfoCommon*>(&other)) {
        m_rowBlock = common->m_rowBlock;
        m_columnBlock = common->m_columnBlock;
    }
}

void CDataInfoCommon::CopySettingsAndFormat(const CDataInfo& other) {
    CopySettings(other);
    if (other.GetType() == GetType()) {
        m_defaultFormat = other.GetDefaultFormat();
    }
}

long long CDataInfoCommon::IndexOf(int column, int row, int columns, int rows,
                                   long long allocated) const {
    const long long index = m_indexMapping ? m_indexMapping(column, row, columns, rows)
                                           : column + static_cast<long long>(row) * columns;
    return (index >= 0 && index < allocated) ? index : -1;
}

bool CDataInfoCommon::PlanResize(int columns, int rows, int& allocatedColumns,
                                 int& allocatedRows) const {
    if (rows < 0 || columns < 0 || !m_arrayMode) {
        return false;
    }
    if ((m_rowLimit > 0 && rows > m_rowLimit) || (m_columnLimit > 0 && columns > m_columnLimit)) {
        return false;
    }
    const long long rowCells = Allocation(rows, m_rowBlock, m_rowLimit);
    const long long columnCells = Allocation(columns, m_columnBlock, m_columnLimit);
    if (rowCells > kMaxCells || columnCells > kMaxCells || rowCells * columnCells > kMaxCells) {
        return false;
    }
    allocatedRows = static_cast<int>(rowCells);
    allocatedColumns = static_cast<int>(columnCells);
    return true;
}

void CDataInfoCommon::SetDimensions(int columns, int rows, int allocatedColumns,
                                    int allocatedRows) {
    m_columns = columns;
    m_rows = rows;
    m_allocatedColumns = allocatedColumns;
    m_allocatedRows = allocatedRows;
    if (m_rowCountVariable != nullptr) {
        *m_rowCountVariable = rows;
    }
    if (m_columnCountVariable != nullptr) {
        *m_columnCountVariable = columns;
    }
}

void CDataInfoCommon::SetGrowth(int columnLimit, int* columnCount, int columnBlock, int rowLimit,
                                int* rowCount, int rowBlock) {
    m_columnLimit = columnLimit > 0 ? columnLimit : 0;
    m_rowLimit = rowLimit > 0 ? rowLimit : 0;
    m_columnBlock = columnBlock > 0 ? columnBlock : 1;
    m_rowBlock = rowBlock > 0 ? rowBlock : 1;
    m_columnCountVariable = columnCount;
    m_rowCountVariable = rowCount;
}

}  // namespace units
