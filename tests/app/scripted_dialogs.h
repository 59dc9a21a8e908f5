#pragma once
// A dialogs stand-in for widget tests: answers come from queues the test fills,
// and everything asked is recorded. A dialog that was not scripted fails the test
// and answers as a cancel, so nothing ever blocks.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"

namespace nimbrel::test {

class ScriptedDialogs : public Dialogs {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<FileDialogOptions> fileDialogs;
    std::vector<Color> colorRequests;

    std::deque<bool> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<std::optional<std::string>> folders;
    std::deque<std::optional<Color>> colors;

    void message(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string& title, const std::string& text) override
    {
        questions.push_back(title + ": " + text);
        return next(answers, false, "question");
    }
    std::optional<std::string> openFileName(const FileDialogOptions& options) override
    {
        fileDialogs.push_back(options);
        return next(fileNames, std::optional<std::string>(), "open dialog");
    }
    std::optional<std::string> saveFileName(const FileDialogOptions& options) override
    {
        fileDialogs.push_back(options);
        return next(fileNames, std::optional<std::string>(), "save dialog");
    }
    std::optional<std::string> folderName(const std::string&, const std::string&) override
    {
        return next(folders, std::optional<std::string>(), "folder dialog");
    }
    std::optional<Color> chooseColor(Color initial) override
    {
        colorRequests.push_back(initial);
        return next(colors, std::optional<Color>(), "colour dialog");
    }

private:
    template <class T>
    static T next(std::deque<T>& queue, T cancel, const char* what)
    {
        if (queue.empty()) {
            ADD_FAILURE() << "unscripted " << what;
            return cancel;
        }
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

}  // namespace nimbrel::test
