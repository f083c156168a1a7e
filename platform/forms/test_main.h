#pragma once
// What the shared test main offers the tests linked with it
// (platform_forms_testmain): the program's end is recorded, not carried out,
// and Qt texts print readably in failure messages.

#include <QString>
#include <ostream>

namespace platform::forms::testing {

// How many times End() was called since the last reset.
int endCalls();
void resetEndCalls();

}  // namespace platform::forms::testing

// Found by GoogleTest through the argument's namespace (QString has none).
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
