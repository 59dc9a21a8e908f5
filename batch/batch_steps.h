#pragma once
// "Create Button && Advance" and "Create All Buttons" over the caption and
// file-name lists. The window and the command-line program supply the steps
// (load an entry into the edits, draw, save); the order and the stopping rules
// live here once.
#include <string>
#include <vector>

namespace nimbrel {

// More entries than this and "Create All Buttons" is worth a progress display.
inline constexpr int kBatchProgressThreshold = 20;

class BatchHost {
public:
    virtual ~BatchHost() = default;
    // Puts the caption into the caption edit (its change handler runs when the
    // text differs, which may derive a file name and redraw), then the file
    // name into the file-name edit, replacing any derived one.
    virtual void loadEntry(const std::string& caption, const std::string& fileName) = 0;
    // Selects the same entry in both lists.
    virtual void selectEntry(int index) = 0;
    // Draws the button for what the edits hold, then saves it. Errors are
    // nimbrel::Error and end the batch at this entry.
    virtual void draw() = 0;
    virtual void save() = 0;
    // Called after each image of "Create All Buttons" with the number made so
    // far; returning false stops the batch there (the images made stay).
    virtual bool keepGoing(int done, int total)
    {
        (void)done;
        (void)total;
        return true;
    }
};

struct BatchLists {
    const std::vector<std::string>& captions;
    const std::vector<std::string>& fileNames;
};

// Draws and saves what the edits hold, then moves the selection to the next
// entry and loads it (shown, not yet saved). On the last entry, or with an
// empty list, the selection stays. Returns the new selected index. An error
// while drawing or saving propagates and leaves the selection where it was.
int createButtonAndAdvance(const BatchLists& lists, int selectedIndex, BatchHost& host);

// Loads, draws and saves every entry in order; the selection is not touched.
// Returns how many images were made. The first error propagates: images saved
// before it stay and later entries are not made.
int createAllButtons(const BatchLists& lists, BatchHost& host);

}  // namespace nimbrel
