#pragma once
// The colour picker window: a 256 x 256 field showing two colour components
// against each other, a strip running through the third, spin boxes for hue,
// saturation, value, red, green and blue, a hexadecimal box, the current and the
// nearest web-safe colour, 48 basic and 16 custom swatches. Every way of changing
// the colour updates all the others at once.
#include <QDialog>
#include <array>
#include <vector>

#include "picker/picker_images.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace nimbrel {

class ColorPanel;
class PaintBox;
class PickerSpinBox;

class ColorPickerWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kBasicCount = 48;
    static constexpr int kCustomCount = 16;
    static constexpr int kCustomTagBase = 1000;

    // Throws nimbrel::Error "Color Picker cannot initialize off-screen buffers"
    // when the field's pixel buffer cannot be set up; no window is left behind.
    explicit ColorPickerWindow(QWidget* parent = nullptr);
    ~ColorPickerWindow() override;

    // System colours are resolved; the images are drawn when the window is shown.
    void setColor(Color color);
    void setMode(ColorMode mode);
    void setCustomColor(int index, Color color);
    Color customColor(int index) const;

    Color currentColor() const { return current_; }
    ColorMode mode() const { return mode_; }
    const PickerValues& values() const { return values_; }
    const PickerImages& images() const { return images_; }
    int selectedBasicIndex() const { return selectedBasic_; }
    int selectedCustomIndex() const { return selectedCustom_; }
    // The dotted square around the selected swatch of a group, in window coordinates.
    static QRect selectionFrameRect(bool custom, int index);
    static Color basicColor(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createControls();
    void createSwatches();
    PickerSpinBox* spinBoxOf(int component) const { return spinBoxes_[component]; }

    void updateControls();
    void renderAll();
    void redrawChanged();
    void paintAll();

    // The colour changed on the HSV side (RGB follows) or the RGB side (HSV follows).
    void hsvChanged();
    void rgbChanged();
    void setComponent(int component, int position);
    void applyFieldPosition(QPoint position);
    void applyStripPosition(QPoint position);

    void selectColorMode(int tag);
    void componentBoxChanged(int tag);
    void hexTextChanged();
    void pickWebColor();
    void defineCustomColor();
    void selectSwatchColor(int tag);
    void pressSwatch(int tag);
    void selectSwatch(int tag);
    void swatchKey(int tag, int key);
    // Only the selected swatch of each group is a Tab stop; arrows move within the group.
    void updateSwatchFocus();

    Color current_ = 0;
    PickerValues values_;
    ColorMode mode_ = ColorMode::Hue;
    bool modeGuard_ = false;
    bool hexGuard_ = false;
    bool fieldDrag_ = false;
    bool stripDrag_ = false;
    PickerImages images_;

    PaintBox* field_ = nullptr;
    PaintBox* strip_ = nullptr;
    ColorPanel* selectedColorPanel_ = nullptr;
    ColorPanel* webColorPanel_ = nullptr;
    QButtonGroup* modeButtons_ = nullptr;
    std::array<PickerSpinBox*, kColorModeCount> spinBoxes_{};
    QLineEdit* hexEdit_ = nullptr;

    std::vector<ColorPanel*> basicSwatches_;
    std::vector<ColorPanel*> customSwatches_;
    std::array<Color, kCustomCount> customColors_{};
    int selectedBasic_ = 0;
    int selectedCustom_ = 0;
};

}  // namespace nimbrel
