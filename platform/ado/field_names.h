#pragma once
// Finds a field by name regardless of letter case, without building a
// lower-case copy of the name at every read.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace platform::ado::detail {

class FieldNames {
public:
    void assign(const QStringList& names);
    // Index of the first field with that name, or -1.
    int find(QStringView name) const;
    // The same, remembering the answer for this very string: code that reads
    // fields by the same names row after row then skips the lookup.
    int find(const QString& name) const
    {
        const Remembered& home = remembered_[homeOf(name)];
        if (home.name.constData() == name.constData() && home.index >= 0 && home.name.size() == name.size())
            return home.index;
        return findAndRemember(name);
    }

private:
    static std::size_t hashOf(QStringView name);
    static std::size_t homeOf(const QString& name)
    {
        const auto address = std::uint64_t(reinterpret_cast<std::uintptr_t>(name.constData()));
        return std::size_t((address * 0x9E3779B97F4A7C15ull) >> 57);
    }
    int findAndRemember(const QString& name) const;

    QStringList names_;
    std::vector<int> slots_;  // open addressing; -1 is free

    // Keyed by the string's data: the copy held here shares that data, so
    // while it is cached the same pointer can only mean the same text.
    struct Remembered {
        QString name;
        int index = -1;
    };
    mutable std::array<Remembered, 128> remembered_;
};

}  // namespace platform::ado::detail
