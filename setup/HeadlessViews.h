// Views without any window, for runs without a user interface: dialog
// controls kept in memory, a progress view that draws nothing, message
// boxes that only write the log and give the cautious answer, and dialogs
// that are never shown.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/DialogView.h"
#include "platform/SetupUi.h"
#include "setup/InstallLog.h"

namespace setup {

class HeadlessDialog final : public platform::DialogView {
public:
    void SetText(int id, const std::string& text) override { texts_[id] = text; }
    std::string GetText(int id) override { return texts_[id]; }
    void Enable(int, bool) override {}
    void Check(int id, bool on) override { checks_[id] = on; }
    bool IsChecked(int id) override { return checks_[id]; }
    void ListReset(int id) override { lists_[id].clear(); }
    int ListAdd(int id, const std::string& text) override {
        lists_[id].push_back(text);
        return static_cast<int>(lists_[id].size()) - 1;
    }
    void ListSelect(int id, int index) override { selections_[id] = index; }
    int ListSelection(int id) override {
        auto it = selections_.find(id);
        return it == selections_.end() ? -1 : it->second;
    }
    std::string ListItemText(int id, int index) override {
        const auto& l = lists_[id];
        return index >= 0 && index < static_cast<int>(l.size()) ? l[static_cast<std::size_t>(index)] : std::string();
    }
    void SliderSetRange(int, int, int) override {}
    void SliderSetPos(int id, int pos) override { sliders_[id] = pos; }
    int SliderPos(int id) override { return sliders_[id]; }
    void Close(int result) override {
        closed_ = true;
        result_ = result;
    }

    bool Closed() const { return closed_; }
    int Result() const { return result_; }

private:
    std::map<int, std::string> texts_;
    std::map<int, bool> checks_;
    std::map<int, std::vector<std::string>> lists_;
    std::map<int, int> selections_;
    std::map<int, int> sliders_;
    bool closed_ = false;
    int result_ = 0;
};

class NullProgress final : public platform::ProgressView {
public:
    void InvalidateBar() override {}
    void PumpMessages() override {}
};

// Logs the text; answers Abort to Abort/Retry/Ignore, No to Yes/No, Cancel
// to OK/Cancel and OK to a plain message.
class LoggedBoxes final : public platform::MessageBoxes {
public:
    explicit LoggedBoxes(InstallLog& log) : log_(log) {}
    int Show(const std::string& text, const std::string& caption, unsigned style) override;
    int Count() const { return count_; }

private:
    InstallLog& log_;
    int count_ = 0;
};

// Dialogs are not shown; a modal one counts as cancelled.
class NoDialogs final : public platform::SetupDialogs {
public:
    int RunModal(int) override { return platform::kIdCancel; }
    void ShowModeless(int) override {}
    void DestroyModeless(int) override {}
};

}  // namespace setup
