#pragma once
// Stamp pictures drawn by code for the demo collection: a perforated edge,
// a coloured field, a simple vignette, the country and the face value.

#include <QColor>
#include <QImage>
#include <QString>

namespace albora::demo {

enum class Vignetta { Corona, Colomba, Torre, Stella, Sole };

QImage disegnaFrancobollo(const QString& paese, const QString& valore, const QColor& colore, Vignetta vignetta);
// The picture every card without a photo of its own shows.
QImage disegnaSegnaposto();
// The program's logo on the splash window.
QImage disegnaLogo();

}  // namespace albora::demo
