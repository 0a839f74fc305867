#include "shell/ProgramPicture.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>

namespace shell {

QPixmap programPicture(const QSize &size, const QString &text, int fontPixels)
{
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(40, 90, 170));
    gradient.setColorAt(1, QColor(110, 160, 225));
    painter.setBrush(gradient);
    painter.setPen(Qt::NoPen);
    const qreal corner = size.width() / 12.0;
    painter.drawRoundedRect(QRectF(picture.rect()).adjusted(1, 1, -1, -1), corner, corner);
    QFont font = painter.font();
    font.setPixelSize(fontPixels);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(picture.rect(), Qt::AlignCenter, text);
    return picture;
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 64})
        icon.addPixmap(programPicture(QSize(side, side), QStringLiteral("盈"), side * 3 / 4));
    return icon;
}

} // namespace shell
