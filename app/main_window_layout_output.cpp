// The "Output Options" tab: output folder, the two file types and the GIF options.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/radio_group.h"

namespace nimbrel {

QWidget* MainWindow::buildOutputTab()
{
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(6, 6, 6, 6);

    edtOutputDir = makeEdit("edtOutputDir", "Output folder");
    btnOutputDir = makeButton("btnOutputDir", "...");
    btnOutputDir->setAccessibleName("Browse for the output folder");
    btnOutputDir->setToolTip("Choose the output folder");
    btnOutputDir->setFixedWidth(28);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(makeLabel("Output Folder:", edtOutputDir));
    folderRow->addWidget(edtOutputDir, 1);
    folderRow->addWidget(btnOutputDir);
    chkSaveBMP = makeCheck("chkSaveBMP", "Save BMP");
    chkSaveGIF = makeCheck("chkSaveGIF", "Save GIF");
    // Checked from the start, so settings that clear both show the warning.
    chkSaveBMP->setChecked(true);
    chkSaveGIF->setChecked(true);
    folderRow->addSpacing(8);
    folderRow->addWidget(chkSaveBMP);
    folderRow->addWidget(chkSaveGIF);
    grid->addLayout(folderRow, 0, 0, 1, 3);

    rgGIFCompression =
        new RadioGroup("rgGIFCompression", " GIF Compression ", {"LZW", "RLE"}, Qt::Horizontal);
    rgReductionBits =
        new RadioGroup("rgReductionBits", " Reduction Bits ",
                       {"3-bits (8-colors)", "4-bits (16-colors)", "5-bits (32-colors)", "6-bits (64-colors)",
                        "7-bits (128 colors)", "8-bits (256 colors) [*]"});
    auto* first = new QVBoxLayout;
    first->addWidget(rgGIFCompression);
    first->addWidget(rgReductionBits);
    first->addStretch(1);
    grid->addLayout(first, 1, 0);

    rgColorReduction = new RadioGroup(
        "rgColorReduction", " Color Reduction ",
        {"Windows Standard (20 colors)", "Windows (256 colors)", "Black && White", "GrayScale (256 shades)",
         "Netscape (216 colors)", "Optimal (256 colors) [*]", "Optimal Win (includes 20 WinSys colors)"});
    rgDithering = new RadioGroup(
        "rgDithering", " Dithering ",
        {"Nearest color w/o Error Correction [*]", "Floyd Steinberg Error Diffusion",
         "Stucki Error Diffusion", "Sierra Error Diffusion", "Jarvis, Judice && Ninke Error Diffusion",
         "Stevenson && Arche Error Diffusion", "Burkes Error Diffusion"});
    grid->addWidget(rgColorReduction, 1, 1);
    grid->addWidget(rgDithering, 1, 2);
    grid->setRowStretch(1, 1);
    return content;
}

}  // namespace nimbrel
