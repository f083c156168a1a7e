#include "row_store.h"

#include <cstring>
#include <sqlite3.h>

namespace platform::ado::detail {

namespace {

constexpr std::size_t ChunkBytes = 256 * 1024;

void putVarint(std::string& out, std::uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(char((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(char(value));
}

std::uint64_t getVarint(const char*& p)
{
    std::uint64_t value = 0;
    int shift = 0;
    for (;;) {
        auto byte = static_cast<unsigned char>(*p++);
        value |= std::uint64_t(byte & 0x7F) << shift;
        if (!(byte & 0x80))
            return value;
        shift += 7;
    }
}

std::uint64_t zigzag(std::int64_t v)
{
    return (std::uint64_t(v) << 1) ^ std::uint64_t(v >> 63);
}

std::int64_t unzigzag(std::uint64_t v)
{
    return std::int64_t(v >> 1) ^ -std::int64_t(v & 1);
}

// Skips one packed cell.
const char* skipCell(const char* p)
{
    auto type = static_cast<CellType>(*p++);
    switch (type) {
    case CellType::Null: return p;
    case CellType::Integer: getVarint(p); return p;
    case CellType::Real: return p + sizeof(double);
    case CellType::Text:
    case CellType::Blob: {
        std::uint64_t size = getVarint(p);
        return p + size;
    }
    }
    return p;
}

}  // namespace

RowStore::RowStore(int columnCount) : columnCount_(columnCount), cellStarts_(std::size_t(columnCount)) {}

void RowStore::appendRow(sqlite3_stmt* stmt)
{
    scratch_.clear();
    for (int c = 0; c < columnCount_; ++c) {
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER:
            scratch_.push_back(char(CellType::Integer));
            putVarint(scratch_, zigzag(sqlite3_column_int64(stmt, c)));
            break;
        case SQLITE_FLOAT: {
            scratch_.push_back(char(CellType::Real));
            double real = sqlite3_column_double(stmt, c);
            scratch_.append(reinterpret_cast<const char*>(&real), sizeof real);
            break;
        }
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            bool text = sqlite3_column_type(stmt, c) == SQLITE_TEXT;
            const void* data = text ? static_cast<const void*>(sqlite3_column_text(stmt, c)) : sqlite3_column_blob(stmt, c);
            int size = sqlite3_column_bytes(stmt, c);
            scratch_.push_back(char(text ? CellType::Text : CellType::Blob));
            putVarint(scratch_, std::uint64_t(size));
            if (size > 0)
                scratch_.append(static_cast<const char*>(data), std::size_t(size));
            break;
        }
        default: scratch_.push_back(char(CellType::Null)); break;
        }
    }

    if (chunks_.empty() || chunks_.back().capacity - chunks_.back().used < scratch_.size()) {
        Chunk chunk;
        chunk.capacity = std::max(ChunkBytes, scratch_.size());
        chunk.bytes = std::make_unique_for_overwrite<char[]>(chunk.capacity);
        chunks_.push_back(std::move(chunk));
    }
    Chunk& chunk = chunks_.back();
    if (!scratch_.empty())
        std::memcpy(chunk.bytes.get() + chunk.used, scratch_.data(), scratch_.size());
    rows_.push_back({std::uint32_t(chunks_.size() - 1), std::uint32_t(chunk.used)});
    chunk.used += scratch_.size();
}

void RowStore::layOut(long row) const
{
    const RowStart start = rows_[std::size_t(row)];
    const char* p = chunks_[start.chunk].bytes.get() + start.offset;
    for (int c = 0; c < columnCount_; ++c) {
        cellStarts_[std::size_t(c)] = p;
        p = skipCell(p);
    }
    laidOutRow_ = row;
}

Cell RowStore::cell(long row, int column) const
{
    if (row != laidOutRow_)
        layOut(row);
    const char* p = cellStarts_[std::size_t(column)];
    Cell cell;
    cell.type = static_cast<CellType>(*p++);
    switch (cell.type) {
    case CellType::Null: break;
    case CellType::Integer: cell.integer = unzigzag(getVarint(p)); break;
    case CellType::Real: std::memcpy(&cell.real, p, sizeof cell.real); break;
    case CellType::Text:
    case CellType::Blob:
        cell.size = int(getVarint(p));
        cell.data = p;
        break;
    }
    return cell;
}

}  // namespace platform::ado::detail
