#include "KeyName.h"

#include "Charset.h"

QString KeyName(qint16 keyCode) {
    switch (keyCode) {
    case 8:
        return QStringLiteral("[backspace]");
    case 13:
        return QStringLiteral("[enter]");
    case 16:
        return QStringLiteral("[shift]");
    case 17:
        return QStringLiteral("[ctrl]");
    case 18:
        return QStringLiteral("[alt]");
    case 32:
        return QStringLiteral("[space]");
    case 33:
        return QStringLiteral("[page up]");
    case 34:
        return QStringLiteral("[page down]");
    case 35:
        return QStringLiteral("[end]");
    case 36:
        return QStringLiteral("[home]");
    case 37:
        return QStringLiteral("[left arrow]");
    case 38:
        return QStringLiteral("[up arrow]");
    case 39:
        return QStringLiteral("[right arrow]");
    case 40:
        return QStringLiteral("[down arrow]");
    case 46:
        return QStringLiteral("[delete]");
    case 112:
        return QStringLiteral("[F1]");
    case 113:
        return QStringLiteral("[F2]");
    case 114:
        return QStringLiteral("[F3]");
    case 115:
        return QStringLiteral("[F4]");
    case 116:
        return QStringLiteral("[F5]");
    case 117:
        return QStringLiteral("[F6]");
    case 118:
        return QStringLiteral("[F7]");
    case 119:
        return QStringLiteral("[F8]");
    case 120:
        return QStringLiteral("[F9]");
    case 121:
        return QStringLiteral("[F10]");
    case 186:
        return QStringLiteral(";");
    case 187:
        return QStringLiteral("=");
    case 188:
        return QStringLiteral(",");
    case 189:
        return QStringLiteral("-");
    case 190:
        return QStringLiteral(".");
    case 191:
        return QStringLiteral("/");
    case 219:
        return QStringLiteral("[");
    case 220:
        return QStringLiteral("\\");
    case 221:
        return QStringLiteral("]");
    case 222:
        return QStringLiteral("'");
    }
    // A hand-written settings file may hold any 16-bit number.
    if (keyCode < 0 || keyCode > 255)
        return QStringLiteral("[key %1]").arg(keyCode);
    return charset::fromByte(static_cast<unsigned char>(keyCode));
}
