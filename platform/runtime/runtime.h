#pragma once
// The small runtime helpers the windows use: text helpers, the 16-bit
// integer conversion, today's date, the beep, the application's folder and
// title, and ending the program.  Each OS-facing one has a seam for tests.

#include "error.h"
#include "variant.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>

namespace platform::runtime {

// Blanks (spaces only, as the desktop's Trim) removed at both ends / left / right.
QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);
// First n characters (all of s when shorter); n < 0 raises ErrInvalidProcedureCall.
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);

// Text to a 16-bit signed whole number with the regional settings, rounding
// halves to even: "012" -> 12, "3,5" -> 4.  Text that is no number raises
// "Tipo non corrispondente" (ErrTypeMismatch); outside -32768..32767 raises
// "Overflow" (ErrOverflow).
std::int16_t CInt(const QString& s);
// The same for a 32-bit whole number (the range of an AutoNumber).
std::int32_t CLng(const QString& s);
bool IsNumeric(const QString& s);

// Today's date (the clock seam lets tests pin it).
QDate Today();
void setTodayForTests(std::function<QDate()> clock);  // empty function restores the clock

// A short sound; tests count them instead.
void Beep();
int beepCountForTests();

// The application's folder (no trailing separator) and title ("Albora").
QString AppPath();
QString AppTitle();
void setAppPathForTests(const QString& path);  // empty restores the real one

// The separator between folders and file names on this system.
inline constexpr char16_t PathSeparator = u'/';

// Ends the program at once: every window goes.  Tests install a handler
// that records the call instead of quitting.
void End();
void setEndHandler(std::function<void()> handler);

}  // namespace platform::runtime
