#pragma once
// The stamp list: the cards of the catalogue chosen in the catalogue window,
// one grid row per card.  A click on a row opens that card in the card
// window, Cmd_Agg opens an empty card for the catalogue, and either hands
// over and unloads the list.

#include "ado/ado.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "grid/msflexgrid.h"
#include "shell/finestra_archivio.h"

#include <QString>
#include <array>

namespace albora {

class FormListaFilatelica : public FinestraArchivio {
    Q_OBJECT
public:
    FormListaFilatelica();

    platform::forms::Label* Label5;
    platform::forms::TextBox* Text_Catalogo;  // written by whoever shows the list
    platform::forms::TextBox* Text_ID;        // hidden: the card the card window loads ("0": a new card)
    platform::forms::Label* Label1;           // the column headings
    platform::grid::MSFlexGrid* MSFlexGrid1;
    platform::forms::PictureButton* Cmd_ExpExcel;
    platform::forms::PictureButton* Cmd_Agg;
    platform::forms::PictureButton* Cmd_Exit;

    // The column headings, a single caption above the grid.
    static const QString Intestazione;
    static constexpr int ColonneGriglia = 8;

    void MSFlexGrid1_Click(int riga);
    void Cmd_Agg_Click();
    void Cmd_Exit_Click();

protected:
    void Load() override;

private:
    void CaricaGriglia();
    std::array<int, ColonneGriglia> posizioniCampi() const;
    QString rigaGriglia(const std::array<int, ColonneGriglia>& campi) const;

    platform::ado::Recordset RsLista;
};

extern platform::forms::FormSlot<FormListaFilatelica> formListaFilatelica;

}  // namespace albora
