#pragma once
// The "View Settings" tab: the preview's zoom and background colour. The window
// applies them to the preview when told.
#include <QWidget>

#include "app/guard.h"
#include "image/color.h"

class QSlider;

namespace nimbrel {

class ColorPanelButton;

class ViewPage : public QWidget {
    Q_OBJECT
public:
    explicit ViewPage(Guard guard, QWidget* parent = nullptr);

    int zoom() const;
    Color background() const;

signals:
    void zoomChanged();
    // A new background colour was chosen.
    void backgroundChanged();

private:
    void chooseBackground();

    Guard guard_;
    QSlider* tbZoom_ = nullptr;
    ColorPanelButton* pnlBackground_ = nullptr;
};

}  // namespace nimbrel
