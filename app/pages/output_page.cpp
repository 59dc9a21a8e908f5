#include "app/pages/output_page.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/settings_binding.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/radio_group.h"
#include "settings/gif_radio_groups.h"

namespace nimbrel {
namespace {

template <class Choices>
QStringList labelsOf(const Choices& choices)
{
    QStringList labels;
    for (const auto& choice : choices) labels << QString::fromUtf8(choice.label.data(), choice.label.size());
    return labels;
}

}  // namespace

OutputPage::OutputPage(Guard guard, QWidget* parent) : QWidget(parent), guard_(guard)
{
    setObjectName("tabOutput");
    // The two long GIF groups side by side and the short ones below them keep the
    // window at its start width; the file types share the folder's row.
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 2, 6, 2);
    page->setSpacing(2);

    edtOutputDir_ = makeSettingEdit(setting_key::kOutputDir, "Output folder");
    btnOutputDir_ = makeButton("btnOutputDir", "...");
    btnOutputDir_->setAccessibleName("Browse for the output folder");
    btnOutputDir_->setToolTip("Choose the output folder");
    btnOutputDir_->setFixedWidth(28);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(makeLabel("Output Folder:", edtOutputDir_));
    folderRow->addWidget(edtOutputDir_, 1);
    folderRow->addWidget(btnOutputDir_);
    chkSaveBMP_ = makeCheck("chkSaveBMP", "Save BMP");
    chkSaveGIF_ = makeCheck("chkSaveGIF", "Save GIF");
    chkSavePNG_ = makeCheck("chkSavePNG", "Save PNG");
    // Checked from the start, so settings that clear all three show the warning,
    // once, when the last of them is cleared.
    for (QCheckBox* check : {chkSaveBMP_, chkSaveGIF_, chkSavePNG_}) check->setChecked(true);
    folderRow->addSpacing(8);
    folderRow->addWidget(chkSaveBMP_);
    folderRow->addWidget(chkSaveGIF_);
    folderRow->addWidget(chkSavePNG_);
    page->addLayout(folderRow);

    rgColorReduction_ =
        new RadioGroup("rgColorReduction", " Color Reduction ", labelsOf(kColorReductionChoices));
    rgDithering_ = new RadioGroup("rgDithering", " Dithering ", labelsOf(kDitherChoices));
    auto* longGroups = new QHBoxLayout;
    longGroups->addWidget(rgColorReduction_, 1);
    longGroups->addWidget(rgDithering_, 1);
    page->addLayout(longGroups);

    rgReductionBits_ =
        new RadioGroup("rgReductionBits", " Reduction Bits ", labelsOf(kReductionBitsChoices), 2);
    rgGIFCompression_ =
        new RadioGroup("rgGIFCompression", " GIF Compression ", labelsOf(kCompressionChoices), 2);
    // Transparency and the high-density copies sit under GIF Compression, in
    // the room the two-column bits group leaves beside it.
    auto* beside = new QVBoxLayout;
    beside->setSpacing(0);
    beside->addWidget(rgGIFCompression_);
    beside->addWidget(buildExtras());
    beside->addStretch(1);
    auto* shortGroups = new QHBoxLayout;
    shortGroups->addWidget(rgReductionBits_, 0, Qt::AlignTop);
    shortGroups->addLayout(beside);
    shortGroups->addStretch(1);
    page->addLayout(shortGroups);
    page->addStretch(1);

    for (QCheckBox* check : {chkSaveBMP_, chkSaveGIF_, chkSavePNG_})
        guard_.connect(check, &QCheckBox::toggled, this, [this] { checkOutputTypes(); });
    guard_.connect(btnOutputDir_, &QPushButton::clicked, this, [this] { browseOutputFolder(); });
    guard_.connect(pnlTransparentColor_, &ColorPanelButton::clicked, this, [this] { chooseTransparentColor(); });
}

QWidget* OutputPage::buildExtras()
{
    auto* panel = new QWidget;
    auto* rows = new QVBoxLayout(panel);
    rows->setContentsMargins(4, 0, 0, 0);
    rows->setSpacing(0);
    auto* transparentRow = new QHBoxLayout;
    auto* scaleRow = new QHBoxLayout;
    rows->addLayout(transparentRow);
    rows->addLayout(scaleRow);
    chkTransparent_ = makeCheck("chkTransparent", "Transparent color:");
    chkTransparent_->setToolTip("Pixels of exactly this color become transparent in GIF and PNG files");
    pnlTransparentColor_ = new ColorPanelButton("pnlTransparentColor", "Transparent color");
    pnlTransparentColor_->setToolTip("Choose the transparent color");
    chkSave2x_ = makeCheck("chkSave2x", "2x");
    chkSave3x_ = makeCheck("chkSave3x", "3x");
    for (QCheckBox* check : {chkSave2x_, chkSave3x_})
        check->setToolTip("Also writes name@" + check->text() + " for screens of high pixel density");
    transparentRow->addWidget(chkTransparent_);
    transparentRow->addWidget(pnlTransparentColor_);
    transparentRow->addStretch(1);
    scaleRow->addWidget(makeLabel("Also save at 2x and 3x:", chkSave2x_));
    scaleRow->addWidget(chkSave2x_);
    scaleRow->addWidget(chkSave3x_);
    scaleRow->addStretch(1);
    return panel;
}

void OutputPage::readInto(SaveRequest& request) const
{
    request.outputDir = edtOutputDir_->text().toStdString();
    request.saveBmp = chkSaveBMP_->isChecked();
    request.saveGif = chkSaveGIF_->isChecked();
    request.savePng = chkSavePNG_->isChecked();
    request.transparent = chkTransparent_->isChecked();
    request.transparentColor = pnlTransparentColor_->color();
    request.scales = {1};
    if (chkSave2x_->isChecked()) request.scales.push_back(2);
    if (chkSave3x_->isChecked()) request.scales.push_back(3);
    request.gifCompression = gifCompressionAt(rgGIFCompression_->itemIndex());
    request.colorReduction = colorReductionAt(rgColorReduction_->itemIndex());
    request.dithering = ditherMethodAt(rgDithering_->itemIndex());
    request.reductionBits = reductionBitsAt(rgReductionBits_->itemIndex());
}

void OutputPage::setOutputFolder(const std::string& folder)
{
    edtOutputDir_->setText(QString::fromStdString(folder));
}

void OutputPage::checkOutputTypes()
{
    DialogsSaveInteraction ui(guard_.dialogs());
    SaveRequest request;
    readInto(request);
    nimbrel::checkOutputTypes(request, ui);
}

void OutputPage::chooseTransparentColor()
{
    const auto chosen = guard_.dialogs().chooseColor(pnlTransparentColor_->color());
    if (chosen) pnlTransparentColor_->setColor(*chosen);
}

void OutputPage::browseOutputFolder()
{
    const auto folder = guard_.dialogs().folderName("Output Folder", edtOutputDir_->text().toStdString());
    if (folder) setOutputFolder(*folder);
}

}  // namespace nimbrel
