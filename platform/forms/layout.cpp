// Placing controls in twips, the fonts the windows name, and tab order.
#include "forms/controls.h"
#include "forms/form.h"

#include <QApplication>
#include <QPalette>

namespace platform::forms {

void placeTwips(QWidget* widget, const Twips& where)
{
    widget->setGeometry(px(where.left), px(where.top), px(where.width), px(where.height));
}

QFont makeFont(const FontSpec& spec)
{
    QFont font(spec.family);
    // The old bitmap face has no counterpart here; its nearest look-alike is
    // the sans face that also stands in for Arial.
    if (spec.family == QLatin1String("MS Sans Serif"))
        font.setFamilies({spec.family, QStringLiteral("Liberation Sans")});
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

QColor systemHighlight()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Highlight);
}

void setTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace platform::forms
