#pragma once
// The colour dialog the main window keeps for all its colour panels. It remembers
// the colour, the mode, the window title, the custom colours and where the picker
// window was last left, and shows a fresh picker window modally for every use.
//
//     ColorPickerDialog dlgColor(mainWindow);
//     dlgColor.setTitle("Color Picker");
//     dlgColor.setColor(panel->color());
//     if (dlgColor.exec()) panel->setColor(dlgColor.color());
//
// exec throws nimbrel::Error (a custom colour line that is not hexadecimal,
// or a picker that cannot set up its images) before any window shows; nothing
// the dialog remembers changes then.
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

#include "image/color.h"
#include "picker/picker_images.h"

class QWidget;

namespace nimbrel {

class ColorPickerDialog : public QObject {
public:
    // The owner also owns each picker window while it is shown.
    explicit ColorPickerDialog(QWidget* owner = nullptr);

    // Shows the picker modally; true when the user chose OK. OK takes over the
    // colour, the mode and the custom colours; OK and Cancel alike remember the
    // window's position.
    bool exec();
    // exec starting from `initial`: the chosen colour, or nothing on Cancel.
    std::optional<nimbrel::Color> chooseColor(nimbrel::Color initial);

    // May name a system colour (0xFF0000nn); after OK it holds plain RGB.
    nimbrel::Color color() const { return color_; }
    void setColor(nimbrel::Color color) { color_ = color; }
    // ColorA=RRGGBB-style lines in the colour value's byte order; other lines are kept.
    const QStringList& customColors() const { return customColors_; }
    void setCustomColors(const QStringList& lines) { customColors_ = lines; }
    ColorMode colorMode() const { return mode_; }
    void setColorMode(ColorMode mode) { mode_ = colorModeFromInt(static_cast<int>(mode)); }
    const QString& title() const { return title_; }
    void setTitle(const QString& title) { title_ = title; }
    // Top-left of the picker window in screen pixels.
    QPoint position() const { return position_; }
    void setPosition(QPoint position) { position_ = position; }

private:
    QWidget* owner_;
    nimbrel::Color color_ = 0;
    QStringList customColors_;
    ColorMode mode_ = ColorMode::Hue;
    QString title_ = QStringLiteral("Color Picker 1.02");
    QPoint position_{128, 128};
};

}  // namespace nimbrel
