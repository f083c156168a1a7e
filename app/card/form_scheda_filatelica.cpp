#include "card/form_scheda_filatelica.h"

#include <QApplication>
#include <QPalette>

namespace albora {

using namespace platform::forms;

FormSlot<FormSchedaFilatelica> formSchedaFilatelica;

QString CampoScheda::Text() const
{
    return testo ? testo->Text() : combo->Text();
}

void CampoScheda::setText(const QString& valore) const
{
    if (testo)
        testo->setText(valore);
    else
        combo->setText(valore);
}

FormSchedaFilatelica::FormSchedaFilatelica()
{
    setCaption("Scheda Filatelica");
    setBorder(Border::FixedSingle);
    setClientSizeTwips(13005, 8910);
    setBackColor(QApplication::palette().color(QPalette::Base));

    creaCampi();
    creaAreaFoto();
    creaBarraComandi();
    creaRiquadroWebcam();
    collegaComandi();
}

void FormSchedaFilatelica::collegaComandi()
{
    platform::forms::setTabOrder({Combo1, Text_DescrizioneFrancobollo->editor(), Text_ValoreFacciale->editor(),
                 Text_StatoEmittente->editor(), Text_AnnoEmissione->editor(), Text_Stamperia->editor(),
                 Text_PeriodoCircolazione->editor(), Text_Tiratura->editor(), Combo2, Combo3,
                 Text_Colori->editor(), Text_Vignetta->editor(), Text_Quotazione->editor(), Combo4,
                 Text_Forma->editor(), Text_Serie->editor(), Text_Rarita->editor(), Text_Possessore->editor(),
                 Text_Dimensioni->editor(), Combo5, Text_LuogoConservazione->editor(), Text_Timbro->editor(),
                 Text_Centratura->editor(), Text_StatoConservazione->editor(), Text_Note->editor(),
                 Cmd_Agg, Cmd_Exit, Cmd_Cerca, ComCLS, Stampa_Scheda,
                 Cmd_Canc, Cmd_Indietro, Cmd_Avanti, Cmd_Sfoglia, Cmd_Cam, Cmd_Trova, Cmd_CancellaFoto,
                 Text_Ricerca->editor(), cboDrivers, Cmd_Annulla, Cmd_SalvaFoto});

    // Printing, the web image search and the webcam are not wired yet: their
    // buttons are in place and do nothing.
    connect(Cmd_Avanti, &PictureButton::Click, this, [this] { Cmd_Avanti_Click(); });
    connect(Cmd_Indietro, &PictureButton::Click, this, [this] { Cmd_Indietro_Click(); });
    connect(ComCLS, &PictureButton::Click, this, [this] { ComCLS_Click(); });
    connect(Cmd_Cerca, &PictureButton::Click, this, [this] { Cmd_Cerca_Click(); });
    connect(Cmd_Agg, &PictureButton::Click, this, [this] { Cmd_Agg_Click(); });
    connect(Cmd_Exit, &PictureButton::Click, this, [this] { Cmd_Exit_Click(); });
    connect(Cmd_Canc, &PictureButton::Click, this, [this] { Cmd_Canc_Click(); });
    connect(Cmd_Sfoglia, &PictureButton::Click, this, [this] { Cmd_Sfoglia_Click(); });
    connect(Cmd_CancellaFoto, &PictureButton::Click, this, [this] { Cmd_CancellaFoto_Click(); });
}

std::vector<CampoScheda> FormSchedaFilatelica::campiInOrdineDiLettura() const
{
    return {
        {"DataAggiornamento", "Data ultimo aggiornamento", Text_DataAggiornamento},
        {"Catalogo", "Catalogo", nullptr, Combo1},
        {"DescrizioneFrancobollo", "Descrizione", Text_DescrizioneFrancobollo},
        {"ValoreFacciale", "Valore facciale", Text_ValoreFacciale},
        {"StatoEmittente", "Stato Emittente", Text_StatoEmittente},
        {"AnnoEmissione", "Anno Emissione", Text_AnnoEmissione},
        {"Stamperia", "Stamperia", Text_Stamperia},
        {"PeriodoCircolazione", "Periodo Circolazione", Text_PeriodoCircolazione},
        {"Tiratura", "Tiratura", Text_Tiratura},
        {"Quotazione", "Quotazione", Text_Quotazione},
        {"Vignetta", "Vignetta", Text_Vignetta},
        {"LuogoConservazione", "Luogo Conservazione", Text_LuogoConservazione},
        {"Colori", "Colori", Text_Colori},
        {"Tipologia", "Tipologia", nullptr, Combo2},
        {"Carta", "Carta", nullptr, Combo3},
        {"CataloghiSigle", "Cataloghi Sigle", nullptr, Combo4},
        {"Dentellatura", "Dentellatura", nullptr, Combo5},
        {"Possessore", "Possessore", Text_Possessore},
        {"Serie", "Serie", Text_Serie},
        {"Timbro", "Timbro", Text_Timbro},
        {"StatoConservazione", "Stato di Conservazione", Text_StatoConservazione},
        {"Rarita", "Rarita", Text_Rarita},
        {"Forma", "Forma", Text_Forma},
        {"Dimensioni", "Dimensioni", Text_Dimensioni},
        {"Centratura", "Centratura", Text_Centratura},
        {"Note", "Note", Text_Note},
    };
}

std::vector<CampoScheda> FormSchedaFilatelica::campiInOrdineDiScrittura() const
{
    // The save sets the same fields in another order; the date and the notes
    // are set apart from these (the date first, the notes after the photo).
    static const char* const ordine[] = {
        "Catalogo", "CataloghiSigle", "DescrizioneFrancobollo", "ValoreFacciale", "StatoEmittente",
        "AnnoEmissione", "Stamperia", "PeriodoCircolazione", "Tiratura", "Tipologia", "Carta", "Quotazione",
        "Vignetta", "LuogoConservazione", "Colori", "Dentellatura", "Possessore", "Serie", "Timbro",
        "StatoConservazione", "Rarita", "Forma", "Dimensioni", "Centratura",
    };
    const std::vector<CampoScheda> campi = campiInOrdineDiLettura();
    std::vector<CampoScheda> scrittura;
    for (const char* colonna : ordine) {
        for (const CampoScheda& campo : campi) {
            if (qstrcmp(campo.colonna, colonna) == 0)
                scrittura.push_back(campo);
        }
    }
    return scrittura;
}

void FormSchedaFilatelica::chiudiRsScheda()
{
    RsScheda.Close();
}

}  // namespace albora
