#include "app/guard.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "base/error.h"

namespace nimbrel {

namespace {

std::string currentErrorText()
{
    try {
        throw;
    } catch (const Error& e) {
        return e.what();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryMessage;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unexpected error";
    }
}

}  // namespace

void showCurrentError(Dialogs& dialogs) noexcept
{
    std::string text;
    try {
        text = currentErrorText();
        dialogs.message(text);
    } catch (...) {
        // The message box itself failed: the text must still reach someone.
        std::fprintf(stderr, "Nimbrel: %s\n", text.c_str());
    }
}

}  // namespace nimbrel
