#pragma once
// The temporary files of atomic writes: ".nimbrel-" and six letters or digits,
// beside the file they will replace. A run killed mid-write leaves one behind;
// a later run writing into the same folder removes it.
#include <string>

namespace nimbrel {

inline constexpr const char* kTemporaryFilePrefix = ".nimbrel-";
// Younger than this, a temporary file may belong to a writer that has not locked it yet.
constexpr int kStaleTemporaryFileSeconds = 60;

// Removes the stale temporary files of `folder`: the first call for a folder
// looks, later calls for it return at once. A file whose writer still holds
// its lock, or that was changed within kStaleTemporaryFileSeconds, is kept.
void removeStaleTemporaryFiles(const std::string& folder);

// Called by the writer on its open temporary file: the lock that tells other
// runs it is alive.
void markTemporaryFileInUse(int fd);

}  // namespace nimbrel
