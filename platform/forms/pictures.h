#pragma once
// Picture loading and the pictures the program draws itself.

#include <QCursor>
#include <QImage>
#include <QString>

namespace platform::forms {

// Loads a BMP or JPEG file, recognised by its content, never by its name
// (a bitmap saved as "x.jpg" loads).  A missing file raises "File non
// trovato" (runtime ErrFileNotFound) naming the path; any other content
// raises "Immagine non valida" (ErrInvalidPicture) naming the path.
QImage LoadPicture(const QString& path);

// The busy (hourglass) pointer while an instance lives; nests.
class BusyPointer {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
    static bool active();
    static int depth();  // how many are alive
};

// The custom cursor shared by every picture button: 32 x 32, hot spot at 12, 1.
const QCursor& buttonCursor();

// Button pictures drawn by code, one per role.
namespace Pictures {
QImage add();       // save / add (a floppy with a plus)
QImage exit();      // leave (an open door)
QImage backup();    // copy to a drive
QImage excel();     // export to a spreadsheet
QImage erase();     // delete card
QImage search();    // magnifier
QImage next();      // arrow right
QImage previous();  // arrow left
QImage print();     // printer
QImage clear();     // blank page
QImage browse();    // folder
QImage camera();    // camera
QImage web();       // globe
QImage erasePhoto();// picture with a cross
QImage shoot();     // shutter
QImage cancel();    // cross
}  // namespace Pictures

}  // namespace platform::forms
