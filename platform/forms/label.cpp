#include "forms/controls.h"

#include <QPalette>

namespace platform::forms {

Label::Label(QWidget* parent, const QString& caption, const Twips& where)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    // A caption longer than the label breaks at blanks, as the desktop's labels do.
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setText(caption);
    placeTwips(this, where);
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    if (autoSize_)
        fitToText();
}

void Label::setFontSpec(const FontSpec& spec)
{
    setFont(makeFont(spec));
    if (autoSize_)
        fitToText();
}

void Label::setForeColor(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void Label::setBackColor(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    if (autoSize_)
        fitToText();
}

void Label::fitToText()
{
    setWordWrap(false);
    resize(sizeHint());
}

}  // namespace platform::forms
