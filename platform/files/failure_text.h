#pragma once
// Italian wording and error numbers for operating-system failures.

#include <QString>
#include <system_error>

namespace platform::files::detail {

// Error numbers of the desktop the program comes from that error.h lacks.
inline constexpr int ErrDeviceIO = 57;
inline constexpr int ErrFileAlreadyExists = 58;
inline constexpr int ErrDiskFull = 61;

// "accesso negato", "spazio su disco insufficiente", ...
QString reasonOf(std::error_code error);

// The number a failure of that kind is reported with.
int numberOf(std::error_code error);

}  // namespace platform::files::detail
