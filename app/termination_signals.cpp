#include "app/termination_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <csignal>

namespace nimbrel {
namespace {

int signalPipe[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    const char byte = 1;
    // Only async-signal-safe work here: the event loop does the rest.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

bool watchTerminationSignals(QObject* context, std::function<void()> onSignal)
{
    if (::pipe(signalPipe) != 0) return false;
    for (int fd : signalPipe) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    if (sigaction(SIGTERM, &action, nullptr) != 0 || sigaction(SIGINT, &action, nullptr) != 0) return false;

    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [notifier, onSignal = std::move(onSignal)] {
        char buffer[16];
        while (::read(signalPipe[0], buffer, sizeof buffer) > 0) {
        }
        notifier->setEnabled(false);
        onSignal();
    });
    return true;
}

void closeModalDialogs()
{
    // Each box closed returns to the one below it; a few rounds cover any stack.
    for (int round = 0; round < 16; ++round) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else if (!modal->close()) {
            return;
        }
    }
}

}  // namespace nimbrel
