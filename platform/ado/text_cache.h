#pragma once
// Recently decoded texts of each column of a static recordset.  Columns such
// as the catalogue, the type or the paper repeat a handful of values over a
// whole catalogue; handing out a shared copy of the text decoded before
// spares a conversion and an allocation at every read.
//
// Columns whose values are nearly all different (names, descriptions) would
// only pay for the remembering: a column that finds few repeats among its
// recent reads stops looking for a while, and those reads cost one
// conversion and nothing else.  It looks again now and then, since a sorted
// column may turn from distinct values to long runs of one value.

#include <QString>
#include <array>
#include <cstring>
#include <vector>

namespace platform::ado::detail {

class TextCache {
public:
    explicit TextCache(int columnCount = 0) : columns_(std::size_t(columnCount)) {}

    // The text of UTF-8 bytes that stay valid as long as the cache is used.
    QString text(int column, const char* bytes, int size)
    {
        Column& col = columns_[std::size_t(column)];
        if (size == 0 || size > Longest || col.resting > 0)
            return unremembered(col, bytes, size);
        Entry& entry = col.entries[slotOf(bytes, size)];
        if (entry.size == size && (entry.bytes == bytes || std::memcmp(entry.bytes, bytes, std::size_t(size)) == 0)) {
            ++col.found;
            if (++col.looked == Sample)
                col.judgeSample();
            return entry.text;
        }
        return remember(col, entry, bytes, size);
    }

    // Reads a column of few repeats makes without looking.
    static constexpr int Rest = 1024;
    // Reads over which a column's repeats are counted.
    static constexpr int Sample = 64;

private:
    // Long texts (descriptions, notes) seldom repeat.
    static constexpr int Longest = 40;

    static unsigned slotOf(const char* bytes, int size)
    {
        const auto first = static_cast<unsigned char>(bytes[0]);
        const auto middle = static_cast<unsigned char>(bytes[size / 2]);
        const auto last = static_cast<unsigned char>(bytes[size - 1]);
        return (unsigned(size) * 31u + first + middle * 7u + last * 131u) & 7u;
    }

    struct Entry {
        const char* bytes = nullptr;
        int size = -1;
        QString text;
    };
    struct Column {
        std::array<Entry, 8> entries;
        int looked = 0;   // reads of the current sample
        int found = 0;    // of which were repeats
        int resting = 0;  // reads left before looking again
        void judgeSample();
    };
    static QString unremembered(Column& column, const char* bytes, int size);
    static QString remember(Column& column, Entry& entry, const char* bytes, int size);

    std::vector<Column> columns_;
};

}  // namespace platform::ado::detail
