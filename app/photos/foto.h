#pragma once
// The photo store: where a card's photo lives, how its file is named, and
// the operations that import, delete and rename photos.  The card window
// calls these with the state it keeps (SchedaFoto); nothing here knows the
// window's controls.
//
//   SchedaFoto scheda{codice, PercorsoImmagini, NomeFoto, Connessione, RsScheda};
//   if (auto nome = nomeFotoImportata(codice, "scan.JPEG"))   // "Franc.12.JPEG"
//       ...
//   eliminaFotoScheda(scheda);   // IDImmagine = 0, file removed unless it is "Fran0.jpg"

#include "ado/ado.h"

#include <QImage>
#include <QString>
#include <optional>

namespace albora {

// The placeholder picture every card saved without a photo shows.
inline constexpr const char* FotoSegnaposto = "Fran0.jpg";
// The picture printing uses when the card window holds no photo name.
inline constexpr const char* FotoStampaPredefinita = "Franc.2.jpg";

// What the photo operations need of the card window: the card number as
// shown in Text_Codice, the photo folder, the current photo name (read and
// written), and the window's connection and one recordset.
struct SchedaFoto {
    QString codice;
    QString percorsoImmagini;
    QString& nomeFoto;
    platform::ado::Connection& connessione;
    platform::ado::Recordset& recordset;
};

// Full path of a photo: the folder followed directly by the file name.
QString percorsoFoto(const QString& percorsoImmagini, const QString& nomeFile);

// True for "Fran0.jpg" in any letter case: the shared placeholder is never deleted.
bool eSegnaposto(const QString& nomeFile);

// True when IDImmagine names a photo: not Null, not empty, not the value 0.
bool haFoto(const platform::ado::Variant& idImmagine);

// Name of a webcam photo for a card: "Franc." + codice + ".jpg".
QString nomeFotoWebcam(const QString& codice);

// Name of an imported photo, or nullopt when the file's own name does not end
// exactly in jpg, JPG, peg, PEG, bmp or BMP (letter case matters).
std::optional<QString> nomeFotoImportata(const QString& codice, const QString& nomeProprio);

// The file's own name: the path trimmed of blanks, after its last separator.
QString nomeProprio(const QString& percorso);

// Stores a photo name into IDImmagine of a saved card (codice converted to a
// whole number in the full range of the AutoNumber).  Nothing is done for an
// empty codice; a card not yet saved (0) matches no row and nothing is
// written.  Errors are raised to the caller.
void memorizzaNomeFoto(SchedaFoto& scheda, const QString& nuovoNome);

// Import a chosen file (the full path from the open dialog) as the card's
// photo: the refused-type message box, the picture loaded from the chosen
// file by its content, the copy through a temporary file renamed over the
// target only after the copy succeeded (a stored photo is never lost, and
// importing the card's own photo file leaves it intact), NomeFoto, and
// IDImmagine for a saved card.  Returns the picture for the image box;
// nullopt when nothing was chosen, the own name is empty, or the type was
// refused (the message was shown).  Errors (not a picture, photo folder
// missing, copy or archive failure, card number not a number) are raised to
// the caller, who reports them; on any of them before the copy nothing has
// been copied or changed.
std::optional<QImage> importaFoto(SchedaFoto& scheda, const QString& fileScelto);

// The photo-deletion steps: the card's row looked up by codice as shown;
// IDImmagine copied into NomeFoto and set to 0; then the file folder +
// NomeFoto removed when it exists.  Never removed: the shared placeholder
// "Fran0.jpg" (any letter case), the name "0", a name reaching outside the
// folder (one holding a separator), the folder itself (NomeFoto
// empty).  A missing file is no error.  For a card not yet saved no row
// matches and NomeFoto keeps the name it had; an empty codice does nothing.
// The caller empties the image box.
void eliminaFotoScheda(SchedaFoto& scheda);

// A photo taken or imported before a card's first save is named with the
// number 0 (Franc.0.jpg), a name every unsaved card shares; the inserted card
// must get a file of its own.  Two steps, so the photo is never lost:
//
//   const QString provvisoria = NomeFoto;
//   NomeFoto = rinominaFotoNuovaScheda(PercorsoImmagini, NomeFoto, QString::number(id));
//   rs.setField("IDImmagine", NomeFoto);  rs.Update();  rs.Close();
//   rimuoviFotoProvvisoria(scheda, provvisoria);   // only once the row is stored
//
// rinominaFotoNuovaScheda copies Franc.0.<ext> to Franc.<id>.<ext> (the
// 0-named file stays) and returns the new name; "Fran0.jpg", an empty name
// and any other name are returned unchanged.  A 0-named file that is missing
// is not an error: the new name is returned all the same.  A failed copy
// raises an error and leaves both files as they were.
QString rinominaFotoNuovaScheda(const QString& percorsoImmagini, const QString& nomeFoto, const QString& nuovoCodice);

// Removes the 0-named file once the card naming its copy is stored.  Nothing
// happens for any other name, for a missing file, or while a card in the
// archive still names the 0-named file in IDImmagine (archives written before
// insertion renamed photos).  Uses the card's connection and recordset.
void rimuoviFotoProvvisoria(SchedaFoto& scheda, const QString& nomeProvvisorio);

}  // namespace albora
