#include "batch/batch_steps.h"

#include <gtest/gtest.h>

#include "batch/caption_to_file_name.h"
#include "base/error.h"

namespace nimbrel {
namespace {

// Plays the window: two edits, a selection, and a log of what was saved under
// which name. The caption edit derives the file name when automatic names are on.
class FakeWindow : public BatchHost {
public:
    std::string caption = "untitled";
    std::string fileName = "untitled";
    int selected = -1;
    bool autoFileName = false;
    std::string failOnCaption;  // drawing this caption fails
    int stopAfter = -1;         // keepGoing answers false once this many are done
    std::string drawn;
    std::vector<std::string> saved;  // "caption -> file name"
    std::vector<int> progress;

    void loadEntry(const std::string& newCaption, const std::string& newFileName) override
    {
        if (newCaption != caption) {
            caption = newCaption;
            if (autoFileName) fileName = captionToFileName(caption, true, true);
            drawn = caption;  // the caption change redraws
        }
        fileName = newFileName;
    }
    void selectEntry(int index) override { selected = index; }
    void draw() override
    {
        if (!failOnCaption.empty() && caption == failOnCaption) throw Error("Bitmap image is not valid");
        drawn = caption;
    }
    void save() override { saved.push_back(drawn + " -> " + fileName); }
    bool keepGoing(int done, int total) override
    {
        progress.push_back(done);
        EXPECT_GT(total, 0);
        return done != stopAfter;
    }
};

const std::vector<std::string> kCaptions = {"Home", "About us", "Contact"};
const std::vector<std::string> kNames = {"index", "about", "mail"};

TEST(CreateButtonAndAdvance, WalksTheListAndStaysOnTheLastEntry)
{
    FakeWindow w;
    w.caption = "Typed";
    w.fileName = "typed";
    const BatchLists lists{kCaptions, kNames};
    // No selection: saves what the edits hold, then shows entry 0.
    w.selected = createButtonAndAdvance(lists, w.selected, w);
    EXPECT_EQ(w.selected, 0);
    EXPECT_EQ(w.caption, "Home");
    EXPECT_EQ(w.fileName, "index");
    for (int i = 0; i < 4; ++i) w.selected = createButtonAndAdvance(lists, w.selected, w);
    EXPECT_EQ(w.selected, 2);
    EXPECT_EQ(w.saved, (std::vector<std::string>{"Typed -> typed", "Home -> index", "About us -> about",
                                                 "Contact -> mail", "Contact -> mail"}));
}

TEST(CreateButtonAndAdvance, EmptyListSavesTheCurrentButtonOnce)
{
    FakeWindow w;
    const std::vector<std::string> none;
    EXPECT_EQ(createButtonAndAdvance({none, none}, -1, w), -1);
    EXPECT_EQ(w.saved, std::vector<std::string>{"untitled -> untitled"});
    EXPECT_EQ(w.caption, "untitled");
}

TEST(CreateButtonAndAdvance, FailureLeavesTheSelection)
{
    FakeWindow w;
    w.failOnCaption = "untitled";
    EXPECT_THROW(createButtonAndAdvance({kCaptions, kNames}, -1, w), Error);
    EXPECT_EQ(w.selected, -1);
    EXPECT_TRUE(w.saved.empty());
}

TEST(CreateAllButtons, ListNamesWinOverDerivedOnes)
{
    FakeWindow w;
    w.autoFileName = true;
    w.selected = 1;
    EXPECT_EQ(createAllButtons({kCaptions, kNames}, w), 3);
    EXPECT_EQ(w.saved, (std::vector<std::string>{"Home -> index", "About us -> about", "Contact -> mail"}));
    EXPECT_EQ(w.selected, 1);  // not touched
    EXPECT_EQ(w.caption, "Contact");
    EXPECT_EQ(w.progress, (std::vector<int>{1, 2, 3}));
}

TEST(CreateAllButtons, EmptyListDoesNothing)
{
    FakeWindow w;
    const std::vector<std::string> none;
    EXPECT_EQ(createAllButtons({none, none}, w), 0);
    EXPECT_TRUE(w.saved.empty());
    EXPECT_TRUE(w.progress.empty());
}

TEST(CreateAllButtons, FailingEntryEndsTheBatchThere)
{
    FakeWindow w;
    w.failOnCaption = "About us";
    try {
        createAllButtons({kCaptions, kNames}, w);
        FAIL() << "the failure must reach the caller";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Bitmap image is not valid");
    }
    EXPECT_EQ(w.saved, std::vector<std::string>{"Home -> index"});
    EXPECT_EQ(w.caption, "About us");
}

TEST(CreateAllButtons, CancelStopsAfterTheCurrentImage)
{
    FakeWindow w;
    w.stopAfter = 2;
    EXPECT_EQ(createAllButtons({kCaptions, kNames}, w), 2);
    EXPECT_EQ(w.saved.size(), 2u);
}

}  // namespace
}  // namespace nimbrel
