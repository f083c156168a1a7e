#include "text_cache.h"

namespace platform::ado::detail {

void TextCache::Column::judgeSample()
{
    // Fewer than one repeat in eight does not pay for the lookups.
    if (found * 8 < Sample)
        resting = Rest;
    looked = 0;
    found = 0;
}

QString TextCache::unremembered(Column& column, const char* bytes, int size)
{
    if (size > 0 && size <= Longest)
        --column.resting;
    return QString::fromUtf8(bytes, size);
}

QString TextCache::remember(Column& column, Entry& entry, const char* bytes, int size)
{
    if (++column.looked == Sample)
        column.judgeSample();
    entry.bytes = bytes;
    entry.size = size;
    entry.text = QString::fromUtf8(bytes, size);
    return entry.text;
}

}  // namespace platform::ado::detail
