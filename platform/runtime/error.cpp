#include "runtime/error.h"

namespace platform::runtime {

Error::Error(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description)
{
}

}  // namespace platform::runtime
