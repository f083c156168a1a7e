#pragma once
// A complete collection in a temporary folder, for the windows' tests: the
// settings file, a real archive with both tables, and a photo folder with the
// placeholder pictures.  While it lives, the application folder is the
// temporary folder, Italian regional settings are in force, today is
// 11/12/2026, every message box and dialog is scripted, and ending the
// program is only recorded.
//
//   CollezioneDiProva c;
//   int italia = c.aggiungiCatalogo("Italia");
//   int id = c.aggiungiScheda({{"Catalogo", "Italia"}, {"DescrizioneFrancobollo", "Lira oro"}});
//   formCatalogo.Show();
//   ...
//   EXPECT_EQ(c.dialoghi.boxes.back().prompt, "Nome Catalogo già esistente!");
//   EXPECT_EQ(c.valore(id, "Quotazione").text(), "12,5");

#include "forms/dialogs.h"
#include "regional/regional.h"
#include "runtime/variant.h"

#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <initializer_list>
#include <utility>

namespace albora::prova {

using platform::runtime::Variant;

class CollezioneDiProva {
public:
    CollezioneDiProva();
    ~CollezioneDiProva();  // unloads every window and restores the seams

    QString cartella() const;       // application folder, with agg.ini
    QString archivio() const;       // the archive file
    QString cartellaFoto() const;   // photo folder, with a trailing separator

    // Writes or removes a key of agg.ini (section db_remoto).
    void impostazione(const QString& chiave, const QString& valore);
    void togliImpostazione(const QString& chiave);

    int aggiungiCatalogo(const QString& nome);
    // Inserts a card straight into the archive; values given as text are
    // stored with the column's type.  Returns its number.
    int aggiungiScheda(std::initializer_list<std::pair<const char*, Variant>> colonne);
    // A column of a stored card read straight from the archive (Null when the
    // card does not exist).
    Variant valore(int idScheda, const QString& colonna) const;
    int numeroSchede() const;
    int numeroCataloghi() const;
    bool esisteScheda(int idScheda) const;

    // A small picture written as a real JPEG or BMP file.
    static void scriviFoto(const QString& percorso, const char* formato, QColor colore = Qt::red);

    platform::forms::ScriptedDialogs dialoghi;
    int chiusure = 0;  // how many times the program asked to end

private:
    QTemporaryDir cartella_;
    platform::regional::Scope regionale_;
};

}  // namespace albora::prova
