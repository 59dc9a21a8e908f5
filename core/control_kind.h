#pragma once
// How a control of the main window holds its value, which decides how a stored
// value is taken in. The settings table and the list of style fields name it.
namespace nimbrel {

enum class ControlKind {
    None,        // no control: a folder the file dialogs remember
    CheckBox,    // checked state
    SpinBox,     // number kept within [minimum, maximum]
    Slider,      // position kept within [minimum, maximum]
    ColorPanel,  // colour value, kept as stored (system colours included)
    ComboBox,    // item index; outside [0, items) shows no selection (-1)
    RadioGroup,  // item index; past the last item selects the last, below 0 none
    FontList,    // face name; a face that is not installed is taken in as it is
    LineEdit,    // text, taken whole; the user types at most maxLength characters when that is set
};

}  // namespace nimbrel
