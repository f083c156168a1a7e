#include "ini_lines.h"

#include "ansi.h"

namespace platform::profile::detail {
namespace {

// A stray CR (a last line ending in CR alone) counts as a blank too.
constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

ParsedLine parseLine(std::string_view line) {
    const std::string_view text = trimBlanks(line);
    if (text.empty()) {
        return {};
    }
    if (text.front() == ';') {
        return {LineKind::Comment, {}, {}};
    }
    if (text.front() == '[') {
        const auto close = text.rfind(']');
        const auto inner = close == std::string_view::npos ? text.substr(1) : text.substr(1, close - 1);
        return {LineKind::Section, trimBlanks(inner), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    return {LineKind::Entry, trimBlanks(text.substr(0, equals)), trimBlanks(text.substr(equals + 1))};
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    return fromAnsi(a).compare(fromAnsi(b), Qt::CaseInsensitive) == 0;
}

std::string_view byteOrderMarkOf(std::string_view content) {
    return content.starts_with(kByteOrderMark) ? kByteOrderMark : std::string_view{};
}

std::vector<Line> splitLines(std::string_view content) {
    std::vector<Line> lines;
    while (!content.empty()) {
        const auto newline = content.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back({std::string(content), ""});
            break;
        }
        const bool crlf = newline > 0 && content[newline - 1] == '\r';
        const auto textLength = crlf ? newline - 1 : newline;
        lines.push_back({std::string(content.substr(0, textLength)), crlf ? "\r\n" : "\n"});
        content.remove_prefix(newline + 1);
    }
    return lines;
}

std::string joinLines(const std::vector<Line>& lines) {
    std::string content;
    for (const auto& line : lines) {
        content += line.text;
        content += line.end;
    }
    return content;
}

std::string lineEndOf(std::string_view content) {
    const auto newline = content.find('\n');
    if (newline != std::string_view::npos && newline > 0 && content[newline - 1] == '\r') {
        return "\r\n";
    }
    return "\n";
}

}  // namespace platform::profile::detail
