// Which control changes redraw the button, and the drawing itself.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <filesystem>
#include <system_error>

#include "app/main_window.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/preview_box.h"
#include "app/widgets/radio_group.h"
#include "core/renderer.h"

namespace nimbrel {

namespace {

bool isExistingFile(const std::string& name)
{
    std::error_code error;
    return !name.empty() && std::filesystem::is_regular_file(std::filesystem::u8path(name), error);
}

}  // namespace

void MainWindow::connectTriggers()
{
    auto draw = [this] { guard([this] { drawButton(); }); };
    auto font = [this] { guard([this] { applyFontAndDraw(); }); };

    connect(btnDraw, &QPushButton::clicked, this, draw);
    for (QSpinBox* spin :
         {spnWidth, spnHeight, spnBorder[0], spnBorder[1], spnBorder[2], spnBorder[3], spnMinorX, spnMinorY})
        connect(spin, &QSpinBox::valueChanged, this, draw);
    for (QCheckBox* check : {chkFixedWidth, chkFixedHeight, chkBMPBackground})
        connect(check, &QCheckBox::toggled, this, draw);
    connect(cmbAntiAlias, &QComboBox::currentIndexChanged, this, draw);

    for (QComboBox* list : {cbFont, cbFontStyle, cbTextAlign})
        connect(list, &QComboBox::currentIndexChanged, this, font);
    connect(chkUnderlined, &QCheckBox::toggled, this, font);
    connect(edtFontSize, &QSpinBox::valueChanged, this, font);

    for (int i = 0; i < kStyleBitmapCount; ++i) {
        const int row = i + 1;
        auto rowChange = [this, row] { guard([this, row] { redrawForBitmapRow(row); }); };
        connect(edtBMPFilename[i], &QLineEdit::textChanged, this, rowChange);
        connect(chkBMPEnabled[i], &QCheckBox::toggled, this, rowChange);
        connect(cmbBMPAlign[i], &QComboBox::currentIndexChanged, this, rowChange);
        connect(btnBMPBrowse[i], &QPushButton::clicked, this,
                [this, row] { guard([this, row] { browseBitmap(row); }); });
    }

    for (ColorPanelButton* panel :
         {pnl0, pnlBorder[0], pnlBorder[1], pnlBorder[2], pnlBorder[3], pnlFontColor, pnlBackground})
        connect(panel, &ColorPanelButton::clicked, this,
                [this, panel] { guard([this, panel] { chooseColor(panel); }); });
    connect(btn3D, &QPushButton::clicked, this, [this] { guard([this] { makeBorders3D(); }); });
    connect(btnSwap, &QPushButton::clicked, this, [this] { guard([this] { swapBorderColors(); }); });
    connect(tbZoom, &QSlider::valueChanged, this, [this] { guard([this] { applyZoom(); }); });
    connect(edtCaption, &QLineEdit::textChanged, this, [this] { guard([this] { captionEdited(); }); });

    for (QCheckBox* check : {chkSaveBMP, chkSaveGIF})
        connect(check, &QCheckBox::toggled, this, [this] { guard([this] { checkOutputTypes(); }); });
    connect(chkAutoFilename, &QCheckBox::toggled, this,
            [this] { guard([this] { updateFileNameOptions(); }); });
    connect(btnOutputDir, &QPushButton::clicked, this, [this] { guard([this] { browseOutputFolder(); }); });
    connectCaptionTriggers();
}

void MainWindow::drawButton()
{
    if (loading_ || quiet_) return;
    const ButtonStyle style = currentStyle();
    ++drawingCount_;
    // A bitmap that does not load throws here: the partial image stays, and the
    // preview is not refreshed by this drawing.
    renderButton(style, edtCaption->text().toStdString(), previewFont_, button_);
    pb->update();
}

void MainWindow::applyFontAndDraw()
{
    if (loading_ || quiet_) return;
    updateFontSample();
    drawButton();
}

void MainWindow::updateFontSample()
{
    applyCaptionFont(currentStyle(), previewFont_);
    RasterFont sample = previewFont_;
    sample.color = 0;  // the sample is always black
    lblFont->setFont(sample.toQFont());
    lblFont->setText(QString::fromStdString(sample.face) + ", " + QString::number(sample.sizePt) + " pt");
}

void MainWindow::redrawForBitmapRow(int row)
{
    if (loading_ || quiet_ || !chkBMPBackground->isChecked()) return;
    // A name being typed or just cleared names no file: keep the current look.
    if (!isExistingFile(unquoteFileName(edtBMPFilename[row - 1]->text().toStdString()))) return;
    drawButton();
}

void MainWindow::applyZoom()
{
    pb->setZoom(tbZoom->value());
    if (!loading_) pb->update();
}

void MainWindow::updateFileNameOptions()
{
    const bool automatic = chkAutoFilename->isChecked();
    chkSpaceToUnderscore->setEnabled(automatic);
    chkLowercase->setEnabled(automatic);
}

}  // namespace nimbrel
