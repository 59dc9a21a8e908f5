#pragma once
// The status line's reports of what saving and batches did.
#include <string>
#include <vector>

namespace nimbrel {

// "Saved index.bmp and index.gif in /home/me/site/img"; the files share a folder.
std::string savedFilesMessage(const std::vector<std::string>& files);
// "Created 24 buttons in /home/me/site/img".
std::string batchDoneMessage(int made, const std::string& folder);
// "Stopped after 12 of 24: <reason>".
std::string batchStoppedMessage(int made, int total, const std::string& reason);

}  // namespace nimbrel
