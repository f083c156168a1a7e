// Loading pictures by their content, the busy pointer, and the buttons' cursor.
#include "forms/pictures.h"

#include "runtime/error.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace platform::forms {

using runtime::Error;

namespace {

// The format a file's first bytes announce, or nullptr when it is neither
// a bitmap nor a JPEG.
const char* pictureFormat(const QByteArray& data)
{
    if (data.startsWith("BM"))
        return "BMP";
    if (data.startsWith(QByteArray("\xFF\xD8\xFF", 3)))
        return "JPEG";
    return nullptr;
}

int& busyDepth()
{
    static int depth = 0;
    return depth;
}

QPixmap drawButtonCursor()
{
    // A pointing hand whose fingertip is the hot spot (12, 1).
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    hand.moveTo(10.5, 3);
    hand.quadTo(12, 0.5, 13.5, 3);   // index finger tip
    hand.lineTo(13.5, 12);
    hand.quadTo(15, 10.5, 16.5, 12);  // middle finger
    hand.quadTo(18, 10.5, 19.5, 12.5);  // ring finger
    hand.quadTo(21, 11.5, 22.5, 13.5);  // little finger
    hand.lineTo(22.5, 21);
    hand.quadTo(22, 25, 19.5, 27);
    hand.lineTo(11.5, 27);
    hand.lineTo(5.5, 19);
    hand.quadTo(5, 16, 8, 16.5);  // thumb
    hand.lineTo(10.5, 19);
    hand.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    painter.drawLine(QPointF(16.5, 12), QPointF(16.5, 17));
    painter.drawLine(QPointF(19.5, 12.5), QPointF(19.5, 17));
    return pixmap;
}

}  // namespace

QImage LoadPicture(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw Error(runtime::ErrFileNotFound, QStringLiteral("File non trovato: %1").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(runtime::ErrPermissionDenied, QStringLiteral("Accesso negato: %1").arg(path));
    const QByteArray data = file.readAll();
    const char* format = pictureFormat(data);
    QImage picture;
    if (format)
        picture.loadFromData(data, format);
    if (picture.isNull())
        throw Error(runtime::ErrInvalidPicture, QStringLiteral("Immagine non valida: %1").arg(path));
    return picture;
}

BusyPointer::BusyPointer()
{
    ++busyDepth();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyPointer::~BusyPointer()
{
    --busyDepth();
    QGuiApplication::restoreOverrideCursor();
}

bool BusyPointer::active()
{
    return busyDepth() > 0;
}

int BusyPointer::depth()
{
    return busyDepth();
}

const QCursor& buttonCursor()
{
    static const QCursor cursor(drawButtonCursor(), 12, 1);
    return cursor;
}

}  // namespace platform::forms
