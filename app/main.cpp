// The program: one main window; Exit, the close box, SIGTERM and SIGINT all end it
// through the same orderly shut-down, which writes the settings.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "base/app_folder.h"
#include "base/version.h"

#include "app/command_line.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/termination_signals.h"

namespace {

// Prints what the arguments asked for; returns the exit status when the program ends here.
std::optional<int> answerArguments(const nimbrel::WindowArguments& arguments)
{
    const QByteArray text = arguments.output.toLocal8Bit();
    std::fputs(text.constData(), arguments.toStandardError ? stderr : stdout);
    return arguments.exitStatus;
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList rawArguments;
    for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
    // Help and version need no display: answered before Qt looks for one.
    if (const auto status =
            answerArguments(nimbrel::parseWindowArguments(rawArguments, nimbrel::QtOptions::StillPresent)))
        return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Nimbrel");
    QApplication::setApplicationVersion(nimbrel::kVersion);
    QApplication::setDesktopFileName(NIMBREL_APP_ID);
    const nimbrel::WindowArguments arguments =
        nimbrel::parseWindowArguments(QApplication::arguments(), nimbrel::QtOptions::Removed);
    if (const auto status = answerArguments(arguments)) return *status;

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
    nimbrel::MainWindow mainWindow(dialogs, nimbrel::setUpAppFolders());
    window = &mainWindow;
    dialogs.setParent(window);
    if (terminating) {
        window->shutDown();
        return 0;
    }

    window->show();
    if (!arguments.styleFile.isEmpty()) {
        // Once the window is on screen, so an error about the file appears over it.
        QTimer::singleShot(0, window, [window, &arguments] { window->openStyleFile(arguments.styleFile.toStdString()); });
    }
    const int result = QApplication::exec();
    window->shutDown();
    return result;
}
