#pragma once
// Text to and from the Windows-1252 code page, the byte encoding that the
// settings file and the other byte-string interfaces use.
//
//   toAnsi(u"Città");            // "Citt\xE0"
//   fromAnsi("\x80 5");          // u"€ 5"
//   toAnsi(u"Ā");                // "?" (no code in the page)

#include <QString>
#include <string>
#include <string_view>

namespace platform::profile {

// Characters without a code in the page become '?', one per character
// (a character outside the basic plane counts once).
std::string toAnsi(const QString& text);

// Every byte has a character: the five bytes the page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same
// number, so fromAnsi followed by toAnsi gives back the same bytes.
QString fromAnsi(std::string_view bytes);

}  // namespace platform::profile
