#include "row_store.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <sqlite3.h>

namespace platform::ado::detail {

namespace {

// Kept under the size from which the C library maps each block afresh from
// the system (128 KB unless it has learnt otherwise): a list opened again and
// again then reuses the memory of the last one instead of taking a page
// fault on every page it writes.
constexpr std::size_t ChunkBytes = 64 * 1024;

char* putVarint(char* out, std::uint64_t value)
{
    while (value >= 0x80) {
        *out++ = char((value & 0x7F) | 0x80);
        value >>= 7;
    }
    *out++ = char(value);
    return out;
}


std::uint64_t zigzag(std::int64_t v)
{
    return (std::uint64_t(v) << 1) ^ std::uint64_t(v >> 63);
}


// Skips one packed cell.
const char* skipCell(const char* p)
{
    auto type = static_cast<CellType>(*p++);
    switch (type) {
    case CellType::Null: return p;
    case CellType::Integer: RowStore::varint(p); return p;
    case CellType::Real: return p + sizeof(double);
    case CellType::Text:
    case CellType::Blob: {
        std::uint64_t size = RowStore::varint(p);
        return p + size;
    }
    }
    return p;
}

}  // namespace

RowStore::RowStore(int columnCount)
    : columnCount_(columnCount), incoming_(std::size_t(columnCount)), cellStarts_(std::size_t(columnCount))
{
}

void RowStore::appendRow(sqlite3_stmt* stmt)
{
    // First the cells and an upper bound of their packed size, then the
    // packing straight into the chunk.  The values are read through
    // sqlite3_value: connections are opened without mutexes, where SQLite
    // makes no difference between protected and unprotected values, and this
    // saves two API round trips per cell.
    std::size_t bound = 0;
    for (int c = 0; c < columnCount_; ++c) {
        Cell& cell = incoming_[std::size_t(c)];
        cell = Cell();
        sqlite3_value* value = sqlite3_column_value(stmt, c);
        switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER:
            cell.type = CellType::Integer;
            cell.integer = sqlite3_value_int64(value);
            bound += 11;
            break;
        case SQLITE_FLOAT:
            cell.type = CellType::Real;
            cell.real = sqlite3_value_double(value);
            bound += 1 + sizeof(double);
            break;
        case SQLITE_TEXT:
            cell.type = CellType::Text;
            cell.data = reinterpret_cast<const char*>(sqlite3_value_text(value));
            cell.size = sqlite3_value_bytes(value);
            bound += 11 + std::size_t(cell.size);
            break;
        case SQLITE_BLOB:
            cell.type = CellType::Blob;
            cell.data = static_cast<const char*>(sqlite3_value_blob(value));
            cell.size = sqlite3_value_bytes(value);
            bound += 11 + std::size_t(cell.size);
            break;
        default: bound += 1; break;
        }
    }

    if (chunks_.empty() || chunks_.back().capacity - chunks_.back().used < bound) {
        if (!chunks_.empty())
            shrinkLastChunk();
        Chunk chunk;
        chunk.capacity = std::max(ChunkBytes, bound);
        chunk.bytes.reset(static_cast<char*>(std::malloc(chunk.capacity)));
        if (!chunk.bytes)
            throw std::bad_alloc();
        chunks_.push_back(std::move(chunk));
    }
    Chunk& chunk = chunks_.back();
    char* const start = chunk.bytes.get() + chunk.used;
    char* out = start;
    for (int c = 0; c < columnCount_; ++c) {
        const Cell& cell = incoming_[std::size_t(c)];
        *out++ = char(cell.type);
        switch (cell.type) {
        case CellType::Null: break;
        case CellType::Integer: out = putVarint(out, zigzag(cell.integer)); break;
        case CellType::Real:
            std::memcpy(out, &cell.real, sizeof cell.real);
            out += sizeof cell.real;
            break;
        case CellType::Text:
        case CellType::Blob:
            out = putVarint(out, std::uint64_t(cell.size));
            if (cell.size > 0)
                std::memcpy(out, cell.data, std::size_t(cell.size));
            out += cell.size;
            break;
        }
    }
    const std::size_t slot = std::size_t(rowCount_) % RowsPerPage;
    if (slot == 0)
        rowPages_.push_back(std::make_unique_for_overwrite<RowStart[]>(RowsPerPage));
    rowPages_.back()[slot] = {std::uint32_t(chunks_.size() - 1), std::uint32_t(chunk.used)};
    ++rowCount_;
    chunk.used += std::size_t(out - start);
}

void RowStore::finish()
{
    if (!chunks_.empty())
        shrinkLastChunk();
}

void RowStore::shrinkLastChunk()
{
    Chunk& chunk = chunks_.back();
    if (chunk.capacity - chunk.used < 4096)
        return;
    // Should shrinking fail, the chunk simply stays as large as it was.
    if (char* fitted = static_cast<char*>(std::realloc(chunk.bytes.get(), std::max<std::size_t>(chunk.used, 1)))) {
        chunk.bytes.release();
        chunk.bytes.reset(fitted);
        chunk.capacity = chunk.used;
    }
}

void RowStore::layOut(long row) const
{
    const RowStart start = rowPages_[std::size_t(row) / RowsPerPage][std::size_t(row) % RowsPerPage];
    const char* p = chunks_[start.chunk].bytes.get() + start.offset;
    for (int c = 0; c < columnCount_; ++c) {
        cellStarts_[std::size_t(c)] = p;
        p = skipCell(p);
    }
    laidOutRow_ = row;
}

}  // namespace platform::ado::detail
