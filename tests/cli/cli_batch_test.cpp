// nimbrel-batch end to end: what it writes, what it says, how it ends.
#include <QPalette>
#include <cstdlib>
#include <filesystem>

#include "cli_fixture.h"
#include "image/bmp_reader.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

ButtonStyle styleWithAffixes()
{
    ButtonStyle style = firstStartStyle();
    style.prefix = "btn_";
    style.suffix = "_on";
    style.faceColor = 0x00336699;
    style.antiAliasLevel = 2;
    return style;
}

TEST_F(CliTest, CaptionListAndStyleGiveTheWindowsFiles)
{
    const ButtonStyle style = styleWithAffixes();
    const std::string styleFile = writeStyle(style);
    const std::string list = writeCaptions({"Home", "About us", "Contact"}, {"index", "about", "mail"});
    const ProcessResult r = program.run(
        {"--style", styleFile, "--captions", list, "--out", outDir(), "--format", "bmp", "Extra Page"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string base = outDir() + "/";
    EXPECT_EQ(lines(r.out),
              (std::vector<std::string>{base + "btn_index_on.bmp", base + "btn_about_on.bmp",
                                        base + "btn_mail_on.bmp", base + "btn_extra_page_on.bmp"}));
    SaveRequest bmpOnly;
    bmpOnly.saveGif = false;
    EXPECT_EQ(readWholeFile(base + "btn_about_on.bmp"), savedByWindow(style, "About us", bmpOnly));
    EXPECT_EQ(readWholeFile(base + "btn_extra_page_on.bmp"), savedByWindow(style, "Extra Page", bmpOnly));
}

// Out of the controls' ranges, system colours, a prefix longer than can be typed:
// the same files as "Open button style..." then "Create All Buttons" in the window.
TEST_F(CliTest, StyleFileIsDrawnAsTheWindowDrawsItAfterOpeningIt)
{
    ButtonStyle style = firstStartStyle();
    style.fixedWidth = style.fixedHeight = true;
    style.width = 500;
    style.height = 300;
    style.faceColor = 0xFF00000F;  // button face
    style.fontColor = 0xFF000012;  // button text
    style.antiAliasLevel = 1;
    style.prefix = std::string(45, 'p');
    const std::string styleFile = writeStyle(style);
    const std::string list = writeCaptions({"Home", "About us"}, {"index", "about"});
    const ProcessResult r =
        program.run({"--style", styleFile, "--captions", list, "--out", outDir(), "--format", "bmp"});
    ASSERT_EQ(r.status, 0) << r.err;

    TempFolder windowHome, windowOut;
    {
        ensureApplication();
        ScriptedDialogs dialogs;
        MainWindow w(dialogs, allInOneFolder(windowHome.path().string()));
        w.show();
        control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(windowOut.path().string()));
        control<QCheckBox>(w, "chkSaveGIF")->setChecked(false);
        dialogs.fileNames = {styleFile, list};
        control<QAction>(w, "cmOpenbuttonstyle")->trigger();
        control<QAction>(w, "cmReadButtonCaptions")->trigger();
        control<QPushButton>(w, "btnAll")->click();
        EXPECT_TRUE(dialogs.messages.empty());
        w.shutDown();
    }
    for (const char* name : {"index", "about"}) {
        const std::string file = style.prefix + name + ".bmp";
        EXPECT_EQ(readWholeFile(outDir() + "/" + file), readWholeFile(windowOut.file(file))) << file;
    }
    const Bgr24Image drawn = loadBmpFile(outDir() + "/" + style.prefix + "index.bmp");
    EXPECT_EQ(drawn.width(), 360);
    EXPECT_EQ(drawn.height(), 200);
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(drawn.pixel(2, 2), makeColor(face.red(), face.green(), face.blue()));
}

TEST_F(CliTest, OutputFolderIsMadeWithItsParentsAndNamesFollowTheFolderText)
{
    const std::string nested = work.file("a/b/c/");
    const ProcessResult r = program.run({"--out", nested, "--format", "gif", "Home"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, nested + "home.gif\n");
    EXPECT_TRUE(fs::is_regular_file(nested + "home.gif"));
}

TEST_F(CliTest, SettingsGiveStyleOptionsAndFolderUnlessIgnored)
{
    writeSettings(
        "[Booleans]\nchkSaveGIF=0\nchkLowercase=0\nchkUnderlined=yes\n"
        "[Integers]\nButtonColor=255\nButtonSizeWidth=500\nrgGIFCompression=0\n"
        "[Strings]\nOutputDir=" +
        work.file("fromsettings") + "\nedtPrefix=p_\n");
    ProcessResult r = program.run({"My Page"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "nimbrel-batch: warning: 'yes' is not a valid boolean value\n") << "and the rest is read";
    EXPECT_EQ(r.out, work.file("fromsettings") + "/p_My_Page.bmp\n");
    ButtonStyle expected = firstStartStyle();
    expected.faceColor = 255;
    expected.width = 360;  // the width box holds at most 360
    SaveRequest bmpOnly;
    bmpOnly.saveGif = false;
    EXPECT_EQ(readWholeFile(work.file("fromsettings") + "/p_My_Page.bmp"),
              savedByWindow(expected, "My Page", bmpOnly));

    // --no-settings: first-start values, the default folder in the application folder.
    r = program.run({"--no-settings", "My Page"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string defaults = home.path().string() + "/Output/";
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{defaults + "my_page.bmp", defaults + "my_page.gif"}));
    EXPECT_EQ(readWholeFile(defaults + "my_page.bmp"), savedByWindow(firstStartStyle(), "My Page", bmpOnly));
}

TEST_F(CliTest, ApplicationFolderComesFromNimbrelHome)
{
    TempFolder otherHome;
    writeText(otherHome.file("Nimbrel.ini"), "[Strings]\nedtSuffix=_x\n");
    BatchProgram elsewhere(otherHome.path().string(), scratch.path().string());
    const ProcessResult r = elsewhere.run({"--format", "bmp", "Home"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, otherHome.path().string() + "/Output/home_x.bmp\n");
    EXPECT_TRUE(filesIn(home.path().string()).empty());  // the other home was not touched
}

TEST_F(CliTest, MissingOrBadInputsNameTheFileTheKeyAndTheReason)
{
    ProcessResult r = program.run({"--style", workFile("missing.ini"), "--out", outDir(), "Home"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.rfind("nimbrel-batch: Cannot open file \"" + workFile("missing.ini") + "\"", 0), 0u)
        << r.err;
    EXPECT_FALSE(fs::exists(outDir()));

    r = program.run({"--captions", workFile("missing.txt"), "--out", outDir()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.txt"), std::string::npos) << r.err;

    writeText(workFile("bad.txt"), "count=abc\r\ncaption0=x\r\n");
    ButtonStyle style = firstStartStyle();
    const std::string badWidth = writeStyle(style, "site.ini");
    writeText(badWidth, "width=abc\r\n" + fileText(badWidth));
    std::string noImport = fileText(writeStyle(style, "old.ini"));
    noImport.replace(noImport.find("importBMP="), 10, "importBMQ=");
    writeText(workFile("old.ini"), noImport);
    const std::vector<ProcessResult> results = program.runAll({
        {"--captions", workFile("bad.txt"), "--out", outDir()},
        {"--style", badWidth, "--out", outDir(), "x"},
        {"--style", workFile("old.ini"), "--out", outDir(), "x"},
    });
    EXPECT_EQ(results[0].err, "nimbrel-batch: " + workFile("bad.txt") + ": count: 'abc' is not a number\n");
    EXPECT_EQ(results[1].err, "nimbrel-batch: " + badWidth + ": width: 'abc' is not a number\n");
    EXPECT_EQ(results[2].err, "nimbrel-batch: " + workFile("old.ini") + ": importBMP: missing\n");
    for (const ProcessResult& result : results) EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(fs::exists(outDir()));
}

TEST_F(CliTest, CaptionListFromStandardInput)
{
    const std::string list = writeCaptions({"Home", "About"}, {"index", "about"});
    writeText(workFile("bad.txt"), "count=x\r\n\r\n");
    // Through a shell, so the list arrives on a pipe as it would from another program.
    auto piped = [&](const std::string& file) {
        return std::vector<std::string>{"-c", "cat \"$1\" | \"$0\" --captions - --format bmp --out \"$2\"",
                                        NIMBREL_BATCH_EXE, file, outDir()};
    };
    const std::vector<ProcessResult> results =
        runChildren("/bin/sh", {piped(list), piped(workFile("bad.txt"))},
                    {{"NIMBREL_HOME", home.path().string()}}, scratch.path().string(), 2);
    EXPECT_EQ(results[0].status, 0) << results[0].err;
    EXPECT_EQ(lines(results[0].out), (std::vector<std::string>{outDir() + "/index.bmp", outDir() + "/about.bmp"}));
    EXPECT_EQ(results[1].status, 1);
    EXPECT_EQ(results[1].err, "nimbrel-batch: standard input: count: 'x' is not a number\n");
}

TEST_F(CliTest, ImportedBitmapThatIsNotABmpStopsTheRun)
{
    writeText(workFile("fake.bmp"), "GIF89a this is not a bitmap");
    ButtonStyle style = firstStartStyle();
    style.backgroundBitmapsOn = true;
    style.setBitmapEnabled(1, true);
    style.setBitmapFileName(1, workFile("fake.bmp"));
    const ProcessResult r = program.run({"--style", writeStyle(style), "--out", outDir(), "Home", "About"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "nimbrel-batch: Bitmap image is not valid\n");
    EXPECT_EQ(r.out, "");
    EXPECT_TRUE(filesIn(outDir()).empty());
}

TEST_F(CliTest, FailingEntryEndsTheRunAndKeepsEarlierFiles)
{
    const std::string list = writeCaptions({"One", "Two", "Three"}, {"one", "no/such/folder/two", "three"});
    const ProcessResult r = program.run({"--captions", list, "--out", outDir(), "--format", "both"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lines(r.out), (std::vector<std::string>{outDir() + "/one.bmp", outDir() + "/one.gif"}));
    EXPECT_EQ(r.err.rfind("nimbrel-batch: Cannot create file \"" + outDir() + "/no/such/folder/two.bmp\"", 0),
              0u)
        << r.err;
    EXPECT_EQ(filesIn(outDir()), (std::vector<std::string>{"one.bmp", "one.gif"}));
}

TEST_F(CliTest, OutputFolderThatCannotBeMadeIsAFailure)
{
    writeText(workFile("plain"), "a file");
    const ProcessResult r = program.run({"--out", workFile("plain/out"), "Home"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "nimbrel-batch: Cannot create folder \"" + workFile("plain/out") +
                         "\". Nimbrel will not save the image\n");
}

TEST_F(CliTest, CheckReportsClippedCaptionsAndDuplicateNamesAndWritesNothing)
{
    ButtonStyle style = firstStartStyle();
    style.fixedWidth = true;
    style.width = 40;
    const std::string list = writeCaptions({"OK", "A caption far too long", "Again"}, {"ok", "long", "ok"});
    ProcessResult r =
        program.run({"--check", "--style", writeStyle(style), "--captions", list, "--out", outDir()});
    EXPECT_EQ(r.status, 1);
    const std::vector<std::string> found = lines(r.out);
    ASSERT_EQ(found.size(), 2u) << r.out;
    EXPECT_EQ(found[0], "entry 3 \"Again\" writes the same file as entry 1: " + outDir() + "/ok.bmp");
    EXPECT_EQ(found[1].rfind("entry 2 \"A caption far too long\" is ", 0), 0u) << found[1];
    EXPECT_NE(found[1].find("the button 40: the caption is clipped"), std::string::npos) << found[1];
    EXPECT_FALSE(fs::exists(outDir()));

    // Without --check the same findings are warnings; -q silences them.
    r = program.run({"--style", writeStyle(style), "--captions", list, "--out", outDir(), "--format", "bmp"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(lines(r.err).size(), 2u) << r.err;
    EXPECT_EQ(r.err.rfind("nimbrel-batch: warning: entry 3", 0), 0u) << r.err;
    r = program.run(
        {"-q", "--style", writeStyle(style), "--captions", list, "--out", outDir(), "--format", "bmp"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(lines(r.out).size(), 3u);
}

TEST_F(CliTest, CheckReportsMissingBitmapsAndFacesNotInstalled)
{
    ButtonStyle style = firstStartStyle();
    style.backgroundBitmapsOn = true;
    style.setBitmapEnabled(2, true);
    style.setBitmapFileName(2, workFile("gone.bmp"));
    style.fontName = "Nimbrel No Such Face";
    ProcessResult r = program.run({"--check", "--style", writeStyle(style), "--out", outDir(), "Home"});
    EXPECT_EQ(r.status, 1);
    const std::vector<std::string> found = lines(r.out);
    ASSERT_EQ(found.size(), 2u) << r.out;
    EXPECT_EQ(found[0].rfind("font \"Nimbrel No Such Face\" is not installed: \"", 0), 0u) << found[0];
    EXPECT_EQ(found[1], "background bitmap 2 \"" + workFile("gone.bmp") + "\" is missing: it is left out");

    // Arial drawn by its metric twin is fine, and so is a clean set.
    r = program.run({"--check", "--no-settings", "--out", outDir(), "Home", "About"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fs::exists(outDir()));
}

}  // namespace
}  // namespace nimbrel::test
