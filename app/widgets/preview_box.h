#pragma once
// The preview `pb`: the button bitmap enlarged by the zoom factor, centred on the
// preview background colour inside a one-pixel black frame.
#include <QRect>
#include <QWidget>

#include "image/color.h"

namespace nimbrel {

class RasterBitmap;

// Where a bitmap of bitmapWidth x bitmapHeight lands at `zoom` in an area of
// areaWidth x areaHeight: centred, halves truncated towards zero, so a bitmap
// larger than the area is cut off evenly on both sides.
QRect previewPlacement(int areaWidth, int areaHeight, int bitmapWidth, int bitmapHeight, int zoom);

class PreviewBox : public QWidget {
    Q_OBJECT
public:
    PreviewBox(const RasterBitmap& button, QWidget* parent = nullptr);

    int zoom() const { return zoom_; }
    void setZoom(int zoom);
    Color background() const { return background_; }
    void setBackground(Color color);

    // The preview as it is painted, for checks without a screen.
    QImage grabPreview();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintOn(QPaintDevice* device, int width, int height);

    const RasterBitmap& button_;
    int zoom_ = 1;
    Color background_ = 0x00808080;
};

}  // namespace nimbrel
