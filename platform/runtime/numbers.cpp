#include "regional/regional.h"
#include "runtime/runtime.h"

#include <cmath>
#include <limits>

namespace platform::runtime {

namespace {

double wholeNumberOrThrow(const QString& s)
{
    auto value = regional::current().parseDouble(s);
    if (!value)
        throw Error(ErrTypeMismatch, "Tipo non corrispondente: \"" + s + "\" non è un numero.");
    return std::nearbyint(*value);  // halves to even
}

template <class T>
T inRangeOrThrow(double value)
{
    if (value < double(std::numeric_limits<T>::min()) || value > double(std::numeric_limits<T>::max()))
        throw Error(ErrOverflow, "Overflow");
    return T(value);
}

}  // namespace

std::int16_t CInt(const QString& s)
{
    return inRangeOrThrow<std::int16_t>(wholeNumberOrThrow(s));
}

std::int32_t CLng(const QString& s)
{
    return inRangeOrThrow<std::int32_t>(wholeNumberOrThrow(s));
}

bool IsNumeric(const QString& s)
{
    return regional::current().parseDouble(s).has_value();
}

}  // namespace platform::runtime
