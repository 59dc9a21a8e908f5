#pragma once
// The caption and file-name list boxes read and set as plain lists: their items
// as strings, and the one selected entry by index (-1 for none).
#include <string>
#include <vector>

class QListWidget;

namespace nimbrel {

std::vector<std::string> itemsOf(const QListWidget* list);
void appendItems(QListWidget* list, const std::vector<std::string>& items);

// The selected entry's index, or -1. (The current item alone, which a list may
// get when it takes the focus, is not a selection.)
int selectedIndex(const QListWidget* list);
// Selects entry `index`; an index outside the list leaves nothing selected.
void selectIndex(QListWidget* list, int index);

// Sets a flag for the life of the scope and restores it after, also on an error.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = before_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool before_;
};

}  // namespace nimbrel
