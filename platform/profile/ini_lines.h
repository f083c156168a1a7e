#pragma once
// The line grammar of a private-profile file, shared by reading and writing.
//
//   [Section]        a header; blanks inside the brackets do not count
//   ; anything       a comment
//   Key = value      an entry; blanks around the name, around "=" and at
//                    both ends of the value do not count
//
// Names compare regardless of letter case.  Lines may end in CR LF or LF.

#include <string>
#include <string_view>
#include <vector>

namespace platform::profile::detail {

enum class LineKind { Blank, Comment, Section, Entry, Other };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;   // section name or entry name, blanks removed
    std::string_view value;  // entry value, blanks removed, quotes kept
};

ParsedLine parseLine(std::string_view line);

// The blanks that do not count removed from both ends.
std::string_view trimBlanks(std::string_view s);

// A value between a matching pair of quotes (single or double) loses the pair.
std::string_view unquote(std::string_view value);

bool sameName(std::string_view a, std::string_view b);

// One line of a file: its text and the line end that followed it ("\r\n",
// "\n", or "" for a last line without one).
struct Line {
    std::string text;
    std::string end;
};

// The UTF-8 byte-order mark some editors put at the start ("" when there is
// none); it belongs to no line.
std::string_view byteOrderMarkOf(std::string_view content);

std::vector<Line> splitLines(std::string_view content);
std::string joinLines(const std::vector<Line>& lines);

// The line end a file already uses, so that added lines match it; "\n" for
// a file that has none yet.
std::string lineEndOf(std::string_view content);

}  // namespace platform::profile::detail
