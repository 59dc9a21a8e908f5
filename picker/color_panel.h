#pragma once
// A small sunken panel that paints its colour itself, so neither a visual theme
// nor a style sheet can replace it with the window's background. It reports
// presses of any button, left clicks and double clicks. Its owner draws any focus
// mark, so focus changes repaint the owner.
#include <QFrame>

#include "image/color.h"

namespace nimbrel {

class ColorPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColorPanel(QWidget* parent = nullptr);

    // The stored value is kept as given; system colours are shown resolved.
    void setColor(Color color);
    Color color() const { return color_; }
    // What the panel shows: the colour with system colours resolved.
    Color shownColor() const;

signals:
    void pressed(Qt::MouseButton button);
    void clicked();
    void doubleClicked();
    // Arrow keys and Space, for panels that take the keyboard focus; other keys go on
    // to the window (Enter to its default button, Escape to cancel).
    void keyPressed(int key);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Color color_ = 0;
};

}  // namespace nimbrel
