#include "field_names.h"

namespace platform::ado::detail {

std::size_t FieldNames::hashOf(QStringView name)
{
    std::size_t h = 1469598103934665603ull;
    for (QChar c : name) {
        char32_t u = c.unicode();
        if (u < 0x80) {
            if (u >= 'A' && u <= 'Z')
                u += 32;
        } else {
            u = QChar::toCaseFolded(u);
        }
        h = (h ^ u) * 1099511628211ull;
    }
    return h;
}

void FieldNames::assign(const QStringList& names)
{
    remembered_ = {};
    names_ = names;
    std::size_t size = 8;
    while (size < std::size_t(names.size()) * 2)
        size *= 2;
    slots_.assign(size, -1);
    for (int i = 0; i < names.size(); ++i) {
        if (find(names[i]) >= 0)
            continue;  // the first of equal names wins
        std::size_t slot = hashOf(names[i]) & (size - 1);
        while (slots_[slot] >= 0)
            slot = (slot + 1) & (size - 1);
        slots_[slot] = i;
    }
}

int FieldNames::find(QStringView name) const
{
    if (slots_.empty())
        return -1;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hashOf(name) & mask; slots_[slot] >= 0; slot = (slot + 1) & mask) {
        const int index = slots_[slot];
        if (name.compare(names_[index], Qt::CaseInsensitive) == 0)
            return index;
    }
    return -1;
}

int FieldNames::findAndRemember(const QString& name) const
{
    constexpr std::size_t Probes = 4;
    const std::size_t home = homeOf(name);
    for (std::size_t probe = 1; probe < Probes; ++probe) {
        const Remembered& slot = remembered_[(home + probe) % remembered_.size()];
        if (slot.index < 0)
            break;
        if (slot.name.constData() == name.constData() && slot.name.size() == name.size())
            return slot.index;
    }
    const int index = find(QStringView(name));
    if (index >= 0) {
        std::size_t target = home;
        for (std::size_t probe = 0; probe < Probes; ++probe) {
            if (remembered_[(home + probe) % remembered_.size()].index < 0) {
                target = (home + probe) % remembered_.size();
                break;
            }
        }
        remembered_[target] = {name, index};
    }
    return index;
}

}  // namespace platform::ado::detail
