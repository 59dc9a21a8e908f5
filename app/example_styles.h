#pragma once
// The example styles that come with the program, and how a newcomer's empty
// Styles folder gets them.
#include <string>

#include "base/app_folder.h"

namespace nimbrel {

// The folder holding the example styles: the installed ones, or for a copy run
// from its build folder the ones in the source tree. Empty when neither exists.
std::string exampleStylesFolder(const AppFolders& folders);

// Copies every file of `from` into `to` when `to` holds nothing yet; returns
// how many were copied. Never fails loudly: the examples are a courtesy, and a
// start-up must not stop over them.
int copyExampleStyles(const std::string& from, const std::string& to);

}  // namespace nimbrel
