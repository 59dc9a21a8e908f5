#pragma once
// Widget tests run on one QApplication, each in an empty application folder of its
// own (NIMBREL_HOME), with the dialogs scripted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "support/temp_folder.h"
#include "scripted_dialogs.h"

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
    void SetUp() override
    {
        ensureApplication();
        setenv("NIMBREL_HOME", home.path().c_str(), 1);
    }
    void TearDown() override
    {
        window.reset();
        unsetenv("NIMBREL_HOME");
    }

    std::string homeFile(const std::string& name) const { return home.file(name); }
    std::string homeFolder() const { return home.path().string() + "/"; }

    MainWindow& start()
    {
        window = std::make_unique<MainWindow>(dialogs);
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
