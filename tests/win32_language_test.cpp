// The Windows window in German from the catalogs built into the program, in English without
// one, and every caption whole in every language.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/com_handles.h"
#include "app/win32/user_language.h"
#include "app/win32/win32_dialog_view.h"
#include "app/win32/win32_text.h"
#include "dialog/control_ids.h"
#include "dialog/messages.h"
#include "dialog/vesko_dlg.h"
#include "fake_dialog_view.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"
#include "temp_folder.h"

namespace vesko {
namespace {

std::wstring WindowText(HWND hwnd) {
    std::wstring text(256, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(hwnd, text.data(), 256)));
    return text;
}

// Runs the window, `script` once it is up; the messages it would show are kept.
std::vector<Win32Message> RunWindow(const DialogTemplate& layout,
                                    const std::function<void(HWND)>& script) {
    const ComApartment com;
    const testing::TempFolder folder;
    const testing::FixedClock clock{testing::OpenedDialog::kNow};
    Win32DialogView view{::GetModuleHandleW(nullptr), layout};
    CveskoDlg dialog{view, clock};
    std::vector<Win32Message> shown;
    view.Attach(dialog);
    view.SetMessagePresenter([&shown](HWND, const Win32Message& message) {
        shown.push_back(message);
        return MessageResult::kCancel;
    });
    view.SetAfterInit([&script](HWND hwnd) {
        script(hwnd);
        ::PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
    });
    view.DoModal();
    return shown;
}

// The title, the OK button's caption, and the format question.
std::vector<std::wstring> Texts() {
    std::vector<std::wstring> texts;
    const auto shown = RunWindow(kSettingsDialog, [&texts](HWND hwnd) {
        texts = {WindowText(hwnd), WindowText(::GetDlgItem(hwnd, IDOK))};
        ::SendMessageW(hwnd, WM_COMMAND, IDC_FORMAT_SD, 0);
    });
    for (const Win32Message& message : shown) {
        texts.push_back(ToWide(message.text));
    }
    return texts;
}

TEST(Win32LanguageTest, GermanFromTheProgramsCatalogsEnglishWithoutOne) {
    ASSERT_TRUE(UseLanguage(::GetModuleHandleW(nullptr), L"de"));
    auto texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], L"Quorla-Einstellungen");
    EXPECT_EQ(texts[1], L"OK (Speichern)");
    EXPECT_EQ(texts[2].substr(0, 8), L"Warnung:");

    EXPECT_FALSE(UseLanguage(::GetModuleHandleW(nullptr), L"nl"));
    UseCatalog({});
    texts = Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], L"Quorla Configuration");
    EXPECT_EQ(texts[1], L"OK (Save)");
    EXPECT_EQ(texts[2], ToWide(messages::kFormatWarning));
}

class ItemDc {
public:
    explicit ItemDc(HWND item) : item_(item), dc_(::GetDC(item)) {
        old_ =
            ::SelectObject(dc_, reinterpret_cast<HGDIOBJ>(::SendMessageW(item, WM_GETFONT, 0, 0)));
    }
    ~ItemDc() {
        ::SelectObject(dc_, old_);
        ::ReleaseDC(item_, dc_);
    }
    ItemDc(const ItemDc&) = delete;
    ItemDc& operator=(const ItemDc&) = delete;
    int Width(const std::wstring& text) const {
        SIZE size{};
        ::GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    HWND item_;
    HDC dc_;
    HGDIOBJ old_;
};

int ClientWidth(HWND item) {
    RECT rect{};
    ::GetClientRect(item, &rect);
    return rect.right - rect.left;
}

// Each caption and list entry that does not fit its control, with the pixels it lacks. At
// `scale` 2 the font is twice the size, as at 200 %; the list's button grows with it there.
std::wstring CutCaptions(HWND item, int scale) {
    const ItemDc dc(item);
    std::vector<std::pair<std::wstring, int>> shown;  // text, room
    std::wstring kind(32, L'\0');
    kind.resize(static_cast<std::size_t>(::GetClassNameW(item, kind.data(), 32)));
    if (kind == L"Static") {
        shown.emplace_back(WindowText(item), ClientWidth(item));
    } else if (kind == L"Button") {
        shown.emplace_back(WindowText(item), ClientWidth(item) - 4);  // inside its 3-D edge
    } else if (kind == L"ComboBox") {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ::GetComboBoxInfo(item, &info);
        const int button = info.rcButton.right - info.rcButton.left;
        const int room = info.rcItem.right - info.rcItem.left - (scale - 1) * button;
        const auto count = ::SendMessageW(item, CB_GETCOUNT, 0, 0);
        for (WPARAM i = 0; i < static_cast<WPARAM>(count); ++i) {
            std::wstring entry(
                static_cast<std::size_t>(::SendMessageW(item, CB_GETLBTEXTLEN, i, 0)), L'\0');
            ::SendMessageW(item, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
            shown.emplace_back(entry, room);
        }
    }
    std::wstring cut;
    for (const auto& [text, room] : shown) {
        if (const int lacking = dc.Width(text) - room; !text.empty() && lacking > 0) {
            cut += L" \"" + text + L"\" (" + std::to_wstring(lacking) + L" px)";
        }
    }
    return cut;
}

// Run once for each catalog's language, with LANG set as its users have it: their Windows
// has its own dialog font. At 100 % and, with the font twice the size, at 200 %.
TEST(Win32LanguageTest, EveryCaptionIsWholeInTheUsersLanguage) {
    if (!UseUserLanguage(::GetModuleHandleW(nullptr))) {
        ASSERT_EQ(std::getenv("VESKO_CATALOG_EXPECTED"), nullptr) << "no catalog for LANG";
        GTEST_SKIP() << "no catalog for the user's language";
    }
    for (const int scale : {1, 2}) {
        DialogTemplate scaled = kSettingsDialog;
        scaled.font_points *= scale;
        std::wstring cut;
        RunWindow(scaled, [&cut, scale](HWND hwnd) {
            for (HWND item = ::GetWindow(hwnd, GW_CHILD); item != nullptr;
                 item = ::GetWindow(item, GW_HWNDNEXT)) {
                cut += CutCaptions(item, scale);
            }
        });
        EXPECT_EQ(ToUtf8(FromWide(cut)), "") << "at " << scale * 100 << " %";
    }
    UseCatalog({});
}

}  // namespace
}  // namespace vesko
