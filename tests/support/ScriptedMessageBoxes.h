#pragma once
// Message boxes answered from a script: each question takes the next answer (Cancel
// when the script has run out), and `whileShown` runs while a box waits for the user.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "slotpad/platform/MessageBoxes.h"

namespace slotpad::testing {

class ScriptedMessageBoxes : public MessageBoxes {
public:
    // "TITLE: PROMPT" for questions, "message: PROMPT" and "retry: PROMPT" for the others.
    std::vector<std::string> shown;
    std::deque<bool> answers;
    std::function<void()> whileShown;

    void Show_Message(const std::string& prompt) override {
        shown.push_back("message: " + prompt);
        if (whileShown) whileShown();
    }
    bool Confirm(const std::string& prompt, const std::string& title) override {
        shown.push_back(title + ": " + prompt);
        return Answer();
    }
    bool Ask_Retry(const std::string& prompt) override {
        shown.push_back("retry: " + prompt);
        return Answer();
    }

private:
    bool Answer() {
        if (whileShown) whileShown();
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace slotpad::testing
