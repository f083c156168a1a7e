#pragma once
// File operations of the program: tests for files and folders, copy,
// delete, move and temporary names.  Failures raise runtime::Error with an
// Italian description that names the path:
//
//   try {
//       CopyFile(chosen, photoFolder + "/Franc.12.jpg", true);
//   } catch (const platform::runtime::Error& e) {
//       // "File non trovato: /home/anna/Foto/francobollo.jpg"
//   }
//
// A file that is replaced is replaced in one step: until the new content is
// complete on the disk the old file stays as it was, so a failed copy or
// move never leaves a half-written or missing target.

#include <QString>

namespace platform::files {

bool FileExists(const QString& path);    // a file (not a folder) is there
bool FolderExists(const QString& path);  // a folder is there

// Copies the bytes of `source` to `destination`.  With `overwrite` false an
// existing destination raises "Il file esiste già: ...".  Copying a file
// onto itself leaves it as it was.
void CopyFile(const QString& source, const QString& destination, bool overwrite);

void DeleteFile(const QString& path);

// Gives the file `source` the path `destination`, replacing a file that is
// there.  Across disks the file is copied and the source then deleted.
void MoveFile(const QString& source, const QString& destination);
inline void RenameFile(const QString& source, const QString& destination) {
    MoveFile(source, destination);
}

// A name for a temporary file in `folder` that no other file has.  The
// name is taken by creating an empty file under it, so nobody else can
// take it meanwhile; the caller overwrites, renames or deletes that file.
QString TempNameIn(const QString& folder);

}  // namespace platform::files
