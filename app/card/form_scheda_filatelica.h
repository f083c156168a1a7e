#pragma once
// The stamp card window: one row of TabellaSchedaFilatelica in its controls,
// the card's photo, and the commands that step through, search, save and
// delete cards.  The card on screen lives in the controls; its number is the
// text of Text_Codice ("0" for a card not yet saved).

#include "ado/ado.h"
#include "dialogs/common_dialog.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "shell/finestra_archivio.h"

#include <QString>
#include <QtGlobal>
#include <vector>

namespace albora {

// One card column and the control that shows it.
struct CampoScheda {
    const char* colonna;
    const char* etichetta;  // the caption beside the control, without the colon
    platform::forms::TextBox* testo = nullptr;
    platform::forms::ComboBox* combo = nullptr;

    QString Text() const;
    void setText(const QString& valore) const;
};

class FormSchedaFilatelica : public FinestraArchivio {
    Q_OBJECT
public:
    FormSchedaFilatelica();

    // Card fields.
    platform::forms::TextBox* Text_Codice;
    platform::forms::TextBox* Text_DataAggiornamento;
    platform::forms::ComboBox* Combo1;
    platform::forms::TextBox* Text_DescrizioneFrancobollo;
    platform::forms::TextBox* Text_ValoreFacciale;
    platform::forms::TextBox* Text_StatoEmittente;
    platform::forms::TextBox* Text_AnnoEmissione;
    platform::forms::TextBox* Text_Stamperia;
    platform::forms::TextBox* Text_PeriodoCircolazione;
    platform::forms::TextBox* Text_Tiratura;
    platform::forms::ComboBox* Combo2;
    platform::forms::ComboBox* Combo3;
    platform::forms::TextBox* Text_Colori;
    platform::forms::TextBox* Text_Vignetta;
    platform::forms::TextBox* Text_Quotazione;
    platform::forms::ComboBox* Combo4;
    platform::forms::TextBox* Text_Forma;
    platform::forms::TextBox* Text_Serie;
    platform::forms::TextBox* Text_Rarita;
    platform::forms::TextBox* Text_Possessore;
    platform::forms::TextBox* Text_Dimensioni;
    platform::forms::ComboBox* Combo5;
    platform::forms::TextBox* Text_LuogoConservazione;
    platform::forms::TextBox* Text_Timbro;
    platform::forms::TextBox* Text_Centratura;
    platform::forms::TextBox* Text_StatoConservazione;
    platform::forms::TextBox* Text_Note;

    // Captions of the fields.
    platform::forms::Label* Label1;
    platform::forms::Label* Label2;
    platform::forms::Label* Label3;
    platform::forms::Label* Label4;
    platform::forms::Label* Label5;
    platform::forms::Label* Label6;
    platform::forms::Label* Label7;
    platform::forms::Label* Label8;
    platform::forms::Label* Label9;
    platform::forms::Label* Label10;
    platform::forms::Label* Label11;
    platform::forms::Label* Label12;
    platform::forms::Label* Label13;
    platform::forms::Label* Label14;
    platform::forms::Label* Label15;
    platform::forms::Label* Label16;
    platform::forms::Label* Label17;
    platform::forms::Label* Label18;
    platform::forms::Label* Label19;
    platform::forms::Label* Label20;
    platform::forms::Label* Label21;
    platform::forms::Label* Label22;
    platform::forms::Label* Label23;
    platform::forms::Label* Label24;
    platform::forms::Label* Label25;
    platform::forms::Label* Label26;
    platform::forms::Label* Label27;
    platform::forms::Label* Label28;

    // Photo area.
    platform::forms::ImageBox* Image1;
    platform::forms::Shape* Shape1;
    platform::forms::PictureButton* Cmd_Sfoglia;
    platform::forms::PictureButton* Cmd_Cam;
    platform::forms::PictureButton* Cmd_Trova;
    platform::forms::PictureButton* Cmd_CancellaFoto;

    // Webcam frame, hidden.
    platform::forms::Frame* Frame1;
    platform::forms::PictureBox* Picture1;
    platform::forms::Label* Label29;
    platform::forms::ComboBox* cboDrivers;
    platform::forms::PictureButton* Cmd_Annulla;
    platform::forms::PictureButton* Cmd_SalvaFoto;

    // Bottom row.
    platform::forms::PictureButton* Cmd_Canc;
    platform::forms::TextBox* Text_Ricerca;
    platform::forms::PictureButton* Cmd_Cerca;
    platform::forms::Shape* Shape2;
    platform::forms::PictureButton* Cmd_Indietro;
    platform::forms::PictureButton* Cmd_Avanti;
    platform::forms::PictureButton* Stampa_Scheda;
    platform::forms::PictureButton* ComCLS;
    platform::forms::PictureButton* Cmd_Agg;
    platform::forms::PictureButton* Cmd_Exit;

    // Chooses the image file to import.
    platform::dialogs::CommonDialog CommonDialog1;

    // Window variables.
    QString PercorsoImmagini;
    QString NomeFoto;
    QString IDRitorno;
    quintptr hWebcam = 0;
    platform::ado::Recordset RsScheda;

    // Click handlers.
    void Cmd_Avanti_Click();
    void Cmd_Indietro_Click();
    void ComCLS_Click();
    void Cmd_Cerca_Click();
    void Cmd_Agg_Click();
    void Cmd_Exit_Click();
    void Cmd_Canc_Click();
    void Cmd_Sfoglia_Click();
    void Cmd_CancellaFoto_Click();

    // The fields in the order a card is copied into the window.
    std::vector<CampoScheda> campiInOrdineDiLettura() const;
    // The fields the save writes when not empty, in the order it sets them
    // (Catalogo to Centratura; Note comes after IDImmagine).
    std::vector<CampoScheda> campiInOrdineDiScrittura() const;

protected:
    void Load() override;

private:
    void creaCampi();
    void creaAreaFoto();
    void creaRiquadroWebcam();
    void creaBarraComandi();
    void collegaComandi();

    void CaricaCombo();
    void riempiCombo(platform::forms::ComboBox* combo, const QString& sql, const char* colonna);
    void CaricaScheda();
    void MostraScheda();
    void mostraFoto();
    void vaiAScheda(const QString& numero);
    // Opens StrSQL and shows every row it returns in turn: the window ends
    // on the last one.
    void mostraRisultati();
    void chiudiRsScheda();

    void salvaScheda();
    platform::ado::Variant cercaIDCatalogo();
    void scriviCampi(const platform::ado::Variant& idCatalogo);
    void inserisciScheda(const platform::ado::Variant& idCatalogo);
    void aggiornaScheda(const platform::ado::Variant& idCatalogo);
    bool rigaMemorizzata_ = false;  // the save's row is in the archive: the window keeps its new state
    void CaricaFoto();
};

extern platform::forms::FormSlot<FormSchedaFilatelica> formSchedaFilatelica;

}  // namespace albora
