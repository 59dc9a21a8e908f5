#pragma once
// The "Text Font" tab: caption font, colour, alignment, anti-aliasing, the minor
// offsets and the font sample. A change of the font itself is told by
// fontChanged() (the sample follows, then the drawing); any other change that
// alters the drawing by styleChanged().
#include <QWidget>

#include "app/guard.h"
#include "core/button_style.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace nimbrel {

class ColorPanelButton;
struct RasterFont;

class FontPage : public QWidget {
    Q_OBJECT
public:
    explicit FontPage(Guard guard, QWidget* parent = nullptr);

    // The sample label shows `font` in black with its face and size.
    void showSample(const RasterFont& font);

signals:
    void fontChanged();
    void styleChanged();

private:
    void connectSignals();
    void chooseColor();

    Guard guard_;
    QComboBox* cbFont_ = nullptr;
    QComboBox* cbFontStyle_ = nullptr;
    QSpinBox* edtFontSize_ = nullptr;
    ColorPanelButton* pnlFontColor_ = nullptr;
    QCheckBox* chkUnderlined_ = nullptr;
    QComboBox* cbTextAlign_ = nullptr;
    QComboBox* cmbAntiAlias_ = nullptr;
    QSpinBox* captionOffsetX_ = nullptr;
    QSpinBox* captionOffsetY_ = nullptr;
    QLabel* lblFont_ = nullptr;
};

}  // namespace nimbrel
