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

// `arguments` as main receives them, program name first. Qt's own options
// (-platform, -style, ...) must have been taken out already, except when only
// help or version is asked for.
WindowArguments parseWindowArguments(const QStringList& arguments, bool qtOptionsRemoved);

// The version line of --version.
QString windowVersionText();

}  // namespace nimbrel
