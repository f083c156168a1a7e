// The passive controls: image box, frame, shape and picture box.
#include "forms/controls.h"

#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace platform::forms {

ImageBox::ImageBox(QWidget* parent, const Twips& where)
    : QLabel(parent)
{
    setScaledContents(true);
    placeTwips(this, where);
}

void ImageBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    if (picture_.isNull())
        clear();
    else
        setPixmap(QPixmap::fromImage(picture_));
}

void ImageBox::clearPicture()
{
    picture_ = QImage();
    clear();
}

Frame::Frame(QWidget* parent, const QString& caption, const Twips& where)
    : QFrame(parent)
    , caption_(caption)
{
    setFrameStyle(QFrame::NoFrame);
    placeTwips(this, where);
    if (!caption_.isEmpty()) {
        captionLabel_ = new Label(this, caption_, {120, 0, 0, 0});
        captionLabel_->setAutoSize(true);
    }
}

void Frame::setBackColor(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
    if (captionLabel_)
        captionLabel_->setBackColor(colour);
}

void Frame::setFontSpec(const FontSpec& spec)
{
    // The font is the caption's only: the controls inside keep their own.
    if (captionLabel_)
        captionLabel_->setFontSpec(spec);
    update();
}

void Frame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    // An etched line around the frame; with a caption the line runs through
    // the middle of the caption, which hides it.
    const int top = captionLabel_ ? captionLabel_->height() / 2 : 0;
    const QRect box(0, top, width() - 2, height() - top - 2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(box);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));
}

Shape::Shape(QWidget* parent, const Twips& where, const QColor& border, int borderPixels, const QColor& fill)
    : QFrame(parent)
    , border_(border)
    , borderPixels_(borderPixels)
    , fill_(fill)
{
    setFrameStyle(QFrame::NoFrame);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    placeTwips(this, where);
    // Drawn under the controls, as a background or a surround.
    lower();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (fill_.isValid())
        painter.fillRect(rect(), fill_);
    if (borderPixels_ > 0) {
        const int n = borderPixels_;
        painter.fillRect(0, 0, width(), n, border_);
        painter.fillRect(0, height() - n, width(), n, border_);
        painter.fillRect(0, 0, n, height(), border_);
        painter.fillRect(width() - n, 0, n, height(), border_);
    }
}

PictureBox::PictureBox(QWidget* parent, const Twips& where)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    placeTwips(this, where);
}

Timer::Timer(QObject* parent)
    : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
}

void Timer::setInterval(int milliseconds)
{
    interval_ = milliseconds;
    if (interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

}  // namespace platform::forms
