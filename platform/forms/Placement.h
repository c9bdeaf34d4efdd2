#pragma once

#include <QRect>

class QWidget;

// Where windows go on the screen. Positions count the whole window, frame included, which
// the window manager tells only once it has framed one of the program's windows.
namespace placement {

// Moves a window so that its frame is centred on area.
void centre(QWidget& window, const QRect& area);

// The frame around the window, or around another of the program's windows while this one has
// not been framed yet; none before the window manager has framed any (or where it frames none).
QMargins frameOf(const QWidget& window);

} // namespace placement
