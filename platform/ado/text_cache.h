#pragma once
// Recently decoded texts of each column of a static recordset.  Columns such
// as the catalogue, the type or the paper repeat a handful of values over a
// whole catalogue; handing out a shared copy of the text decoded before
// spares a conversion and an allocation at every read.

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
        if (size == 0 || size > Longest)
            return QString::fromUtf8(bytes, size);
        Entry& entry = columns_[std::size_t(column)][slotOf(bytes, size)];
        if (entry.size == size && (entry.bytes == bytes || std::memcmp(entry.bytes, bytes, std::size_t(size)) == 0))
            return entry.text;
        return remember(entry, bytes, size);
    }

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
    static QString remember(Entry& entry, const char* bytes, int size);

    std::vector<std::array<Entry, 8>> columns_;
};

}  // namespace platform::ado::detail
