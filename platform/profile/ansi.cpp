#include "ansi.h"

#include <QList>
#include <array>

namespace platform::profile {
namespace {

// Bytes 0x80-0x9F; the rest of the page is Latin-1.  Unassigned bytes keep
// the control character of their own number.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

char toByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

std::string toAnsi(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (char32_t c : text.toUcs4()) {
        bytes.push_back(toByte(c));
    }
    return bytes;
}

QString fromAnsi(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char b : bytes) {
        const auto code = static_cast<unsigned char>(b);
        const char16_t c = (code >= 0x80 && code <= 0x9F) ? kHighControls[code - 0x80] : char16_t{code};
        text.append(QChar(c));
    }
    return text;
}

}  // namespace platform::profile
