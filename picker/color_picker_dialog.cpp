#include "picker/color_picker_dialog.h"

#include <QWidget>
#include <array>

#include "picker/color_picker_window.h"
#include "picker/custom_color_lines.h"

namespace nimbrel {

ColorPickerDialog::ColorPickerDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

bool ColorPickerDialog::exec()
{
    // Every line is read before a window exists, so a bad one changes nothing.
    std::array<nimbrel::Color, ColorPickerWindow::kCustomCount> customs{};
    for (int k = 0; k < ColorPickerWindow::kCustomCount; ++k) customs[k] = readCustomColor(customColors_, k);

    ColorPickerWindow window(owner_);
    window.move(position_);
    window.setColor(color_);
    window.setWindowTitle(title_);
    window.setMode(mode_);
    for (int k = 0; k < ColorPickerWindow::kCustomCount; ++k) window.setCustomColor(k, customs[k]);

    const bool ok = window.exec() == QDialog::Accepted;
    if (ok) {
        color_ = window.currentColor();
        mode_ = window.mode();
        for (int k = 0; k < ColorPickerWindow::kCustomCount; ++k)
            writeCustomColor(customColors_, k, window.customColor(k));
    }
    position_ = window.pos();
    return ok;
}

std::optional<nimbrel::Color> ColorPickerDialog::chooseColor(nimbrel::Color initial)
{
    setColor(initial);
    if (!exec()) return std::nullopt;
    return color_;
}

}  // namespace nimbrel
