// The "Button Settings" tab: size, borders and background with its four bitmap rows.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "settings/style_from_settings.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"

namespace nimbrel {

namespace {

const char* const kSizeHint = "Value if Fixed, Distance From Border if not Fixed";

}  // namespace

QWidget* MainWindow::buildButtonTab()
{
    auto* content = new QWidget;
    auto* row = new QHBoxLayout(content);
    row->setContentsMargins(4, 4, 4, 4);
    auto* left = new QVBoxLayout;
    left->addWidget(buildSizeGroup());
    left->addWidget(buildBorderGroup());
    left->addStretch(1);
    row->addLayout(left);
    // The background group fills the tab to the right of the size and border groups.
    row->addWidget(buildBackgroundGroup(), 1);
    return content;
}

QWidget* MainWindow::buildSizeGroup()
{
    QGroupBox* group = makeGroup("gbSize", " Button Size ");
    auto* grid = new QGridLayout(group);
    makeCompact(grid);
    spnWidth = makeSpin("spnWidth", "Width", 0, kMaxButtonWidth);
    spnHeight = makeSpin("spnHeight", "Height", 0, kMaxButtonHeight);
    chkFixedWidth = makeCheck("chkFixedWidth", "fixed");
    chkFixedHeight = makeCheck("chkFixedHeight", "fixed");
    chkFixedWidth->setAccessibleName("Fixed width");
    chkFixedHeight->setAccessibleName("Fixed height");
    for (QSpinBox* spin : {spnWidth, spnHeight}) spin->setToolTip(kSizeHint);
    grid->addWidget(makeLabel("Width:", spnWidth), 0, 0);
    grid->addWidget(spnWidth, 0, 1);
    grid->addWidget(chkFixedWidth, 0, 2);
    grid->addWidget(makeLabel("Height:", spnHeight), 1, 0);
    grid->addWidget(spnHeight, 1, 1);
    grid->addWidget(chkFixedHeight, 1, 2);
    return group;
}

QWidget* MainWindow::buildBorderGroup()
{
    QGroupBox* group = makeGroup("gbBorder", " Button Border ");
    auto* grid = new QGridLayout(group);
    makeCompact(grid);
    const char* const sides[] = {"Left", "Right", "Top", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        const QString number = QString::number(i + 1);
        spnBorder[i] = makeSpin("spn" + number, QString(sides[i]) + " border thickness");
        pnlBorder[i] = new ColorPanelButton("pnl" + number, QString(sides[i]) + " border color");
        grid->addWidget(makeLabel(sides[i], spnBorder[i]), i, 0);
        grid->addWidget(spnBorder[i], i, 1);
        grid->addWidget(pnlBorder[i], i, 2);
    }
    btn3D = makeButton("btn3D", "3D Border");
    btn3D->setToolTip("Selects appropriate Border colors based on the color of the button");
    btnSwap = makeButton("btnSwap", "Swap 3D");
    btnSwap->setToolTip("Swaps the border colors to create a depressed 3D effect");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn3D);
    buttons->addWidget(btnSwap);
    grid->addLayout(buttons, 4, 0, 1, 3);
    return group;
}

QWidget* MainWindow::buildBackgroundGroup()
{
    gbBackground = makeGroup("gbBackground", " Button Background ");
    auto* grid = new QGridLayout(gbBackground);
    makeCompact(grid);
    pnl0 = new ColorPanelButton("pnl0", "Button color");
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(makeLabel("Button Color:", pnl0));
    colorRow->addWidget(pnl0);
    colorRow->addStretch(1);
    grid->addLayout(colorRow, 0, 0, 1, 4);
    grid->addWidget(makeWrappingCheck(chkBMPBackground, "chkBMPBackground",
                                      "Import BMP(s) as button background: (for best results use a 16m "
                                      "color bitmap)"),
                    1, 0, 1, 4);

    const QStringList placements = {"Top-Left", "Top-Right",   "Bottom-Left", "Bottom-Right",
                                    "Tile Top", "Tile Bottom", "Tile Left",   "Tile Right"};
    for (int i = 0; i < kStyleBitmapCount; ++i) {
        const QString number = QString::number(i + 1);
        chkBMPEnabled[i] = makeCheck("chkBMPEnabled" + number, "");
        chkBMPEnabled[i]->setAccessibleName("Use bitmap " + number);
        edtBMPFilename[i] = makeEdit("edtBMPFilename" + number, "Bitmap " + number + " file name");
        btnBMPBrowse[i] = makeButton("btnBMPBrowse" + number, "...");
        btnBMPBrowse[i]->setAccessibleName("Browse for bitmap " + number);
        btnBMPBrowse[i]->setToolTip("Choose a bitmap file");
        btnBMPBrowse[i]->setFixedWidth(28);
        cmbBMPAlign[i] = makeList("cmbBMPAlign" + number, "Bitmap " + number + " placement", placements);
        grid->addWidget(chkBMPEnabled[i], i + 2, 0);
        grid->addWidget(edtBMPFilename[i], i + 2, 1);
        grid->addWidget(btnBMPBrowse[i], i + 2, 2);
        grid->addWidget(cmbBMPAlign[i], i + 2, 3);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(kStyleBitmapCount + 2, 1);
    return gbBackground;
}

}  // namespace nimbrel
