#pragma once
// Private-profile (INI) files read and written one string value at a time,
// on byte strings in the Windows-1252 code page (see ansi.h).
//
//   char buffer[100] = {};
//   unsigned n = GetPrivateProfileStringA("db_remoto", "db_conn", "p", buffer, 100, "/opt/albora/agg.ini");
//   WritePrivateProfileStringA("db_remoto", "db_conn", "archivio.mdb", "/opt/albora/agg.ini");
//
// Section and key names match regardless of letter case.  Blanks (spaces
// and tabs) around names, around "=" and at both ends of a value do not
// count; a value between a matching pair of quotes loses the pair.  Lines
// starting with ";" are comments; of two entries with the same key in a
// section the first counts; of two sections with the same name the first
// counts.  A file name without a folder is taken from the current folder.

namespace platform::profile {

// Copies the value of `key` in `section` of `fileName` into `buffer`: at most
// size - 1 characters followed by a NUL, and returns how many characters it
// copied.  A missing file, section or key copies `defaultValue` instead (its
// trailing spaces removed; null counts as "").  A null section or key also
// gives the default.  With size 0 or a null buffer nothing is copied and the
// result is 0.
unsigned GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, unsigned size, const char* fileName);

// Sets `key` in `section` of `fileName` to `value`, creating the file, the
// section or the key when missing (a new section goes at the end of the
// file, a new key after the last line of its section).  A null value
// removes the key; a null key removes the whole section.  Every other line
// of the file and its line-end style are kept.  The file is replaced in one
// step, so a failure never leaves it half written.
//
// Returns non-zero on success, 0 when the file cannot be read or written or
// when a name or value could not be read back as written: a line break in
// any of them, "=" in a key, a key starting with ";" or "[", "]" in a
// section name, or a null section.
int WritePrivateProfileStringA(const char* section, const char* key, const char* value, const char* fileName);

}  // namespace platform::profile
