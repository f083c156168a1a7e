#pragma once
// Finds a field by name regardless of letter case, without building a
// lower-case copy of the name at every read.

#include <QString>
#include <QStringList>
#include <vector>

namespace platform::ado::detail {

class FieldNames {
public:
    void assign(const QStringList& names);
    // Index of the first field with that name, or -1.
    int find(QStringView name) const;

private:
    static std::size_t hashOf(QStringView name);

    QStringList names_;
    std::vector<int> slots_;  // open addressing; -1 is free
};

}  // namespace platform::ado::detail
