#pragma once
// A stand-in for the window's message boxes: answers questions from a script
// and records everything it was shown.
#include <deque>
#include <string>
#include <vector>

#include "batch/save_button.h"

namespace nimbrel::test {

class ScriptedSaveUi : public SaveInteraction {
public:
    std::deque<bool> answers;  // when it runs dry, every question is answered Yes
    std::vector<std::string> questions;
    std::vector<std::string> messages;

    bool askYesNo(const std::string& question) override
    {
        questions.push_back(question);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void showMessage(const std::string& text) override { messages.push_back(text); }
};

}  // namespace nimbrel::test
