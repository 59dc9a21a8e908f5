// nimbrel-batch: the button sets of "Create All Buttons" from the command line,
// with no display needed.
#include <unistd.h>

#include <QGuiApplication>
#include <QPalette>
#include <iostream>
#include <new>

#include "base/app_folder.h"
#include "base/error.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"

namespace {

// Qt's own notices (about the platform plugin, runtime folders) would mix with
// the program's messages; only fatal ones are let through.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) std::cerr << nimbrel::cli::kProgramPrefix << message.toStdString() << std::endl;
}

int runProgram(int argc, char** argv)
{
    using namespace nimbrel::cli;
    const ParseResult parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::cerr << kProgramPrefix << parsed.error << " (see nimbrel-batch --help)\n";
        return 2;
    }
    if (parsed.options.help) {
        std::cout << helpText();
        return 0;
    }
    if (parsed.options.version) {
        std::cout << kVersionText << '\n';
        return 0;
    }

    // Buttons are drawn off screen; a display is neither needed nor used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepQtQuiet);
    // Qt reads its own options from the arguments; captions must not be taken for them.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    // Made at its first use: here, before --jobs threads resolve system colours from it.
    QGuiApplication::palette();

    Streams streams{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    const int status = runBatch(parsed.options, nimbrel::appFoldersOfThisProcess(), streams);
    std::cout.flush();
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    // Nothing may end the program with an abort: whatever escapes is an error like any other.
    try {
        return runProgram(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << nimbrel::cli::kProgramPrefix << nimbrel::kOutOfMemoryMessage << std::endl;
    } catch (const std::exception& e) {
        std::cerr << nimbrel::cli::kProgramPrefix << e.what() << std::endl;
    } catch (...) {
        std::cerr << nimbrel::cli::kProgramPrefix << "Unexpected error" << std::endl;
    }
    std::cout.flush();
    return 1;
}
