// Importing a chosen file as a card's photo.
#include "photos/foto.h"
#include "photos/numero_scheda.h"

#include "files/files.h"
#include "forms/dialogs.h"
#include "forms/pictures.h"
#include "runtime/runtime.h"

namespace albora {

using platform::runtime::Error;

namespace {

void segnalaFormatoNonValido()
{
    platform::forms::MsgBox(QStringLiteral("Selezione non valida!") + QChar(13) +
                                QStringLiteral("Formati accettati: JPG, JPEG, BMP"),
                            platform::forms::vbOKOnly + platform::forms::vbExclamation, QStringLiteral("ATTENZIONE"));
}

// The folder a photo path lies in: everything up to its last separator.
QString cartellaDi(const QString& percorso)
{
    const qsizetype separatore = percorso.lastIndexOf(QChar(platform::runtime::PathSeparator));
    return separatore < 0 ? QStringLiteral(".") : percorso.left(separatore + 1);
}

}  // namespace

std::optional<QImage> importaFoto(SchedaFoto& scheda, const QString& fileScelto)
{
    if (fileScelto.isEmpty())
        return std::nullopt;
    const QString proprio = nomeProprio(fileScelto);
    if (proprio.isEmpty())
        return std::nullopt;
    const std::optional<QString> nuovoNome = nomeFotoImportata(scheda.codice, proprio);
    if (!nuovoNome) {
        segnalaFormatoNonValido();
        return std::nullopt;
    }
    // A card number that cannot address its row is reported before anything
    // is copied.
    if (!scheda.codice.isEmpty())
        numeroSchedaPerSql(scheda.codice);

    QImage immagine = platform::forms::LoadPicture(fileScelto);

    const QString destinazione = percorsoFoto(scheda.percorsoImmagini, *nuovoNome);
    const QString cartella = cartellaDi(destinazione);
    if (!platform::files::FolderExists(cartella))
        throw Error(platform::runtime::ErrPathNotFound,
                    QStringLiteral("La cartella delle foto non esiste: %1").arg(cartella));
    // The copy is written beside the photo and renamed over it only when
    // complete, so a failed copy leaves the stored photo as it was, and the
    // card's own photo chosen again stays intact.
    platform::files::CopyFile(fileScelto, destinazione, true);

    scheda.nomeFoto = *nuovoNome;
    memorizzaNomeFoto(scheda, *nuovoNome);
    return immagine;
}

}  // namespace albora
