#pragma once
// Runs the built nimbrel-batch as a separate process, the way a build script
// would, with its own application folder (NIMBREL_HOME) and its output caught.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace nimbrel::test {

struct ProcessResult {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

class BatchProgram {
public:
    // An empty home leaves NIMBREL_HOME unset in the child.
    explicit BatchProgram(std::string home, std::string scratchFolder)
        : home_(std::move(home)), scratch_(std::move(scratchFolder))
    {
    }

    ProcessResult run(const std::vector<std::string>& args) const { return runAll({args}).front(); }

    // Runs several command lines, a few at a time.
    std::vector<ProcessResult> runAll(const std::vector<std::vector<std::string>>& commands,
                                      std::size_t parallel = 4) const
    {
        std::vector<ProcessResult> results(commands.size());
        std::vector<std::pair<pid_t, std::size_t>> running;
        std::size_t next = 0;
        while (next < commands.size() || !running.empty()) {
            while (next < commands.size() && running.size() < parallel) {
                running.emplace_back(start(commands[next], next), next);
                ++next;
            }
            int status = 0;
            const pid_t done = ::waitpid(-1, &status, 0);
            for (auto it = running.begin(); it != running.end(); ++it) {
                if (it->first != done) continue;
                ProcessResult& r = results[it->second];
                r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
                r.out = readAll(outFile(it->second));
                r.err = readAll(errFile(it->second));
                running.erase(it);
                break;
            }
        }
        return results;
    }

private:
    std::string outFile(std::size_t i) const { return scratch_ + "/stdout" + std::to_string(i); }
    std::string errFile(std::size_t i) const { return scratch_ + "/stderr" + std::to_string(i); }

    static std::string readAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    pid_t start(const std::vector<std::string>& args, std::size_t index) const
    {
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("NIMBREL_HOME=", 0) != 0) env.push_back(entry);
        }
        if (!home_.empty()) env.push_back("NIMBREL_HOME=" + home_);
        std::vector<std::string> argv = {NIMBREL_BATCH_EXE};
        argv.insert(argv.end(), args.begin(), args.end());

        auto pointers = [](std::vector<std::string>& strings) {
            std::vector<char*> p;
            for (std::string& s : strings) p.push_back(s.data());
            p.push_back(nullptr);
            return p;
        };
        std::vector<char*> argvp = pointers(argv), envp = pointers(env);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile(index).c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile(index).c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, argvp[0], &actions, nullptr, argvp.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (failed) throw std::runtime_error("cannot start " + argv[0]);
        return pid;
    }

    std::string home_;
    std::string scratch_;
};

}  // namespace nimbrel::test
