#pragma once
// A colour panel: a small box that paints its colour itself (style sheets and
// themes cannot recolour it) and is clicked, by mouse or by Space/Enter, to choose
// another colour.
#include <QWidget>

#include "output/color.h"

namespace nimbrel {

class ColorPanel : public QWidget {
    Q_OBJECT
public:
    ColorPanel(const QString& objectName, const QString& accessibleName, QWidget* parent = nullptr);

    Color color() const { return color_; }
    void setColor(Color color);

    QSize sizeHint() const override { return {41, 21}; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Color color_ = 0;
};

}  // namespace nimbrel
