// The built window, sent SIGTERM as a session manager would: it always ends,
// without anyone to click a box, and says on standard error what went wrong.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/child_process.h"
#include "support/temp_folder.h"

namespace nimbrel::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Starts the window with `home` as its application folder, sends SIGTERM once it
// is up, and waits a while for it to end; a window still there is killed.
ProcessResult terminate(const std::string& home, const TempFolder& scratch)
{
    const std::string out = scratch.file("out"), err = scratch.file("err");
    const pid_t pid = startChild(NIMBREL_APP_EXE, {}, {{"NIMBREL_HOME", home}, {"QT_QPA_PLATFORM", "offscreen"}},
                                 out, err);
    std::this_thread::sleep_for(3s);  // past start-up, to the window or its first box
    ::kill(pid, SIGTERM);
    int status = 0;
    for (auto waited = 0ms; waited < 20s; waited += 100ms) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return {exitStatus(status), fileText(out), fileText(err)};
        std::this_thread::sleep_for(100ms);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return {-2, fileText(out), fileText(err)};
}

TEST(TerminationSignal, EndsWhileAStartUpBoxIsOpenAndReportsOnStandardError)
{
    TempFolder home, scratch;
    fs::create_directory(home.path() / "Nimbrel.ini");  // refused when read, and when written
    const ProcessResult r = terminate(home.path().string(), scratch);
    EXPECT_EQ(r.status, 0) << "-2: still running 20 s after SIGTERM\n" << r.err;
    EXPECT_NE(r.err.find("Nimbrel: Unable to write to " + home.file("Nimbrel.ini")), std::string::npos) << r.err;
}

TEST(TerminationSignal, EndsWhenTheSettingsCannotBeWritten)
{
    TempFolder scratch;
    std::ofstream(scratch.file("plain")) << "a file, not a folder";
    const std::string missing = scratch.file("plain/home");  // nothing can be made or written there
    const ProcessResult r = terminate(missing, scratch);
    EXPECT_EQ(r.status, 0) << "-2: still running 20 s after SIGTERM\n" << r.err;
    EXPECT_NE(r.err.find("Nimbrel: Unable to write to " + missing), std::string::npos) << r.err;
}

}  // namespace
}  // namespace nimbrel::test
