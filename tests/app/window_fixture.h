#pragma once
// Widget tests run on one QApplication, each with an empty folder of its own
// holding everything the window keeps, with the dialogs scripted.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/main_window.h"
#include "app/widgets/color_panel_button.h"
#include "app/widgets/font_faces.h"
#include "app/widgets/preview_box.h"
#include "app/widgets/radio_group.h"
#include "scripted_dialogs.h"
#include "support/temp_folder.h"

namespace nimbrel::test {

inline void ensureApplication()
{
    static int argc = 1;
    static char name[] = "nimbrel_app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* created = new QApplication(argc, argv);
        QFontDatabase::addApplicationFont(QStringLiteral(NIMBREL_FONT_DIR "/LiberationSans-Regular.ttf"));
        return created;
    }();
    (void)app;
}

// The control named `name` under `window` (menu actions included), as the
// user's documentation and the settings table name it. A missing control, or
// one of another type, ends the test with an error.
template <class Control>
Control* control(const QWidget& window, const QString& name)
{
    auto* found = window.findChild<Control*>(name);
    if (!found) throw std::runtime_error("no control \"" + name.toStdString() + "\" of that type");
    return found;
}

inline std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { ensureApplication(); }
    void TearDown() override { window.reset(); }

    std::string homeFile(const std::string& name) const { return home.file(name); }
    std::string homeFolder() const { return home.path().string() + "/"; }

    MainWindow& start()
    {
        window = std::make_unique<MainWindow>(dialogs, allInOneFolder(homeFolder()));
        return *window;
    }
    MainWindow& startShown()
    {
        start().show();
        return *window;
    }
    // The orderly shut-down, then a fresh window on the same folder.
    MainWindow& restart()
    {
        window->close();
        window.reset();
        return start();
    }

    TempFolder home;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

}  // namespace nimbrel::test
