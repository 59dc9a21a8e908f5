#include "app/keyboard_access.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace nimbrel {
namespace {

// Hints for the controls whose purpose their label or text does not tell on its own.
const std::vector<std::pair<const char*, const char*>> kToolTips = {
    {"spn1", "Thickness of the left border in pixels"},
    {"spn2", "Thickness of the right border in pixels"},
    {"spn3", "Thickness of the top border in pixels"},
    {"spn4", "Thickness of the bottom border in pixels"},
    {"pnl1", "Colour of the left border; click to choose"},
    {"pnl2", "Colour of the right border; click to choose"},
    {"pnl3", "Colour of the top border; click to choose"},
    {"pnl4", "Colour of the bottom border; click to choose"},
    {"pnl0", "Colour of the button face; click to choose"},
    {"chkFixedWidth", "Checked: the width box is the button's width. Unchecked: the caption's width plus "
                      "twice the box's value"},
    {"chkFixedHeight", "Checked: the height box is the button's height. Unchecked: the caption's height plus "
                       "twice the box's value"},
    {"chkBMPBackground", "Draw the enabled bitmaps below onto the button face"},
    {"chkBMPEnabled1", "Use bitmap 1"},
    {"chkBMPEnabled2", "Use bitmap 2"},
    {"chkBMPEnabled3", "Use bitmap 3"},
    {"chkBMPEnabled4", "Use bitmap 4"},
    {"edtBMPFilename1", "BMP file of bitmap 1"},
    {"edtBMPFilename2", "BMP file of bitmap 2"},
    {"edtBMPFilename3", "BMP file of bitmap 3"},
    {"edtBMPFilename4", "BMP file of bitmap 4"},
    {"cmbBMPAlign1", "Where bitmap 1 goes: a corner, or tiled along one side"},
    {"cmbBMPAlign2", "Where bitmap 2 goes: a corner, or tiled along one side"},
    {"cmbBMPAlign3", "Where bitmap 3 goes: a corner, or tiled along one side"},
    {"cmbBMPAlign4", "Where bitmap 4 goes: a corner, or tiled along one side"},
    {"cbFont", "Typeface of the caption"},
    {"cbFontStyle", "Bold and italic"},
    {"edtFontSize", "Caption size in points (96 pixels per inch)"},
    {"pnlFontColor", "Colour of the caption; click to choose"},
    {"cbTextAlign", "Where the caption sits across the button"},
    {"cmbAntiAlias", "Smooths the caption's edges by drawing it larger and scaling it down"},
    {"spnMinorX", "Moves the caption right (or left, below 0) by this many pixels"},
    {"spnMinorY", "Moves the caption down (or up, below 0) by this many pixels"},
    {"edtCaption", "Text drawn on the button"},
    {"edtFilename", "Name of the saved files, without folder or extension"},
    {"chkAutoFilename", "Make the file name from the caption as you type"},
    {"edtPrefix", "Put before every file name (for example nav_)"},
    {"edtSuffix", "Put after every file name (for example _over)"},
    {"btnAddToList", "Add the caption and file name to the lists"},
    {"btnUpdate", "Replace the selected entry with the caption and file name"},
    {"btnDelete", "Remove the selected entry"},
    {"btnClear", "Empty both lists"},
    {"lbCaption", "Captions of the button set; select one to edit it"},
    {"lbFilename", "File names of the button set"},
    {"btnStep", "Save the button shown, then load the next entry of the list"},
    {"btnAll", "Draw and save a button for every entry of the list"},
    {"edtOutputDir", "Folder the button images are saved in"},
    {"chkSaveBMP", "Save a 24-bit BMP file"},
    {"chkSaveGIF", "Save a GIF file with the options below"},
    {"rgGIFCompression", "LZW makes smaller files; RLE avoids the LZW method"},
    {"rgReductionBits", "Number of colours of the optimal palette"},
    {"rgColorReduction", "Palette the GIF is reduced to"},
    {"rgDithering", "How colours missing from the palette are mixed from others"},
    {"tbZoom", "Magnification of the preview (does not change the saved image)"},
    {"pnlBackground", "Colour around the button in the preview; click to choose"},
    {"btnDraw", "Draw the button again (F5)"},
    {"btnSave", "Save the button into the output folder (Ctrl+Shift+S)"},
};

bool isLetterOrDigit(QChar c)
{
    return c.isLetterOrNumber() && c.unicode() < 128;
}

// Positions of the visible characters of a text with "&&" escapes: the
// starts of words first, then the rest, in reading order.
std::vector<int> candidatePositions(const QString& text)
{
    std::vector<int> wordStarts, others;
    bool previousWasLetter = false;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            ++i;  // "&&" shows one ampersand
            previousWasLetter = false;
            continue;
        }
        const bool letter = isLetterOrDigit(text[i]);
        if (letter) (previousWasLetter ? others : wordStarts).push_back(i);
        previousWasLetter = letter;
    }
    wordStarts.insert(wordStarts.end(), others.begin(), others.end());
    return wordStarts;
}

// The text with an access key added, or unchanged when it has one or no free letter is left.
QString withMnemonic(const QString& text, QString& taken)
{
    if (const QChar existing = mnemonicOf(text); !existing.isNull()) {
        taken += existing;
        return text;
    }
    for (int position : candidatePositions(text)) {
        const QChar key = text[position].toLower();
        if (taken.contains(key)) continue;
        taken += key;
        return text.left(position) + '&' + text.mid(position);
    }
    return text;
}

bool holdsRadioButtons(const QGroupBox* group)
{
    return !group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
}

}  // namespace

QChar mnemonicOf(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] != '&') return text[i + 1].toLower();
        ++i;
    }
    return {};
}

void assignMnemonics(QWidget* root, QString& taken)
{
    // Each target: how to read its text and how to set it.
    struct Target {
        QString text;
        std::function<void(const QString&)> set;
    };
    std::vector<Target> targets;
    QList<QWidget*> labelled;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // One key per control: a second label of the same control only explains it.
            if (!label->buddy() || labelled.contains(label->buddy())) continue;
            labelled << label->buddy();
            targets.push_back({label->text(), [label](const QString& t) { label->setText(t); }});
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            if (holdsRadioButtons(group))
                targets.push_back({group->title(), [group](const QString& t) { group->setTitle(t); }});
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (qobject_cast<QRadioButton*>(button) || candidatePositions(button->text()).empty()) continue;
            targets.push_back({button->text(), [button](const QString& t) { button->setText(t); }});
        }
    }
    // Texts that mark their own key come first, then the ones with the fewest letters
    // to choose from, so that "Delete" still finds a key beside longer texts.
    const auto choices = [](const Target& t) {
        return mnemonicOf(t.text).isNull() ? static_cast<int>(candidatePositions(t.text).size()) : -1;
    };
    std::stable_sort(targets.begin(), targets.end(),
                     [&](const Target& a, const Target& b) { return choices(a) < choices(b); });
    for (const Target& target : targets) {
        const QString marked = withMnemonic(target.text, taken);
        if (marked != target.text) target.set(marked);
    }
}

QStringList applyToolTips(QWidget* root)
{
    QStringList missing;
    for (const auto& [name, tip] : kToolTips) {
        const QList<QWidget*> controls = root->findChildren<QWidget*>(name);
        if (controls.isEmpty()) missing << name;
        for (QWidget* control : controls) control->setToolTip(tip);
    }
    return missing;
}

}  // namespace nimbrel
