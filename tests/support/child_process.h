#pragma once
// Starts built programs as separate processes, as a user or a build script
// would: no terminal, the environment adjusted, the output caught in files.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace nimbrel::test {

struct ProcessResult {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Variables to change in the child: a value sets the variable, none removes it.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

inline std::string fileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline int exitStatus(int waitStatus)
{
    return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
}

inline pid_t startChild(const std::string& exe, const std::vector<std::string>& args,
                        const EnvironmentChanges& changes, const std::string& outFile, const std::string& errFile)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool changed = false;
        for (const auto& change : changes) changed = changed || entry.rfind(change.first + "=", 0) == 0;
        if (!changed) env.push_back(entry);
    }
    for (const auto& [name, value] : changes)
        if (value) env.push_back(name + "=" + *value);
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
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argvp[0], &actions, nullptr, argvp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + exe);
    return pid;
}

// Runs every command line of `exe`, `parallel` at a time; each child's output
// goes through files in `scratch`.
inline std::vector<ProcessResult> runChildren(const std::string& exe,
                                              const std::vector<std::vector<std::string>>& commands,
                                              const EnvironmentChanges& changes, const std::string& scratch,
                                              std::size_t parallel)
{
    const auto outFile = [&](std::size_t i) { return scratch + "/stdout" + std::to_string(i); };
    const auto errFile = [&](std::size_t i) { return scratch + "/stderr" + std::to_string(i); };
    std::vector<ProcessResult> results(commands.size());
    std::vector<std::pair<pid_t, std::size_t>> running;
    std::size_t next = 0;
    while (next < commands.size() || !running.empty()) {
        while (next < commands.size() && running.size() < parallel) {
            running.emplace_back(startChild(exe, commands[next], changes, outFile(next), errFile(next)), next);
            ++next;
        }
        int status = 0;
        const pid_t done = ::waitpid(-1, &status, 0);
        for (auto it = running.begin(); it != running.end(); ++it) {
            if (it->first != done) continue;
            results[it->second] = {exitStatus(status), fileText(outFile(it->second)),
                                   fileText(errFile(it->second))};
            running.erase(it);
            break;
        }
    }
    return results;
}

}  // namespace nimbrel::test
