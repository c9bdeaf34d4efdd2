#pragma once

#include "System.h"

#include <QString>

// The game's movies: files without extension in anim/ beside the program. The build copies
// and installs the files these names name.
namespace movies {
inline const QString gorvan = QStringLiteral("gv");
inline const QString target = QStringLiteral("target");
inline const QString intro = QStringLiteral("intro");

inline QString path(const QString& movie) {
    return sys::programDirectory() + QStringLiteral("/anim/") + movie;
}
} // namespace movies
