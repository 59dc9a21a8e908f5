#include "picker/color_picker_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "base/error.h"
#include "picker/paint_box.h"
#include "image/system_colors.h"
#include "picker_widget_test_support.h"

namespace nimbrel {
namespace {

using namespace nimbrel::testing;

class PickerWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureApplication();
        window = std::make_unique<ColorPickerWindow>();
    }

    void showWith(Color color, ColorMode mode)
    {
        window->setColor(color);
        window->setMode(mode);
        window->show();
    }

    template <typename T = QWidget>
    T* child(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    PickerSpinBox* spin(const char* name) const { return child<PickerSpinBox>(name); }
    int shown(const char* name) const { return spin(name)->text().toInt(); }
    QString hexText() const { return child<QLineEdit>("edtHex")->text(); }
    ColorPanel* swatch(int tag) const
    {
        return child<ColorPanel>(QStringLiteral("swatch%1").arg(tag).toLatin1());
    }

    std::unique_ptr<ColorPickerWindow> window;
};

TEST_F(PickerWindowTest, StartsInHueModeWithItsBoxesLimited)
{
    EXPECT_TRUE(child<QRadioButton>("rbHue")->isChecked());
    EXPECT_EQ(window->mode(), ColorMode::Hue);
    EXPECT_EQ(child<QLineEdit>("edtHex")->maxLength(), 6);
    EXPECT_EQ(hexText(), "000000");
    const char* spins[] = {"spnHue", "spnSat", "spnValue", "spnRed", "spnGreen", "spnBlue"};
    const int maxima[] = {359, 100, 100, 255, 255, 255};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(spin(spins[k])->maximum(), maxima[k]) << spins[k];
}

TEST_F(PickerWindowTest, SwatchesAndPanelsPaintTheirOwnColours)
{
    window->setStyleSheet("QFrame, QWidget { background: rgb(0, 200, 0); }");
    showWith(makeColor(18, 52, 86), ColorMode::Hue);
    for (const char* name : {"swatch29", "pnlSelectedColor", "pnlWebColor"}) {
        auto* panel = child<ColorPanel>(name);
        const QImage image = panel->grab().toImage();
        const Color c = panel->shownColor();
        EXPECT_EQ(image.pixel(image.width() / 2, image.height() / 2), qRgb(redOf(c), greenOf(c), blueOf(c)))
            << name;
    }
    EXPECT_EQ(child<ColorPanel>("pnlSelectedColor")->shownColor(), makeColor(18, 52, 86));
}

TEST_F(PickerWindowTest, FieldClicksAndDragsInHueMode)
{
    showWith(hsvToColor(0.5, 0.3, 0.3), ColorMode::Hue);
    const int hue = shown("spnHue");
    QWidget* field = child("pbXY");

    click(field, {255, 0});
    EXPECT_EQ(window->values().hsv.s, 1);
    EXPECT_EQ(window->values().hsv.v, 1);
    EXPECT_EQ(window->currentColor(), makeColor(0, 255, 255));

    click(field, {0, 255});
    EXPECT_EQ(window->currentColor(), 0u);
    EXPECT_EQ(shown("spnHue"), hue);  // the hue survives black
    EXPECT_EQ(hexText(), "000000");

    // Dragging past the edges clamps; moving without a held button does nothing.
    const int fieldDraws = window->images().fieldDrawCount();
    const int stripDraws = window->images().stripDrawCount();
    sendMouse(field, QEvent::MouseButtonPress, {100, 100});
    sendMouse(field, QEvent::MouseMove, {-40, -30});
    EXPECT_EQ(window->values().hsv.s, 0);
    EXPECT_EQ(window->values().hsv.v, 1);
    sendMouse(field, QEvent::MouseMove, {400, 300});
    EXPECT_EQ(window->values().hsv.s, 1);
    EXPECT_EQ(window->values().hsv.v, 0);
    sendMouse(field, QEvent::MouseButtonRelease, {400, 300});
    sendMouse(field, QEvent::MouseMove, {50, 50});
    EXPECT_EQ(window->values().hsv.s, 1);
    // Moving in the field never recomputes the field, only the strip.
    EXPECT_EQ(window->images().fieldDrawCount(), fieldDraws);
    EXPECT_GT(window->images().stripDrawCount(), stripDraws);
}

TEST_F(PickerWindowTest, FieldAndStripInChannelModes)
{
    showWith(makeColor(200, 1, 2), ColorMode::Red);
    click(child("pbXY"), {10, 245});
    EXPECT_EQ(window->currentColor(), makeColor(200, 10, 10));
    EXPECT_EQ(shown("spnGreen"), 10);
    EXPECT_EQ(hexText(), "C80A0A");

    const int stripDraws = window->images().stripDrawCount();
    click(child("pbZ"), {3, 55});
    EXPECT_EQ(window->currentColor(), makeColor(200, 10, 10));
    EXPECT_EQ(window->images().stripDrawCount(), stripDraws);  // the strip's own value: field only

    child<QRadioButton>("rbBlue")->click();
    EXPECT_EQ(window->mode(), ColorMode::Blue);
    click(child("pbZ"), {3, 0});
    EXPECT_EQ(window->currentColor(), makeColor(200, 10, 255));
}

TEST_F(PickerWindowTest, StripTopInHueModeIsHueOne)
{
    showWith(makeColor(0, 128, 255), ColorMode::Hue);
    click(child("pbZ"), {16, -20});
    EXPECT_EQ(window->values().hsv.h, 1);
    EXPECT_EQ(window->currentColor(), makeColor(255, 0, 0));
    EXPECT_EQ(shown("spnHue"), 359);
}

TEST_F(PickerWindowTest, SpinBoxesLimitAndFollowEachOther)
{
    showWith(makeColor(10, 20, 30), ColorMode::Hue);
    typeInto(spin("spnRed"), "300");
    EXPECT_EQ(window->values().rgb.r, 255);
    EXPECT_EQ(shown("spnRed"), 255);
    EXPECT_EQ(hexText(), "FF141E");

    typeInto(spin("spnHue"), "");
    EXPECT_EQ(window->values().hsv.h, 0);
    EXPECT_EQ(shown("spnHue"), 0);

    // A hue set in its box survives taking the saturation to 0 ...
    typeInto(spin("spnHue"), "200");
    typeInto(spin("spnSat"), "0");
    EXPECT_EQ(shown("spnHue"), 200);
    EXPECT_EQ(window->values().rgb.r, window->values().rgb.b);
    // ... but a grey made in the channel boxes has hue 0.
    typeInto(spin("spnRed"), "90");
    typeInto(spin("spnGreen"), "90");
    typeInto(spin("spnBlue"), "90");
    EXPECT_EQ(shown("spnHue"), 0);
    EXPECT_EQ(hexText(), "5A5A5A");

    // Steps by the arrows count as changes too.
    spin("spnValue")->stepBy(-1);
    EXPECT_EQ(window->values().hsv.v, shown("spnValue") / 100.0);
}

TEST_F(PickerWindowTest, HexBoxKeepsWhatWasTyped)
{
    showWith(makeColor(1, 2, 3), ColorMode::Hue);
    QLineEdit* hex = child<QLineEdit>("edtHex");
    typeInto(hex, "FF");
    EXPECT_EQ(window->currentColor(), makeColor(0, 0, 255));
    EXPECT_EQ(hex->text(), "FF");
    EXPECT_EQ(shown("spnBlue"), 255);
    typeInto(hex, "12G4");
    EXPECT_EQ(window->currentColor(), 0u);
    EXPECT_EQ(hex->text(), "12G4");
    typeInto(hex, "1a2B3c");
    EXPECT_EQ(window->currentColor(), makeColor(0x1A, 0x2B, 0x3C));
    EXPECT_EQ(hex->text(), "1a2B3c");
    // Another change rewrites the text in full.
    typeInto(spin("spnRed"), "0");
    EXPECT_EQ(hex->text(), "002B3C");
}

TEST_F(PickerWindowTest, WebColourDoubleClick)
{
    showWith(makeColor(255, 128, 0), ColorMode::Hue);
    auto* web = child<ColorPanel>("pnlWebColor");
    EXPECT_EQ(web->color(), makeColor(255, 153, 0));
    sendMouse(web, QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(window->currentColor(), makeColor(255, 153, 0));
    EXPECT_EQ(hexText(), "FF9900");
}

TEST_F(PickerWindowTest, SwatchClicksAndSelectionFrames)
{
    showWith(makeColor(1, 2, 3), ColorMode::Hue);
    EXPECT_EQ(window->selectedBasicIndex(), 0);
    EXPECT_EQ(window->selectedCustomIndex(), 0);
    // The selection frame rings its swatch with a two-pixel margin.
    EXPECT_EQ(ColorPickerWindow::selectionFrameRect(false, 0), swatch(0)->geometry().adjusted(-2, -2, 2, 2));
    EXPECT_EQ(ColorPickerWindow::selectionFrameRect(true, 9), swatch(1009)->geometry().adjusted(-2, -2, 2, 2));

    click(swatch(25));
    EXPECT_EQ(window->currentColor(), makeColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(window->selectedBasicIndex(), 25);
    click(swatch(8), Qt::RightButton);  // right on a basic swatch: nothing
    EXPECT_EQ(window->selectedBasicIndex(), 25);
    EXPECT_EQ(window->currentColor(), makeColor(0xFF, 0x80, 0x00));

    window->setCustomColor(5, makeColor(9, 9, 9));
    click(swatch(1005), Qt::RightButton);  // selects without taking the colour
    EXPECT_EQ(window->selectedCustomIndex(), 5);
    EXPECT_EQ(window->currentColor(), makeColor(0xFF, 0x80, 0x00));
    click(swatch(1005));
    EXPECT_EQ(window->currentColor(), makeColor(9, 9, 9));

    // The frame is drawn on the window around the selected swatch.
    const QImage image = window->grab().toImage();
    const QRect frame = ColorPickerWindow::selectionFrameRect(false, 25);
    int marked = 0;
    for (int x = frame.left(); x <= frame.right(); ++x)
        marked += image.pixel(x, frame.top()) != image.pixel(x, frame.top() - 1);
    EXPECT_GT(marked, 5);
}

TEST_F(PickerWindowTest, SwatchesByKeyboard)
{
    showWith(makeColor(1, 2, 3), ColorMode::Hue);
    EXPECT_EQ(swatch(0)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(swatch(1)->focusPolicy(), Qt::NoFocus);
    pressKey(swatch(0), Qt::Key_Right);
    pressKey(swatch(1), Qt::Key_Down);
    EXPECT_EQ(window->selectedBasicIndex(), 9);
    EXPECT_EQ(window->currentColor(), makeColor(1, 2, 3));  // moving only selects
    EXPECT_EQ(swatch(9)->focusPolicy(), Qt::StrongFocus);
    EXPECT_EQ(swatch(0)->focusPolicy(), Qt::NoFocus);
    pressKey(swatch(9), Qt::Key_Space);
    EXPECT_EQ(window->currentColor(), makeColor(0xFF, 0xFF, 0x00));
    pressKey(swatch(1000), Qt::Key_Up);  // the edges hold
    pressKey(swatch(1000), Qt::Key_Left);
    EXPECT_EQ(window->selectedCustomIndex(), 0);
}

TEST_F(PickerWindowTest, DefineCustomColourFillsInOrderAndWraps)
{
    showWith(0, ColorMode::Hue);
    for (int k = 0; k < 16; ++k) {
        typeInto(spin("spnRed"), QString::number(k + 1));
        child<QPushButton>("btnDefineCustomColor")->click();
        EXPECT_EQ(window->selectedCustomIndex(), (k + 1) % 16);
    }
    for (int k = 0; k < 16; ++k) {
        EXPECT_EQ(window->customColor(k), makeColor(k + 1, 0, 0));
        EXPECT_EQ(swatch(1000 + k)->color(), makeColor(k + 1, 0, 0));
    }
}

TEST_F(PickerWindowTest, ModeSwitchRedrawsBothImagesButSetModeDoesNot)
{
    showWith(makeColor(40, 50, 60), ColorMode::Hue);
    const int fieldDraws = window->images().fieldDrawCount();
    window->setMode(ColorMode::Green);
    EXPECT_EQ(window->images().fieldDrawCount(), fieldDraws);
    child<QRadioButton>("rbGreen")->click();  // already checked by setMode: a click still redraws
    EXPECT_EQ(window->images().fieldDrawCount(), fieldDraws + 1);
    child<QRadioButton>("rbSat")->click();
    EXPECT_EQ(window->mode(), ColorMode::Sat);
    EXPECT_EQ(window->images().fieldDrawCount(), fieldDraws + 2);
    EXPECT_EQ(window->currentColor(), makeColor(40, 50, 60));

    // A change that leaves every component alone redraws neither image.
    const int stripDraws = window->images().stripDrawCount();
    window->setCustomColor(0, makeColor(40, 50, 60));
    click(swatch(1000));
    EXPECT_EQ(window->images().fieldDrawCount(), fieldDraws + 2);
    EXPECT_EQ(window->images().stripDrawCount(), stripDraws);
}

TEST_F(PickerWindowTest, ButtonsAndCloseBoxEndTheWindow)
{
    window->show();
    child<QPushButton>("btnOk")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    window->show();
    child<QPushButton>("btnCancel")->click();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    window->show();
    window->setResult(QDialog::Accepted);
    window->close();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());

    // Enter in a box chooses OK, Escape cancels.
    window->show();
    pressKey(spin("spnRed"), Qt::Key_Return);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
    window->show();
    pressKey(window.get(), Qt::Key_Escape);
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(PickerWindowTest, SystemColoursAreResolved)
{
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    window->setColor(0xFF00000F);
    EXPECT_EQ(window->currentColor(), makeColor(face.red(), face.green(), face.blue()));
    EXPECT_EQ(resolveSystemColor<QApplication>(0xFF0000FF), 0u);  // no such system colour
    EXPECT_EQ(resolveSystemColor<QApplication>(0x00C08000), 0x00C08000u);
}

TEST(PickerWindowBuffer, FailedSetUpLeavesNoWindow)
{
    ensureApplication();
    PickerImages::setPixelBufferSetUpFailsForTesting(true);
    try {
        ColorPickerWindow window;
        ADD_FAILURE() << "the window was created";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Color Picker cannot initialize off-screen buffers");
    }
    PickerImages::setPixelBufferSetUpFailsForTesting(false);
}

}  // namespace
}  // namespace nimbrel
