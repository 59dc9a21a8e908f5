// The program: one main window; Exit, the close box, SIGTERM and SIGINT all end it
// through the same orderly shut-down, which writes the settings.
#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <optional>

#include "base/version.h"

#include "app/command_line.h"
#include "app/dialogs.h"
#include "app/main_window.h"

namespace {

int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
}

bool installTerminationHandlers()
{
    if (pipe(signalPipe) != 0) return false;
    for (int fd : signalPipe) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

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
    if (const auto status = answerArguments(nimbrel::parseWindowArguments(rawArguments, false))) return *status;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Nimbrel");
    QApplication::setApplicationVersion(nimbrel::kVersion);
    QApplication::setDesktopFileName(NIMBREL_APP_ID);
    const nimbrel::WindowArguments arguments = nimbrel::parseWindowArguments(QApplication::arguments(), true);
    if (const auto status = answerArguments(arguments)) return *status;
    const bool signalsHandled = installTerminationHandlers();

    nimbrel::QtDialogs dialogs;
    nimbrel::MainWindow window(dialogs);
    dialogs.setParent(&window);

    QSocketNotifier* notifier = nullptr;
    if (signalsHandled) {
        notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window, notifier] {
            char buffer[16];
            while (read(signalPipe[0], buffer, sizeof buffer) > 0) {
            }
            notifier->setEnabled(false);
            // Dialogs left open would hold the shut-down inside their own loops.
            for (int i = 0; i < 16; ++i) {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || !modal->close()) break;
            }
            window.shutDown();
            QApplication::exit(0);
        });
    } else {
        std::fprintf(stderr, "Nimbrel: termination signals are not handled\n");
    }

    window.show();
    if (!arguments.styleFile.isEmpty()) {
        // Once the window is on screen, so an error about the file appears over it.
        QTimer::singleShot(0, &window, [&window, &arguments] { window.openStyleFile(arguments.styleFile.toStdString()); });
    }
    const int result = QApplication::exec();
    window.shutDown();
    return result;
}
