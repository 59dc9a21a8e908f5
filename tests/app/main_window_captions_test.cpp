// The caption and file-name edits, the two lists and their operations, and the
// caption list commands of the File menu.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/widgets/list_items.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

using MainWindowCaptions = WindowTest;

using Items = std::vector<std::string>;

std::string text(const QLineEdit* edit)
{
    return edit->text().toStdString();
}

void fillLists(MainWindow& w, const Items& captions, const Items& fileNames)
{
    for (std::size_t i = 0; i < captions.size(); ++i) {
        control<QLineEdit>(w, "edtCaption")->setText(QString::fromStdString(captions[i]));
        control<QLineEdit>(w, "edtFilename")->setText(QString::fromStdString(fileNames[i]));
        control<QPushButton>(w, "btnAddToList")->click();
    }
}

TEST_F(MainWindowCaptions, FileNameFollowsTheCaptionWithItsOptions)
{
    MainWindow& w = startShown();
    auto fileNameFor = [&](const char* caption) {
        control<QLineEdit>(w, "edtCaption")->setText(caption);
        return text(control<QLineEdit>(w, "edtFilename"));
    };
    EXPECT_EQ(fileNameFor("Home / Links?"), "home___links_");
    EXPECT_EQ(fileNameFor("C:\\Temp"), "c__temp");
    EXPECT_EQ(fileNameFor("v1.0-beta"), "v1.0-beta");
    EXPECT_EQ(fileNameFor("\xC3\x89t\xC3\xA9 A"), "\xC3\x89t\xC3\xA9_a") << "accented capitals stay";
    EXPECT_EQ(fileNameFor(""), "");

    // The options take effect at the next caption change, not at once.
    control<QCheckBox>(w, "chkSpaceToUnderscore")->click();
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "");
    EXPECT_EQ(fileNameFor("Home / Links?"), "home _ links_");
    control<QCheckBox>(w, "chkSpaceToUnderscore")->click();
    control<QCheckBox>(w, "chkLowercase")->click();
    EXPECT_EQ(fileNameFor("Home / Links"), "Home___Links");

    // Off: a typed name stays, and the button is still redrawn.
    control<QCheckBox>(w, "chkAutoFilename")->click();
    EXPECT_FALSE(control<QCheckBox>(w, "chkSpaceToUnderscore")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(w, "chkLowercase")->isEnabled());
    control<QLineEdit>(w, "edtFilename")->setText("mine");
    const int drawings = w.drawingCount();
    EXPECT_EQ(fileNameFor("Other"), "mine");
    EXPECT_EQ(w.drawingCount(), drawings + 1);
    control<QCheckBox>(w, "chkAutoFilename")->click();
    EXPECT_TRUE(control<QCheckBox>(w, "chkSpaceToUnderscore")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>(w, "chkLowercase")->isEnabled());
}

TEST_F(MainWindowCaptions, AddAndEnterAppendThePairAndSelectTheCaption)
{
    MainWindow& w = startShown();
    fillLists(w, {"Home", "", "Home"}, {"home", "", "home"});
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbCaption")), (Items{"Home", "", "Home"}));
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbFilename")), (Items{"home", "", "home"}));
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), -1);
    EXPECT_EQ(w.focusWidget(), control<QLineEdit>(w, "edtCaption"));

    control<QLineEdit>(w, "edtCaption")->setText("About us");
    control<QLineEdit>(w, "edtCaption")->deselect();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(control<QLineEdit>(w, "edtCaption"), &enter);
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbCaption")).back(), "About us");
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbFilename")).back(), "about_us");
    EXPECT_EQ(control<QLineEdit>(w, "edtCaption")->selectedText(), "About us");
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(control<QLineEdit>(w, "edtCaption"), &letter);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "x")
        << "the next caption typed replaces the selected one";
    EXPECT_EQ(control<QListWidget>(w, "lbCaption")->count(), 4);
}

TEST_F(MainWindowCaptions, SelectingInEitherListLoadsThePair)
{
    MainWindow& w = startShown();
    fillLists(w, {"Home", "About us", "Links"}, {"index", "about", "links"});

    control<QListWidget>(w, "lbFilename")->setCurrentRow(1);
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), 1);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "About us");
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "about")
        << "the stored name wins over the derived one";

    control<QListWidget>(w, "lbCaption")->setCurrentRow(0);
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbFilename")), 0);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "Home");
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "index");

    // The same caption again: the name is loaded, nothing is redrawn.
    control<QLineEdit>(w, "edtFilename")->setText("typed");
    const int drawings = w.drawingCount();
    emit control<QListWidget>(w, "lbCaption")->itemClicked(control<QListWidget>(w, "lbCaption")->item(0));
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "index");
    EXPECT_EQ(w.drawingCount(), drawings);
}

TEST_F(MainWindowCaptions, UpdateDeleteAndClearAll)
{
    MainWindow& w = startShown();
    fillLists(w, {"Home", "About", "Links"}, {"home", "about", "links"});

    control<QLineEdit>(w, "edtCaption")->setText("Nothing");
    control<QPushButton>(w, "btnUpdate")->click();
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbCaption")), (Items{"Home", "About", "Links"}))
        << "no selection";
    control<QPushButton>(w, "btnDelete")->click();
    EXPECT_EQ(control<QListWidget>(w, "lbCaption")->count(), 3);

    control<QListWidget>(w, "lbCaption")->setCurrentRow(1);
    control<QLineEdit>(w, "edtCaption")->setText("About us");
    control<QLineEdit>(w, "edtFilename")->setText("about_us_page");
    control<QPushButton>(w, "btnUpdate")->click();
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbCaption")), (Items{"Home", "About us", "Links"}));
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbFilename")), (Items{"home", "about_us_page", "links"}));
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), 1);
    EXPECT_EQ(control<QLineEdit>(w, "edtCaption")->selectedText(), "About us");

    control<QPushButton>(w, "btnDelete")->click();
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbCaption")), (Items{"Home", "Links"}));
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbFilename")), (Items{"home", "links"}));
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), -1);
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbFilename")), -1);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "About us") << "the edits keep their texts";
    control<QPushButton>(w, "btnDelete")->click();
    EXPECT_EQ(control<QListWidget>(w, "lbCaption")->count(), 2) << "the first Delete cleared the selection";

    control<QPushButton>(w, "btnClear")->click();
    EXPECT_EQ(control<QListWidget>(w, "lbCaption")->count(), 0);
    EXPECT_EQ(control<QListWidget>(w, "lbFilename")->count(), 0);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "untitled");
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "untitled");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowCaptions, ReadButtonCaptionsFillsTheListsThroughTheDialog)
{
    MainWindow& w = startShown();
    const std::string captionDir = w.settings().text(setting_key::kCaptionDir);
    EXPECT_EQ(captionDir, homeFolder() + "Captions");
    fillLists(w, {"Old"}, {"old"});
    writeText(homeFile("list.txt"), "COUNT=3\r\nCaption0=a=b\r\nfilename2= two \r\n");
    writeText(homeFile("bad.txt"), "count=abc\ncaption0=x\n");

    dialogs.fileNames = {std::nullopt, homeFile("bad.txt"), homeFile("missing.txt"), homeFile("list.txt")};
    control<QAction>(w, "cmReadButtonCaptions")->trigger();
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].initialFolder, captionDir);
    EXPECT_EQ(dialogs.fileDialogs[0].filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(dialogs.fileDialogs[0].defaultExtension, "txt");

    for (int failing = 0; failing < 2; ++failing) control<QAction>(w, "cmReadButtonCaptions")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0], "'abc' is not a valid integer value");
    EXPECT_NE(dialogs.messages[1].find(homeFile("missing.txt")), std::string::npos) << dialogs.messages[1];
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbCaption")), Items{"Old"}) << "a failed read changes nothing";
    EXPECT_EQ(w.settings().text(setting_key::kCaptionDir), captionDir);

    control<QListWidget>(w, "lbCaption")->setCurrentRow(0);
    const int drawings = w.drawingCount();
    control<QAction>(w, "cmReadButtonCaptions")->trigger();
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbCaption")), (Items{"a=b", "", ""}));
    EXPECT_EQ(itemsOf(control<QListWidget>(w, "lbFilename")), (Items{"", "", " two "}));
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbCaption")), -1);
    EXPECT_EQ(selectedIndex(control<QListWidget>(w, "lbFilename")), -1);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "a=b");
    EXPECT_EQ(text(control<QLineEdit>(w, "edtFilename")), "") << "the first stored name, not the derived one";
    EXPECT_GT(w.drawingCount(), drawings);
    EXPECT_EQ(w.settings().text(setting_key::kCaptionDir), homeFolder());
}

TEST_F(MainWindowCaptions, WriteButtonCaptionsWritesTheListsThroughTheDialog)
{
    MainWindow& w = startShown();
    const std::string captionDir = w.settings().text(setting_key::kCaptionDir);
    dialogs.fileNames = {homeFile("empty.txt")};
    control<QAction>(w, "cmWriteButtonCaptions")->trigger();
    EXPECT_EQ(readText(homeFile("empty.txt")), "count=0\r\n");
    EXPECT_EQ(dialogs.fileDialogs.back().initialFolder, captionDir);

    // Reading the one-line file leaves the lists empty and the edits as they were.
    fillLists(w, {"Keep"}, {"keep"});
    dialogs.fileNames = {homeFile("empty.txt")};
    control<QAction>(w, "cmReadButtonCaptions")->trigger();
    EXPECT_EQ(control<QListWidget>(w, "lbCaption")->count(), 0);
    EXPECT_EQ(text(control<QLineEdit>(w, "edtCaption")), "Keep");

    fillLists(w, {"Home", " a=b "}, {"home", "ab"});
    const std::string sub = homeFolder() + "sub/";
    std::filesystem::create_directory(sub);
    dialogs.fileNames = {std::nullopt, homeFile("no/such/folder/list.txt"), sub + "list.txt"};
    control<QAction>(w, "cmWriteButtonCaptions")->trigger();
    control<QAction>(w, "cmWriteButtonCaptions")->trigger();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("Cannot create file", 0), 0u) << dialogs.messages[0];
    EXPECT_EQ(w.settings().text(setting_key::kCaptionDir), homeFolder())
        << "kept from the read, not the failed write";
    control<QAction>(w, "cmWriteButtonCaptions")->trigger();
    EXPECT_EQ(readText(sub + "list.txt"),
              "count=2\r\ncaption0=Home\r\nfilename0=home\r\n"
              "caption1= a=b \r\nfilename1=ab\r\n");
    EXPECT_EQ(w.settings().text(setting_key::kCaptionDir), sub);
}

}  // namespace
}  // namespace nimbrel::test
