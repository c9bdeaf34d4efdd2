#include "Resources.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace resources {

namespace {

QString family = QStringLiteral("Tahoma");
QString pictureLanguage;

QString picturePath(const QString& name) {
    const QString translated = QStringLiteral(":/pictures/%1/%2.svg").arg(pictureLanguage, name);
    if (!pictureLanguage.isEmpty() && QFile::exists(translated))
        return translated;
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

} // namespace

void installFonts() {
    // Regular and bold: without the bold file bold texts would be smeared regular ones.
    for (const QString& folder : {QStringLiteral("/usr/share/wine/fonts"),
                                  QStringLiteral("/usr/share/fonts/truetype/wine")}) {
        const int id = QFontDatabase::addApplicationFont(folder + QStringLiteral("/tahoma.ttf"));
        if (id < 0)
            continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            family = families.first();
        QFontDatabase::addApplicationFont(folder + QStringLiteral("/tahomabd.ttf"));
        return;
    }
}

QFont textFont(bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

void setPictureLanguage(const QString& language) {
    pictureLanguage = language;
}

QImage picture(const QString& name, QSizeF size, qreal devicePixelRatio) {
    const QSize pixels = (size * devicePixelRatio).toSize();
    if (pixels.isEmpty())
        return {};
    const QString path = picturePath(name);
    const QString key =
        QStringLiteral("%1@%2x%3").arg(path).arg(pixels.width()).arg(pixels.height());
    static QHash<QString, QImage> cache;
    if (auto found = cache.constFind(key); found != cache.constEnd())
        return *found;

    QImage image;
    QSvgRenderer renderer;
    if (QFile::exists(path) && renderer.load(path)) {
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        image.setDevicePixelRatio(devicePixelRatio);
    }
    cache.insert(key, image);
    return image;
}

QCursor handCursor() {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QImage image = picture(QStringLiteral("cursor_hand"), QSizeF(32, 32), ratio);
    if (image.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(QPixmap::fromImage(image), 12, 9);
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48}) {
        const QImage image = picture(QStringLiteral("icon"), QSizeF(size, size), 1.0);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace resources
