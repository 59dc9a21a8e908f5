#pragma once
// Runs the built nimbrel-batch as a separate process, the way a build script
// would, with its own application folder (NIMBREL_HOME) and its output caught.
#include <string>
#include <vector>

#include "support/child_process.h"

namespace nimbrel::test {

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
        const EnvironmentChanges changes = {
            {"NIMBREL_HOME", home_.empty() ? std::nullopt : std::optional<std::string>(home_)}};
        return runChildren(NIMBREL_BATCH_EXE, commands, changes, scratch_, parallel);
    }

private:
    std::string home_;
    std::string scratch_;
};

}  // namespace nimbrel::test
