#include "app/widgets/color_panel_button.h"

#include <QKeyEvent>
#include <QPainter>

namespace nimbrel {

ColorPanelButton::ColorPanelButton(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : ColorPanel(parent)
{
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(25, 17);
}

void ColorPanelButton::paintEvent(QPaintEvent* event)
{
    ColorPanel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(contentsRect().adjusted(1, 1, -2, -2));
}

void ColorPanelButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            emit clicked();
            return;
        default:
            QFrame::keyPressEvent(event);
    }
}

// The focus mark is the panel's own here, not its owner's.
void ColorPanelButton::focusInEvent(QFocusEvent*)
{
    update();
}
void ColorPanelButton::focusOutEvent(QFocusEvent*)
{
    update();
}

}  // namespace nimbrel
