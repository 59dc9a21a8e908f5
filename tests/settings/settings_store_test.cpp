#include "settings/settings_store.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "base/error.h"
#include "base/file_io.h"
#include "support/temp_folder.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

using test::errorOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

class SettingsStoreTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.file("settings.ini");
    std::vector<std::string> messages;
    SettingsStore store = makeStore();

    SettingsStore makeStore()
    {
        SettingsStore s(path);
        s.add(SettingType::Boolean, "chkA", "0");
        s.add(SettingType::Boolean, "chkB", "1");
        s.add(SettingType::Integer, "Width", "16");
        s.add(SettingType::Integer, "Color", "$00C08000");
        s.add(SettingType::Integer, "Zoom", "1");
        s.add(SettingType::String, "FontName", "Arial");
        s.add(SettingType::String, "Dir", "");
        s.onMessage = [this](const std::string& m) { messages.push_back(m); };
        return s;
    }

    void loadFrom(const std::string& text)
    {
        test::writeBytes(path, text);
        store.loadAll();
    }
};

TEST_F(SettingsStoreTest, AMissingFileKeepsTheDefaultsAndSavingWritesEverySectionInListOrder)
{
    store.loadAll();
    EXPECT_THAT(store.lines(SettingType::Integer), ElementsAre("Width=16", "Color=12615680", "Zoom=1"));
    EXPECT_THAT(store.lines(SettingType::String), ElementsAre("FontName=Arial", "Dir="));
    store.saveAll();
    EXPECT_EQ(test::readBytes(path),
              "[Booleans]\nchkA=0\nchkB=1\n\n[Integers]\nWidth=16\nColor=12615680\nZoom=1\n\n"
              "[Strings]\nFontName=Arial\nDir=\n");
    EXPECT_TRUE(messages.empty());
}

TEST_F(SettingsStoreTest, HexadecimalDefaultsAreSavedAsDecimalEvenWithoutALoad)
{
    store.saveAll();
    EXPECT_THAT(test::readBytes(path), HasSubstr("\nColor=12615680\n"));
}

TEST_F(SettingsStoreTest, StoredBooleansLoadAsOneOrZero)
{
    loadFrom("[booleans]\nCHKA=True\nchkB=-1\n");
    EXPECT_THAT(store.lines(SettingType::Boolean), ElementsAre("chkA=1", "chkB=1"));
    loadFrom("[Booleans]\nchkA=false\nchkB=0\n");
    EXPECT_FALSE(store.boolean("chkA"));
    EXPECT_FALSE(store.boolean("CHKB"));
    store.saveAll();
    EXPECT_THAT(test::readBytes(path), HasSubstr("[Booleans]\nchkA=0\nchkB=0\n"));
}

TEST_F(SettingsStoreTest, ABadIntegerIsReportedAndKeepsItsDefault)
{
    loadFrom("[Integers]\nWidth=12abc\nColor=$FF\nZoom=4294967297\n");
    EXPECT_THAT(messages, ElementsAre("Error reading Integer value \"Integers\\Width\". Value = \"12abc\". "
                                      "Value set to 16"));
    EXPECT_EQ(store.integer("Width"), 16);
    EXPECT_EQ(store.integer("Color"), 255);
    EXPECT_EQ(store.integer("Zoom"), 1) << "only the low 32 bits are kept";
    loadFrom("[Integers]\nWidth=-1\nColor=$FFFFFFFF\nZoom=2147483648\n");
    EXPECT_THAT(store.lines(SettingType::Integer), ElementsAre("Width=-1", "Color=-1", "Zoom=-2147483648"));
}

TEST_F(SettingsStoreTest, EmptyStoredValuesCountAsNotStored)
{
    store.setText("FontName", "Courier");
    loadFrom("[Booleans]\nchkB=\n[Integers]\nWidth=\n[Strings]\nFontName=\n");
    EXPECT_TRUE(store.boolean("chkB"));
    EXPECT_EQ(store.integer("Width"), 16);
    EXPECT_EQ(store.text("FontName"), "Courier");

    store.setText("FontName", "");
    EXPECT_EQ(store.text("FontName"), "");
    store.saveAll();
    EXPECT_THAT(test::readBytes(path), HasSubstr("\nFontName=\n"));
    SettingsStore next = makeStore();
    next.loadAll();
    EXPECT_EQ(next.text("FontName"), "Arial");
}

TEST_F(SettingsStoreTest, LinesAndSectionsItDoesNotKnowAreKept)
{
    const std::string before =
        "; written by hand\n[Other]\nkey=value\n\n[Integers]\n Zoom = 3\nUnknown=7\n\n[Strings]\nDir=/data\n";
    loadFrom(before);
    EXPECT_EQ(store.integer("Zoom"), 3);
    EXPECT_EQ(store.text("Dir"), "/data");
    store.setInteger("Zoom", 5);
    store.saveAll();
    EXPECT_EQ(test::readBytes(path),
              "; written by hand\n[Other]\nkey=value\n\n[Integers]\nZoom=5\nUnknown=7\nWidth=16\n"
              "Color=12615680\n\n[Strings]\nDir=/data\nFontName=Arial\n\n[Booleans]\nchkA=0\nchkB=1\n");
}

TEST_F(SettingsStoreTest, FilesOfTheWindowsVersionLoadAndLongValuesAreCut)
{
    loadFrom("[Strings]\r\nFontName=Caf\xE9\r\nDir=C:\\Temp\r\n[Integers]\r\nWidth=20\r\n");
    EXPECT_EQ(store.text("FontName"), "Caf\xC3\xA9");
    EXPECT_EQ(store.text("Dir"), "C:\\Temp");
    EXPECT_EQ(store.integer("Width"), 20);

    std::string longText;
    for (int i = 0; i < 2100; ++i) longText += "\xC3\xA9";  // two bytes, one character
    loadFrom("[Strings]\nFontName=" + longText + "\n");
    EXPECT_EQ(store.text("FontName"), longText.substr(0, 2 * 2047));
}

TEST_F(SettingsStoreTest, NamedAccessAndItsErrors)
{
    store.setBoolean("CHKA", true);
    EXPECT_TRUE(store.boolean("chka"));
    store.setInteger("width", 9000000000LL);
    EXPECT_EQ(store.integer("Width"), 9000000000LL);
    EXPECT_EQ(store.integer("Color"), 0x00C08000);
    store.setText("Dir", "/x=y");
    EXPECT_EQ(store.text("dir"), "/x=y");

    EXPECT_EQ(errorOf([&] { store.boolean("nope"); }), "Boolean Field \"nope\" not found");
    EXPECT_EQ(errorOf([&] { store.setInteger("nope", 1); }), "Integer Field \"nope\" not found");
    EXPECT_EQ(errorOf([&] { store.text("Width"); }), "String Field \"Width\" not found");
    store.add(SettingType::Integer, "Broken", "1x");
    EXPECT_EQ(errorOf([&] { store.integer("Broken"); }),
              "Error in conversion of integer \"Broken\", Value = \"1x\"");
    EXPECT_EQ(errorOf([&] { store.saveAll(); }), "Error in conversion of integer[3], Value = \"1x\"");
    EXPECT_THAT(test::readBytes(path), HasSubstr("chkA=1")) << "what was saved before the error is kept";
}

TEST_F(SettingsStoreTest, FloatsByPosition)
{
    store.add(SettingType::Float, "Gamma", "2.2");
    store.add(SettingType::Float, "Scale", "1e3");
    loadFrom("[Floats]\nGamma=1,8\nScale=0.5\n");
    EXPECT_THAT(
        messages,
        ElementsAre("Error reading Float value \"Floats\\Gamma\". Value = \"1,8\". Value set to 2.2"));
    EXPECT_EQ(store.floatValue(0), 2.2);
    EXPECT_EQ(store.floatValue(1), 0.5);
    store.setFloatValue(0, 0.1);
    store.saveAll();
    EXPECT_THAT(test::readBytes(path), HasSubstr("[Floats]\nGamma=0.1\nScale=0.5\n"));
    store.add(SettingType::Float, "Broken", "x");
    EXPECT_EQ(errorOf([&] { store.floatValue(2); }), "Error in conversion of float[2], Value = \"x\"");
    EXPECT_THROW(store.floatValue(3), Error);
}

TEST_F(SettingsStoreTest, SectionPrefixAppliesToEverySection)
{
    store = SettingsStore(path, {}, "Main");
    store.add(SettingType::Integer, "Width", "16");
    store.add(SettingType::Integer, "Zoom", "1");
    store.onMessage = [this](const std::string& m) { messages.push_back(m); };
    loadFrom("[Main\\Integers]\nWidth=oops\nZoom=2\n[Integers]\nZoom=3\n");
    EXPECT_EQ(store.integer("Zoom"), 2);
    EXPECT_THAT(messages, ElementsAre(HasSubstr("\"Integers\\Width\"")));
    store.writeWindowPlacement("frmMain", {1, 2, 3, 4, 0});
    EXPECT_THAT(test::readBytes(path), HasSubstr("[Main\\frmMain]\nLeft=1\n"));
}

TEST_F(SettingsStoreTest, WritesThatFailLeaveTheOldFileWhole)
{
    store.saveAll();
    const std::string before = test::readBytes(path);
    store.setInteger("Width", 77);
    setWriteFailureAfterBytesForTesting(10);
    const std::string error = errorOf([&] { store.saveAll(); });
    setWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(error, "Unable to write to " + path);
    EXPECT_EQ(test::readBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "no temporary file left";

    const std::string missing = folder.file("no/such/folder.ini");
    SettingsStore nowhere(missing);
    EXPECT_EQ(errorOf([&] { nowhere.saveAll(); }), "Unable to write to " + missing);
    EXPECT_EQ(errorOf([&] { nowhere.writeWindowPlacement("frmMain", {}); }), "Unable to write to " + missing);
}

TEST_F(SettingsStoreTest, TheFileLiesInTheApplicationFolderByDefault)
{
    SettingsStore inApp("app.ini", allInOneFolder(folder.path().string()));
    EXPECT_EQ(inApp.settingsFilePath(), folder.file("app.ini"));
    inApp.saveAll();
    EXPECT_TRUE(std::filesystem::exists(folder.file("app.ini")));
    SettingsStore noFile;
    EXPECT_EQ(noFile.settingsFilePath(), "");
    EXPECT_NO_THROW(noFile.saveAll());
}

struct RecordingWindow : WindowPlacementTarget {
    std::vector<std::string> calls;
    void setWindowState(std::int32_t state) override { calls.push_back("state " + std::to_string(state)); }
    void setNormalBounds(const WindowPlacement& p) override
    {
        auto text = [](const std::optional<std::int32_t>& v) { return v ? std::to_string(*v) : "-"; };
        calls.push_back("bounds " + text(p.left) + "," + text(p.top) + "," + text(p.width) + "," +
                        text(p.height));
    }
};

TEST_F(SettingsStoreTest, WindowPlacementRoundTripAndRestoreOrder)
{
    EXPECT_FALSE(store.readWindowPlacement("frmMain").left.has_value());

    store.writeWindowPlacement("frmMain", {-8, 20, 640, 480, 2});
    EXPECT_EQ(test::readBytes(path), "[frmMain]\nLeft=-8\nTop=20\nWidth=640\nHeight=480\nWinState=2\n");
    RecordingWindow maximized;
    restoreWindowPlacement(store.readWindowPlacement("frmMain"), maximized);
    EXPECT_THAT(maximized.calls, ElementsAre("bounds -8,20,640,480", "state 2"));

    test::writeBytes(path, "[frmMain]\nLeft=5\nWidth=300\nWinState=0\n");
    RecordingWindow normal;
    restoreWindowPlacement(store.readWindowPlacement("frmMain"), normal);
    EXPECT_THAT(normal.calls, ElementsAre("state 0", "bounds 5,-,300,-"));

    test::writeBytes(path, "[frmMain]\nLeft=5\nTop=bad\nHeight=33554431\n");
    RecordingWindow noState;
    restoreWindowPlacement(store.readWindowPlacement("frmMain"), noState);
    EXPECT_THAT(noState.calls, ElementsAre("bounds 5,-,-,-"));
    EXPECT_THAT(messages, ElementsAre("Error reading Integer value \"frmMain\\Top\". Value = \"bad\". "
                                      "Value set to 33554431"));
}

}  // namespace
}  // namespace nimbrel
