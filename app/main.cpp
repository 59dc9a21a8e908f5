// The program: one main window; Exit, the close box, SIGTERM and SIGINT all end it
// through the same orderly shut-down, which writes the settings.
#include <QApplication>
#include <cstdio>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/termination_signals.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Nimbrel");

    nimbrel::QtDialogs dialogs;
    nimbrel::MainWindow* window = nullptr;
    bool terminating = false;
    const bool signalsHandled = nimbrel::watchTerminationSignals(&app, [&] {
        terminating = true;
        // Nobody may be waited for now: errors of the shut-down go to standard error.
        dialogs.setInteractive(false);
        nimbrel::closeModalDialogs();
        if (window) {
            window->shutDown();
            QApplication::exit(0);
        }
    });
    if (!signalsHandled) std::fprintf(stderr, "Nimbrel: termination signals are not handled\n");

    // A signal while the window is still being made (a start-up error box open)
    // closes the box; the window then finishes and shuts down at once.
    nimbrel::MainWindow mainWindow(dialogs);
    window = &mainWindow;
    dialogs.setParent(window);
    if (terminating) {
        window->shutDown();
        return 0;
    }

    window->show();
    const int result = QApplication::exec();
    window->shutDown();
    return result;
}
