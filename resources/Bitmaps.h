// The program's pictures: SVG files compiled into the resources library and
// drawn into pixmaps on demand. Every picture is named after its file in
// resources/bitmaps without the ".svg", e.g. "HIJRICAL" or "PRINT_DISABLED".
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// Renders the picture `name` at `size`, or at the picture's own size when
// `size` is empty, onto a transparent pixmap. Gives a null pixmap when there
// is no picture of that name, so that the caller can hide its place.
QPixmap LoadBitmap(const QString& name, QSize size = {});

// The picture `name` as an icon. When a "<name>_DISABLED" picture exists it
// becomes the icon's disabled look; square pictures also get the small sizes
// a window title or a notification area asks for.
QIcon LoadIcon(const QString& name);
