// Build helper: draws the program's icon, a small glossy button with an "N",
// as a scalable SVG and as PNGs of the sizes desktops ask for. Both come from
// the one description below, so they cannot drift apart. Not installed.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

// On a 256-unit square.
constexpr double kUnits = 256;
const QRectF kButton(16, 40, 224, 176);
constexpr double kButtonRadius = 40;
const QRectF kGloss(30, 52, 196, 68);
constexpr double kGlossRadius = 28;
constexpr double kOutline = 8;
const char* const kTop = "#5aa0f0";
const char* const kBottom = "#1e5ab4";
const char* const kOutlineColor = "#123a78";
const std::vector<QPointF> kLetter = {{86, 184},  {86, 72},  {112, 72}, {144, 136}, {144, 72},
                                      {170, 72},  {170, 184}, {144, 184}, {112, 120}, {112, 184}};

QString svgIcon()
{
    QString points;
    for (const QPointF& p : kLetter) points += QString("%1,%2 ").arg(p.x()).arg(p.y());
    return QString(R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <defs>
    <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="%1"/>
      <stop offset="1" stop-color="%2"/>
    </linearGradient>
  </defs>
  <rect x="%3" y="%4" width="%5" height="%6" rx="%7" fill="url(#face)" stroke="%8" stroke-width="%9"/>
  <rect x="%10" y="%11" width="%12" height="%13" rx="%14" fill="#ffffff" fill-opacity="0.28"/>
  <polygon points="%15" fill="#ffffff"/>
</svg>
)svg")
        .arg(kTop, kBottom)
        .arg(kButton.x())
        .arg(kButton.y())
        .arg(kButton.width())
        .arg(kButton.height())
        .arg(kButtonRadius)
        .arg(kOutlineColor)
        .arg(kOutline)
        .arg(kGloss.x())
        .arg(kGloss.y())
        .arg(kGloss.width())
        .arg(kGloss.height())
        .arg(kGlossRadius)
        .arg(points.trimmed());
}

QImage pngIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kUnits, size / kUnits);
    QLinearGradient face(0, kButton.top(), 0, kButton.bottom());
    face.setColorAt(0, QColor(kTop));
    face.setColorAt(1, QColor(kBottom));
    p.setBrush(face);
    p.setPen(QPen(QColor(kOutlineColor), kOutline));
    p.drawRoundedRect(kButton, kButtonRadius, kButtonRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 71));
    p.drawRoundedRect(kGloss, kGlossRadius, kGlossRadius);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(QVector<QPointF>(kLetter.begin(), kLetter.end())));
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: nimbrel_draw_icons OUT-FOLDER SIZE...\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    std::ofstream(QString(folder + "/nimbrel.svg").toStdString()) << svgIcon().toStdString();
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (!pngIcon(size).save(folder + QString("/nimbrel-%1.png").arg(size), "PNG")) {
            std::cerr << "nimbrel_draw_icons: cannot write the " << size << " pixel icon\n";
            return 1;
        }
    }
    return 0;
}
