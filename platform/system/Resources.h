#pragma once

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QSizeF>
#include <QString>

// Pictures, fonts, cursor and icon of the program, compiled in from assets/.
namespace resources {

// Loads Tahoma, which Debian ships with Wine outside fontconfig's path. Without it texts
// fall back to the default sans font.
void installFonts();

// The texts' font: Tahoma at 8.25 points of a 96-dpi screen (11 pixels).
QFont textFont(bool bold = false);

// The named picture (assets/<name>.svg) drawn at size for the given pixel ratio;
// a null image when there is no such picture. A picture with words is taken in the language
// set here (assets/<language>/<name>.svg) where it has one.
QImage picture(const QString& name, QSizeF size, qreal devicePixelRatio);
void setPictureLanguage(const QString& language);

// The pointing hand of clickable pictures and labels (hot spot 12, 9).
QCursor handCursor();

QIcon programIcon();

} // namespace resources
