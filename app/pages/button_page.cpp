#include "app/pages/button_page.h"

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
#include <filesystem>
#include <system_error>

#include "app/settings_binding.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"
#include "base/app_folder.h"
#include "core/shade.h"

namespace nimbrel {

namespace {

const char* const kSizeHint = "Value if Fixed, Distance From Border if not Fixed";

bool isExistingFile(const std::string& name)
{
    std::error_code error;
    return !name.empty() && std::filesystem::is_regular_file(std::filesystem::u8path(name), error);
}

std::string text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

}  // namespace

ButtonPage::ButtonPage(Guard guard, QWidget* parent) : QWidget(parent), guard_(guard)
{
    setObjectName("tabButton");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 4, 4, 4);
    auto* left = new QVBoxLayout;
    left->addWidget(buildSizeGroup());
    left->addWidget(buildBorderGroup());
    left->addStretch(1);
    row->addLayout(left);
    // The background group fills the tab to the right of the size and border groups.
    row->addWidget(buildBackgroundGroup(), 1);
    connectSignals();
}

QWidget* ButtonPage::buildSizeGroup()
{
    QGroupBox* group = makeGroup("gbSize", " Button Size ");
    auto* grid = new QGridLayout(group);
    makeCompact(grid);
    spnWidth_ = makeStyleSpin(&ButtonStyle::width, "Width");
    spnHeight_ = makeStyleSpin(&ButtonStyle::height, "Height");
    chkFixedWidth_ = makeCheck("chkFixedWidth", "fixed");
    chkFixedHeight_ = makeCheck("chkFixedHeight", "fixed");
    chkFixedWidth_->setAccessibleName("Fixed width");
    chkFixedHeight_->setAccessibleName("Fixed height");
    for (QSpinBox* spin : {spnWidth_, spnHeight_}) spin->setToolTip(kSizeHint);
    grid->addWidget(makeLabel("Width:", spnWidth_), 0, 0);
    grid->addWidget(spnWidth_, 0, 1);
    grid->addWidget(chkFixedWidth_, 0, 2);
    grid->addWidget(makeLabel("Height:", spnHeight_), 1, 0);
    grid->addWidget(spnHeight_, 1, 1);
    grid->addWidget(chkFixedHeight_, 1, 2);
    return group;
}

QWidget* ButtonPage::buildBorderGroup()
{
    QGroupBox* group = makeGroup("gbBorder", " Button Border ");
    auto* grid = new QGridLayout(group);
    makeCompact(grid);
    const char* const sides[] = {"Left", "Right", "Top", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        const QString number = QString::number(i + 1);
        borderThickness_[i] =
            makeSettingSpin(std::string("ButtonBorder") + sides[i], QString(sides[i]) + " border thickness");
        borderColors_[i] = new ColorPanelButton("pnl" + number, QString(sides[i]) + " border color");
        grid->addWidget(makeLabel(sides[i], borderThickness_[i]), i, 0);
        grid->addWidget(borderThickness_[i], i, 1);
        grid->addWidget(borderColors_[i], i, 2);
    }
    btn3D_ = makeButton("btn3D", "3D Border");
    btn3D_->setToolTip("Selects appropriate Border colors based on the color of the button");
    btnSwap_ = makeButton("btnSwap", "Swap 3D");
    btnSwap_->setToolTip("Swaps the border colors to create a depressed 3D effect");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn3D_);
    buttons->addWidget(btnSwap_);
    grid->addLayout(buttons, 4, 0, 1, 3);
    return group;
}

QWidget* ButtonPage::buildBackgroundGroup()
{
    QGroupBox* group = makeGroup("gbBackground", " Button Background ");
    auto* grid = new QGridLayout(group);
    makeCompact(grid);
    faceColor_ = new ColorPanelButton("pnl0", "Button color");
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(makeLabel("Button Color:", faceColor_));
    colorRow->addWidget(faceColor_);
    colorRow->addStretch(1);
    grid->addLayout(colorRow, 0, 0, 1, 4);
    grid->addWidget(makeWrappingCheck(chkBMPBackground_, "chkBMPBackground",
                                      "Import BMP(s) as button background: (for best results use a 16m "
                                      "color bitmap)"),
                    1, 0, 1, 4);

    const QStringList placements = {"Top-Left", "Top-Right",   "Bottom-Left", "Bottom-Right",
                                    "Tile Top", "Tile Bottom", "Tile Left",   "Tile Right"};
    for (int i = 0; i < kStyleBitmapCount; ++i) {
        const QString number = QString::number(i + 1);
        chkBMPEnabled_[i] = makeCheck("chkBMPEnabled" + number, "");
        chkBMPEnabled_[i]->setAccessibleName("Use bitmap " + number);
        edtBMPFilename_[i] =
            makeStyleEdit(&ButtonStyle::bitmapFileNames, "Bitmap " + number + " file name", i + 1);
        btnBMPBrowse_[i] = makeButton("btnBMPBrowse" + number, "...");
        btnBMPBrowse_[i]->setAccessibleName("Browse for bitmap " + number);
        btnBMPBrowse_[i]->setToolTip("Choose a bitmap file");
        btnBMPBrowse_[i]->setFixedWidth(28);
        cmbBMPAlign_[i] = makeList("cmbBMPAlign" + number, "Bitmap " + number + " placement", placements);
        grid->addWidget(chkBMPEnabled_[i], i + 2, 0);
        grid->addWidget(edtBMPFilename_[i], i + 2, 1);
        grid->addWidget(btnBMPBrowse_[i], i + 2, 2);
        grid->addWidget(cmbBMPAlign_[i], i + 2, 3);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(kStyleBitmapCount + 2, 1);
    return group;
}

void ButtonPage::connectSignals()
{
    auto changed = [this] { emit styleChanged(); };
    for (QSpinBox* spin : {spnWidth_, spnHeight_, borderThickness_[0], borderThickness_[1],
                           borderThickness_[2], borderThickness_[3]})
        guard_.connect(spin, &QSpinBox::valueChanged, this, changed);
    for (QCheckBox* check : {chkFixedWidth_, chkFixedHeight_, chkBMPBackground_})
        guard_.connect(check, &QCheckBox::toggled, this, changed);
    for (int i = 0; i < kStyleBitmapCount; ++i) {
        const int row = i + 1;
        auto rowChange = [this, row] { bitmapRowChanged(row); };
        guard_.connect(edtBMPFilename_[i], &QLineEdit::textChanged, this, rowChange);
        guard_.connect(chkBMPEnabled_[i], &QCheckBox::toggled, this, rowChange);
        guard_.connect(cmbBMPAlign_[i], &QComboBox::currentIndexChanged, this, rowChange);
        guard_.connect(btnBMPBrowse_[i], &QPushButton::clicked, this, [this, row] { browseBitmap(row); });
    }
    for (ColorPanelButton* panel :
         {faceColor_, borderColors_[0], borderColors_[1], borderColors_[2], borderColors_[3]})
        guard_.connect(panel, &ColorPanelButton::clicked, this, [this, panel] { chooseColor(panel); });
    guard_.connect(btn3D_, &QPushButton::clicked, this, [this] { makeBorders3D(); });
    guard_.connect(btnSwap_, &QPushButton::clicked, this, [this] { swapBorderColors(); });
}

void ButtonPage::chooseColor(ColorPanelButton* panel)
{
    const auto chosen = guard_.dialogs().chooseColor(panel->color());
    if (!chosen) return;
    panel->setColor(*chosen);
    emit styleChanged();
}

void ButtonPage::makeBorders3D()
{
    const BorderColors raised = raisedBorders(faceColor_->shownColor());
    borderColors_[0]->setColor(raised.left);
    borderColors_[1]->setColor(raised.right);
    borderColors_[2]->setColor(raised.top);
    borderColors_[3]->setColor(raised.bottom);
    emit styleChanged();
}

void ButtonPage::swapBorderColors()
{
    const BorderColors swapped = swappedBorders({borderColors_[0]->color(), borderColors_[1]->color(),
                                                 borderColors_[2]->color(), borderColors_[3]->color()});
    borderColors_[0]->setColor(swapped.left);
    borderColors_[1]->setColor(swapped.right);
    borderColors_[2]->setColor(swapped.top);
    borderColors_[3]->setColor(swapped.bottom);
    emit styleChanged();
}

void ButtonPage::browseBitmap(int row)
{
    QLineEdit* edit = edtBMPFilename_[row - 1];
    const std::string current = unquoteFileName(text(edit));
    const auto name = guard_.dialogs().openFileName(
        {"Open Bitmap", "Bitmaps (*.bmp)|*.bmp|All Files (*.*)|*.*", "bmp", folderPartOf(current)});
    if (name) edit->setText(QString::fromStdString(*name));
}

void ButtonPage::bitmapRowChanged(int row)
{
    if (!chkBMPBackground_->isChecked()) return;
    // A name being typed or just cleared names no file: keep the current look.
    if (!isExistingFile(unquoteFileName(text(edtBMPFilename_[row - 1])))) return;
    emit styleChanged();
}

}  // namespace nimbrel
