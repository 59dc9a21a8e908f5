#include "app/pages/font_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/settings_binding.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/control_makers.h"
#include "app/widgets/font_faces.h"
#include "core/raster_font.h"

namespace nimbrel {

FontPage::FontPage(Guard guard, QWidget* parent) : QWidget(parent), guard_(guard)
{
    setObjectName("tabFont");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    QGroupBox* group = makeGroup("gbFont", " Font Settings ");
    outer->addWidget(group);
    auto* grid = new QGridLayout(group);
    makeCompact(grid);

    cbFont_ = makeList("cbFont", "Font", installedFontFaces());
    cbFont_->setMaxVisibleItems(20);
    cbFontStyle_ = makeList("cbFontStyle", "Font style", {"Normal", "Bold", "Italic", "Bold-Italic"});
    edtFontSize_ = makeStyleSpin(&ButtonStyle::fontSize, "Font size in points");
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(cbFont_, 1);
    fontRow->addWidget(cbFontStyle_);
    fontRow->addWidget(edtFontSize_);
    fontRow->addWidget(makeLabel("pt", edtFontSize_));
    grid->addWidget(makeLabel("Font:", cbFont_), 0, 0);
    grid->addLayout(fontRow, 0, 1, 1, 2);

    pnlFontColor_ = new ColorPanelButton("pnlFontColor", "Font color");
    chkUnderlined_ = makeCheck("chkUnderlined", "Underlined");
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(pnlFontColor_);
    colorRow->addSpacing(16);
    colorRow->addWidget(chkUnderlined_);
    colorRow->addStretch(1);
    grid->addWidget(makeLabel("Font Color:", pnlFontColor_), 1, 0);
    grid->addLayout(colorRow, 1, 1);

    cbTextAlign_ = makeList("cbTextAlign", "Text alignment", {"Centered", "Left Aligned", "Right Aligned"});
    for (QComboBox* list : {cbTextAlign_, cbFontStyle_})
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    grid->addWidget(makeLabel("Text Align:", cbTextAlign_), 2, 0);
    grid->addWidget(cbTextAlign_, 2, 1, Qt::AlignLeft);
    cmbAntiAlias_ = makeList("cmbAntiAlias", "Anti-aliasing",
                             {"No Anti-Aliasing", "Sharp (Zentrik Method 2)", "Crisp (Zentrik Method 3)",
                              "Strong (Zentrik Method 4)"});
    grid->addWidget(makeLabel("Anti-Aliasing:", cmbAntiAlias_), 3, 0);
    grid->addWidget(cmbAntiAlias_, 3, 1, Qt::AlignLeft);

    QGroupBox* minor = makeGroup("gbMinor", " Minor Text alignment ");
    auto* minorGrid = new QGridLayout(minor);
    makeCompact(minorGrid);
    captionOffsetX_ = makeStyleSpin(&ButtonStyle::captionOffsetX, "Minor text offset X");
    captionOffsetY_ = makeStyleSpin(&ButtonStyle::captionOffsetY, "Minor text offset Y");
    minorGrid->addWidget(makeLabel("X", captionOffsetX_), 0, 0);
    minorGrid->addWidget(captionOffsetX_, 0, 1);
    minorGrid->addWidget(makeLabel("Y", captionOffsetY_), 1, 0);
    minorGrid->addWidget(captionOffsetY_, 1, 1);
    grid->addWidget(minor, 1, 2, 3, 1);

    lblFont_ = new QLabel;
    lblFont_->setObjectName("lblFont");
    lblFont_->setTextFormat(Qt::PlainText);
    lblFont_->setAlignment(Qt::AlignCenter);
    lblFont_->setAutoFillBackground(true);
    lblFont_->setMinimumHeight(36);
    QPalette palette = lblFont_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Dark));  // the button-shadow colour
    palette.setColor(QPalette::WindowText, Qt::black);
    lblFont_->setPalette(palette);
    grid->addWidget(lblFont_, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    connectSignals();
}

void FontPage::connectSignals()
{
    auto changed = [this] { emit styleChanged(); };
    auto fontChange = [this] { emit fontChanged(); };
    for (QSpinBox* spin : {captionOffsetX_, captionOffsetY_})
        guard_.connect(spin, &QSpinBox::valueChanged, this, changed);
    guard_.connect(cmbAntiAlias_, &QComboBox::currentIndexChanged, this, changed);
    for (QComboBox* list : {cbFont_, cbFontStyle_, cbTextAlign_})
        guard_.connect(list, &QComboBox::currentIndexChanged, this, fontChange);
    guard_.connect(chkUnderlined_, &QCheckBox::toggled, this, fontChange);
    guard_.connect(edtFontSize_, &QSpinBox::valueChanged, this, fontChange);
    guard_.connect(pnlFontColor_, &ColorPanelButton::clicked, this, [this] { chooseColor(); });
}

void FontPage::showSample(const RasterFont& font)
{
    RasterFont sample = font;
    sample.color = 0;  // the sample is always black
    lblFont_->setFont(sample.toQFont());
    lblFont_->setText(QString::fromStdString(sample.face) + ", " + QString::number(sample.sizePt) + " pt");
}

void FontPage::chooseColor()
{
    const auto chosen = guard_.dialogs().chooseColor(pnlFontColor_->color());
    if (!chosen) return;
    pnlFontColor_->setColor(*chosen);
    emit styleChanged();
}

}  // namespace nimbrel
