#pragma once
// One run of nimbrel-batch: settings, style and captions in; the button set out.
// Needs a QGuiApplication (text is measured and drawn through Qt).
#include <ostream>

#include "base/app_folder.h"
#include "cli/cli_options.h"

namespace nimbrel::cli {

struct Streams {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

// Returns the exit status: 0 all written, 1 a failure (or a problem found by --check).
// The settings file, relative bitmap names and the default output folder come from `folders`.
int runBatch(const Options& options, const AppFolders& folders, Streams& streams);

inline constexpr const char* kProgramPrefix = "nimbrel-batch: ";

}  // namespace nimbrel::cli
