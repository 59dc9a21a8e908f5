#include "picker/paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace nimbrel {

namespace {

QPoint positionOf(const QMouseEvent* event)
{
    return event->position().toPoint();
}

}  // namespace

PaintBox::PaintBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (onPaint) onPaint(painter);
}

void PaintBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (onMouseDown) onMouseDown(positionOf(event));
}

void PaintBox::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (onMouseMove) onMouseMove(positionOf(event));
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (onMouseUp) onMouseUp();
}

}  // namespace nimbrel
