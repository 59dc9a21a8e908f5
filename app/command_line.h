#pragma once
// The window program's command line: `nimbrel [STYLE-FILE]`, --help and
// --version. Help and version are answered before any display is opened, so
// they work over ssh and in build scripts.
#include <QString>
#include <QStringList>
#include <optional>

namespace nimbrel {

struct WindowArguments {
    std::optional<int> exitStatus;  // set: print nothing more and end with this status
    QString output;                 // what to print first (help, version or an error)
    bool toStandardError = false;
    QString styleFile;              // absolute; empty when none was given
};

// Whether Qt's own options (-platform, -style, ...) have been taken out of the
// arguments yet: before that, an option Qt would take is no error.
enum class QtOptions { StillPresent, Removed };

// `arguments` as main receives them, program name first. Before Qt's own
// options are taken out, only help and version are answered.
WindowArguments parseWindowArguments(const QStringList& arguments, QtOptions qtOptions);

// The version line of --version.
QString windowVersionText();

}  // namespace nimbrel
