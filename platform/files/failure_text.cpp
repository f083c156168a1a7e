#include "failure_text.h"

#include "runtime/error.h"

namespace platform::files::detail {

QString reasonOf(std::error_code error) {
    using std::errc;
    if (error == errc::permission_denied || error == errc::operation_not_permitted) {
        return QStringLiteral("accesso negato");
    }
    if (error == errc::no_such_file_or_directory) {
        return QStringLiteral("file o cartella inesistente");
    }
    if (error == errc::no_space_on_device) {
        return QStringLiteral("spazio su disco insufficiente");
    }
    if (error == errc::read_only_file_system) {
        return QStringLiteral("disco protetto da scrittura");
    }
    if (error == errc::is_a_directory) {
        return QStringLiteral("è una cartella");
    }
    if (error == errc::device_or_resource_busy || error == errc::text_file_busy) {
        return QStringLiteral("file in uso");
    }
    if (error == errc::filename_too_long) {
        return QStringLiteral("nome troppo lungo");
    }
    if (error == errc::io_error) {
        return QStringLiteral("errore di lettura o scrittura sul disco");
    }
    if (error == errc::cross_device_link) {
        return QStringLiteral("le due posizioni sono su dischi diversi");
    }
    return QStringLiteral("errore di sistema %1").arg(error.value());
}

int numberOf(std::error_code error) {
    using std::errc;
    if (error == errc::permission_denied || error == errc::operation_not_permitted ||
        error == errc::read_only_file_system || error == errc::device_or_resource_busy ||
        error == errc::text_file_busy || error == errc::is_a_directory) {
        return runtime::ErrPermissionDenied;
    }
    if (error == errc::no_space_on_device) {
        return ErrDiskFull;
    }
    if (error == errc::no_such_file_or_directory) {
        return runtime::ErrPathNotFound;
    }
    return ErrDeviceIO;
}

}  // namespace platform::files::detail
