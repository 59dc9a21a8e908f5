#pragma once
// A colour panel of the main window: the picker's self-painting panel, made
// reachable by the keyboard (Tab to it, Space or Enter to choose a colour) and
// named for screen readers.
#include "picker/color_panel.h"

namespace nimbrel {

class ColorPanelButton : public ColorPanel {
    Q_OBJECT
public:
    ColorPanelButton(const QString& objectName, const QString& accessibleName, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {41, 21}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace nimbrel
