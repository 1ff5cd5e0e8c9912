// A view that behaves like the real controls, for testing the dialog logic without a toolkit:
// selections outside the list leave none, typing stops at the limit, message boxes are
// recorded and answered from a script.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "dialog/dialog_view.h"
#include "dialog/vesko_dlg.h"
#include "settings/clock.h"

namespace vesko::testing {

struct ShownMessage {
    std::u16string text;
    std::u16string caption;
    MessageButtons buttons;
    MessageIcon icon;
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(const LocalTime& time) : time_(time) {}
    LocalTime Now() const override {
        if (broken_) {
            throw std::logic_error(*broken_);
        }
        return time_;
    }
    void Set(const LocalTime& time) { time_ = time; }
    // From now on the clock fails with `what`, as a slip anywhere in the program might.
    void Break(std::string what) { broken_ = std::move(what); }

private:
    LocalTime time_;
    std::optional<std::string> broken_;
};

class FakeDialogView final : public DialogView {
public:
    struct Control {
        int entries = 0;  // list length of a combo box
        int selection = -1;
        std::u16string text;
        bool enabled = true;
        int limit = 0;  // 0: no limit
        bool caret_at_end = false;
    };

    FakeDialogView();

    void Attach(CveskoDlg& logic) { logic_ = &logic; }
    // What the window does on opening: the logic's initialisation, then the focus.
    void Open();

    // The user's actions.
    void Choose(int id, int index);
    void Type(int id, std::u16string_view characters);
    void Replace(int id, std::u16string_view text);  // a paste over the whole text
    void Click(int id);

    const Control& control(int id) const { return controls_.at(id); }
    std::u16string SelectedEntry(int id) const;
    int focus() const { return focus_; }
    const std::u16string& caption() const { return caption_; }
    std::optional<DialogResult> ended() const { return ended_; }
    std::vector<ShownMessage> messages;
    std::deque<MessageResult> answers;  // kOk when empty
    // What happens while a message box is open: another program at work, say.
    std::function<void()> while_asking;
    // What the folder chooser gives, and how often it was offered.
    std::optional<Folder> chosen_folder;
    int chooser_offers = 0;

    int GetSelection(int id) const override;
    void SetSelection(int id, int index) override;
    std::u16string GetText(int id) const override;
    void SetText(int id, std::u16string_view text) override;
    void Enable(int id, bool enabled) override;
    void LimitText(int id, int max_chars) override;
    void PlaceCaretAtEnd(int id) override;
    void SetFocus(int id) override;
    MessageResult ShowMessage(std::u16string_view text, std::u16string_view caption,
                              MessageButtons buttons, MessageIcon icon) override;
    void SetCaption(std::u16string_view caption) override;
    void EndDialog(DialogResult result) override;
    std::optional<Folder> ChooseCardFolder() override;

private:
    std::map<int, Control> controls_;
    CveskoDlg* logic_ = nullptr;
    int focus_ = 0;
    std::u16string caption_;
    std::optional<DialogResult> ended_;
};

// Takes out the question a first save beside no config.bin asks (answered Yes unless told
// otherwise), for tests about what follows it; how many there were.
int TakeNewFileQuestions(FakeDialogView& view);

// A dialog on a fake view with a fixed clock, opened in the current folder.
struct OpenedDialog {
    static constexpr LocalTime kNow{2026, 12, 7, 9, 5, 3};
    FixedClock clock{kNow};
    FakeDialogView view;
    CveskoDlg dialog{view, clock};
    OpenedDialog() {
        view.Attach(dialog);
        view.Open();
    }
};

// The bytes a save at `time` writes for `record`.
std::vector<std::uint8_t> SavedAt(SettingsRecord record,
                                  const LocalTime& time = OpenedDialog::kNow);

}  // namespace vesko::testing
