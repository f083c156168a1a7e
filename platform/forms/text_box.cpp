// Text box: a one-line editor, or a multi-line one that takes line breaks
// even when it is only one line high.
#include "forms/controls.h"

#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextOption>

namespace platform::forms {

TextBox::TextBox(QWidget* parent, const Twips& where, const Style& style)
    : QWidget(parent)
{
    QWidget* editor = nullptr;
    if (style.multiLine) {
        multi_ = new QPlainTextEdit(this);
        multi_->setReadOnly(style.readOnly);
        multi_->setTabChangesFocus(true);
        multi_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        multi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        multi_->setVerticalScrollBarPolicy(style.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                   : Qt::ScrollBarAlwaysOff);
        // Boxes one line high still have to show their line.
        multi_->document()->setDocumentMargin(1);
        QTextOption option = multi_->document()->defaultTextOption();
        option.setAlignment(style.alignment);
        multi_->document()->setDefaultTextOption(option);
        editor = multi_;
    } else {
        line_ = new QLineEdit(this);
        line_->setReadOnly(style.readOnly);
        line_->setAlignment(style.alignment | Qt::AlignVCenter);
        editor = line_;
    }
    setFocusProxy(editor);
    placeTwips(this, where);
    editor->setGeometry(rect());
}

TextBox::TextBox(QWidget* parent, const Twips& where)
    : TextBox(parent, where, Style{})
{
}

QString TextBox::Text() const
{
    return multi_ ? multi_->toPlainText() : line_->text();
}

void TextBox::setText(const QString& text)
{
    if (multi_) {
        QString lines = text;
        lines.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        multi_->setPlainText(lines);
    } else {
        line_->setText(text);
    }
}

void TextBox::setFontSpec(const FontSpec& spec)
{
    editor()->setFont(makeFont(spec));
}

void TextBox::setForeColor(const QColor& colour)
{
    QPalette palette = editor()->palette();
    palette.setColor(QPalette::Text, colour);
    editor()->setPalette(palette);
}

void TextBox::setTabStop(bool tabStop)
{
    editor()->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

QWidget* TextBox::editor() const
{
    if (multi_)
        return multi_;
    return line_;
}

}  // namespace platform::forms
