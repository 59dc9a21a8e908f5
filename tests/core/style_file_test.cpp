#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/app_folder.h"
#include "core/button_style.h"
#include "core/style_file.h"
#include "settings/style_from_settings.h"
#include "support/temp_folder.h"
#include "base/error.h"
#include "base/file_io.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

using ::testing::HasSubstr;

class StyleFile : public ::testing::Test {
protected:
    test::TempFolder app;
    std::string appFolder = app.path().string() + "/";

    // Loads `text` as a style file into `style` and returns the error text, if any.
    std::string load(const std::string& text, ButtonStyle& style)
    {
        test::writeBytes(app.file("style.ini"), text);
        try {
            EXPECT_TRUE(style.loadFromFile(app.file("style.ini"), appFolder));
        } catch (const Error& e) {
            return e.what();
        }
        return {};
    }

    // The first-start style's file with one line replaced or dropped (empty replacement).
    static std::string firstStartFileWith(const std::string& key, const std::string& replacement)
    {
        std::string text;
        for (const std::string& line : styleFileLines(firstStartStyle(), "/"))
            if (line.compare(0, key.size() + 1, key + "=") != 0)
                text += line + "\r\n";
            else if (!replacement.empty())
                text += replacement + "\r\n";
        return text;
    }
};

TEST_F(StyleFile, FirstStartStyleIsWrittenAsThirtySevenLinesInOrderWithCrLf)
{
    ASSERT_TRUE(firstStartStyle().saveToFile(app.file("first.ini"), appFolder));
    EXPECT_EQ(
        test::readBytes(app.file("first.ini")),
        "width=16\r\nheight=32\r\nfixedWidth=False\r\nfixedHeight=True\r\ncolorBack=12615680\r\n"
        "colorBorderLeft=8404992\r\ncolorBorderRight=8404992\r\ncolorBorderTop=8404992\r\n"
        "colorBorderBottom=8404992\r\nborderLeft=1\r\nborderRight=1\r\nborderTop=1\r\nborderBottom=1\r\n"
        "fontName=Arial\r\nfontSize=8\r\nfontStyle=0\r\nfontUnderline=False\r\nfontAntiAlias=0\r\n"
        "fontColor=16777215\r\ntextAlign=0\r\nminorX=0\r\nminorY=0\r\nimportBMP=False\r\n"
        "BMPfilename1=\r\nBMPEnabled1=False\r\nBMPAlign1=0\r\nBMPfilename2=\r\nBMPEnabled2=False\r\n"
        "BMPAlign2=1\r\nBMPfilename3=\r\nBMPEnabled3=False\r\nBMPAlign3=2\r\nBMPfilename4=\r\n"
        "BMPEnabled4=False\r\nBMPAlign4=3\r\nprefix=\r\nsuffix=\r\n");
}

TEST_F(StyleFile, EveryFieldSurvivesARoundTrip)
{
    ButtonStyle s;
    s.width = -5;
    s.height = 2147483647;
    s.fixedWidth = true;
    s.faceColor = 0xFF00000F;  // a system colour: written as a negative number
    s.colorBorderLeft = 1;
    s.colorBorderRight = 2;
    s.colorBorderTop = 3;
    s.colorBorderBottom = 0x00FFFFFF;
    s.borderLeft = 0;
    s.borderRight = -1;
    s.borderTop = 7;
    s.borderBottom = 2000000000;
    s.fontName = "DejaVu Sans = Condensed";
    s.fontSize = -12;
    s.fontStyle = 3;
    s.fontUnderline = true;
    s.antiAliasLevel = 2;
    s.fontColor = 0x123456;
    s.textAlign = 7;
    s.captionOffsetX = -3;
    s.captionOffsetY = 4;
    s.backgroundBitmapsOn = true;
    s.setBitmapFileName(1, appFolder + "Art/a b.bmp");
    s.setBitmapFileName(2, "/srv/shared/b.bmp");
    s.setBitmapFileName(3, "\"/quoted/c.bmp\"");
    s.setBitmapEnabled(2, true);
    s.setBitmapEnabled(4, true);
    for (int i = 1; i <= 4; ++i) s.setBitmapAlign(i, 8 - i);
    s.prefix = "  Caf\xC3\xA9-";
    s.suffix = "_\xE2\x82\xAC ";

    ASSERT_TRUE(s.saveToFile(app.file("all.ini"), appFolder));
    const std::string text = test::readBytes(app.file("all.ini"));
    EXPECT_THAT(text, HasSubstr("\r\ncolorBack=-16777201\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\nBMPfilename1=./Art/a b.bmp\r\n"));
    EXPECT_THAT(text, HasSubstr("\r\nBMPfilename2=/srv/shared/b.bmp\r\n"));

    ButtonStyle back;
    ASSERT_EQ(load(text, back), "");
    EXPECT_EQ(back, s);
}

TEST_F(StyleFile, FilesOfTheWindowsVersionLoad)
{
    ButtonStyle style;
    const std::string text = firstStartFileWith("BMPfilename1", "BMPfilename1=.\\Art\\Sub\\a.bmp");
    std::string windows = text;
    windows.replace(windows.find("prefix=\r\n"), 9, "prefix=Caf\xE9\r\n");
    ASSERT_EQ(load(windows, style), "");
    EXPECT_EQ(style.bitmapFileName(1), appFolder + "Art/Sub/a.bmp");
    EXPECT_EQ(style.prefix, "Caf\xC3\xA9");
    EXPECT_EQ(style.fontName, "Arial");
}

TEST_F(StyleFile, OlderSingleBitmapLayout)
{
    // Numbered bitmap lines and fontAntiAlias are not read in this layout.
    std::string text = firstStartFileWith("fontAntiAlias", "fontAntiAlias=3");
    text = text.substr(0, text.find("BMPfilename1=")) +
           "bmpFILENAME=.\\old.bmp\r\nBMPEnabled2=True\r\nprefix=p\r\n";
    ButtonStyle style = firstStartStyle();
    style.antiAliasLevel = 2;
    style.setBitmapFileName(3, "stale");
    ASSERT_EQ(load(text, style), "");
    EXPECT_EQ(style.antiAliasLevel, 0);
    EXPECT_EQ(style.bitmapFileName(1), appFolder + "old.bmp");
    EXPECT_TRUE(style.bitmapEnabled(1));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(style.bitmapAlign(i), i - 1);
        if (i > 1) {
            EXPECT_EQ(style.bitmapFileName(i), "");
            EXPECT_FALSE(style.bitmapEnabled(i));
        }
    }
    EXPECT_EQ(style.prefix, "p");
    EXPECT_EQ(style.suffix, "");
}

TEST_F(StyleFile, MissingNumbersAndBooleansFailWithAnEmptyValueInTheMessage)
{
    ButtonStyle style;
    EXPECT_EQ(load(firstStartFileWith("BMPEnabled1", ""), style), "'' is not a valid boolean value");
    EXPECT_EQ(load(firstStartFileWith("fontAntiAlias", ""), style), "'' is not a valid integer value");
    // Missing texts are simply empty.
    EXPECT_EQ(load(firstStartFileWith("fontName", ""), style), "");
    EXPECT_EQ(style.fontName, "");
}

TEST_F(StyleFile, AFailedReadKeepsTheFieldsAfterTheBadValue)
{
    ButtonStyle style;
    style.fontStyle = 99;
    std::string text = firstStartFileWith("fontSize", "fontSize=12abc");
    EXPECT_EQ(load(text, style), "'12abc' is not a valid integer value");
    EXPECT_EQ(style.width, 16);
    EXPECT_EQ(style.fontName, "Arial");
    EXPECT_EQ(style.fontStyle, 99);
}

TEST_F(StyleFile, KeysIgnoreCaseFirstLineWinsAndNumbersMayHaveBlanksBefore)
{
    ButtonStyle style;
    const std::string text = firstStartFileWith("height", "height=   45");
    ASSERT_EQ(load("WIDTH=20\n" + text, style), "");
    EXPECT_EQ(style.width, 20);
    EXPECT_EQ(style.height, 45);

    // A key with blanks around it is another key: the later "width" line counts.
    ASSERT_EQ(load(" width=5\rwidth =6\r" + text, style), "");
    EXPECT_EQ(style.width, 16);

    EXPECT_EQ(load(firstStartFileWith("height", "height=45 "), style), "'45 ' is not a valid integer value");
    EXPECT_EQ(load(firstStartFileWith("fixedWidth", "fixedWidth=yes"), style),
              "'yes' is not a valid boolean value");
    ASSERT_EQ(load(firstStartFileWith("fixedWidth", "FixedWidth=-1"), style), "");
    EXPECT_TRUE(style.fixedWidth);
}

TEST_F(StyleFile, LineBreaksInsideTextsCannotForgeOtherKeys)
{
    ButtonStyle s = firstStartStyle();
    s.setBitmapFileName(2, "/a.bmp\r\nBMPFilename=/forged.bmp");
    s.prefix = "x\ny";
    ASSERT_TRUE(s.saveToFile(app.file("breaks.ini"), appFolder));
    ButtonStyle back;
    ASSERT_EQ(load(test::readBytes(app.file("breaks.ini")), back), "");
    EXPECT_EQ(back.bitmapFileName(2), "/a.bmp  BMPFilename=/forged.bmp");
    EXPECT_EQ(back.bitmapFileName(1), "");
    EXPECT_EQ(back.prefix, "x y");
}

TEST_F(StyleFile, UnreadableAndUnwritableFiles)
{
    ButtonStyle style;
    EXPECT_THAT(test::errorOf([&] { style.loadFromFile(app.file("missing.ini"), appFolder); }),
                HasSubstr("Cannot open file"));
    EXPECT_FALSE(firstStartStyle().saveToFile(app.file("no/such/folder/a.ini"), appFolder));
}

TEST_F(StyleFile, AFailedWriteLeavesTheOldFileWhole)
{
    const std::string path = app.file("keep.ini");
    ASSERT_TRUE(firstStartStyle().saveToFile(path, appFolder));
    const std::string before = test::readBytes(path);

    ButtonStyle changed = firstStartStyle();
    changed.fontName = "Something Else";
    setWriteFailureAfterBytesForTesting(100);
    const bool saved = changed.saveToFile(path, appFolder);
    setWriteFailureAfterBytesForTesting(-1);
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::readBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(app.path()), {}), 1)
        << "no temporary file left";
}

}  // namespace
}  // namespace nimbrel
