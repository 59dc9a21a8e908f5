#pragma once
// The one way a handler is entered from a Qt signal: through a Guard. An error
// that ends the handler is shown in a message box titled "Nimbrel" (through the
// dialogs interface) and the program goes on; no exception ever reaches Qt's
// event loop.
#include <QObject>
#include <utility>

#include "app/dialogs.h"

namespace nimbrel {

// Shows the text of the exception being handled; call only inside a catch block.
void showCurrentError(Dialogs& dialogs) noexcept;

class Guard {
public:
    explicit Guard(Dialogs& dialogs) : dialogs_(dialogs) {}

    Dialogs& dialogs() const { return dialogs_; }

    // Runs `handler`; returns false when it ended with an error (already shown).
    template <class Handler>
    bool run(Handler&& handler) const noexcept
    {
        try {
            std::forward<Handler>(handler)();
            return true;
        } catch (...) {
            showCurrentError(dialogs_);
            return false;
        }
    }

    // Connects `signal` of `sender` to `handler` (called without arguments),
    // entered through run(); the connection ends with `context`. The connection
    // keeps a copy of the guard, so it does not depend on this object's life.
    template <class Sender, class Signal, class Handler>
    QMetaObject::Connection connect(const Sender* sender, Signal signal, const QObject* context,
                                    Handler handler) const
    {
        return QObject::connect(sender, signal, context,
                                [guard = *this, handler = std::move(handler)] { guard.run(handler); });
    }

private:
    Dialogs& dialogs_;
};

}  // namespace nimbrel
