#pragma once
// Every event handler of the window is entered through guarded(): an error that
// ends a command is shown in a message box titled "Nimbrel" and the program goes
// on. No exception ever reaches Qt's event loop.
#include <utility>

#include "app/dialogs.h"

namespace nimbrel {

// Shows the text of the exception being handled; call only inside a catch block.
void showCurrentError(Dialogs& dialogs) noexcept;

// Runs `handler`; returns false when it ended with an error (already shown).
template <class Handler>
bool guarded(Dialogs& dialogs, Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        showCurrentError(dialogs);
        return false;
    }
}

}  // namespace nimbrel
