#include "diary/ClickableImage.h"

#include <QMouseEvent>

TClickableImage::TClickableImage(QWidget* parent) : QLabel(parent) {
    // Moves without a pressed button reach the picture too.
    setMouseTracking(true);
}

void TClickableImage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit Click();
    event->accept();
}

void TClickableImage::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMove();
    event->accept();
}
