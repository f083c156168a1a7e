#pragma once
// Settings files in a temporary folder, read and written as raw bytes.

#include <QFile>
#include <QTemporaryDir>
#include <optional>
#include <stdexcept>
#include <string>

namespace profile_test {

class IniFolder {
public:
    std::string path(const char* name = "agg.ini") const { return dir_.filePath(name).toStdString(); }

    void write(const std::string& content, const char* name = "agg.ini") const {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(content.data(), static_cast<qint64>(content.size())) != static_cast<qint64>(content.size())) {
            throw std::runtime_error("cannot write test file");
        }
    }

    std::optional<std::string> read(const char* name = "agg.ini") const {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            return std::nullopt;
        }
        return file.readAll().toStdString();
    }

    QString folder() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

}  // namespace profile_test
