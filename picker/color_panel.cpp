#include "picker/color_panel.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "image/system_colors.h"

namespace nimbrel {

ColorPanel::ColorPanel(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(false);
}

void ColorPanel::setColor(Color color)
{
    if (color == color_) return;
    color_ = color;
    update();
}

Color ColorPanel::shownColor() const
{
    return resolveSystemColor<QGuiApplication>(color_);
}

void ColorPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    // Filled after the frame and any styled background, so the colour always wins.
    const Color c = shownColor();
    painter.fillRect(contentsRect(), QColor(redOf(c), greenOf(c), blueOf(c)));
}

void ColorPanel::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button());
    event->accept();
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ColorPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton) emit doubleClicked();
}

void ColorPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Space:
            event->accept();
            emit keyPressed(event->key());
            return;
        default:
            QFrame::keyPressEvent(event);
    }
}

void ColorPanel::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    if (parentWidget()) parentWidget()->update();
}

void ColorPanel::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    if (parentWidget()) parentWidget()->update();
}

}  // namespace nimbrel
