#pragma once
// Text needs a QGuiApplication; tests share one, with Liberation Sans loaded from
// its file so glyph pixels do not depend on what else is installed.
#include <QFontDatabase>
#include <QGuiApplication>
#include <string>

namespace nimbrel::test {

inline const char* kTestFace = "Liberation Sans";

inline void ensureGuiApp()
{
    static int argc = 1;
    static char name[] = "nimbrel_core_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        auto* created = new QGuiApplication(argc, argv);
        QFontDatabase::addApplicationFont(QStringLiteral(NIMBREL_FONT_DIR "/LiberationSans-Regular.ttf"));
        QFontDatabase::addApplicationFont(QStringLiteral(NIMBREL_FONT_DIR "/LiberationSans-Bold.ttf"));
        return created;
    }();
    (void)app;
}

}  // namespace nimbrel::test
