#include "app/main_window_color_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/raster.h"

namespace nimbrel {

ColorPanel::ColorPanel(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(25, 17);
}

void ColorPanel::setColor(Color color)
{
    if (color == color_) return;
    color_ = color;
    update();
}

void ColorPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(r, toQColor(color_));
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(r);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(r.adjusted(2, 2, -2, -2));
    }
}

void ColorPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ColorPanel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit clicked();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace nimbrel
