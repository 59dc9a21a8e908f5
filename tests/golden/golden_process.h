#pragma once
// The programs as the golden record runs them: an application folder of their
// own, the offscreen platform, and leak reports of the toolkit's caches at exit
// left out (they are not what is compared here).
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/child_process.h"

namespace nimbrel::test {

inline EnvironmentChanges goldenEnvironment(const std::string& home)
{
    return {{"NIMBREL_HOME", home}, {"QT_QPA_PLATFORM", "offscreen"}, {"ASAN_OPTIONS", "detect_leaks=0"}};
}

// Runs every command line of `exe`, two at a time.
inline std::vector<ProcessResult> runPrograms(const std::string& exe,
                                              const std::vector<std::vector<std::string>>& commands,
                                              const std::string& home, const std::string& scratch)
{
    return runChildren(exe, commands, goldenEnvironment(home), scratch, 2);
}

// Starts the window program, waits until `readyPath` exists (it makes that
// folder while loading its settings, after its signal handlers are in place),
// then ends it with SIGTERM as a desktop session does at logout. Returns its
// exit status, or -1 when it did not get ready within a minute.
inline int runWindowUntilReady(const std::string& exe, const std::string& home, const std::string& scratch,
                               const std::string& readyPath)
{
    const pid_t pid = startChild(exe, {}, goldenEnvironment(home), "/dev/null", scratch + "/window-stderr");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!std::filesystem::exists(readyPath) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const bool ready = std::filesystem::exists(readyPath);
    ::kill(pid, ready ? SIGTERM : SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return ready ? exitStatus(status) : -1;
}

}  // namespace nimbrel::test
