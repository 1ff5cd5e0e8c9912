#include "fake_dialog_view.h"

#include <algorithm>
#include <utility>

#include <stdexcept>

#include "dialog/control_ids.h"
#include "dialog/dialog_template.h"

namespace vesko::testing {

FakeDialogView::FakeDialogView() {
    for (const ControlTemplate& item : kSettingsDialog.controls) {
        if (item.id == IDC_STATIC) {
            continue;
        }
        Control state;
        if (const ComboBinding* binding = FindComboBinding(item.id)) {
            state.entries = static_cast<int>(binding->table->entries.size());
        }
        state.text = std::u16string(item.caption);
        controls_[item.id] = state;
    }
    caption_ = std::u16string(kSettingsDialog.caption);
}

void FakeDialogView::Open() {
    if (logic_->OnInitDialog()) {
        SetFocus(FirstTabStop(kSettingsDialog));
    }
}

void FakeDialogView::Choose(int id, int index) {
    Control& c = controls_.at(id);
    if (!c.enabled || index < 0 || index >= c.entries) {
        throw std::logic_error("the user cannot choose that");
    }
    c.selection = index;
    logic_->OnSelectionChanged(id);
}

void FakeDialogView::Type(int id, std::u16string_view characters) {
    for (const char16_t ch : characters) {
        Control& c = controls_.at(id);
        if (!c.enabled) {
            throw std::logic_error("the user cannot type into a disabled field");
        }
        if (c.limit > 0 && static_cast<int>(c.text.size()) >= c.limit) {
            continue;  // the edit box refuses the keystroke
        }
        c.text.push_back(ch);
        logic_->OnTextChanged(id);
    }
}

void FakeDialogView::Replace(int id, std::u16string_view text) {
    Control& c = controls_.at(id);
    c.text = std::u16string(
        text.substr(0, c.limit > 0 ? static_cast<std::size_t>(c.limit) : text.size()));
    logic_->OnTextChanged(id);
}

void FakeDialogView::Click(int id) {
    if (!controls_.at(id).enabled) {
        throw std::logic_error("the user cannot click a disabled button");
    }
    logic_->OnCommand(id);
}

std::u16string FakeDialogView::SelectedEntry(int id) const {
    const int selection = controls_.at(id).selection;
    if (selection < 0) {
        return {};
    }
    return std::u16string(
        FindComboBinding(id)->table->entries[static_cast<std::size_t>(selection)]);
}

int FakeDialogView::GetSelection(int id) const {
    return controls_.at(id).selection;
}

void FakeDialogView::SetSelection(int id, int index) {
    Control& c = controls_.at(id);
    c.selection = index >= 0 && index < c.entries ? index : -1;
}

std::u16string FakeDialogView::GetText(int id) const {
    return controls_.at(id).text;
}

void FakeDialogView::SetText(int id, std::u16string_view text) {
    Control& c = controls_.at(id);
    c.text = std::u16string(text);
    c.caret_at_end = false;
}

void FakeDialogView::Enable(int id, bool enabled) {
    controls_.at(id).enabled = enabled;
}

void FakeDialogView::LimitText(int id, int max_chars) {
    controls_.at(id).limit = max_chars;
}

void FakeDialogView::PlaceCaretAtEnd(int id) {
    controls_.at(id).caret_at_end = true;
}

void FakeDialogView::SetFocus(int id) {
    if (!controls_.contains(id)) {
        throw std::logic_error("no such control");
    }
    focus_ = id;
}

MessageResult FakeDialogView::ShowMessage(std::u16string_view text, std::u16string_view caption,
                                          MessageButtons buttons, MessageIcon icon) {
    messages.push_back({std::u16string(text), std::u16string(caption), buttons, icon});
    if (while_asking) {
        std::exchange(while_asking, nullptr)();
    }
    if (answers.empty()) {
        return MessageResult::kOk;
    }
    const MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
}

void FakeDialogView::SetCaption(std::u16string_view caption) {
    caption_ = std::u16string(caption);
}

std::optional<Folder> FakeDialogView::ChooseCardFolder() {
    ++chooser_offers;
    return chosen_folder;
}

void FakeDialogView::EndDialog(DialogResult result) {
    ended_ = result;
}

int TakeNewFileQuestions(FakeDialogView& view) {
    const auto first =
        std::remove_if(view.messages.begin(), view.messages.end(),
                       [](const ShownMessage& m) { return m.caption == u"New config.bin"; });
    const auto taken = static_cast<int>(view.messages.end() - first);
    view.messages.erase(first, view.messages.end());
    return taken;
}

std::vector<std::uint8_t> SavedAt(SettingsRecord record, const LocalTime& time) {
    const std::pair<Field, int> words[] = {
        {fields::kSaveYear, time.year},     {fields::kSaveMonth, time.month},
        {fields::kSaveDay, time.day},       {fields::kSaveHour, time.hour},
        {fields::kSaveMinute, time.minute}, {fields::kSaveSecond, time.second},
    };
    for (const auto& [field, value] : words) {
        record.SetWord(field, static_cast<std::uint16_t>(value));
    }
    return {record.bytes().begin(), record.bytes().end()};
}

}  // namespace vesko::testing
