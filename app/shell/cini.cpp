#include "cini.h"

#include "profile/ansi.h"
#include "profile/profile.h"
#include "runtime/runtime.h"

#include <array>
#include <string>
#include <string_view>

namespace {

constexpr unsigned kBufferSize = 100;

}  // namespace

void Cini::setFileName(QString strFile) {
    fileName_ = platform::runtime::Trim(strFile);
}

void Cini::setApplicationKey(QString strAppKey) {
    applicationKey_ = platform::runtime::Trim(strAppKey);
}

QString Cini::GetValue(QString keyName, QString strDefault) const {
    using platform::profile::toAnsi;
    std::array<char, kBufferSize> buffer{};
    const std::string section = toAnsi(applicationKey_);
    const std::string key = toAnsi(keyName);
    const std::string defaultValue = toAnsi(strDefault);
    const std::string file = toAnsi(fileName_);
    const unsigned copied = platform::profile::GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), kBufferSize, file.c_str());
    if (copied == 0) {
        return QStringLiteral("Error");
    }
    // The whole buffer, NUL fill included: CleanString drops the fill.
    return CleanString(platform::profile::fromAnsi(std::string_view(buffer.data(), buffer.size())));
}

bool Cini::SetValue(QString keyName, QString strValue) {
    using platform::profile::toAnsi;
    const std::string section = toAnsi(applicationKey_);
    const std::string key = toAnsi(keyName);
    const std::string value = toAnsi(strValue);
    const std::string file = toAnsi(fileName_);
    return platform::profile::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

QString Cini::CleanString(QString s) {
    // Trimming first leaves the blanks that end a value: the NUL fill follows them.
    const QString trimmed = platform::runtime::Trim(s);
    QString result;
    result.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (c.unicode() >= 32 && c.unicode() <= 126) {
            result.append(c);
        }
    }
    return result;
}
