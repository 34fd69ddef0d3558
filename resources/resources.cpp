#include "resources/Bitmaps.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QString PathOf(const QString& name) {
    return QStringLiteral(":/bitmaps/") + name + QStringLiteral(".svg");
}

}  // namespace

QPixmap LoadBitmap(const QString& name, QSize size) {
    if (name.isEmpty() || !QFile::exists(PathOf(name)))
        return {};
    QSvgRenderer renderer(PathOf(name));
    if (!renderer.isValid())
        return {};
    if (size.isEmpty())
        size = renderer.defaultSize();
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon LoadIcon(const QString& name) {
    const QPixmap normal = LoadBitmap(name);
    if (normal.isNull())
        return {};
    QIcon icon;
    icon.addPixmap(normal, QIcon::Normal);
    if (normal.width() == normal.height() && normal.width() > 32) {
        for (int side : {16, 22, 24, 32, 48})
            icon.addPixmap(LoadBitmap(name, QSize(side, side)), QIcon::Normal);
    }
    const QPixmap disabled = LoadBitmap(name + QStringLiteral("_DISABLED"));
    if (!disabled.isNull())
        icon.addPixmap(disabled, QIcon::Disabled);
    return icon;
}
