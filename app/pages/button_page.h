#pragma once
// The "Button Settings" tab: size, borders, and the background with its four
// bitmap rows. Its colour panels, 3D buttons and browse buttons do their work
// here; every change that alters the drawing is told by styleChanged().
#include <QWidget>
#include <array>

#include "app/guard.h"
#include "core/button_style.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace nimbrel {

class ColorPanelButton;

class ButtonPage : public QWidget {
    Q_OBJECT
public:
    explicit ButtonPage(Guard guard, QWidget* parent = nullptr);

signals:
    // The drawing should follow the controls.
    void styleChanged();

private:
    QWidget* buildSizeGroup();
    QWidget* buildBorderGroup();
    QWidget* buildBackgroundGroup();
    void connectSignals();
    void chooseColor(ColorPanelButton* panel);
    void makeBorders3D();
    void swapBorderColors();
    void browseBitmap(int row);
    void bitmapRowChanged(int row);  // row 1..4: a drawing only when its file exists

    Guard guard_;
    QSpinBox* spnWidth_ = nullptr;
    QSpinBox* spnHeight_ = nullptr;
    QCheckBox* chkFixedWidth_ = nullptr;
    QCheckBox* chkFixedHeight_ = nullptr;
    std::array<QSpinBox*, 4> borderThickness_{};       // spn1..spn4: left, right, top, bottom
    std::array<ColorPanelButton*, 4> borderColors_{};  // pnl1..pnl4: left, right, top, bottom
    QPushButton* btn3D_ = nullptr;
    QPushButton* btnSwap_ = nullptr;
    ColorPanelButton* faceColor_ = nullptr;
    QCheckBox* chkBMPBackground_ = nullptr;
    // The bitmap rows: index i - 1 holds row i.
    std::array<QLineEdit*, kStyleBitmapCount> edtBMPFilename_{};
    std::array<QCheckBox*, kStyleBitmapCount> chkBMPEnabled_{};
    std::array<QComboBox*, kStyleBitmapCount> cmbBMPAlign_{};
    std::array<QPushButton*, kStyleBitmapCount> btnBMPBrowse_{};
};

}  // namespace nimbrel
