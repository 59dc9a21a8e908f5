#include "picker/color_picker_window.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <functional>

#include "base/error.h"
#include "image/system_colors.h"
#include "picker/color_panel.h"
#include "picker/paint_box.h"
#include "picker/picker_spin_box.h"

namespace nimbrel {

namespace {

constexpr int kClientWidth = 609;
constexpr int kClientHeight = 266;
constexpr int kSwatchSize = 16;
constexpr int kSwatchPitch = 20;
constexpr int kSwatchesLeft = 448;
constexpr int kBasicTop = 20;
constexpr int kCustomTop = 160;
constexpr int kSwatchesPerRow = 8;

// Row by row, written red first as in the hexadecimal box.
constexpr std::uint32_t kBasicColorsRrggbb[ColorPickerWindow::kBasicCount] = {
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,  //
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,  //
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,  //
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,  //
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,  //
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x404040, 0xFFFFFF,
};

// One row of the mode controls: radio button, spin box and the unit label after it.
struct ModeRow {
    const char* radioName;
    const char* radioText;
    int top;  // of the radio button; the spin box sits 2 pixels higher, the unit 1 lower
    const char* spinName;
    const char* accessibleName;
    int maximum;
    const char* unitName;
    const char* unitText;
};

constexpr ModeRow kModeRows[kColorModeCount] = {
    {"rbHue", "H", 60, "spnHue", "Hue", 359, "Label3", "\u00B0"},
    {"rbSat", "S", 84, "spnSat", "Saturation", 100, "Label1", "%"},
    {"rbValue", "V", 108, "spnValue", "Value", 100, "Label2", "%"},
    {"rbRed", "R", 136, "spnRed", "Red", 255, nullptr, nullptr},
    {"rbGreen", "G", 160, "spnGreen", "Green", 255, nullptr, nullptr},
    {"rbBlue", "B", 184, "spnBlue", "Blue", 255, nullptr, nullptr},
};

// Divisors from the spin boxes' display units to fractions.
constexpr double kDisplayScale[3] = {360, 100, 100};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A sunken frame with a paint box of the given size inside its 1-pixel edge.
PaintBox* makeSunkenPaintBox(QWidget* parent, const char* panelName, const char* boxName, QRect box)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(panelName));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(box.adjusted(-1, -1, 1, 1));
    auto* paintBox = new PaintBox(panel);
    paintBox->setObjectName(QString::fromLatin1(boxName));
    paintBox->setGeometry(1, 1, box.width(), box.height());
    return paintBox;
}

// Pressing any button applies the position and starts a drag; moves apply only
// while the drag lasts, releasing ends it.
void followDrags(PaintBox* box, bool* dragging, const std::function<void(QPoint)>& apply)
{
    box->onMouseDown = [dragging, apply](QPoint at) {
        *dragging = true;
        apply(at);
    };
    box->onMouseMove = [dragging, apply](QPoint at) {
        if (*dragging) apply(at);
    };
    box->onMouseUp = [dragging] { *dragging = false; };
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* text, QRect geometry)
{
    auto* button = new QPushButton(QString::fromLatin1(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

int clampPosition(int p)
{
    return std::clamp(p, 0, 255);
}

}  // namespace

Color ColorPickerWindow::basicColor(int index)
{
    const std::uint32_t rrggbb = kBasicColorsRrggbb[index];
    return makeColor(static_cast<int>(rrggbb >> 16), static_cast<int>(rrggbb >> 8), static_cast<int>(rrggbb));
}

ColorPickerWindow::ColorPickerWindow(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Color Picker"));
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(11);  // 8 points at 96 dpi
    setFont(font);
    setFixedSize(kClientWidth, kClientHeight);

    createControls();
    setColor(0);
    setMode(ColorMode::Hue);
    if (!images_.setUpPixelBuffer()) throw Error("Color Picker cannot initialize off-screen buffers");
    createSwatches();
}

ColorPickerWindow::~ColorPickerWindow()
{
    images_.releasePixelBuffer();
}

void ColorPickerWindow::createControls()
{
    field_ = makeSunkenPaintBox(this, "pnlXY", "pbXY", QRect(5, 5, 256, 256));
    field_->setAccessibleName(QStringLiteral("Color field"));
    field_->onPaint = [this](QPainter& p) { images_.paintField(p, mode_, values_); };
    followDrags(field_, &fieldDrag_, [this](QPoint at) { applyFieldPosition(at); });

    strip_ = makeSunkenPaintBox(this, "pnlZ", "pbZ", QRect(269, 5, 32, 256));
    strip_->setAccessibleName(QStringLiteral("Color strip"));
    strip_->onPaint = [this](QPainter& p) { images_.paintStrip(p, mode_, values_); };
    followDrags(strip_, &stripDrag_, [this](QPoint at) { applyStripPosition(at); });

    makeLabel(this, "Label4", QStringLiteral("Color"), 312, 4);
    selectedColorPanel_ = new ColorPanel(this);
    selectedColorPanel_->setObjectName(QStringLiteral("pnlSelectedColor"));
    selectedColorPanel_->setAccessibleName(QStringLiteral("Color"));
    selectedColorPanel_->setGeometry(308, 20, 64, 32);
    makeLabel(this, "Label5", QStringLiteral("Web Color"), 376, 4);
    webColorPanel_ = new ColorPanel(this);
    webColorPanel_->setObjectName(QStringLiteral("pnlWebColor"));
    webColorPanel_->setAccessibleName(QStringLiteral("Web Color"));
    webColorPanel_->setGeometry(372, 20, 64, 32);
    connect(webColorPanel_, &ColorPanel::doubleClicked, this, [this] { pickWebColor(); });

    modeButtons_ = new QButtonGroup(this);
    for (int tag = 0; tag < kColorModeCount; ++tag) {
        const ModeRow& row = kModeRows[tag];
        auto* radio = new QRadioButton(QString::fromLatin1(row.radioText), this);
        radio->setObjectName(QString::fromLatin1(row.radioName));
        radio->setGeometry(308, row.top, 33, 17);
        radio->setAccessibleName(QString::fromLatin1(row.accessibleName));
        modeButtons_->addButton(radio, tag);

        auto* spin = new PickerSpinBox(0, row.maximum, this);
        spin->setObjectName(QString::fromLatin1(row.spinName));
        spin->setAccessibleName(QString::fromLatin1(row.accessibleName));
        spin->setGeometry(344, row.top - 2, 57, 22);
        connect(spin, &PickerSpinBox::contentChanged, this, [this, tag] { componentBoxChanged(tag); });
        spinBoxes_[tag] = spin;

        if (row.unitName) makeLabel(this, row.unitName, QString::fromUtf8(row.unitText), 404, row.top + 1);
    }
    connect(modeButtons_, &QButtonGroup::idClicked, this, [this](int tag) { selectColorMode(tag); });

    QLabel* hexLabel = makeLabel(this, "Label6", QStringLiteral("Hex #"), 312, 213);
    hexEdit_ = new QLineEdit(QStringLiteral("000000"), this);
    hexEdit_->setObjectName(QStringLiteral("edtHex"));
    hexEdit_->setMaxLength(6);
    hexEdit_->setGeometry(344, 210, 57, 21);
    hexLabel->setBuddy(hexEdit_);
    connect(hexEdit_, &QLineEdit::textChanged, this, [this] { hexTextChanged(); });

    makeLabel(this, "Label7", QStringLiteral("Basic Colors"), 448, 4);
    makeLabel(this, "Label8", QStringLiteral("Custom Colors"), 448, 144);
    QLabel* hint = makeLabel(
        this, "Label9", QStringLiteral("Left-click to choose, Right-click to select without color override"),
        448, 200);
    hint->setWordWrap(true);
    hint->setGeometry(448, 200, 153, 33);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QPushButton* define =
        makeButton(this, "btnDefineCustomColor", "Define Custom Color", QRect(312, 237, 121, 25));
    connect(define, &QPushButton::clicked, this, [this] { defineCustomColor(); });
    QPushButton* cancel = makeButton(this, "btnCancel", "Cancel", QRect(448, 237, 75, 25));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    QPushButton* ok = makeButton(this, "btnOk", "OK", QRect(528, 237, 75, 25));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ColorPickerWindow::createSwatches()
{
    selectedBasic_ = 0;
    selectedCustom_ = 0;
    auto make = [this](int tag, int index, int top, Color color) {
        auto* swatch = new ColorPanel(this);
        swatch->setObjectName(QStringLiteral("swatch%1").arg(tag));
        swatch->setGeometry(kSwatchesLeft + kSwatchPitch * (index % kSwatchesPerRow),
                            top + kSwatchPitch * (index / kSwatchesPerRow), kSwatchSize, kSwatchSize);
        swatch->setColor(color);
        connect(swatch, &ColorPanel::clicked, this, [this, tag] { selectSwatchColor(tag); });
        connect(swatch, &ColorPanel::keyPressed, this, [this, tag](int key) { swatchKey(tag, key); });
        swatch->setAccessibleName(
            QStringLiteral("%1 color %2")
                .arg(tag < kCustomTagBase ? QStringLiteral("Basic") : QStringLiteral("Custom"))
                .arg(index + 1));
        return swatch;
    };
    for (int k = 0; k < kBasicCount; ++k) basicSwatches_.push_back(make(k, k, kBasicTop, basicColor(k)));
    for (int k = 0; k < kCustomCount; ++k) {
        const int tag = kCustomTagBase + k;
        ColorPanel* swatch = make(tag, k, kCustomTop, customColors_[k]);
        connect(swatch, &ColorPanel::pressed, this, [this, tag] { pressSwatch(tag); });
        customSwatches_.push_back(swatch);
    }
    updateSwatchFocus();
}

void ColorPickerWindow::setColor(Color color)
{
    current_ = resolveSystemColor<QGuiApplication>(color);
    values_.rgb = rgbOf(current_);
    values_.hsv = rgbToHsv(values_.rgb.r, values_.rgb.g, values_.rgb.b);
    updateControls();
}

void ColorPickerWindow::setMode(ColorMode mode)
{
    mode_ = colorModeFromInt(static_cast<int>(mode));
    modeGuard_ = true;
    modeButtons_->button(static_cast<int>(mode_))->setChecked(true);
    modeGuard_ = false;
}

void ColorPickerWindow::setCustomColor(int index, Color color)
{
    if (index < 0 || index >= kCustomCount) return;
    customColors_[index] = color;
    if (index < static_cast<int>(customSwatches_.size())) customSwatches_[index]->setColor(color);
}

Color ColorPickerWindow::customColor(int index) const
{
    return index >= 0 && index < kCustomCount ? customColors_[index] : 0;
}

void ColorPickerWindow::updateControls()
{
    selectedColorPanel_->setColor(current_);
    webColorPanel_->setColor(webSafeColor(values_.rgb.r, values_.rgb.g, values_.rgb.b));
    const double hsv[3] = {values_.hsv.h, values_.hsv.s, values_.hsv.v};
    for (int c = 0; c < 3; ++c)
        spinBoxOf(c)->showValue(static_cast<int>(std::lrint(hsv[c] * kDisplayScale[c])));
    spinBoxOf(static_cast<int>(ColorMode::Red))->showValue(values_.rgb.r);
    spinBoxOf(static_cast<int>(ColorMode::Green))->showValue(values_.rgb.g);
    spinBoxOf(static_cast<int>(ColorMode::Blue))->showValue(values_.rgb.b);
    if (!hexGuard_) {
        const QSignalBlocker block(hexEdit_);
        hexEdit_->setText(QString::fromStdString(rgbToHexText(values_.rgb.r, values_.rgb.g, values_.rgb.b)));
    }
}

void ColorPickerWindow::renderAll()
{
    images_.renderAll(mode_, values_);
}

void ColorPickerWindow::redrawChanged()
{
    images_.redrawChanged(mode_, values_);
    paintAll();
}

void ColorPickerWindow::paintAll()
{
    field_->update();
    strip_->update();
}

void ColorPickerWindow::hsvChanged()
{
    values_.rgb = hsvToRgb(values_.hsv.h, values_.hsv.s, values_.hsv.v);
    current_ = colorOf(values_.rgb);
    updateControls();
    redrawChanged();
}

void ColorPickerWindow::rgbChanged()
{
    values_.hsv = rgbToHsv(values_.rgb.r, values_.rgb.g, values_.rgb.b);
    current_ = colorOf(values_.rgb);
    updateControls();
    redrawChanged();
}

void ColorPickerWindow::setComponent(int component, int position)
{
    double* hsv[3] = {&values_.hsv.h, &values_.hsv.s, &values_.hsv.v};
    std::uint8_t* rgb[3] = {&values_.rgb.r, &values_.rgb.g, &values_.rgb.b};
    if (component < 3)
        *hsv[component] = position / 255.0;
    else
        *rgb[component - 3] = static_cast<std::uint8_t>(position);
}

void ColorPickerWindow::applyFieldPosition(QPoint position)
{
    const ModeAxes axes = axesOf(mode_);
    setComponent(axes.across, clampPosition(position.x()));
    setComponent(axes.up, 255 - clampPosition(position.y()));
    isHsvMode(mode_) ? hsvChanged() : rgbChanged();
}

void ColorPickerWindow::applyStripPosition(QPoint position)
{
    setComponent(axesOf(mode_).strip, 255 - clampPosition(position.y()));
    isHsvMode(mode_) ? hsvChanged() : rgbChanged();
}

void ColorPickerWindow::selectColorMode(int tag)
{
    if (modeGuard_) return;
    setMode(colorModeFromInt(tag));
    renderAll();
    paintAll();
}

void ColorPickerWindow::componentBoxChanged(int tag)
{
    const int value = spinBoxOf(tag)->typedValue();
    if (tag < 3) {
        double* hsv[3] = {&values_.hsv.h, &values_.hsv.s, &values_.hsv.v};
        *hsv[tag] = value / kDisplayScale[tag];
        hsvChanged();
    } else {
        setComponent(tag, value);
        rgbChanged();
    }
}

void ColorPickerWindow::hexTextChanged()
{
    hexGuard_ = true;
    values_.rgb = hexNumberToRgb(hexToInt(hexEdit_->text().toStdString()));
    rgbChanged();
    hexGuard_ = false;
}

void ColorPickerWindow::pickWebColor()
{
    setColor(webColorPanel_->color());
    redrawChanged();
}

void ColorPickerWindow::defineCustomColor()
{
    setCustomColor(selectedCustom_, current_);
    selectedCustom_ = (selectedCustom_ + 1) % kCustomCount;
    update();
}

void ColorPickerWindow::selectSwatchColor(int tag)
{
    const bool custom = tag >= kCustomTagBase;
    const std::vector<ColorPanel*>& group = custom ? customSwatches_ : basicSwatches_;
    const int index = custom ? tag - kCustomTagBase : tag;
    setColor(group[index]->color());
    redrawChanged();
    selectSwatch(tag);
}

void ColorPickerWindow::pressSwatch(int tag)
{
    selectSwatch(tag);
}

void ColorPickerWindow::selectSwatch(int tag)
{
    if (tag >= kCustomTagBase)
        selectedCustom_ = tag - kCustomTagBase;
    else
        selectedBasic_ = tag;
    updateSwatchFocus();
    update();
}

void ColorPickerWindow::updateSwatchFocus()
{
    for (const auto* group : {&basicSwatches_, &customSwatches_}) {
        const int selected = group == &basicSwatches_ ? selectedBasic_ : selectedCustom_;
        const bool groupHasFocus =
            std::any_of(group->begin(), group->end(), [](const ColorPanel* p) { return p->hasFocus(); });
        for (int k = 0; k < static_cast<int>(group->size()); ++k)
            (*group)[k]->setFocusPolicy(k == selected ? Qt::StrongFocus : Qt::NoFocus);
        if (groupHasFocus) (*group)[selected]->setFocus(Qt::OtherFocusReason);
    }
}

void ColorPickerWindow::swatchKey(int tag, int key)
{
    if (key == Qt::Key_Space) {
        selectSwatchColor(tag);
        return;
    }
    const bool custom = tag >= kCustomTagBase;
    const int count = custom ? kCustomCount : kBasicCount;
    const int index = custom ? tag - kCustomTagBase : tag;
    int column = index % kSwatchesPerRow;
    int row = index / kSwatchesPerRow;
    column += key == Qt::Key_Right ? 1 : key == Qt::Key_Left ? -1 : 0;
    row += key == Qt::Key_Down ? 1 : key == Qt::Key_Up ? -1 : 0;
    column = std::clamp(column, 0, kSwatchesPerRow - 1);
    row = std::clamp(row, 0, count / kSwatchesPerRow - 1);
    // Moving only selects, as a right click does on a custom swatch; Space takes the colour.
    selectSwatch((custom ? kCustomTagBase : 0) + row * kSwatchesPerRow + column);
}

QRect ColorPickerWindow::selectionFrameRect(bool custom, int index)
{
    const int top = (custom ? kCustomTop : kBasicTop) + kSwatchPitch * (index / kSwatchesPerRow);
    return QRect(kSwatchesLeft - 2 + kSwatchPitch * (index % kSwatchesPerRow), top - 2, kSwatchPitch,
                 kSwatchPitch);
}

void ColorPickerWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous()) return;  // un-minimising shows nothing new
    updateControls();
    renderAll();
    paintAll();
}

void ColorPickerWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (basicSwatches_.empty()) return;
    QPainter painter(this);
    // The outline runs along the square's outermost pixels; the group that has the
    // keyboard focus shows its frame solid.
    auto frame = [&](bool custom, int index) {
        const ColorPanel* swatch = (custom ? customSwatches_ : basicSwatches_)[index];
        painter.setPen(
            QPen(palette().color(QPalette::WindowText), 0, swatch->hasFocus() ? Qt::SolidLine : Qt::DotLine));
        painter.drawRect(selectionFrameRect(custom, index).adjusted(0, 0, -1, -1));
    };
    frame(true, selectedCustom_);
    frame(false, selectedBasic_);
}

}  // namespace nimbrel
