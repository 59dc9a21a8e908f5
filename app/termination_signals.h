#pragma once
// SIGTERM and SIGINT (logout, a service manager, Ctrl+C) end the program through
// the window's orderly shut-down, whatever it is doing at that moment, and
// nobody is waited for: open boxes are closed, and from then on messages go to
// standard error instead of a box.
#include <functional>

class QObject;

namespace nimbrel {

// Installs the handlers. From then on a signal runs `onSignal` once, from the
// event loop that is running at the time (a modal box's own loop included).
// Returns false when the system refuses the handlers.
bool watchTerminationSignals(QObject* context, std::function<void()> onSignal);

// Closes every open modal dialog and message box, as its Cancel or Escape would.
void closeModalDialogs();

}  // namespace nimbrel
