// The current style as a value: controls to style and back, in the fields' order.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "app/main_window.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/font_faces.h"
#include "app/widgets/control_makers.h"

namespace nimbrel {

namespace {

std::string text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}
QString qtext(const std::string& s)
{
    return QString::fromStdString(s);
}

}  // namespace

std::string MainWindow::fontName() const
{
    return cbFont->currentIndex() < 0 ? std::string() : cbFont->currentText().toStdString();
}

void MainWindow::setFontName(const std::string& name)
{
    selectFontFace(*cbFont, name);
}

ButtonStyle MainWindow::currentStyle() const
{
    ButtonStyle s;
    s.width = spnWidth->value();
    s.height = spnHeight->value();
    s.fixedWidth = chkFixedWidth->isChecked();
    s.fixedHeight = chkFixedHeight->isChecked();
    s.colorBack = pnl0->color();
    s.colorBorderLeft = pnlBorder[0]->color();
    s.colorBorderRight = pnlBorder[1]->color();
    s.colorBorderTop = pnlBorder[2]->color();
    s.colorBorderBottom = pnlBorder[3]->color();
    s.borderLeft = spnBorder[0]->value();
    s.borderRight = spnBorder[1]->value();
    s.borderTop = spnBorder[2]->value();
    s.borderBottom = spnBorder[3]->value();
    s.fontName = fontName();
    s.fontSize = edtFontSize->value();
    s.fontStyle = cbFontStyle->currentIndex();
    s.fontUnderline = chkUnderlined->isChecked();
    s.fontAntiAlias = cmbAntiAlias->currentIndex();
    s.fontColor = pnlFontColor->color();
    s.textAlign = cbTextAlign->currentIndex();
    s.minorX = spnMinorX->value();
    s.minorY = spnMinorY->value();
    s.importBMP = chkBMPBackground->isChecked();
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        s.setBitmapFileName(i, unquoteFileName(text(edtBMPFilename[i - 1])));
        s.setBitmapEnabled(i, chkBMPEnabled[i - 1]->isChecked());
        s.setBitmapAlign(i, cmbBMPAlign[i - 1]->currentIndex());
    }
    s.prefix = text(edtPrefix);
    s.suffix = text(edtSuffix);
    return s;
}

void MainWindow::applyStyle(const ButtonStyle& s)
{
    spnWidth->setValue(s.width);
    spnHeight->setValue(s.height);
    chkFixedWidth->setChecked(s.fixedWidth);
    chkFixedHeight->setChecked(s.fixedHeight);
    pnl0->setColor(s.colorBack);
    pnlBorder[0]->setColor(s.colorBorderLeft);
    pnlBorder[1]->setColor(s.colorBorderRight);
    pnlBorder[2]->setColor(s.colorBorderTop);
    pnlBorder[3]->setColor(s.colorBorderBottom);
    spnBorder[0]->setValue(s.borderLeft);
    spnBorder[1]->setValue(s.borderRight);
    spnBorder[2]->setValue(s.borderTop);
    spnBorder[3]->setValue(s.borderBottom);
    setFontName(s.fontName);
    edtFontSize->setValue(s.fontSize);
    setListIndex(cbFontStyle, s.fontStyle);
    chkUnderlined->setChecked(s.fontUnderline);
    setListIndex(cmbAntiAlias, s.fontAntiAlias);
    pnlFontColor->setColor(s.fontColor);
    setListIndex(cbTextAlign, s.textAlign);
    spnMinorX->setValue(s.minorX);
    spnMinorY->setValue(s.minorY);
    chkBMPBackground->setChecked(s.importBMP);
    for (int i = 1; i <= kStyleBitmapCount; ++i) {
        edtBMPFilename[i - 1]->setText(qtext(s.bitmapFileName(i)));
        chkBMPEnabled[i - 1]->setChecked(s.bitmapEnabled(i));
        setListIndex(cmbBMPAlign[i - 1], s.bitmapAlign(i));
    }
    edtPrefix->setText(qtext(s.prefix));
    edtSuffix->setText(qtext(s.suffix));
}

}  // namespace nimbrel
