#include "base/app_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "support/text_test_support.h"

namespace nimbrel {
namespace {

namespace fs = std::filesystem;

TEST(AppRelativeNames, NamesInsideTheFolderBecomeDotSlashNames)
{
    const std::string folder = "/opt/Tools/";
    EXPECT_EQ(relativeToFolder(folder, "/opt/Tools/Art/a.bmp"), "./Art/a.bmp");
    EXPECT_EQ(relativeToFolder(folder, "/opt/Tools/"), "./");
    EXPECT_EQ(relativeToFolder(folder, "/opt/Tools"), "/opt/Tools");
    EXPECT_EQ(relativeToFolder(folder, "/opt/ToolsX/a.bmp"), "/opt/ToolsX/a.bmp");
    EXPECT_EQ(relativeToFolder(folder, "/srv/a.bmp"), "/srv/a.bmp");
    EXPECT_EQ(relativeToFolder(folder, ""), "");
    // Folders that differ only in letter case are different folders.
    EXPECT_EQ(relativeToFolder(folder, "/opt/tools/Art/a.bmp"), "/opt/tools/Art/a.bmp");
}

TEST(AppRelativeNames, DotNamesOfBothSystemsComeBackUnderTheFolder)
{
    const std::string folder = "/opt/Tools/";
    EXPECT_EQ(absoluteFromFolder(folder, "./Art/a.bmp"), "/opt/Tools/Art/a.bmp");
    EXPECT_EQ(absoluteFromFolder(folder, "./"), "/opt/Tools/");
    EXPECT_EQ(absoluteFromFolder(folder, ".\\Art\\Sub\\a.bmp"), "/opt/Tools/Art/Sub/a.bmp");
    // A backslash is an ordinary character of a Linux name we wrote ourselves.
    EXPECT_EQ(absoluteFromFolder(folder, "./odd\\name.bmp"), "/opt/Tools/odd\\name.bmp");
    for (const char* unchanged : {"../a.bmp", ".a.bmp", ".", "", "/srv/a.bmp", "a.bmp", "C:\\a.bmp"})
        EXPECT_EQ(absoluteFromFolder(folder, unchanged), unchanged);
    EXPECT_EQ(absoluteFromFolder(folder, relativeToFolder(folder, "/opt/Tools/x/y.bmp")),
              "/opt/Tools/x/y.bmp");
}

AppFolderInputs inputs(const std::string& exe, const std::string& home, const std::string& nimbrelHome = "")
{
    return {exe, nimbrelHome, XdgInputs{home, "", "", ""}};
}

TEST(AppFolderRule, BuildAndPortableCopiesKeepEverythingBesideTheExecutable)
{
    test::TempFolder temp;
    const std::string exe = temp.file("portable");
    fs::create_directory(exe);
    const AppFolders beside = chooseAppFolders(inputs(exe, temp.file("user")));
    EXPECT_EQ(beside.config, exe + "/");
    EXPECT_EQ(beside.data, exe + "/");
    EXPECT_EQ(beside.output, exe + "/Output");
    EXPECT_EQ(beside.previousConfig, "");

    // NIMBREL_HOME holds everything, installed or not.
    fs::create_directories(temp.file("share/nimbrel"));
    const AppFolders home = chooseAppFolders(inputs(temp.file("bin"), temp.file("user"), temp.file("mine")));
    EXPECT_EQ(home.config, temp.file("mine/"));
    EXPECT_EQ(home.data, temp.file("mine/"));
    EXPECT_EQ(home.output, temp.file("mine/Output"));
}

TEST(AppFolderRule, AnInstalledCopyFollowsTheXdgFoldersEvenWhenItsFolderIsWritable)
{
    test::TempFolder temp;
    fs::create_directories(temp.file("prefix/bin"));
    fs::create_directories(temp.file("prefix/share/nimbrel/styles"));
    const std::string user = temp.file("user");
    const AppFolders installed = chooseAppFolders(inputs(temp.file("prefix/bin"), user));
    EXPECT_EQ(installed.config, user + "/.config/nimbrel/");
    EXPECT_EQ(installed.data, user + "/.local/share/nimbrel/");
    EXPECT_EQ(installed.output, user + "/Pictures/Nimbrel");
    EXPECT_EQ(installed.previousConfig, temp.file("prefix/bin/"));
    EXPECT_EQ(installed.exampleStyles, temp.file("prefix/bin/../share/nimbrel/styles/"));
    EXPECT_FALSE(fs::exists(user)) << "choosing touches no folder";

    AppFolderInputs xdg = inputs(temp.file("prefix/bin"), user);
    xdg.xdg = {user, temp.file("cfg"), temp.file("data"), ""};
    const AppFolders moved = chooseAppFolders(xdg);
    EXPECT_EQ(moved.config, temp.file("cfg/nimbrel/"));
    EXPECT_EQ(moved.data, temp.file("data/nimbrel/"));
    // Relative XDG values are ignored, as the convention asks.
    xdg.xdg = {user, "cfg", "data", "pics"};
    EXPECT_EQ(chooseAppFolders(xdg).config, user + "/.config/nimbrel/");
    EXPECT_EQ(chooseAppFolders(xdg).output, user + "/Pictures/Nimbrel");

    // A copy among the system's programs, or in a folder it cannot write, is treated the same.
    EXPECT_EQ(chooseAppFolders(inputs("/usr/bin", user)).config, user + "/.config/nimbrel/");
    EXPECT_EQ(chooseAppFolders(inputs(temp.file("missing"), user)).data, user + "/.local/share/nimbrel/");
}

TEST(AppFolderRule, PicturesFolderComesFromTheUserDirsFile)
{
    EXPECT_EQ(picturesDirFromUserDirs("# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                      "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n",
                                      "/home/ann"),
              "/home/ann/Bilder/");
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"/srv/pics\"\r\n", "/home/ann"), "/srv/pics/");
    EXPECT_EQ(picturesDirFromUserDirs("XDG_PICTURES_DIR=\"relative\"\n", "/home/ann"), "");
    EXPECT_EQ(picturesDirFromUserDirs("", "/home/ann"), "");

    test::TempFolder temp;
    fs::create_directories(temp.file("cfg"));
    test::writeBytes(temp.file("cfg/user-dirs.dirs"), "XDG_PICTURES_DIR=\"$HOME/Fotos\"\n");
    EXPECT_EQ(xdgPicturesDir({temp.file("user"), temp.file("cfg"), "", ""}), temp.file("user/Fotos/"));
    EXPECT_EQ(xdgPicturesDir({temp.file("user"), temp.file("cfg"), "", "/elsewhere"}), "/elsewhere/");
}

TEST(AppFolderRule, ASettingsFileInThePreviousPlaceIsReadUntilTheNewOneExists)
{
    test::TempFolder temp;
    AppFolders folders;
    folders.config = temp.file("config/");
    folders.previousConfig = temp.file("bin/");
    fs::create_directories(temp.file("config"));
    fs::create_directories(temp.file("bin"));
    EXPECT_EQ(configFileToRead(folders, "Nimbrel.ini"), temp.file("config/Nimbrel.ini"));
    test::writeBytes(temp.file("bin/Nimbrel.ini"), "[Strings]\n");
    EXPECT_EQ(configFileToRead(folders, "Nimbrel.ini"), temp.file("bin/Nimbrel.ini"));
    test::writeBytes(temp.file("config/Nimbrel.ini"), "[Strings]\n");
    EXPECT_EQ(configFileToRead(folders, "Nimbrel.ini"), temp.file("config/Nimbrel.ini"));
}

TEST(AppFolderRule, ExeFolderFollowsTheEnvironmentAndDefaultsToTheProgramsFolder)
{
    const std::string programFolder = fs::read_symlink("/proc/self/exe").parent_path().string() + "/";
    {
        test::ScopedEnvironment unset("NIMBREL_HOME", "");
        EXPECT_EQ(setUpAppFolders().data, programFolder);
    }
    test::TempFolder temp;
    test::ScopedEnvironment home("NIMBREL_HOME", temp.file("home"));
    const std::string folder = temp.file("home/");
    EXPECT_EQ(setUpAppFolders().data, folder);
    EXPECT_TRUE(fs::is_directory(folder));
}

}  // namespace
}  // namespace nimbrel
