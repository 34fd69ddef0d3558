// A picture that reports clicks and mouse moves, as the class library's
// image component does: the left bar's pictures and its background.
#pragma once

#include <QLabel>

class QMouseEvent;

class TClickableImage : public QLabel {
    Q_OBJECT
public:
    explicit TClickableImage(QWidget* parent = nullptr);

signals:
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
