// The buttons' pictures, drawn in code: simple shapes that tell the role at
// a glance, on a transparent 48 x 48 canvas.  Each is drawn the first time it
// is asked for and shared afterwards, since windows ask again at every load.
#include "forms/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <functional>

namespace platform::forms::Pictures {

namespace {

constexpr int Side = 48;

QImage draw(const std::function<void(QPainter&)>& paint)
{
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return image;
}

QPen outline(const QColor& colour = Qt::black, double width = 1.5)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void plus(QPainter& p, QPointF centre, double arm, const QColor& colour)
{
    p.setPen(outline(colour, 5));
    p.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
    p.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
}

void cross(QPainter& p, const QRectF& box, const QColor& colour, double width)
{
    p.setPen(outline(colour, width));
    p.drawLine(box.topLeft(), box.bottomRight());
    p.drawLine(box.topRight(), box.bottomLeft());
}

void page(QPainter& p, const QRectF& box)
{
    const double fold = box.width() / 4;
    QPolygonF sheet{box.topLeft(), box.topRight() - QPointF(fold, 0), box.topRight() + QPointF(0, fold),
                    box.bottomRight(), box.bottomLeft()};
    p.setPen(outline());
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF{box.topRight() - QPointF(fold, 0), box.topRight() + QPointF(-fold, fold),
                             box.topRight() + QPointF(0, fold)});
}

void arrow(QPainter& p, bool right)
{
    QPolygonF shape{{6, 18}, {26, 18}, {26, 8}, {43, 24}, {26, 40}, {26, 30}, {6, 30}};
    if (!right) {
        for (QPointF& point : shape)
            point.setX(Side - point.x());
    }
    p.setPen(outline(QColor(0, 0, 128)));
    p.setBrush(QColor(30, 100, 220));
    p.drawPolygon(shape);
}

void landscape(QPainter& p, const QRectF& box)
{
    p.setPen(outline());
    p.setBrush(QColor(150, 200, 255));
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 0));
    p.drawEllipse(QPointF(box.right() - 8, box.top() + 8), 4, 4);
    p.setBrush(QColor(40, 150, 40));
    QPainterPath hill;
    hill.moveTo(box.bottomLeft());
    hill.quadTo(box.center() + QPointF(-4, -6), box.bottomRight() - QPointF(0, 6));
    hill.lineTo(box.bottomRight());
    hill.closeSubpath();
    p.drawPath(hill);
}

}  // namespace

QImage add()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline());
        p.setBrush(QColor(40, 70, 160));
        p.drawRoundedRect(QRectF(4, 4, 34, 34), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 4, 22, 13));
        p.setBrush(QColor(170, 170, 170));
        p.drawRect(QRectF(12, 27, 18, 11));
        plus(p, {37, 37}, 8, QColor(0, 150, 0));
    });
    return picture;
}

QImage exit()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline());
        p.setBrush(QColor(90, 60, 30));
        p.drawRect(QRectF(10, 4, 28, 40));  // the doorway
        p.setBrush(QColor(200, 140, 70));
        p.drawPolygon(QPolygonF{{10, 4}, {24, 9}, {24, 46}, {10, 44}});  // the door, swung open
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(21, 27), 1.5, 1.5);
        p.setPen(outline(QColor(0, 140, 0), 4));
        p.drawLine(QPointF(28, 24), QPointF(44, 24));
        p.drawLine(QPointF(38, 18), QPointF(44, 24));
        p.drawLine(QPointF(38, 30), QPointF(44, 24));
    });
    return picture;
}

QImage backup()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline());
        p.setBrush(QColor(170, 170, 180));
        p.drawRoundedRect(QRectF(6, 30, 36, 14), 3, 3);  // the drive
        p.setBrush(QColor(0, 200, 0));
        p.drawEllipse(QPointF(35, 37), 2.5, 2.5);
        p.setBrush(QColor(0, 150, 0));
        p.drawPolygon(QPolygonF{{19, 4}, {29, 4}, {29, 16}, {36, 16}, {24, 28}, {12, 16}, {19, 16}});
    });
    return picture;
}

QImage excel()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline());
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 6, 30, 36));
        p.setPen(outline(QColor(0, 120, 60), 1));
        for (double y = 15; y < 42; y += 9)
            p.drawLine(QPointF(14, y), QPointF(44, y));
        p.drawLine(QPointF(29, 6), QPointF(29, 42));
        p.setPen(outline());
        p.setBrush(QColor(20, 115, 60));
        p.drawRect(QRectF(4, 12, 22, 24));
        cross(p, QRectF(9, 17, 12, 14), Qt::white, 3.5);
    });
    return picture;
}

QImage erase()
{
    static const QImage picture = draw([](QPainter& p) {
        page(p, QRectF(8, 4, 28, 38));
        p.setPen(outline(QColor(120, 120, 120), 1.5));
        for (double y = 16; y < 38; y += 6)
            p.drawLine(QPointF(12, y), QPointF(31, y));
        cross(p, QRectF(26, 26, 16, 16), QColor(210, 0, 0), 5);
    });
    return picture;
}

QImage search()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline(QColor(90, 60, 30), 7));
        p.drawLine(QPointF(29, 29), QPointF(42, 42));
        p.setPen(outline(Qt::black, 3));
        p.setBrush(QColor(200, 230, 255));
        p.drawEllipse(QPointF(20, 20), 13, 13);
    });
    return picture;
}

QImage next()
{
    static const QImage picture = draw([](QPainter& p) { arrow(p, true); });
    return picture;
}

QImage previous()
{
    static const QImage picture = draw([](QPainter& p) { arrow(p, false); });
    return picture;
}

QImage print()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline());
        p.setBrush(Qt::white);
        p.drawRect(QRectF(13, 4, 22, 16));  // paper going in
        p.setBrush(QColor(120, 120, 130));
        p.drawRoundedRect(QRectF(4, 18, 40, 18), 3, 3);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(12, 30, 24, 14));  // paper coming out
        p.setPen(outline(Qt::black, 1));
        p.drawLine(QPointF(15, 35), QPointF(33, 35));
        p.drawLine(QPointF(15, 39), QPointF(30, 39));
        p.setBrush(QColor(0, 200, 0));
        p.drawEllipse(QPointF(38, 23), 2, 2);
    });
    return picture;
}

QImage clear()
{
    static const QImage picture = draw([](QPainter& p) { page(p, QRectF(10, 4, 28, 40)); });
    return picture;
}

QImage browse()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline(QColor(120, 90, 0)));
        p.setBrush(QColor(230, 180, 40));
        p.drawPolygon(QPolygonF{{4, 10}, {18, 10}, {22, 14}, {42, 14}, {42, 40}, {4, 40}});
        p.setBrush(QColor(255, 215, 90));
        p.drawPolygon(QPolygonF{{4, 40}, {10, 20}, {46, 20}, {42, 40}});
    });
    return picture;
}

QImage camera()
{
    static const QImage picture = draw([](QPainter& p) {
        p.setPen(outline());
        p.setBrush(QColor(60, 60, 70));
        p.drawRoundedRect(QRectF(3, 14, 42, 28), 4, 4);
        p.drawRect(QRectF(15, 9, 14, 6));
        p.setBrush(QColor(180, 180, 190));
        p.drawEllipse(QPointF(24, 28), 10, 10);
        p.setBrush(QColor(40, 80, 160));
        p.drawEllipse(QPointF(24, 28), 6, 6);
        p.setBrush(QColor(255, 240, 150));
        p.drawRect(QRectF(36, 17, 6, 4));
    });
    return picture;
}

QImage web()
{
    static const QImage picture = draw([](QPainter& p) {
        const QPointF centre(24, 24);
        p.setPen(outline(QColor(0, 60, 140), 2));
        p.setBrush(QColor(80, 160, 240));
        p.drawEllipse(centre, 20, 20);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 9, 20);
        p.drawLine(QPointF(24, 4), QPointF(24, 44));
        p.drawLine(QPointF(4, 24), QPointF(44, 24));
        p.drawLine(QPointF(8, 14), QPointF(40, 14));
        p.drawLine(QPointF(8, 34), QPointF(40, 34));
    });
    return picture;
}

QImage erasePhoto()
{
    static const QImage picture = draw([](QPainter& p) {
        landscape(p, QRectF(4, 8, 36, 30));
        cross(p, QRectF(26, 26, 16, 16), QColor(210, 0, 0), 5);
    });
    return picture;
}

QImage shoot()
{
    static const QImage picture = draw([](QPainter& p) {
        const QPointF centre(24, 24);
        p.setPen(outline(Qt::black, 2));
        p.setBrush(QColor(50, 50, 60));
        p.drawEllipse(centre, 20, 20);
        // Six blades around a small opening.
        p.setPen(outline(QColor(200, 200, 210), 2));
        for (int blade = 0; blade < 6; ++blade) {
            p.save();
            p.translate(centre);
            p.rotate(60.0 * blade);
            p.drawLine(QPointF(0, -6), QPointF(15, -13));
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 0, 0));
        p.drawEllipse(centre, 5, 5);
    });
    return picture;
}

QImage cancel()
{
    static const QImage picture = draw([](QPainter& p) { cross(p, QRectF(10, 10, 28, 28), QColor(210, 0, 0), 7); });
    return picture;
}

}  // namespace platform::forms::Pictures
