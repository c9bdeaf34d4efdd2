#pragma once

#include <QColor>

// The colours the screens share: white text, dark grey banners and cells, grey outlines and
// light grey headings and button faces.
namespace palette {
inline const QColor white(255, 255, 255);
inline const QColor darkGrey(64, 64, 64);
inline const QColor grey(128, 128, 128);
inline const QColor lightGrey(192, 192, 192);
} // namespace palette
