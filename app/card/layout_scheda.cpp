// The card window's controls, placed as the window was drawn (twips).
#include "card/form_scheda_filatelica.h"

#include "forms/pictures.h"

namespace albora {

using namespace platform::forms;

namespace {

const FontSpec FontEtichetta{"MS Sans Serif", 9.75, true};
const FontSpec FontTesto{"Arial", 11.25};
const FontSpec FontCombo{"Arial", 9.75};

Label* etichetta(QWidget* parent, const QString& caption, int left, int top)
{
    auto* label = new Label(parent, caption, {left, top, 0, 0});
    label->setFontSpec(FontEtichetta);
    label->setAutoSize(true);
    return label;
}

TextBox* casella(QWidget* parent, const Twips& where, bool multiLine = false)
{
    TextBox::Style style;
    style.multiLine = multiLine;
    auto* box = new TextBox(parent, where, style);
    box->setFontSpec(FontTesto);
    return box;
}

TextBox* casellaNumero(QWidget* parent, const Twips& where)
{
    TextBox::Style style;
    style.alignment = Qt::AlignRight;
    auto* box = new TextBox(parent, where, style);
    box->setFontSpec(FontTesto);
    return box;
}

ComboBox* combo(QWidget* parent, const Twips& where, const FontSpec& font = FontCombo)
{
    auto* box = new ComboBox(parent, where);
    box->setFontSpec(font);
    return box;
}

}  // namespace

void FormSchedaFilatelica::creaCampi()
{
    Label1 = etichetta(this, "Codice ID:", 120, 480);
    TextBox::Style solaLettura;
    solaLettura.readOnly = true;
    Text_Codice = new TextBox(this, {1320, 480, 855, 285}, solaLettura);
    Text_Codice->setFontSpec({"Arial", 12, true});
    Text_Codice->setForeColor(QColor(0, 0, 192));
    Text_Codice->setTabStop(false);
    Text_Codice->setText("0");

    Label11 = etichetta(this, "Data ultimo aggiornamento:", 3360, 480);
    TextBox::Style stileData = solaLettura;
    stileData.alignment = Qt::AlignRight;
    Text_DataAggiornamento = new TextBox(this, {6360, 480, 1215, 285}, stileData);
    Text_DataAggiornamento->setFontSpec({"Arial", 11.25, true});
    Text_DataAggiornamento->setForeColor(QColor(192, 0, 0));
    Text_DataAggiornamento->setTabStop(false);

    Label2 = etichetta(this, "Catalogo:", 120, 1080);
    Combo1 = combo(this, {1800, 1080, 5775, 375}, FontTesto);

    Label3 = etichetta(this, "Descrizione:", 120, 1680);
    TextBox::Style descrizione;
    descrizione.multiLine = true;
    descrizione.verticalScrollBar = true;
    Text_DescrizioneFrancobollo = new TextBox(this, {1800, 1680, 5775, 1125}, descrizione);
    Text_DescrizioneFrancobollo->setFontSpec(FontTesto);

    Label6 = etichetta(this, "Valore facciale:", 120, 3000);
    Text_ValoreFacciale = casellaNumero(this, {1800, 3000, 1215, 285});
    Text_ValoreFacciale->setText("0");
    Label4 = etichetta(this, "Stato Emittente:", 3360, 3000);
    Text_StatoEmittente = casella(this, {5040, 3000, 2535, 285});

    Label7 = etichetta(this, "Anno Emissione:", 120, 3480);
    Text_AnnoEmissione = casella(this, {1920, 3480, 1095, 285});
    Label8 = etichetta(this, "Stamperia:", 3360, 3480);
    Text_Stamperia = casella(this, {5040, 3480, 2535, 285});

    Label9 = etichetta(this, "Periodo Circolazione:", 120, 3960);
    Text_PeriodoCircolazione = casella(this, {2400, 3960, 1095, 285});
    Label10 = etichetta(this, "Tiratura:", 5160, 3960);
    Text_Tiratura = casella(this, {6240, 3960, 1335, 285});

    Label12 = etichetta(this, "Tipologia:", 120, 4440);
    Combo2 = combo(this, {1440, 4440, 2055, 360});
    Label13 = etichetta(this, "Carta:", 3840, 4440);
    Combo3 = combo(this, {4920, 4440, 2655, 360});

    Label18 = etichetta(this, "Colori:", 120, 4920);
    Text_Colori = casella(this, {1440, 4920, 2055, 315}, true);
    Label15 = etichetta(this, "Vignetta:", 3840, 4920);
    Text_Vignetta = casella(this, {4920, 4920, 5175, 315}, true);
    Label14 = etichetta(this, "Quotazione:", 10440, 4920);
    Text_Quotazione = casellaNumero(this, {11760, 4920, 1095, 285});
    Text_Quotazione->setFontSpec({"Arial", 11.25, true});
    Text_Quotazione->setForeColor(QColor(0, 128, 0));
    Text_Quotazione->setText("0");

    Label17 = etichetta(this, "Cataloghi Sigle:", 120, 5400);
    Combo4 = combo(this, {1920, 5400, 7455, 360});
    for (const char* sigla : {
             "UNI (Unificato: Italia, Vaticano, San Marino, Europa Occidentale)",
             "SAS (Sassone: Italia, Vaticano, San Marino, Colonie Italiane)",
             "CEI (Catalogo Enciclopedico Italiano: Italia, Vaticano, San Marino, Colonie Italiane)",
             "BOL (Bolaffi: Italia, Vaticano, San Marino)",
             "YVE (Yvert et Tellier: Francia)",
             "MIC (Michel: Germania)",
             "GIB (Stanley Gibbons: Gran Bretagna)",
             "SCO (Scott: Stati Uniti)",
             "VAC (Vaccari: Antichi Stati Italiani)",
             "CER (Ceres: Francia, Monaco, Colonie Francesi)",
             "DAL (Dallay: Francia, Monaco, Colonie Francesi)",
             "HEL (Hellas: Grecia)",
             "ZUM (Zumstein: Svizzera)",
             "MIS (Miscellania: Altri Stati)",
         })
        Combo4->AddItem(QString::fromUtf8(sigla));
    Combo4->setText(QString());
    Label25 = etichetta(this, "Forma:", 9480, 5400);
    Text_Forma = casella(this, {10320, 5400, 2535, 315}, true);

    Label21 = etichetta(this, "Serie:", 120, 5880);
    Text_Serie = casella(this, {1440, 5880, 2055, 315}, true);
    Label24 = etichetta(this, "Rarita:", 3720, 5880);
    Text_Rarita = casella(this, {5520, 5880, 2055, 315}, true);
    Label20 = etichetta(this, "Possessore:", 8880, 5880);
    Text_Possessore = casella(this, {10320, 5880, 2535, 315}, true);

    Label26 = etichetta(this, "Dimensioni:", 120, 6360);
    Text_Dimensioni = casella(this, {1440, 6360, 2055, 315}, true);
    Label19 = etichetta(this, "Dentellatura:", 3720, 6360);
    Combo5 = combo(this, {5520, 6360, 2055, 360});
    Label16 = etichetta(this, "Luogo Conservazione:", 7920, 6360);
    Text_LuogoConservazione = casella(this, {10320, 6360, 2535, 315}, true);

    Label22 = etichetta(this, "Timbro:", 120, 6840);
    Text_Timbro = casella(this, {1440, 6840, 2535, 315}, true);
    Label27 = etichetta(this, "Centratura:", 4200, 6840);
    Text_Centratura = casella(this, {5520, 6840, 2055, 315}, true);
    Label23 = etichetta(this, "Stato di Conservazione:", 7800, 6840);
    Text_StatoConservazione = casella(this, {10320, 6840, 2535, 315}, true);

    Label5 = etichetta(this, "Note:", 120, 7320);
    Text_Note = casella(this, {1440, 7320, 11415, 405}, true);
}

void FormSchedaFilatelica::creaAreaFoto()
{
    Shape1 = new Shape(this, {7800, 120, 5055, 4695}, Qt::blue, 3);
    Image1 = new ImageBox(this, {7920, 240, 4815, 3855});
    Cmd_Sfoglia = new PictureButton(this, {8040, 4200, 615, 525}, "Sfoglia e carica/sostituisce foto",
                                    Pictures::browse());
    Cmd_Cam = new PictureButton(this, {8880, 4200, 615, 525}, "Scatta una foto", Pictures::camera());
    Cmd_Trova = new PictureButton(this, {9720, 4200, 615, 525}, "Cerca immagine su internet", Pictures::web());
    Cmd_CancellaFoto = new PictureButton(this, {12000, 4200, 615, 525}, "Elimina foto", Pictures::erasePhoto());
}

void FormSchedaFilatelica::creaRiquadroWebcam()
{
    const QColor giallo(255, 255, 0);
    Frame1 = new Frame(this, "Scatta una foto", {5160, 120, 7815, 5655});
    Frame1->setFontSpec({"Arial", 11.25, true, true});
    Frame1->setBackColor(giallo);
    Picture1 = new PictureBox(Frame1, {120, 360, 7575, 4215});
    Label29 = new Label(Frame1, "Web-Cam selezionata:", {240, 4800, 2775, 255});
    Label29->setBackColor(giallo);
    cboDrivers = new ComboBox(Frame1, {240, 5040, 4575, 360});
    cboDrivers->setText("Seleziona disattiva WebCam");
    Cmd_Annulla = new PictureButton(Frame1, {5160, 4680, 975, 885}, "Annulla e esci", Pictures::cancel());
    Cmd_SalvaFoto = new PictureButton(Frame1, {6360, 4680, 975, 885}, "Scatta e Salva la foto", Pictures::shoot(),
                                      QColor(255, 0, 0));
    Frame1->hide();
}

void FormSchedaFilatelica::creaBarraComandi()
{
    Cmd_Canc = new PictureButton(this, {240, 7920, 855, 855}, "Cancella Scheda", Pictures::erase(), QColor(192, 0, 0));
    Label28 = new Label(this, "Cerca descrizione:", {1440, 7920, 2175, 255});
    TextBox::Style ricerca;
    ricerca.multiLine = true;
    Text_Ricerca = new TextBox(this, {1440, 8160, 3855, 405}, ricerca);
    Text_Ricerca->setFontSpec({"Arial", 12, true});
    Cmd_Cerca = new PictureButton(this, {5400, 7920, 855, 855}, "Cerca Francobollo", Pictures::search());
    Shape2 = new Shape(this, {6720, 7920, 1455, 855}, QColor(0, 0, 128), 1, QColor(128, 128, 255));
    Cmd_Indietro = new PictureButton(this, {6840, 8040, 615, 615}, "Record Precedente", Pictures::previous());
    Cmd_Avanti = new PictureButton(this, {7440, 8040, 615, 615}, "Record successivo", Pictures::next());
    Stampa_Scheda = new PictureButton(this, {8400, 7920, 855, 855}, "Stampa/Visualizza scheda", Pictures::print(),
                                      QColor(128, 255, 255));
    ComCLS = new PictureButton(this, {9480, 7920, 855, 855}, "Refresh scheda", Pictures::clear(),
                               QColor(255, 255, 128));
    Cmd_Agg = new PictureButton(this, {10560, 7920, 975, 855}, "Aggiorna e/o aggiunge Francobollo", Pictures::add(),
                                QColor(128, 255, 128));
    Cmd_Exit = new PictureButton(this, {11880, 7920, 855, 855}, "Exit", Pictures::exit(), QColor(192, 255, 192));
}

}  // namespace albora
