#pragma once

#include <QString>

// The language of the captions and messages. English is the language the program is written
// in and needs no translation; every other one is compiled in from translations/.
namespace language {

// The language to show: `requested` (--lang) when given, else `stored` (the player's
// preferences), else the desktop's, read as gettext reads it: LANGUAGE's list, unless the
// messages' locale (LC_ALL, LC_MESSAGES, LANG) is C or POSIX, which is always English. The
// first name the program has a translation for wins, "en" where English comes first or none
// does. Regions and encodings are ignored ("de_AT.UTF-8" is "de").
QString choose(const QString& requested, const QString& stored);

// Installs the program's translations and Qt's own for `name` ("de"), or removes them for
// English; windows made afterwards show their captions in it.
void install(const QString& name);

} // namespace language
