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

TEST(AppFolderRule, NimbrelHomeWinsThenAWritableExecutableFolderThenTheConfigFolder)
{
    test::TempFolder temp;
    const std::string exe = temp.file("bin");
    fs::create_directory(exe);

    const std::string home = temp.file("home/nimbrel");
    EXPECT_EQ(chooseAppFolder(exe, home, "", ""), home + "/");
    EXPECT_TRUE(fs::is_directory(home));

    EXPECT_EQ(chooseAppFolder(exe, "", temp.file("xdg"), ""), exe + "/");
    // Installed with the system's programs: the config folder, even for root.
    EXPECT_EQ(chooseAppFolder("/usr/bin", "", temp.file("xdg"), ""), temp.file("xdg/nimbrel/"));
    EXPECT_EQ(chooseAppFolder("/usr/local/bin/", "", temp.file("xdg"), ""), temp.file("xdg/nimbrel/"));

    // A folder that cannot be written to (here: one that does not exist).
    const std::string gone = temp.file("missing");
    EXPECT_EQ(chooseAppFolder(gone, "", temp.file("xdg"), temp.file("user")), temp.file("xdg/nimbrel/"));
    EXPECT_TRUE(fs::is_directory(temp.file("xdg/nimbrel")));
    EXPECT_EQ(chooseAppFolder(gone, "", "", temp.file("user")), temp.file("user/.config/nimbrel/"));
    EXPECT_TRUE(fs::is_directory(temp.file("user/.config/nimbrel")));
    EXPECT_EQ(chooseAppFolder(gone, "", "relative/xdg", temp.file("user")),
              temp.file("user/.config/nimbrel/"));
}

TEST(AppFolderRule, ExeFolderFollowsTheEnvironmentAndDefaultsToTheProgramsFolder)
{
    const std::string programFolder = fs::read_symlink("/proc/self/exe").parent_path().string() + "/";
    {
        test::ScopedEnvironment unset("NIMBREL_HOME", "");
        EXPECT_EQ(appFolder(), programFolder);
    }
    test::TempFolder temp;
    test::ScopedEnvironment home("NIMBREL_HOME", temp.path().string());
    const std::string folder = temp.path().string() + "/";
    EXPECT_EQ(appFolder(), folder);
    EXPECT_EQ(relativeToAppFolder(folder + "Styles/a.bmp"), "./Styles/a.bmp");
    EXPECT_EQ(absoluteFromAppFolder(".\\Styles\\a.bmp"), folder + "Styles/a.bmp");
}

}  // namespace
}  // namespace nimbrel
