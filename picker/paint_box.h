#pragma once
// A plain drawing surface that hands its painting and mouse events to its owner.
// While a button is held the box keeps receiving mouse moves, also from outside
// its own area, so a drag can run past the edges.
#include <QWidget>
#include <functional>

class QPainter;

namespace nimbrel {

class PaintBox : public QWidget {
public:
    explicit PaintBox(QWidget* parent = nullptr);

    std::function<void(QPainter&)> onPaint;
    std::function<void(QPoint)> onMouseDown;
    std::function<void(QPoint)> onMouseMove;
    std::function<void()> onMouseUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace nimbrel
