// The "Text Font" tab: caption font, colour, alignment, anti-aliasing and the font sample.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/font_faces.h"
#include "app/widgets/control_makers.h"

namespace nimbrel {

QWidget* MainWindow::buildFontTab()
{
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(4, 4, 4, 4);
    QGroupBox* group = makeGroup("gbFont", " Font Settings ");
    outer->addWidget(group);
    auto* grid = new QGridLayout(group);
    makeCompact(grid);

    cbFont = makeList("cbFont", "Font", installedFontFaces());
    cbFont->setMaxVisibleItems(20);
    cbFontStyle = makeList("cbFontStyle", "Font style", {"Normal", "Bold", "Italic", "Bold-Italic"});
    edtFontSize = makeSpin("edtFontSize", "Font size in points");
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(cbFont, 1);
    fontRow->addWidget(cbFontStyle);
    fontRow->addWidget(edtFontSize);
    fontRow->addWidget(makeLabel("pt", edtFontSize));
    grid->addWidget(makeLabel("Font:", cbFont), 0, 0);
    grid->addLayout(fontRow, 0, 1, 1, 2);

    pnlFontColor = new ColorPanelButton("pnlFontColor", "Font color");
    chkUnderlined = makeCheck("chkUnderlined", "Underlined");
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(pnlFontColor);
    colorRow->addSpacing(16);
    colorRow->addWidget(chkUnderlined);
    colorRow->addStretch(1);
    grid->addWidget(makeLabel("Font Color:", pnlFontColor), 1, 0);
    grid->addLayout(colorRow, 1, 1);

    cbTextAlign = makeList("cbTextAlign", "Text alignment", {"Centered", "Left Aligned", "Right Aligned"});
    for (QComboBox* list : {cbTextAlign, cbFontStyle}) list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(makeLabel("Text Align:", cbTextAlign), 2, 0);
    grid->addWidget(cbTextAlign, 2, 1, Qt::AlignLeft);
    cmbAntiAlias = makeList("cmbAntiAlias", "Anti-aliasing",
                            {"No Anti-Aliasing", "Sharp (Zentrik Method 2)", "Crisp (Zentrik Method 3)",
                             "Strong (Zentrik Method 4)"});
    grid->addWidget(makeLabel("Anti-Aliasing:", cmbAntiAlias), 3, 0);
    grid->addWidget(cmbAntiAlias, 3, 1, Qt::AlignLeft);

    QGroupBox* minor = makeGroup("gbMinor", " Minor Text alignment ");
    auto* minorGrid = new QGridLayout(minor);
    makeCompact(minorGrid);
    spnMinorX = makeSpin("spnMinorX", "Minor text offset X");
    spnMinorY = makeSpin("spnMinorY", "Minor text offset Y");
    minorGrid->addWidget(makeLabel("X", spnMinorX), 0, 0);
    minorGrid->addWidget(spnMinorX, 0, 1);
    minorGrid->addWidget(makeLabel("Y", spnMinorY), 1, 0);
    minorGrid->addWidget(spnMinorY, 1, 1);
    grid->addWidget(minor, 1, 2, 3, 1);

    lblFont = new QLabel;
    lblFont->setObjectName("lblFont");
    lblFont->setTextFormat(Qt::PlainText);
    lblFont->setAlignment(Qt::AlignCenter);
    lblFont->setAutoFillBackground(true);
    lblFont->setMinimumHeight(36);
    QPalette palette = lblFont->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Dark));  // the button-shadow colour
    palette.setColor(QPalette::WindowText, Qt::black);
    lblFont->setPalette(palette);
    grid->addWidget(lblFont, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return content;
}

}  // namespace nimbrel
