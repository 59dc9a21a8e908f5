#include "picker/color_picker_dialog.h"

#include <QWidget>
#include <array>

#include "picker/color_picker_window.h"
#include "picker/custom_color_lines.h"

namespace nimbrel {

TzkColorPickerDialog::TzkColorPickerDialog(QWidget* owner) : QObject(owner), owner_(owner) {}

bool TzkColorPickerDialog::Execute()
{
    // Every line is read before a window exists, so a bad one changes nothing.
    std::array<nimbrel::Color, TfrmColorPicker::kCustomCount> customs{};
    for (int k = 0; k < TfrmColorPicker::kCustomCount; ++k) customs[k] = readCustomColor(customColors_, k);

    TfrmColorPicker window(owner_);
    window.move(position_);
    window.SetColor(color_);
    window.setWindowTitle(title_);
    window.SetMode(mode_);
    for (int k = 0; k < TfrmColorPicker::kCustomCount; ++k) window.SetCustomColor(k, customs[k]);

    const bool ok = window.exec() == QDialog::Accepted;
    if (ok) {
        color_ = window.currentColor();
        mode_ = window.mode();
        for (int k = 0; k < TfrmColorPicker::kCustomCount; ++k)
            writeCustomColor(customColors_, k, window.GetCustomColor(k));
    }
    position_ = window.pos();
    return ok;
}

std::optional<nimbrel::Color> TzkColorPickerDialog::chooseColor(nimbrel::Color initial)
{
    SetColor(initial);
    if (!Execute()) return std::nullopt;
    return color_;
}

}  // namespace nimbrel
