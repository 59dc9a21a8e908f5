// The shell around the window: error guard, dialog helpers, menus, About, and the
// program ending on a termination signal.
#include <spawn.h>
#include <sys/wait.h>
#include <QAccessible>
#include <QAction>
#include <QTabBar>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMenuBar>
#include <QTimer>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <stdexcept>
#include <thread>

#include "app/about_dialog.h"
#include "app/guard.h"
#include "app/settings_binding.h"
#include "base/error.h"
#include "settings/settings_store.h"
#include "settings/settings_table.h"
#include "window_fixture.h"

extern char** environ;

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

TEST(ErrorGuard, ShowsTheTextOfWhateverEndedTheHandler)
{
    ScriptedDialogs dialogs;
    const Guard guard(dialogs);
    EXPECT_TRUE(guard.run([] {}));
    EXPECT_FALSE(guard.run([] { throw Error("Bitmap image is not valid"); }));
    EXPECT_FALSE(guard.run([] { throw std::runtime_error("disk on fire"); }));
    EXPECT_FALSE(guard.run([] { throw 42; }));
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Bitmap image is not valid", "disk on fire", "Unexpected error"}));
}

TEST(ErrorGuard, ConnectedHandlerErrorsStopAtTheGuard)
{
    ensureApplication();
    ScriptedDialogs dialogs;
    QPushButton button;
    int runs = 0;
    {
        const Guard guard(dialogs);  // the connection keeps its own copy
        guard.connect(&button, &QPushButton::clicked, &button, [&runs] {
            ++runs;
            throw Error("Bitmap image is not valid");
        });
    }
    button.click();
    button.click();
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Bitmap image is not valid", "Bitmap image is not valid"}));
}

TEST(DialogHelpers, FiltersAndDefaultExtensions)
{
    EXPECT_EQ(qtFileFilter("Button Styles (*.ini)|*.ini|All Files (*.*)|*.*"),
              "Button Styles (*.ini);;All Files (*)");
    EXPECT_EQ(qtFileFilter("Text Files (*.txt)|*.txt"), "Text Files (*.txt)");
    EXPECT_EQ(withDefaultExtension("/a/b/style", "ini"), "/a/b/style.ini");
    EXPECT_EQ(withDefaultExtension("/a/b/style.txt", "ini"), "/a/b/style.txt");
    EXPECT_EQ(withDefaultExtension("/a.d/style", "ini"), "/a.d/style.ini");
    EXPECT_EQ(withDefaultExtension("/a/b/style", ""), "/a/b/style");
}

TEST(QtDialogsColour, CancelledPickerGivesNothingAndTheDialogsOutliveTheirParent)
{
    ensureApplication();
    QtDialogs dialogs;
    {
        QWidget parent;
        dialogs.setParent(&parent);
        QTimer::singleShot(0, [] {
            if (QWidget* picker = QApplication::activeModalWidget()) picker->close();
        });
        EXPECT_EQ(dialogs.chooseColor(0x00C08000), std::nullopt);
        dialogs.setParent(nullptr);
    }
}

// Only No declines; the question closed any other way counts as consent.
TEST(QtDialogsQuestion, OnlyTheNoButtonDeclines)
{
    ensureApplication();
    auto answerAfter = [](auto close) {
        const auto box = makeYesNoQuestion(nullptr, "Information", "Folder \"/x\" does not exist! Create?");
        box->show();
        close(*box);
        return answeredYes(*box);
    };
    EXPECT_FALSE(answerAfter([](QMessageBox& box) { box.button(QMessageBox::No)->click(); }));
    EXPECT_TRUE(answerAfter([](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }));
    EXPECT_TRUE(answerAfter([](QMessageBox& box) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&box, &escape);
    }));
    EXPECT_TRUE(answerAfter([](QMessageBox& box) { box.close(); }));
}

using MainWindowShell = WindowTest;

TEST_F(MainWindowShell, MenusCarryTheirAccessKeysAndShortcuts)
{
    MainWindow& w = start();
    EXPECT_EQ(w.menuBar()->objectName(), "mmMain");
    EXPECT_EQ(control<QAction>(w, "cmOpenbuttonstyle")->text(), "&Open button style...");
    EXPECT_EQ(control<QAction>(w, "cmOpenbuttonstyle")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(control<QAction>(w, "cmSavebuttonstyle")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(control<QAction>(w, "cmExit")->text(), "E&xit");
    EXPECT_EQ(control<QAction>(w, "cmExit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(control<QAction>(w, "cmReadButtonCaptions")->text(), "&Read button captions...");
    EXPECT_EQ(control<QAction>(w, "cmWriteButtonCaptions")->text(), "&Write button captions...");
    EXPECT_FALSE(control<QAction>(w, "cmQuickHelp")->isVisible());
    EXPECT_EQ(control<QAction>(w, "cmQuickHelp")->shortcut(), QKeySequence(Qt::Key_F1));
    control<QAction>(w, "cmQuickHelp")->trigger();  // does nothing
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(control<QAction>(w, "About1")->text(), "&About");
}

// The tab and its page, as a screen reader names them.
TEST_F(MainWindowShell, TabsAreAnnouncedAsTheyAreTitled)
{
    MainWindow& w = start();
    QTabWidget* pc = control<QTabWidget>(w, "pc");
    QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(pc->tabBar());
    ASSERT_NE(tabs, nullptr);
    QWidget* page = control<QWidget>(w, "tabCaptions");
    EXPECT_EQ(tabs->child(pc->indexOf(page))->text(QAccessible::Name), "Captions & Filenames");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page)->text(QAccessible::Name), "Captions & Filenames");
    EXPECT_EQ(control<QWidget>(w, "tabOutput")->accessibleName(), "Output Options");
}

// The controls outside the settings table (those in it: ControlsCarryTheSettingsTableLimits).
TEST_F(MainWindowShell, ControlsAreFoundByTheirNames)
{
    MainWindow& w = start();
    for (const char* name : {"pb",         "pc",           "Panel1",        "btnDraw",       "btnSave",
                             "tabButton",  "tabFont",      "tabCaptions",   "tabOutput",     "tabView",
                             "btn3D",      "btnSwap",      "gbBackground",  "lblFont",       "lbCaption",
                             "lbFilename", "btnAddToList", "btnUpdate",     "btnDelete",     "btnClear",
                             "btnStep",    "btnAll",       "btnBMPBrowse1", "btnBMPBrowse4", "btnOutputDir"})
        EXPECT_NE(w.findChild<QWidget*>(name), nullptr) << name;
}

// Every control the settings table names is there, of the table's kind, with
// the table's limits.
TEST_F(MainWindowShell, ControlsCarryTheSettingsTableLimits)
{
    MainWindow& w = start();
    for (const Setting& s : mainWindowSettings()) {
        const QString name = QString::fromUtf8(s.control.data(), static_cast<int>(s.control.size()));
        const std::string what(s.key);
        switch (s.kind) {
            case ControlKind::None:
                EXPECT_TRUE(name.isEmpty()) << what;
                break;
            case ControlKind::CheckBox:
                EXPECT_NE(control<QCheckBox>(w, name), nullptr) << what;
                break;
            case ControlKind::SpinBox:
                EXPECT_EQ(control<QSpinBox>(w, name)->minimum(), s.minimum) << what;
                EXPECT_EQ(control<QSpinBox>(w, name)->maximum(), s.maximum) << what;
                break;
            case ControlKind::Slider:
                EXPECT_EQ(control<QSlider>(w, name)->minimum(), s.minimum) << what;
                EXPECT_EQ(control<QSlider>(w, name)->maximum(), s.maximum) << what;
                break;
            case ControlKind::ColorPanel:
                EXPECT_NE(control<ColorPanelButton>(w, name), nullptr) << what;
                break;
            case ControlKind::ComboBox:
                EXPECT_EQ(control<QComboBox>(w, name)->count(), s.items) << what;
                break;
            case ControlKind::RadioGroup:
                EXPECT_EQ(control<RadioGroup>(w, name)->count(), s.items) << what;
                break;
            case ControlKind::FontList:
                EXPECT_GT(control<QComboBox>(w, name)->count(), 0) << what;
                break;
            case ControlKind::LineEdit: {
                // The program's text is taken whole; the user types no further than the limit.
                auto* edit = control<QLineEdit>(w, name);
                const int limit = s.maxLength > 0 ? s.maxLength : 60;
                edit->setText("");
                edit->insert(QString(limit, 'a'));
                edit->insert("b");
                EXPECT_EQ(edit->text().size(), s.maxLength > 0 ? limit : limit + 1) << what;
                edit->setText(QString(limit + 10, 'c'));
                EXPECT_EQ(edit->text().size(), limit + 10) << what;
                edit->insert("d");
                EXPECT_EQ(edit->text().size(), s.maxLength > 0 ? limit + 10 : limit + 11) << what;
                edit->backspace();
                edit->selectAll();
                edit->insert("short");
                EXPECT_EQ(edit->text(), "short") << what << ": a longer text may still be shortened";
                break;
            }
        }
    }
}

TEST(SettingsBinding, MissingControlIsReportedByName)
{
    ensureApplication();
    QWidget empty;
    SettingsStore store;
    try {
        loadControls(store, empty);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Control \"" + std::string(mainWindowSettings().front().control) +
                                             "\" of setting \"" +
                                             std::string(mainWindowSettings().front().key) + "\" not found");
    }
}

TEST(AboutWindow, ShowsNameAndVersionCentredOnItsOwner)
{
    ensureApplication();
    QWidget owner;
    owner.setGeometry(100, 100, 600, 500);
    AboutDialog about(&owner);
    EXPECT_EQ(about.size(), QSize(274, 376));
    EXPECT_EQ(about.windowTitle(), "About ...");
    about.show();
    EXPECT_EQ(about.lblName->text(), "Nimbrel v1.82");
    EXPECT_TRUE(about.lblLink->font().bold());
    about.close();
}

// The built program, run as a desktop would run it, ends by a termination signal.
class ProgramProcess : public ::testing::TestWithParam<int> {};

bool waitForExit(pid_t pid, int& status, std::chrono::seconds limit)
{
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TEST_P(ProgramProcess, TerminationSignalSavesTheSettings)
{
    const std::string program = NIMBREL_TEST_BINARY_DIR "/../app/nimbrel";
    if (!fs::exists(program)) GTEST_SKIP() << "program not built: " << program;
    TempFolder home;
    writeText(home.file("Nimbrel.ini"), "[Integers]\r\nButtonSizeWidth=500\r\n");

    std::vector<std::string> env = {"NIMBREL_HOME=" + home.path().string(), "QT_QPA_PLATFORM=offscreen"};
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("NIMBREL_HOME=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
            env.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);

    // The default folders appear once the settings are loaded, after the signal handlers are in place.
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fs::exists(home.file("Output")) && std::chrono::steady_clock::now() < end)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ::kill(pid, GetParam());
    int status = 0;
    if (!waitForExit(pid, status, std::chrono::seconds(20))) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        FAIL() << "the program did not end";
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    const std::string settings = readText(home.file("Nimbrel.ini"));
    EXPECT_NE(settings.find("ButtonSizeWidth=360"), std::string::npos) << settings;
    EXPECT_NE(settings.find("[frmMain]"), std::string::npos);
    EXPECT_EQ(readText(home.file("Nimbrel_captions.ini")), "count=0\r\n");
}

INSTANTIATE_TEST_SUITE_P(SigTermAndSigInt, ProgramProcess, ::testing::Values(SIGTERM, SIGINT));

}  // namespace
}  // namespace nimbrel::test
