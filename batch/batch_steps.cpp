#include "batch/batch_steps.h"

namespace nimbrel {
namespace {

// The lists are kept the same length; should one ever fall short, its missing
// entries read as empty rather than out of bounds.
const std::string& entryOf(const std::vector<std::string>& list, std::size_t index)
{
    static const std::string empty;
    return index < list.size() ? list[index] : empty;
}

}  // namespace

int createButtonAndAdvance(const BatchLists& lists, int selectedIndex, BatchHost& host)
{
    host.draw();
    host.save();
    const int count = static_cast<int>(lists.captions.size());
    const int current = selectedIndex < -1 ? -1 : selectedIndex;
    if (current >= count - 1) return selectedIndex;
    const int next = current + 1;
    host.selectEntry(next);
    host.loadEntry(entryOf(lists.captions, next), entryOf(lists.fileNames, next));
    return next;
}

int createAllButtons(const BatchLists& lists, BatchHost& host)
{
    // The count is taken once: the steps may not change the lists, but if they
    // did, the batch would still end where it was meant to.
    const std::size_t count = lists.captions.size();
    int made = 0;
    for (std::size_t i = 0; i < count; ++i) {
        host.loadEntry(entryOf(lists.captions, i), entryOf(lists.fileNames, i));
        host.draw();
        host.save();
        ++made;
        if (!host.keepGoing(made, static_cast<int>(count))) break;
    }
    return made;
}

}  // namespace nimbrel
