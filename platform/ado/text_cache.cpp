#include "text_cache.h"

#include <cstring>

namespace platform::ado::detail {

QString TextCache::text(int column, const char* bytes, int size)
{
    // Long texts (descriptions, notes) seldom repeat.
    constexpr int Longest = 40;
    if (size == 0 || size > Longest)
        return QString::fromUtf8(bytes, size);
    const auto first = static_cast<unsigned char>(bytes[0]);
    const auto middle = static_cast<unsigned char>(bytes[size / 2]);
    const auto last = static_cast<unsigned char>(bytes[size - 1]);
    const unsigned slot = (unsigned(size) * 31u + first + middle * 7u + last * 131u) & 7u;
    Entry& entry = columns_[std::size_t(column)][slot];
    if (entry.size == size && (entry.bytes == bytes || std::memcmp(entry.bytes, bytes, std::size_t(size)) == 0))
        return entry.text;
    entry.bytes = bytes;
    entry.size = size;
    entry.text = QString::fromUtf8(bytes, size);
    return entry.text;
}

}  // namespace platform::ado::detail
