#pragma once
// Asking about and making folders by their UTF-8 paths. Nothing here throws: a
// path that cannot be looked at reads as missing.
#include <string>

namespace nimbrel {

bool pathExists(const std::string& path);
bool isFolder(const std::string& path);
// Creates the folder and its missing parents; true when the folder is there afterwards.
bool makeFolderWithParents(const std::string& path);

}  // namespace nimbrel
