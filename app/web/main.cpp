// The page's entry points, called by its script (vesko.js) one at a time: those that may ask
// the user or touch the card are awaited there through Asyncify. No exception goes back into
// the browser: it ends the window in the page's "Error" box instead.
#include <emscripten.h>

#include <cstdint>
#include <memory>
#include <span>

#include "app/web/web_dialog_view.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "settings/clock.h"
#include "settings/mo_catalog.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"
#include "settings/what_was_thrown.h"

namespace {

// clang-format off
EM_JS(void, JsFailed, (const char* what, const char* caption), {
    Module.veskoView.failed(UTF8ToString(what), UTF8ToString(caption));
});
// clang-format on

const vesko::SystemClock& Clock() {
    static const vesko::SystemClock clock;
    return clock;
}

vesko::WebDialogView& View() {
    static vesko::WebDialogView view(vesko::kSettingsDialog);
    return view;
}

// The window on the card the page holds now.
std::unique_ptr<vesko::CveskoDlg>& Dialog() {
    static std::unique_ptr<vesko::CveskoDlg> dialog;
    return dialog;
}

// After a failure nothing foresaw the logic's state is unknown: nothing more reaches it.
// Should saying it fail as well, the program ends there.
template <typename Action>
int Guarded(Action action) noexcept {
    try {
        action();
        return 0;
    } catch (...) {
        Dialog().reset();
        JsFailed(vesko::WhatWasThrown(),
                 vesko::ToUtf8(vesko::Tr(vesko::messages::kErrorCaption)).c_str());
    }
    return -1;
}

}  // namespace

extern "C" {

// `bytes`: a catalog the page keeps for as long as it lives.
EMSCRIPTEN_KEEPALIVE int vesko_use_catalog(const std::uint8_t* bytes, int size) {
    return Guarded([&] {
        vesko::UseMoCatalog(std::span<const std::uint8_t>(bytes, static_cast<std::size_t>(size)));
    });
}

EMSCRIPTEN_KEEPALIVE int vesko_build() {
    return Guarded([] { View().Build(); });
}

// Shows the card the page holds now (its config.bin, or the factory settings).
EMSCRIPTEN_KEEPALIVE int vesko_open() {
    return Guarded([] {
        Dialog() = std::make_unique<vesko::CveskoDlg>(View(), Clock());
        Dialog()->OnInitDialog();
    });
}

EMSCRIPTEN_KEEPALIVE int vesko_selection_changed(int id) {
    return Guarded([id] {
        if (Dialog()) {
            Dialog()->OnSelectionChanged(id);
        }
    });
}

EMSCRIPTEN_KEEPALIVE int vesko_text_changed(int id) {
    return Guarded([id] {
        if (Dialog()) {
            Dialog()->OnTextChanged(id);
        }
    });
}

EMSCRIPTEN_KEEPALIVE int vesko_command(int id) {
    return Guarded([id] {
        if (Dialog()) {
            Dialog()->OnCommand(id);
        }
    });
}

}  // extern "C"
