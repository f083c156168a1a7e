#include "francobolli_disegnati.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace albora::demo {

namespace {

constexpr int Larghezza = 240;
constexpr int Altezza = 300;
constexpr int Dente = 9;

// White paper with round perforation holes along the four edges.
void disegnaDentellatura(QPainter& p)
{
    p.fillRect(0, 0, Larghezza, Altezza, QColor(250, 248, 240));
    p.setBrush(QColor(70, 70, 70));
    p.setPen(Qt::NoPen);
    for (int x = Dente; x < Larghezza; x += 2 * Dente) {
        p.drawEllipse(QPoint(x, 0), Dente / 2 + 1, Dente / 2 + 1);
        p.drawEllipse(QPoint(x, Altezza), Dente / 2 + 1, Dente / 2 + 1);
    }
    for (int y = Dente; y < Altezza; y += 2 * Dente) {
        p.drawEllipse(QPoint(0, y), Dente / 2 + 1, Dente / 2 + 1);
        p.drawEllipse(QPoint(Larghezza, y), Dente / 2 + 1, Dente / 2 + 1);
    }
}

void disegnaVignetta(QPainter& p, const QRect& campo, Vignetta vignetta, const QColor& inchiostro)
{
    p.setPen(QPen(inchiostro, 3));
    p.setBrush(inchiostro.lighter(170));
    const QPoint centro = campo.center();
    switch (vignetta) {
    case Vignetta::Corona: {
        QPolygon corona;
        corona << QPoint(centro.x() - 50, centro.y() + 30) << QPoint(centro.x() - 55, centro.y() - 25)
               << QPoint(centro.x() - 25, centro.y()) << QPoint(centro.x(), centro.y() - 40)
               << QPoint(centro.x() + 25, centro.y()) << QPoint(centro.x() + 55, centro.y() - 25)
               << QPoint(centro.x() + 50, centro.y() + 30);
        p.drawPolygon(corona);
        break;
    }
    case Vignetta::Colomba: {
        QPainterPath ala;
        ala.moveTo(centro.x() - 60, centro.y());
        ala.cubicTo(centro.x() - 20, centro.y() - 60, centro.x() + 20, centro.y() - 50, centro.x() + 60, centro.y() - 10);
        ala.cubicTo(centro.x() + 20, centro.y() + 10, centro.x() - 20, centro.y() + 30, centro.x() - 60, centro.y());
        p.drawPath(ala);
        p.drawEllipse(QPoint(centro.x() + 55, centro.y() - 15), 10, 10);
        break;
    }
    case Vignetta::Torre:
        p.drawRect(centro.x() - 25, centro.y() - 50, 50, 90);
        for (int i = 0; i < 3; ++i)
            p.drawRect(centro.x() - 25 + i * 20, centro.y() - 62, 12, 12);
        p.drawRect(centro.x() - 8, centro.y() + 10, 16, 30);
        break;
    case Vignetta::Stella: {
        QPolygon stella;
        for (int i = 0; i < 10; ++i) {
            const double angolo = -M_PI / 2 + i * M_PI / 5;
            const double raggio = i % 2 == 0 ? 55 : 22;
            stella << QPoint(centro.x() + int(raggio * std::cos(angolo)), centro.y() + int(raggio * std::sin(angolo)));
        }
        p.drawPolygon(stella);
        break;
    }
    case Vignetta::Sole:
        p.drawEllipse(centro, 30, 30);
        for (int i = 0; i < 12; ++i) {
            const double angolo = i * M_PI / 6;
            p.drawLine(centro + QPoint(int(40 * std::cos(angolo)), int(40 * std::sin(angolo))),
                       centro + QPoint(int(60 * std::cos(angolo)), int(60 * std::sin(angolo))));
        }
        break;
    }
}

}  // namespace

QImage disegnaFrancobollo(const QString& paese, const QString& valore, const QColor& colore, Vignetta vignetta)
{
    QImage immagine(Larghezza, Altezza, QImage::Format_RGB32);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    disegnaDentellatura(p);

    const QRect campo(18, 18, Larghezza - 36, Altezza - 36);
    p.setPen(Qt::NoPen);
    p.setBrush(colore);
    p.drawRect(campo);
    p.setPen(QPen(colore.darker(160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(campo.adjusted(6, 6, -6, -6));

    disegnaVignetta(p, campo.adjusted(10, 40, -10, -50), vignetta, colore.darker(220));

    p.setPen(colore.darker(300));
    QFont font("Liberation Serif", 16, QFont::Bold);
    p.setFont(font);
    p.drawText(campo.adjusted(0, 12, 0, 0), Qt::AlignHCenter | Qt::AlignTop, paese.toUpper());
    font.setPointSize(22);
    p.setFont(font);
    p.drawText(campo.adjusted(0, 0, -14, -10), Qt::AlignRight | Qt::AlignBottom, valore);
    p.end();
    return immagine;
}

QImage disegnaSegnaposto()
{
    QImage immagine(Larghezza, Altezza, QImage::Format_RGB32);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    disegnaDentellatura(p);
    p.setPen(QPen(QColor(160, 160, 160), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(24, 24, Larghezza - 48, Altezza - 48);
    p.setFont(QFont("Liberation Sans", 14, QFont::Bold));
    p.drawText(QRect(24, 24, Larghezza - 48, Altezza - 48), Qt::AlignCenter | Qt::TextWordWrap, "Nessuna\nfoto");
    p.end();
    return immagine;
}

QImage disegnaLogo()
{
    QImage immagine(306, 350, QImage::Format_RGB32);
    immagine.fill(QColor(192, 255, 255));
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    // Three overlapping stamps under a magnifying glass.
    const QColor colori[] = {QColor(200, 60, 60), QColor(60, 120, 200), QColor(60, 160, 90)};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(70 + i * 55, 90 + i * 40);
        p.rotate(-12 + i * 12);
        p.setPen(QPen(Qt::white, 6, Qt::DotLine));
        p.setBrush(colori[i]);
        p.drawRect(-50, -60, 100, 120);
        p.restore();
    }
    p.setPen(QPen(QColor(60, 60, 60), 10));
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPoint(190, 160), 60, 60);
    p.drawLine(232, 202, 290, 270);
    p.setPen(QColor(0, 60, 120));
    p.setFont(QFont("Liberation Sans", 26, QFont::Bold));
    p.drawText(QRect(0, 290, 306, 50), Qt::AlignCenter, "Albora");
    p.end();
    return immagine;
}

}  // namespace albora::demo
