#include "profile.h"

#include "ansi.h"
#include "ini_lines.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace platform::profile {
namespace {

using detail::Line;
using detail::LineKind;
using detail::parseLine;
using detail::sameName;

std::optional<std::string> readWholeFile(const char* fileName) {
    if (fileName == nullptr || *fileName == '\0') {
        return std::nullopt;
    }
    QFile file(fromAnsi(fileName));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

std::optional<std::string> findValue(std::string_view content, std::string_view section, std::string_view key) {
    content.remove_prefix(detail::byteOrderMarkOf(content).size());
    bool inSection = false;
    bool sectionSeen = false;
    for (const Line& line : detail::splitLines(content)) {
        const auto parsed = parseLine(line.text);
        if (parsed.kind == LineKind::Section) {
            if (sectionSeen) {
                return std::nullopt;  // only the first section of that name counts
            }
            inSection = sameName(parsed.name, section);
            sectionSeen = inSection;
        } else if (inSection && parsed.kind == LineKind::Entry && sameName(parsed.name, key)) {
            return std::string(detail::unquote(parsed.value));
        }
    }
    return std::nullopt;
}

unsigned copyOut(std::string_view text, char* buffer, unsigned size) {
    const auto count = static_cast<unsigned>(std::min<std::size_t>(text.size(), size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

std::string_view withoutTrailingSpaces(std::string_view s) {
    const auto last = s.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : s.substr(0, last + 1);
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

std::string trimmedName(std::string_view s) {
    return std::string(detail::trimBlanks(s));
}

bool writable(const char* section, const char* key, const char* value) {
    if (section == nullptr || hasLineBreak(section) || std::strchr(section, ']') != nullptr) {
        return false;
    }
    if (key != nullptr) {
        const std::string name = trimmedName(key);
        if (hasLineBreak(key) || std::strchr(key, '=') != nullptr || name.starts_with(';') || name.starts_with('[')) {
            return false;
        }
    }
    return value == nullptr || !hasLineBreak(value);
}

// Lines [first, last) of the first section named `section`; first is its header.
struct SectionRange {
    std::size_t first;
    std::size_t last;
};

std::optional<SectionRange> findSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto parsed = parseLine(lines[i].text);
        if (parsed.kind != LineKind::Section || !sameName(parsed.name, section)) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && parseLine(lines[end].text).kind != LineKind::Section) {
            ++end;
        }
        return SectionRange{i, end};
    }
    return std::nullopt;
}

void appendLine(std::vector<Line>& lines, std::size_t at, std::string text, const std::string& lineEnd) {
    if (at > 0 && lines[at - 1].end.empty()) {
        lines[at - 1].end = lineEnd;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(text), lineEnd});
}

// The edit itself; false when nothing changes.
bool applyWrite(std::vector<Line>& lines, std::string_view section, const char* key, const char* value,
                const std::string& lineEnd) {
    const auto range = findSection(lines, section);
    if (!range) {
        if (key == nullptr || value == nullptr) {
            return false;
        }
        appendLine(lines, lines.size(), "[" + std::string(section) + "]", lineEnd);
        appendLine(lines, lines.size(), std::string(key) + "=" + value, lineEnd);
        return true;
    }
    const auto first = static_cast<std::ptrdiff_t>(range->first);
    const auto last = static_cast<std::ptrdiff_t>(range->last);
    if (key == nullptr) {
        lines.erase(lines.begin() + first, lines.begin() + last);
        return true;
    }
    std::size_t afterContent = range->first + 1;
    for (std::size_t i = range->first + 1; i < range->last; ++i) {
        const auto parsed = parseLine(lines[i].text);
        if (parsed.kind == LineKind::Entry && sameName(parsed.name, key)) {
            if (value == nullptr) {
                lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                lines[i].text = std::string(parsed.name) + "=" + value;
            }
            return true;
        }
        if (parsed.kind != LineKind::Blank) {
            afterContent = i + 1;
        }
    }
    if (value == nullptr) {
        return false;
    }
    appendLine(lines, afterContent, std::string(key) + "=" + value, lineEnd);
    return true;
}

bool replaceFile(const char* fileName, const std::string& content) {
    QSaveFile file(fromAnsi(fileName));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

unsigned GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, unsigned size, const char* fileName) {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    if (section != nullptr && key != nullptr) {
        if (const auto content = readWholeFile(fileName)) {
            if (const auto value = findValue(*content, detail::trimBlanks(section), detail::trimBlanks(key))) {
                return copyOut(*value, buffer, size);
            }
        }
    }
    return copyOut(withoutTrailingSpaces(defaultValue == nullptr ? "" : defaultValue), buffer, size);
}

int WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName) {
    if (!writable(section, key, value) || fileName == nullptr || *fileName == '\0') {
        return 0;
    }
    std::string content;
    if (QFile::exists(fromAnsi(fileName))) {
        auto existing = readWholeFile(fileName);
        if (!existing) {
            return 0;  // never replace a file that could not be read
        }
        content = std::move(*existing);
    }
    const std::string byteOrderMark(detail::byteOrderMarkOf(content));
    auto lines = detail::splitLines(std::string_view(content).substr(byteOrderMark.size()));
    const std::string trimmedKey = key == nullptr ? std::string() : trimmedName(key);
    if (!applyWrite(lines, trimmedName(section), key == nullptr ? nullptr : trimmedKey.c_str(), value,
                    detail::lineEndOf(content))) {
        return 1;
    }
    return replaceFile(fileName, byteOrderMark + detail::joinLines(lines)) ? 1 : 0;
}

}  // namespace platform::profile
