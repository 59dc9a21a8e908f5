// What the window does for keyboard users and newcomers: access keys, tooltips,
// shortcuts, the status line, the example styles and the style file named on
// the command line.
#include <QDir>
#include <QGroupBox>
#include <QRegularExpression>
#include <QMenuBar>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <filesystem>
#include <map>
#include <set>

#include "app/command_line.h"
#include "app/keyboard_access.h"
#include "core/renderer.h"
#include "settings/setting_keys.h"
#include "settings/settings_store.h"
#include "window_fixture.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;

// The controls of one tab (or the bottom row) a user reaches by an access key,
// with the text that carries it.
std::vector<QString> accessTexts(const QWidget* root)
{
    std::vector<QString> texts;
    std::set<const QWidget*> labelled;
    for (const QWidget* widget : root->findChildren<QWidget*>()) {
        // A control's first label names it; a second one only explains.
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && label->buddy()) {
            if (labelled.insert(label->buddy()).second) texts.push_back(label->text());
        }
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget);
                 group && !group->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly).isEmpty())
            texts.push_back(group->title());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                 button && !qobject_cast<const QRadioButton*>(button) && button->text().contains(QRegularExpression("[A-Za-z]")))
            texts.push_back(button->text());
    }
    return texts;
}

std::string statusOf(const MainWindow& w)
{
    return w.statusBar()->currentMessage().toStdString();
}

class MainWindowAccess : public WindowTest {};

TEST_F(MainWindowAccess, EveryLabelAndButtonHasAnAccessKeyUniqueOnItsTab)
{
    MainWindow& w = start();
    std::vector<QString> windowWide = accessTexts(control<QWidget>(w, "Panel1"));
    for (const QAction* menu : w.menuBar()->actions()) windowWide.push_back(menu->text());
    const auto* tabs = control<QTabWidget>(w, "pc");
    for (int tab = 0; tab < tabs->count(); ++tab) {
        std::vector<QString> texts = windowWide;
        const std::vector<QString> own = accessTexts(tabs->widget(tab));
        EXPECT_GE(own.size(), 2u) << "tab " << tab;
        texts.insert(texts.end(), own.begin(), own.end());
        std::map<QChar, QString> byKey;
        for (const QString& text : texts) {
            const QChar key = mnemonicOf(text);
            EXPECT_FALSE(key.isNull()) << "no access key: " << text.toStdString();
            if (key.isNull()) continue;
            const auto [it, added] = byKey.emplace(key, text);
            EXPECT_TRUE(added) << "tab " << tab << ": '" << QString(key).toStdString() << "' of "
                               << text.toStdString() << " and " << it->second.toStdString();
        }
    }
    // The "&&" of a caption still shows as one ampersand.
    EXPECT_EQ(control<QPushButton>(w, "btnStep")->text().remove(QRegularExpression("&(?!&)")).replace("&&", "&"),
              "Create Button & Advance");
}

TEST_F(MainWindowAccess, ToolTipsNameExistingControlsAndCoverEveryInput)
{
    MainWindow& w = start();
    EXPECT_EQ(applyToolTips(&w), QStringList()) << "every name of the tooltip table is a control";
    for (const QWidget* c : w.findChildren<QWidget*>()) {
        const bool input = qobject_cast<const QAbstractSpinBox*>(c) || qobject_cast<const QComboBox*>(c) ||
                           qobject_cast<const QLineEdit*>(c) || qobject_cast<const QSlider*>(c) ||
                           qobject_cast<const QListWidget*>(c) || qobject_cast<const ColorPanelButton*>(c) ||
                           qobject_cast<const RadioGroup*>(c);
        // Inner parts of composite controls (the line edit of a spin box) carry no name.
        if (input && !c->objectName().isEmpty() && !c->objectName().startsWith("qt_")) {
            EXPECT_FALSE(c->toolTip().isEmpty()) << c->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowAccess, F5DrawsAndCtrlShiftSSavesWithAStatusLine)
{
    MainWindow& w = startShown();
    const std::string out = homeFolder() + "Output";
    control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(out));
    control<QLineEdit>(w, "edtFilename")->setText("index");
    std::map<QString, QShortcut*> shortcuts;
    for (QShortcut* s : w.findChildren<QShortcut*>()) shortcuts[s->key().toString()] = s;
    ASSERT_EQ(shortcuts.count("F5"), 1u);
    ASSERT_EQ(shortcuts.count("Ctrl+Shift+S"), 1u);
    const int drawings = w.drawingCount();
    emit shortcuts["F5"]->activated();
    EXPECT_EQ(w.drawingCount(), drawings + 1);
    emit shortcuts["Ctrl+Shift+S"]->activated();
    EXPECT_EQ(statusOf(w), "Saved index.bmp and index.gif in " + out);
    EXPECT_TRUE(fs::exists(out + "/index.gif"));

    control<QCheckBox>(w, "chkSaveGIF")->setChecked(false);
    control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(homeFolder() + "missing/"));
    dialogs.answers = {false};
    control<QPushButton>(w, "btnSave")->click();
    EXPECT_EQ(statusOf(w), "Nothing saved: the output folder does not exist");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainWindowAccess, BatchesReportWhatTheyMadeAndWhyTheyStopped)
{
    MainWindow& w = startShown();
    const std::string out = homeFolder() + "Output";
    control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(out + "/"));
    control<QCheckBox>(w, "chkSaveGIF")->setChecked(false);
    auto fill = [&](const std::vector<std::string>& names) {
        control<QPushButton>(w, "btnClear")->click();
        for (const std::string& name : names) {
            control<QLineEdit>(w, "edtCaption")->setText(QString::fromStdString(name));
            control<QLineEdit>(w, "edtFilename")->setText(QString::fromStdString(name));
            control<QPushButton>(w, "btnAddToList")->click();
        }
    };
    fill({"one", "two", "three"});
    control<QPushButton>(w, "btnAll")->click();
    EXPECT_EQ(statusOf(w), "Created 3 buttons in " + out);

    fill({"one", "no/such/two", "three"});
    control<QPushButton>(w, "btnAll")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(statusOf(w), "Stopped after 1 of 3: " + dialogs.messages[0]);
}

TEST_F(MainWindowAccess, OpenOutputFolderExplainsAFolderNotMadeYet)
{
    MainWindow& w = start();
    const std::string missing = homeFolder() + "not-yet";
    control<QLineEdit>(w, "edtOutputDir")->setText(QString::fromStdString(missing));
    control<QAction>(w, "cmOpenOutputFolder")->trigger();
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The output folder \"" + missing +
                                       "\" does not exist yet. It is made when the first button is saved."});
}

TEST_F(MainWindowAccess, FirstStartOffersTheExampleStylesAndEachOneDraws)
{
    MainWindow& w = startShown();
    const fs::path styles = homeFolder() + "Styles";
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(NIMBREL_EXAMPLE_STYLES_DIR))
        if (entry.path().extension() == ".ini") files.push_back(entry.path().filename().string());
    ASSERT_GE(files.size(), 6u);
    for (const std::string& file : files) {
        ASSERT_TRUE(fs::exists(styles / file)) << file;
        dialogs.fileNames = {(styles / file).string()};
        control<QAction>(w, "cmOpenbuttonstyle")->trigger();
        EXPECT_TRUE(dialogs.messages.empty()) << file << ": " << (dialogs.messages.empty() ? "" : dialogs.messages[0]);
        const RasterBitmap& button = w.buttonBitmap();
        EXPECT_GT(button.width(), 0) << file;
        // The caption shows: the button holds more than its face and border colours.
        std::set<Color> colors;
        for (int y = 0; y < button.height(); ++y)
            for (int x = 0; x < button.width(); ++x) colors.insert(button.pixel(x, y));
        EXPECT_GT(colors.size(), 3u) << file;
    }

    // A second start, or a Styles folder the user has filled, gets no copies.
    fs::remove(styles / files.front());
    restart();
    EXPECT_FALSE(fs::exists(styles / files.front()));
}

TEST_F(MainWindowAccess, StyleFileOnTheCommandLineOpensLikeTheMenuCommand)
{
    const WindowArguments info =
        parseWindowArguments({"nimbrel", "-platform", "offscreen", "--version"}, QtOptions::StillPresent);
    EXPECT_EQ(info.exitStatus, 0);
    EXPECT_EQ(info.output, windowVersionText());
    EXPECT_EQ(parseWindowArguments({"nimbrel", "--help"}, QtOptions::StillPresent).output.left(6), "Usage:");
    EXPECT_FALSE(parseWindowArguments({"nimbrel", "-reverse"}, QtOptions::StillPresent).exitStatus)
        << "a Qt option, not -v";
    EXPECT_EQ(parseWindowArguments({"nimbrel", "--bogus"}, QtOptions::Removed).exitStatus, 2);
    const WindowArguments relative =
        parseWindowArguments({"nimbrel", "site.ini", "other.ini"}, QtOptions::Removed);
    EXPECT_FALSE(relative.exitStatus);
    EXPECT_EQ(relative.styleFile, QDir::current().absoluteFilePath("site.ini"));

    MainWindow& w = startShown();
    ButtonStyle style = w.currentStyle();
    style.faceColor = 0x00123456;
    ASSERT_TRUE(style.saveToFile(homeFile("site.ini"), homeFolder()));
    w.openStyleFile(homeFile("site.ini"));
    EXPECT_EQ(w.currentStyle().faceColor, 0x00123456u);
    EXPECT_EQ(w.settings().text(setting_key::kStyleDir), homeFolder());
    w.openStyleFile(homeFile("missing.ini"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].rfind("Cannot open file", 0), 0u) << dialogs.messages[0];
}

}  // namespace
}  // namespace nimbrel::test
