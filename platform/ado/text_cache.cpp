#include "text_cache.h"

namespace platform::ado::detail {

QString TextCache::remember(Entry& entry, const char* bytes, int size)
{
    entry.bytes = bytes;
    entry.size = size;
    entry.text = QString::fromUtf8(bytes, size);
    return entry.text;
}

}  // namespace platform::ado::detail
