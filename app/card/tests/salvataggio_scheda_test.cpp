// Saving a card: adding a new one, updating a stored one, what the archive
// refuses, and leaving the window.
#include "scheda_di_prova.h"

#include <QFile>
#include <gtest/gtest.h>

namespace albora::prova {
namespace {

using platform::forms::MsgIcon;
using platform::forms::vbOK;

const QString Inserita = "Inserimento effettuato con successo... Premi OK per continuare.";
const QString Aggiornata = "Aggiornamento effettuato con successo... Premi OK per continuare.";

void attendiInformazione(const CollezioneDiProva& c, const QString& testo)
{
    const auto& m = ultimoMessaggio(c);
    EXPECT_EQ(m.prompt, testo);
    EXPECT_EQ(m.title, "INFORMAZIONE");
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.buttons, std::vector<int>{vbOK});
}

TEST(SchedaSalvataggio, ANewCardWithOnlyItsCatalogueIsAddedWithTodayAndThePlaceholderPhoto)
{
    CollezioneDiProva c;
    const int italia = c.aggiungiCatalogo("Italia");
    FormSchedaFilatelica& f = apriScheda(0);
    f.ComCLS_Click();
    f.Combo1->setText("Italia");
    f.Cmd_Agg_Click();

    ASSERT_EQ(c.numeroSchede(), 1);
    const int id = f.Text_Codice->Text().toInt();
    EXPECT_GT(id, 0);
    EXPECT_EQ(c.valore(id, "Catalogo").text(), "Italia");
    EXPECT_EQ(c.valore(id, "IDcatalogo").toLong(), italia);
    EXPECT_EQ(c.valore(id, "DataAggiornamento").toDate().date(), QDate(2026, 12, 11));
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
    for (const char* colonna : {"DescrizioneFrancobollo", "ValoreFacciale", "Quotazione", "Serie", "Note",
                                "CataloghiSigle", "Tipologia", "Bozzettistica"})
        EXPECT_TRUE(c.valore(id, colonna).isNull()) << colonna;
    EXPECT_EQ(f.Text_DataAggiornamento->Text(), "11/12/2026");
    EXPECT_EQ(f.NomeFoto, "Fran0.jpg");
    attendiInformazione(c, Inserita);

    // The window now shows a stored card: a second click updates the same row.
    f.Text_Serie->setText("Democratica");
    f.Cmd_Agg_Click();
    EXPECT_EQ(c.numeroSchede(), 1);
    EXPECT_EQ(c.valore(id, "Serie").text(), "Democratica");
    attendiInformazione(c, Aggiornata);
}

TEST(SchedaSalvataggio, AnUpdateWritesWhatIsTypedAndLeavesEmptiedBoxesDateAndPhotoAlone)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    const int francia = c.aggiungiCatalogo("Francia");
    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2025, 5, 4))},
                                     {"Serie", "Siracusana"}, {"Quotazione", "3,5"}, {"IDImmagine", "Fran0.jpg"}});
    FormSchedaFilatelica& f = apriScheda(id);
    f.Text_Serie->setText("");
    f.Combo1->setText("Francia");
    f.Text_Quotazione->setText("1.234,56");
    f.Combo4->setText("Un catalogo che non è in elenco");
    f.NomeFoto = "Franc.99.jpg";  // only the photo commands store a photo name for a stored card
    f.Cmd_Agg_Click();

    EXPECT_EQ(c.valore(id, "Serie").text(), "Siracusana");
    EXPECT_EQ(c.valore(id, "Catalogo").text(), "Francia");
    EXPECT_EQ(c.valore(id, "IDcatalogo").toLong(), francia);
    EXPECT_EQ(c.valore(id, "Quotazione").toCurrency(), 12345600);
    EXPECT_EQ(c.valore(id, "CataloghiSigle").text(), "Un catalogo che non è in elenco");
    EXPECT_EQ(c.valore(id, "DataAggiornamento").toDate().date(), QDate(2025, 5, 4));
    EXPECT_EQ(c.valore(id, "IDImmagine").text(), "Fran0.jpg");
    EXPECT_EQ(f.Text_DataAggiornamento->Text(), "04/05/2025");
    attendiInformazione(c, Aggiornata);
}

TEST(SchedaSalvataggio, CatalogueLookUp)
{
    struct Caso {
        const char* nome;
        const char* catalogo;
        bool trovato;
    };
    for (const Caso& caso : {Caso{"NomeConApostrofo", "Repubblica dell'Ossola", true},
                             Caso{"CatalogoInesistente", "Atlantide", false}}) {
        CollezioneDiProva c;
        const int idCatalogo = c.aggiungiCatalogo("Repubblica dell'Ossola");
        FormSchedaFilatelica& f = apriScheda(0);
        f.Combo1->setText(caso.catalogo);
        f.Cmd_Agg_Click();
        ASSERT_EQ(c.numeroSchede(), 1) << caso.nome;
        const Variant id = c.valore(f.Text_Codice->Text().toInt(), "IDcatalogo");
        if (caso.trovato) {
            EXPECT_EQ(id.toLong(), idCatalogo) << caso.nome;
        } else {
            EXPECT_TRUE(id.isNull()) << caso.nome;
        }
        EXPECT_EQ(c.valore(f.Text_Codice->Text().toInt(), "Catalogo").text(), caso.catalogo);
    }
}

TEST(SchedaSalvataggio, AnEmptyCatalogueSavesNothingAndSaysNothing)
{
    CollezioneDiProva c;
    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"Serie", "Prima"}});
    FormSchedaFilatelica& f = apriScheda(id);
    f.Combo1->setText("");
    f.Text_Serie->setText("Seconda");
    f.Cmd_Agg_Click();
    EXPECT_EQ(c.valore(id, "Serie").text(), "Prima");
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

// Every text field, written through the window and read back through it.
TEST(SchedaSalvataggio, TextFieldsRoundTripUnchanged)
{
    struct Valore {
        const char* tipo;
        QString testo;
    };
    const std::vector<Valore> valori = {
        {"apostrofi", "L'Aquila dell'Ossola ''doppio''"},
        {"virgolette", "Il \"Gronchi rosa\" e \"\"altro\"\""},
        {"lungo", QString(10000, QChar(u'x')) + "fine"},
        {"accenti", "Città, perché, àèéìòù ÀÈÉÌÒÙ ç ñ ß"},
        {"non latini", "Ελλάδα · Россия · 日本郵便 · 𝔄𝔩𝔟𝔬𝔯𝔞"},
        {"sql", "x'; delete * from TabellaSchedaFilatelica; --"},
    };
    for (const Valore& v : valori) {
        CollezioneDiProva c;
        FormSchedaFilatelica& f = apriScheda(0);
        std::map<QString, QString> scritti;
        for (const CampoScheda& campo : f.campiInOrdineDiLettura()) {
            const QString colonna = campo.colonna;
            if (colonna == "DataAggiornamento" || colonna == "ValoreFacciale" || colonna == "Quotazione")
                continue;
            scritti[colonna] = colonna + ": " + v.testo;
            campo.setText(scritti[colonna]);
        }
        f.Cmd_Agg_Click();
        const int id = f.Text_Codice->Text().toInt();
        ASSERT_GT(id, 0) << v.tipo;
        formSchedaFilatelica.Unload();
        platform::forms::flushUnloaded();

        FormSchedaFilatelica& g = apriScheda(id);
        for (const CampoScheda& campo : g.campiInOrdineDiLettura()) {
            if (scritti.count(campo.colonna)) {
                EXPECT_EQ(campo.Text(), scritti[campo.colonna]) << v.tipo << " " << campo.colonna;
            }
        }
        EXPECT_EQ(c.numeroSchede(), 1) << v.tipo;
        formSchedaFilatelica.Unload();
        platform::forms::flushUnloaded();
    }
}

// A value the archive refuses: a clear message naming the field, nothing
// written, and the window as it was before the click.
TEST(SchedaSalvataggio, ARefusedValueNamesTheFieldAndWritesNothing)
{
    struct Caso {
        const char* nome;
        bool nuova;
        platform::forms::TextBox* FormSchedaFilatelica::*casella;
        const char* valore;
        const char* campo;
    };
    for (const Caso& caso : {
             Caso{"LettereNelValoreNuova", true, &FormSchedaFilatelica::Text_ValoreFacciale, "dieci lire",
                  "Valore facciale"},
             Caso{"LettereNellaQuotazioneAggiornata", false, &FormSchedaFilatelica::Text_Quotazione, "12,50 euro",
                  "Quotazione"},
             Caso{"DataNonValidaAggiornata", false, &FormSchedaFilatelica::Text_DataAggiornamento, "ieri",
                  "Data ultimo aggiornamento"},
         }) {
        CollezioneDiProva c;
        c.aggiungiCatalogo("Italia");
        const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2025, 5, 4))},
                                         {"Serie", "Prima"}, {"Quotazione", "3"}});
        CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.0.jpg", "JPG");
        FormSchedaFilatelica& f = apriScheda(caso.nuova ? 0 : id);
        f.Combo1->setText("Italia");
        f.Text_Serie->setText("Seconda");
        if (caso.nuova)
            f.NomeFoto = "Franc.0.jpg";
        (f.*caso.casella)->setText(caso.valore);
        const QString codicePrima = f.Text_Codice->Text();
        const QString dataPrima = f.Text_DataAggiornamento->Text();
        const QString fotoPrima = f.NomeFoto;
        f.Cmd_Agg_Click();

        const auto& m = ultimoMessaggio(c);
        EXPECT_EQ(m.prompt, QString("Il campo \"%1\" contiene un valore non valido: la scheda non è stata salvata. "
                                    "Correggere il valore e premere di nuovo Aggiorna.")
                                .arg(caso.campo))
            << caso.nome;
        EXPECT_EQ(c.dialoghi.boxes.size(), 1u) << caso.nome;
        EXPECT_EQ(c.numeroSchede(), 1) << caso.nome;
        EXPECT_EQ(c.valore(id, "Serie").text(), "Prima") << caso.nome;
        EXPECT_EQ(f.Text_Codice->Text(), codicePrima) << caso.nome;
        EXPECT_EQ(f.Text_DataAggiornamento->Text(), dataPrima) << caso.nome;
        EXPECT_EQ(f.NomeFoto, fotoPrima) << caso.nome;
        EXPECT_TRUE(QFile::exists(c.cartellaFoto() + "Franc.0.jpg")) << caso.nome;

        // Once corrected, the same click saves.
        (f.*caso.casella)->setText(caso.casella == &FormSchedaFilatelica::Text_DataAggiornamento ? "04/05/2025"
                                                                                                  : "7,5");
        f.Cmd_Agg_Click();
        EXPECT_EQ(ultimoMessaggio(c).title, "INFORMAZIONE") << caso.nome;
    }
}

TEST(SchedaSalvataggio, UpdatingACardDeletedMeanwhileSaysSoAndWritesNothing)
{
    CollezioneDiProva c;
    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2025, 5, 4))}});
    FormSchedaFilatelica& f = apriScheda(id);
    eliminaDirettamente(c, id);
    f.Text_Serie->setText("Seconda");
    f.Cmd_Agg_Click();

    const auto& m = ultimoMessaggio(c);
    EXPECT_EQ(m.prompt, QString("La scheda n. %1 non esiste più nell'archivio: forse è stata eliminata. "
                                "Le modifiche non sono state salvate.")
                            .arg(id));
    EXPECT_EQ(m.title, "ATTENZIONE");
    EXPECT_EQ(m.icon, MsgIcon::Exclamation);
    EXPECT_EQ(c.numeroSchede(), 0);
    EXPECT_EQ(f.Text_Codice->Text(), QString::number(id));
}

TEST(SchedaSalvataggio, AnArchiveErrorShowsItsDescriptionAndLeavesNoHalfSavedRow)
{
    struct Caso {
        const char* evento;
        bool nuova;
    };
    for (const Caso& caso : {Caso{"INSERT", true}, Caso{"UPDATE", false}}) {
        CollezioneDiProva c;
        const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DataAggiornamento", Variant(QDate(2025, 5, 4))},
                                         {"Serie", "Prima"}});
        rifiutaModifiche(c, caso.evento, "archivio in sola lettura");
        CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.0.jpg", "JPG");
        FormSchedaFilatelica& f = apriScheda(caso.nuova ? 0 : id);
        if (caso.nuova)
            f.NomeFoto = "Franc.0.jpg";
        const QString fotoPrima = f.NomeFoto;
        f.Combo1->setText("Italia");
        f.Text_Serie->setText("Seconda");
        f.Cmd_Agg_Click();

        ASSERT_EQ(c.dialoghi.boxes.size(), 1u) << caso.evento;
        EXPECT_TRUE(ultimoMessaggio(c).prompt.contains("archivio in sola lettura")) << ultimoMessaggio(c).prompt;
        EXPECT_EQ(ultimoMessaggio(c).title, "Albora");
        EXPECT_EQ(c.numeroSchede(), 1) << caso.evento;
        EXPECT_EQ(c.valore(id, "Serie").text(), "Prima") << caso.evento;
        EXPECT_EQ(f.Text_Codice->Text(), caso.nuova ? "0" : QString::number(id)) << caso.evento;
        EXPECT_EQ(f.Text_DataAggiornamento->Text(), caso.nuova ? "" : "04/05/2025") << caso.evento;
        EXPECT_EQ(f.NomeFoto, fotoPrima) << caso.evento;
        EXPECT_TRUE(QFile::exists(c.cartellaFoto() + "Franc.0.jpg")) << caso.evento;
    }
}

TEST(SchedaSalvataggio, APhotoTakenBeforeTheFirstSaveBecomesTheNewCardsOwn)
{
    CollezioneDiProva c;
    c.aggiungiCatalogo("Italia");
    CollezioneDiProva::scriviFoto(c.cartellaFoto() + "Franc.0.JPEG", "JPG", Qt::blue);
    FormSchedaFilatelica& f = apriScheda(0);
    f.Combo1->setText("Italia");
    f.NomeFoto = "Franc.0.JPEG";
    f.Cmd_Agg_Click();

    const QString id = f.Text_Codice->Text();
    const QString nome = "Franc." + id + ".JPEG";
    EXPECT_EQ(c.valore(id.toInt(), "IDImmagine").text(), nome);
    EXPECT_EQ(f.NomeFoto, nome);
    EXPECT_TRUE(QFile::exists(c.cartellaFoto() + nome));
    EXPECT_FALSE(QFile::exists(c.cartellaFoto() + "Franc.0.JPEG"));
    attendiInformazione(c, Inserita);
}

TEST(SchedaSalvataggio, ExitLeavesWithoutSaving)
{
    CollezioneDiProva c;
    const int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"Serie", "Prima"}});
    FormSchedaFilatelica& f = apriScheda(id);
    f.Text_Serie->setText("Seconda");
    f.Cmd_Exit_Click();
    EXPECT_FALSE(formSchedaFilatelica.IsLoaded());
    EXPECT_EQ(c.valore(id, "Serie").text(), "Prima");
    EXPECT_TRUE(c.dialoghi.boxes.empty());
}

}  // namespace
}  // namespace albora::prova
