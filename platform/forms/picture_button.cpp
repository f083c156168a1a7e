#include "forms/controls.h"
#include "forms/pictures.h"

#include <QPalette>
#include <QPixmap>
#include <algorithm>

namespace platform::forms {

namespace {
constexpr int ButtonMargin = 10;  // pixels between the picture and the button's edge
}

PictureButton::PictureButton(QWidget* parent, const Twips& where, const QString& toolTip,
                             const QImage& picture, const QColor& background)
    : QPushButton(parent)
{
    placeTwips(this, where);
    setToolTip(toolTip);
    setCursor(buttonCursor());
    setAutoDefault(false);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Button, background);
    setPalette(palette);

    const int side = std::max(8, std::min(width(), height()) - ButtonMargin);
    setIcon(QIcon(QPixmap::fromImage(picture)));
    setIconSize(QSize(side, side));

    connect(this, &QPushButton::clicked, this, [this] { emit Click(); });
}

}  // namespace platform::forms
