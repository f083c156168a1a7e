// Photo file names: the folder prefix, the names built from the card number,
// and the names that stand for a missing photo.
#include "photos/foto.h"

#include "runtime/runtime.h"

namespace albora {

using platform::runtime::PathSeparator;
using platform::runtime::Right;
using platform::runtime::Trim;

QString percorsoFoto(const QString& percorsoImmagini, const QString& nomeFile)
{
    return percorsoImmagini + nomeFile;
}

bool eSegnaposto(const QString& nomeFile)
{
    return nomeFile.compare(QLatin1String(FotoSegnaposto), Qt::CaseInsensitive) == 0;
}

bool haFoto(const platform::ado::Variant& idImmagine)
{
    const QString nome = idImmagine.text();
    return !nome.isEmpty() && nome != QLatin1String("0");
}

QString nomeFotoWebcam(const QString& codice)
{
    return QStringLiteral("Franc.") + codice + QStringLiteral(".jpg");
}

namespace {

// The extension an imported photo keeps: the last three characters when they
// are exactly jpg, JPG, bmp or BMP, the last four when the last three are
// peg or PEG.  Any other ending, in any other letter case, is refused.
std::optional<QString> estensioneAccettata(const QString& nomeProprio)
{
    const QString ultimeTre = Right(nomeProprio, 3);
    for (const char* accettata : {"jpg", "JPG", "bmp", "BMP"}) {
        if (ultimeTre == QLatin1String(accettata))
            return ultimeTre;
    }
    if (ultimeTre == QLatin1String("peg") || ultimeTre == QLatin1String("PEG"))
        return Right(nomeProprio, 4);
    return std::nullopt;
}

}  // namespace

std::optional<QString> nomeFotoImportata(const QString& codice, const QString& nomeProprio)
{
    const std::optional<QString> estensione = estensioneAccettata(nomeProprio);
    if (!estensione)
        return std::nullopt;
    return QStringLiteral("Franc.") + codice + QLatin1Char('.') + *estensione;
}

QString nomeProprio(const QString& percorso)
{
    const QString pulito = Trim(percorso);
    return pulito.mid(pulito.lastIndexOf(QChar(PathSeparator)) + 1);
}

}  // namespace albora
