#pragma once
// Checks made on the archive file before SQLite sees it, so that each
// common mistake gets its own message naming the path: a missing file or
// folder, a folder, an empty file, a file that cannot be read or written,
// an Access/Jet .mdb that has to be converted, a file that is no archive.

#include <QString>

namespace platform::ado::detail {

// Raises ErrDatabase when `path` cannot be opened as an archive; `forWriting`
// also asks for write permission on the file and its folder.  Permission
// bits are looked at as well as access(), so that a file without any write
// bit counts as read-only even for the superuser.
void checkArchiveFile(const QString& path, bool forWriting);

}  // namespace platform::ado::detail
