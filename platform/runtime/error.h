#pragma once
// The error every layer raises: a number and an Italian description that
// reaches the user unchanged in a message box.
//
//   try { ... } catch (const platform::runtime::Error& e) { MsgBox(e.description()); }

#include <QString>
#include <stdexcept>

namespace platform::runtime {

// Error numbers kept from the desktop the program comes from, where callers
// or users may know them.
enum ErrorNumber : int {
    ErrTypeMismatch = 13,
    ErrOverflow = 6,
    ErrFileNotFound = 53,
    ErrPathNotFound = 76,
    ErrPermissionDenied = 70,
    ErrInvalidPicture = 481,
    ErrInvalidProcedureCall = 5,
    ErrDatabase = 3000,  // every archive error; the description says which
};

class Error : public std::runtime_error {
public:
    Error(int number, const QString& description);
    int number() const { return number_; }
    const QString& description() const { return description_; }

private:
    int number_;
    QString description_;
};

}  // namespace platform::runtime
