#pragma once
// The colour dialog the main window keeps for all its colour panels. It remembers
// the colour, the mode, the window title, the custom colours and where the picker
// window was last left, and shows a fresh picker window modally for every use.
//
//     TzkColorPickerDialog dlgColor(mainWindow);
//     dlgColor.SetTitle("Color Picker");
//     dlgColor.SetColor(panel->color());
//     if (dlgColor.Execute()) panel->setColor(dlgColor.Color());
//
// Execute throws nimbrel::Error (a custom colour line that is not hexadecimal,
// or a picker that cannot set up its images) before any window shows; nothing
// the dialog remembers changes then.
#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <optional>

#include "output/color.h"
#include "picker/picker_images.h"

class QWidget;

namespace nimbrel {

class TzkColorPickerDialog : public QObject {
public:
    // The owner also owns each picker window while it is shown.
    explicit TzkColorPickerDialog(QWidget* owner = nullptr);

    // Shows the picker modally; true when the user chose OK. OK takes over the
    // colour, the mode and the custom colours; OK and Cancel alike remember the
    // window's position.
    bool Execute();
    // Execute starting from `initial`: the chosen colour, or nothing on Cancel.
    std::optional<nimbrel::Color> chooseColor(nimbrel::Color initial);

    // May name a system colour (0xFF0000nn); after OK it holds plain RGB.
    nimbrel::Color Color() const { return color_; }
    void SetColor(nimbrel::Color color) { color_ = color; }
    // ColorA=RRGGBB-style lines in the colour value's byte order; other lines are kept.
    const QStringList& CustomColors() const { return customColors_; }
    void SetCustomColors(const QStringList& lines) { customColors_ = lines; }
    TColorMode ColorMode() const { return mode_; }
    void SetColorMode(TColorMode mode) { mode_ = colorModeFromInt(mode); }
    const QString& Title() const { return title_; }
    void SetTitle(const QString& title) { title_ = title; }
    // Top-left of the picker window in screen pixels.
    QPoint Position() const { return position_; }
    void SetPosition(QPoint position) { position_ = position; }

private:
    QWidget* owner_;
    nimbrel::Color color_ = 0;
    QStringList customColors_;
    TColorMode mode_ = cm_Hue;
    QString title_ = QStringLiteral("Color Picker 1.02");
    QPoint position_{128, 128};
};

}  // namespace nimbrel
