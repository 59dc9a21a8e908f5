#pragma once
// Starting the built programs as a user or a build script would: an application
// folder of their own, no terminal, the output caught in files.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace nimbrel::test {

struct ProgramResult {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string err;
};

inline pid_t startProgram(const std::string& exe, const std::vector<std::string>& args, const std::string& home,
                          const std::string& errFile)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (entry.rfind("NIMBREL_HOME=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            entry.rfind("ASAN_OPTIONS=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("NIMBREL_HOME=" + home);
    env.push_back("QT_QPA_PLATFORM=offscreen");
    // Leak reports of the toolkit's caches at exit are not what is compared here.
    env.push_back("ASAN_OPTIONS=detect_leaks=0");
    std::vector<std::string> argv = {exe};
    argv.insert(argv.end(), args.begin(), args.end());
    const auto pointers = [](std::vector<std::string>& strings) {
        std::vector<char*> p;
        for (std::string& s : strings) p.push_back(s.data());
        p.push_back(nullptr);
        return p;
    };
    std::vector<char*> argvp = pointers(argv), envp = pointers(env);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argvp[0], &actions, nullptr, argvp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + exe);
    return pid;
}

inline int exitStatus(int waitStatus)
{
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs every command line of `exe`, two at a time.
inline std::vector<ProgramResult> runPrograms(const std::string& exe,
                                              const std::vector<std::vector<std::string>>& commands,
                                              const std::string& home, const std::string& scratch)
{
    std::vector<ProgramResult> results(commands.size());
    std::vector<std::pair<pid_t, std::size_t>> running;
    const auto errFile = [&](std::size_t i) { return scratch + "/stderr" + std::to_string(i); };
    std::size_t next = 0;
    while (next < commands.size() || !running.empty()) {
        while (next < commands.size() && running.size() < 2) {
            running.emplace_back(startProgram(exe, commands[next], home, errFile(next)), next);
            ++next;
        }
        int status = 0;
        const pid_t done = ::waitpid(-1, &status, 0);
        for (auto it = running.begin(); it != running.end(); ++it) {
            if (it->first != done) continue;
            results[it->second] = {exitStatus(status), readFile(errFile(it->second))};
            running.erase(it);
            break;
        }
    }
    return results;
}

// Starts the window program, waits until `readyPath` exists (it makes that
// folder while loading its settings, after its signal handlers are in place),
// then ends it with SIGTERM as a desktop session does at logout. Returns its
// exit status, or -1 when it did not get ready within a minute.
inline int runWindowUntilReady(const std::string& exe, const std::string& home, const std::string& scratch,
                               const std::string& readyPath)
{
    const pid_t pid = startProgram(exe, {}, home, scratch + "/window-stderr");
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
