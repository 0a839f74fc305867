#pragma once

#include <QPixmap>

namespace shell {

// The installation's picture: the firm's name in white on a blue rounded
// field. The login shows it large; windows carry it small as their icon.
QPixmap programPicture(const QSize &size, const QString &text, int fontPixels);
QIcon programIcon();

} // namespace shell
