#include "app/web/web_dialog_view.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/web/page_texts.h"
#include "dialog/accessible_names.h"
#include "settings/translation.h"

namespace vesko {

namespace {

// A drop-down's template height includes its open list; closed, it is one row high.
constexpr int kClosedComboHeight = 12;

// The page's view script (vesko.view) does what the DOM needs. Texts cross as UTF-16, as the
// logic holds them: pointer and length in code units.
// clang-format off
EM_JS(void, JsCreate, (int id, int kind, const char* name, const char* key, const char16_t* caption,
                       int caption_length, int x, int y, int width, int height,
                       std::uint32_t styles, int labels, const char16_t* label,
                       int label_length, const char16_t* description, int description_length), {
    Module.veskoView.create({
        id: id, kind: kind, name: UTF8ToString(name), key: UTF8ToString(key),
        caption: UTF16ToString(caption, caption_length * 2),
        x: x, y: y, width: width, height: height, styles: styles, labels: labels,
        label: UTF16ToString(label, label_length * 2),
        description: UTF16ToString(description, description_length * 2)
    });
});
EM_JS(void, JsAddEntry, (int id, const char16_t* text, int length), {
    Module.veskoView.addEntry(id, UTF16ToString(text, length * 2));
});
EM_JS(void, JsDialog, (int width, int height, const char16_t* caption, int length,
                       const char16_t* font, int font_length, int points), {
    Module.veskoView.dialog(width, height, UTF16ToString(caption, length * 2),
                            UTF16ToString(font, font_length * 2), points);
});
EM_JS(void, JsPageText, (const char* key, const char16_t* text, int length), {
    Module.veskoView.texts[UTF8ToString(key)] = UTF16ToString(text, length * 2);
});
EM_JS(int, JsGetSelection, (int id), {
    return Module.veskoView.getSelection(id);
});
EM_JS(void, JsSetSelection, (int id, int index), {
    Module.veskoView.setSelection(id, index);
});
EM_JS(char16_t*, JsGetText, (int id, int* length), {
    const text = Module.veskoView.getText(id);
    const bytes = text.length * 2 + 2;
    const out = _malloc(bytes);
    stringToUTF16(text, out, bytes);
    HEAP32[length >> 2] = text.length;
    return out;
});
EM_JS(void, JsSetText, (int id, const char16_t* text, int length), {
    Module.veskoView.setText(id, UTF16ToString(text, length * 2));
});
EM_JS(void, JsEnable, (int id, int enabled), {
    Module.veskoView.enable(id, enabled !== 0);
});
EM_JS(void, JsLimitText, (int id, int max_chars), {
    Module.veskoView.limitText(id, max_chars);
});
EM_JS(void, JsPlaceCaretAtEnd, (int id), {
    Module.veskoView.placeCaretAtEnd(id);
});
EM_JS(void, JsSetFocus, (int id), {
    Module.veskoView.setFocus(id);
});
EM_ASYNC_JS(int, JsShowMessage, (const char16_t* text, int text_length, const char16_t* caption,
                                 int caption_length, int buttons, int icon), {
    return await Module.veskoView.showMessage(UTF16ToString(text, text_length * 2),
                                              UTF16ToString(caption, caption_length * 2),
                                              buttons, icon);
});
EM_JS(void, JsSetCaption, (const char16_t* caption, int length), {
    Module.veskoView.setCaption(UTF16ToString(caption, length * 2));
});
EM_JS(void, JsEndDialog, (int ok), {
    Module.veskoView.endDialog(ok !== 0);
});
// clang-format on

int Length(std::u16string_view text) {
    return static_cast<int>(text.size());
}

}  // namespace

void WebDialogView::Build() const {
    for (const page_texts::PageText& text : page_texts::kAll) {
        const std::string key(text.key);
        const std::u16string shown = Tr(text.english);
        JsPageText(key.c_str(), shown.data(), Length(shown));
    }
    const std::u16string caption = Tr(dialog_.caption);
    JsDialog(dialog_.width, dialog_.height, caption.data(), Length(caption),
             dialog_.font_name.data(), Length(dialog_.font_name), dialog_.font_points);
    for (const ControlTemplate& control : dialog_.controls) {
        DialogRect rect = control.rect;
        if (control.kind == ControlKind::kDropDownList) {
            rect.height = std::min(rect.height, kClosedComboHeight);
        }
        // An input is named by its setting ("DST Start week"); the label that starts its row
        // labels it as well, the first of the row by <label for>.
        const ControlTemplate* row_label = RowLabel(dialog_, control);
        const std::u16string text = Tr(control.caption);
        const std::u16string name = AccessibleName(dialog_, control);
        std::u16string description = AccessibleDescription(dialog_, control);
        if (description.empty()) {
            description = NameBeyondLabel(control);
        }
        const std::string element(control.name);
        const std::string key(control.key);
        JsCreate(control.id, static_cast<int>(control.kind), element.c_str(), key.c_str(),
                 text.data(), Length(text), rect.x, rect.y, rect.width, rect.height, control.styles,
                 row_label != nullptr ? static_cast<int>(row_label - dialog_.controls.data()) : -1,
                 name.data(), Length(name), description.data(), Length(description));
        if (const ComboBinding* binding = FindComboBinding(control.id)) {
            for (const std::u16string_view entry : binding->table->entries) {
                const std::u16string shown = Tr(entry);
                JsAddEntry(control.id, shown.data(), Length(shown));
            }
        }
    }
}

int WebDialogView::GetSelection(int id) const {
    return JsGetSelection(id);
}

void WebDialogView::SetSelection(int id, int index) {
    JsSetSelection(id, index);
}

std::u16string WebDialogView::GetText(int id) const {
    int length = 0;
    const std::unique_ptr<char16_t, decltype(&std::free)> text(JsGetText(id, &length), &std::free);
    return std::u16string(text.get(), static_cast<std::size_t>(length));
}

void WebDialogView::SetText(int id, std::u16string_view text) {
    JsSetText(id, text.data(), Length(text));
}

void WebDialogView::Enable(int id, bool enabled) {
    JsEnable(id, enabled ? 1 : 0);
}

void WebDialogView::LimitText(int id, int max_chars) {
    JsLimitText(id, max_chars);
}

void WebDialogView::PlaceCaretAtEnd(int id) {
    JsPlaceCaretAtEnd(id);
}

void WebDialogView::SetFocus(int id) {
    JsSetFocus(id);
}

MessageResult WebDialogView::ShowMessage(std::u16string_view text, std::u16string_view caption,
                                         MessageButtons buttons, MessageIcon icon) {
    return JsShowMessage(text.data(), Length(text), caption.data(), Length(caption),
                         static_cast<int>(buttons), static_cast<int>(icon)) != 0
               ? MessageResult::kOk
               : MessageResult::kCancel;
}

// The page's own button picks another card.
std::optional<Folder> WebDialogView::ChooseCardFolder() {
    return std::nullopt;
}

void WebDialogView::SetCaption(std::u16string_view caption) {
    JsSetCaption(caption.data(), Length(caption));
}

void WebDialogView::EndDialog(DialogResult result) {
    JsEndDialog(result == DialogResult::kOk ? 1 : 0);
}

}  // namespace vesko
