#include "app/widgets/preview_box.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>

#include "core/raster_surface.h"
#include "image/system_colors.h"

namespace nimbrel {

QRect previewPlacement(int areaWidth, int areaHeight, int bitmapWidth, int bitmapHeight, int zoom)
{
    const long long zw = static_cast<long long>(bitmapWidth) * zoom;
    const long long zh = static_cast<long long>(bitmapHeight) * zoom;
    // C++ division truncates towards zero, as the placement rule wants.
    const long long x = (areaWidth - zw) / 2;
    const long long y = (areaHeight - zh) / 2;
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(zw), static_cast<int>(zh));
}

PreviewBox::PreviewBox(const RasterBitmap& button, QWidget* parent) : QWidget(parent), button_(button)
{
    setObjectName("pb");
    setAccessibleName("Button preview");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(40, 40);
}

void PreviewBox::setZoom(int zoom)
{
    if (zoom == zoom_) return;
    zoom_ = zoom;
    update();
}

void PreviewBox::setBackground(Color color)
{
    if (color == background_) return;
    background_ = color;
    update();
}

void PreviewBox::paintOn(QPaintDevice* device, int width, int height)
{
    RasterSurface surface(device);
    surface.pen = 0;  // black frame
    surface.brush = resolveSystemColor<QGuiApplication>(background_);
    surface.rectangle(0, 0, width, height);
    if (button_.empty()) return;
    const QRect r = previewPlacement(width, height, button_.width(), button_.height(), zoom_);
    surface.stretch(button_, r.x(), r.y(), r.width(), r.height());
}

void PreviewBox::paintEvent(QPaintEvent*)
{
    paintOn(this, width(), height());
}

QImage PreviewBox::grabPreview()
{
    QImage image(size(), QImage::Format_RGB888);
    image.fill(Qt::white);
    paintOn(&image, width(), height());
    return image;
}

}  // namespace nimbrel
