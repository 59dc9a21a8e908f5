#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include "base/version.h"

namespace nimbrel {

QString windowVersionText()
{
    return QString("nimbrel %1\n").arg(kVersion);
}

WindowArguments parseWindowArguments(const QStringList& arguments, QtOptions qtOptions)
{
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-reverse, -platform): read as
    // letters they could spell -v or -h.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription("Nimbrel makes the small button images of web pages.");
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this help and exit.");
    const QCommandLineOption version(QStringList{"v", "version"}, "Show the version and exit.");
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument("STYLE-FILE", "A button style to open, as \"Open button style...\" does.",
                                 "[STYLE-FILE]");

    WindowArguments result;
    const bool parsed = parser.parse(arguments);
    if (parser.isSet(help)) {
        // Answered before the application object exists, so Qt cannot know the program's name.
        result.output = parser.helpText().replace("<executable_name>", "nimbrel");
        result.exitStatus = 0;
    } else if (parser.isSet(version)) {
        result.output = windowVersionText();
        result.exitStatus = 0;
    } else if (!parsed && qtOptions == QtOptions::Removed) {
        result.output = "nimbrel: " + parser.errorText() + " (see nimbrel --help)\n";
        result.toStandardError = true;
        result.exitStatus = 2;
    } else if (!parser.positionalArguments().isEmpty()) {
        // A file manager may hand over several files (%F); a window shows one style.
        result.styleFile = QFileInfo(QDir::current(), parser.positionalArguments().first()).absoluteFilePath();
    }
    return result;
}

}  // namespace nimbrel
