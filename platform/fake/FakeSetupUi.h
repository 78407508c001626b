// The setup program's user interface in memory: scripted message-box
// answers, a string table, a wizard sheet, a progress view and dialogs by
// id, each recording what the code under test did with it.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/SetupUi.h"

namespace platform::fake {

class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Box {
        std::string text, caption;
        unsigned style = 0;
    };
    int Show(const std::string& text, const std::string& caption, unsigned style) override {
        shown.push_back({text, caption, style});
        if (answers.empty()) return defaultAnswer;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<int> answers;     // taken in order
    int defaultAnswer = kIdOk;   // when the queue is empty
    std::vector<Box> shown;
};

class FakeStringTable final : public StringTable {
public:
    std::string Load(unsigned id) override {
        auto it = strings.find(id);
        return it == strings.end() ? std::string() : it->second;
    }
    std::map<unsigned, std::string> strings;
};

class FakeWizardSheet final : public WizardSheet {
public:
    void SetWizardButtons(unsigned b) override { buttonSets.push_back(b); }
    std::string ButtonText(int id) override { return texts[id]; }
    void SetButtonText(int id, const std::string& t) override { texts[id] = t; }
    void ShowButton(int id, bool shown) override { hidden[id] = !shown; }
    std::vector<unsigned> buttonSets;
    std::map<int, std::string> texts{{kSheetBackButton, "< &Back"}, {kSheetNextButton, "&Next >"}, {kSheetCancelButton, "Cancel"}};
    std::map<int, bool> hidden;
};

class FakeProgressView final : public ProgressView {
public:
    void InvalidateBar() override { ++invalidations; }
    void PumpMessages() override {
        ++pumps;
        if (onPump) onPump();
    }
    int invalidations = 0;
    int pumps = 0;
    std::function<void()> onPump;   // lets a test look at the state between steps
};

class FakeSetupDialogs final : public SetupDialogs {
public:
    int RunModal(int id) override {
        events.push_back("modal " + std::to_string(id));
        if (answers.empty()) return defaultAnswer;
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowModeless(int id) override { events.push_back("show " + std::to_string(id)); }
    void DestroyModeless(int id) override { events.push_back("destroy " + std::to_string(id)); }
    std::deque<int> answers;
    int defaultAnswer = kIdOk;
    std::vector<std::string> events;
};

}  // namespace platform::fake
