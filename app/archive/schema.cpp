#include "archive/schema.h"

#include "ado/ado.h"

namespace albora {

namespace {

constexpr const char* Testo = "TEXT COLLATE JET";

QString definizione(const char* tabella, const std::vector<ColonnaArchivio>& colonne)
{
    QStringList parti;
    for (const auto& colonna : colonne)
        parti << QString::fromLatin1(colonna.nome) + ' ' + QString::fromLatin1(colonna.tipo);
    return QString("CREATE TABLE %1 (%2)").arg(QString::fromLatin1(tabella), parti.join(", "));
}

}  // namespace

const std::vector<ColonnaArchivio>& colonneCatalogo()
{
    static const std::vector<ColonnaArchivio> colonne = {
        {"IDcatalogo", "INTEGER PRIMARY KEY AUTOINCREMENT"},
        {"NomeCatalogo", "TEXT COLLATE JET UNIQUE"},
        {"DataCreazioneCatalogo", "DATETIME"},
    };
    return colonne;
}

const std::vector<ColonnaArchivio>& colonneScheda()
{
    static const std::vector<ColonnaArchivio> colonne = {
        {"IDSchedaFilatelica", "INTEGER PRIMARY KEY AUTOINCREMENT"},
        {"IDcatalogo", "INTEGER"},
        {"Catalogo", Testo},
        {"DataAggiornamento", "DATETIME"},
        {"DescrizioneFrancobollo", Testo},
        {"ValoreFacciale", "CURRENCY"},
        {"StatoEmittente", Testo},
        {"AnnoEmissione", Testo},
        {"Stamperia", Testo},
        {"PeriodoCircolazione", Testo},
        {"Tiratura", Testo},
        {"Quotazione", "CURRENCY"},
        {"Vignetta", Testo},
        {"LuogoConservazione", Testo},
        {"Colori", Testo},
        {"Tipologia", Testo},
        {"Carta", Testo},
        {"CataloghiSigle", Testo},
        {"Dentellatura", Testo},
        {"Possessore", Testo},
        {"Serie", Testo},
        {"Timbro", Testo},
        {"StatoConservazione", Testo},
        {"Rarita", Testo},
        {"Forma", Testo},
        {"Dimensioni", Testo},
        {"Centratura", Testo},
        {"Note", Testo},
        {"IDImmagine", Testo},
        {"Bozzettistica", Testo},
    };
    return colonne;
}

QStringList nomiColonneScheda()
{
    QStringList nomi;
    for (const auto& colonna : colonneScheda())
        nomi << QString::fromLatin1(colonna.nome);
    return nomi;
}

QStringList istruzioniSchema()
{
    return {
        definizione("TabellaCatalogo", colonneCatalogo()),
        definizione("TabellaSchedaFilatelica", colonneScheda()),
        // The list window selects a catalogue's cards by name.
        "CREATE INDEX IndiceSchedeCatalogo ON TabellaSchedaFilatelica (Catalogo)",
    };
}

void creaArchivio(const QString& percorso, const QString& password)
{
    platform::ado::CreateArchive(percorso, istruzioniSchema(), password);
}

}  // namespace albora
