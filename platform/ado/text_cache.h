#pragma once
// Recently decoded texts of each column of a static recordset.  Columns such
// as the catalogue, the type or the paper repeat a handful of values over a
// whole catalogue; handing out a shared copy of the text decoded before
// spares a conversion and an allocation at every read.

#include <QString>
#include <array>
#include <vector>

namespace platform::ado::detail {

class TextCache {
public:
    explicit TextCache(int columnCount = 0) : columns_(std::size_t(columnCount)) {}

    // The text of UTF-8 bytes that stay valid as long as the cache is used.
    QString text(int column, const char* bytes, int size);

private:
    struct Entry {
        const char* bytes = nullptr;
        int size = -1;
        QString text;
    };
    std::vector<std::array<Entry, 8>> columns_;
};

}  // namespace platform::ado::detail
