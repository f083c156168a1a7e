#pragma once
// The rows of a static recordset, packed: each row is one run of bytes in a
// chunk (a type tag per cell, then a varint or 8 bytes for numbers and a
// length-prefixed UTF-8 run for text), so that 100,000 cards of thirty
// columns take little more than their text.  Values are decoded only when a
// field is read.

#include "values.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace platform::ado::detail {

class RowStore {
public:
    explicit RowStore(int columnCount = 0);

    // Appends the row the statement has just stepped onto.
    void appendRow(sqlite3_stmt* stmt);
    // Gives back the room reserved for more rows once all are in.
    void finish();
    long rowCount() const { return rowCount_; }
    int columnCount() const { return columnCount_; }

    // A cell of a stored row; text points into the store and stays valid
    // while the store lives.
    Cell cell(long row, int column) const
    {
        if (row != laidOutRow_)
            layOut(row);
        const char* p = cellStarts_[std::size_t(column)];
        Cell cell;
        cell.type = static_cast<CellType>(*p++);
        switch (cell.type) {
        case CellType::Null: break;
        case CellType::Integer: cell.integer = unzigzag(varint(p)); break;
        case CellType::Real: std::memcpy(&cell.real, p, sizeof cell.real); break;
        case CellType::Text:
        case CellType::Blob:
            cell.size = int(varint(p));
            cell.data = p;
            break;
        }
        return cell;
    }

    static std::uint64_t varint(const char*& p)
    {
        std::uint64_t value = 0;
        for (int shift = 0;; shift += 7) {
            const auto byte = static_cast<unsigned char>(*p++);
            value |= std::uint64_t(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
    }
    static std::int64_t unzigzag(std::uint64_t v) { return std::int64_t(v >> 1) ^ -std::int64_t(v & 1); }

private:
    struct RowStart {
        std::uint32_t chunk;
        std::uint32_t offset;
    };
    // Chunks come from malloc, so that the last one gives back its unused
    // room through realloc, which shrinks a block where it lies, rather than
    // being copied whole into a smaller one.
    struct FreeBytes {
        void operator()(char* bytes) const { std::free(bytes); }
    };
    struct Chunk {
        std::unique_ptr<char[], FreeBytes> bytes;
        std::size_t capacity = 0;
        std::size_t used = 0;
    };

    void layOut(long row) const;
    void shrinkLastChunk();

    int columnCount_;
    std::vector<Chunk> chunks_;
    // Where each row begins, in pages of a fixed number of rows: the index
    // grows without copying itself and never asks for one large block.
    static constexpr std::size_t RowsPerPage = 1024;
    std::vector<std::unique_ptr<RowStart[]>> rowPages_;
    long rowCount_ = 0;
    std::vector<Cell> incoming_;  // the row being packed

    // Where the cells of the last row looked at begin, so that reading every
    // field of a row decodes the row once.
    mutable long laidOutRow_ = -1;
    mutable std::vector<const char*> cellStarts_;
};

}  // namespace platform::ado::detail
