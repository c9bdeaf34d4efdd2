#include "X11Transfer.h"

#include <QByteArray>

void sendPicturesOverTheConnection() {
    qputenv("QT_XCB_NO_MITSHM", QByteArrayLiteral("1"));
}
