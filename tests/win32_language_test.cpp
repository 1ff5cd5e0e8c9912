// The Windows window in German from the catalogs the program carries, in English without
// one, and every caption whole in the user's language.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/win32/com_handles.h"
#include "app/win32/user_language.h"
#include "app/win32/win32_dialog_view.h"
#include "app/win32/win32_text.h"
#include "dialog/control_ids.h"
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

// Runs the window, `script` once it is up; returns the messages it would have shown.
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

// The title, the OK button and the format question.
std::vector<std::wstring> Texts() {
    std::vector<std::wstring> texts;
    const auto shown = RunWindow(kSettingsDialog, [&texts](HWND hwnd) {
        texts = {WindowText(hwnd), WindowText(::GetDlgItem(hwnd, IDOK))};
        ::SendMessageW(hwnd, WM_COMMAND, IDC_FORMAT_SD, 0);
    });
    std::transform(shown.begin(), shown.end(), std::back_inserter(texts),
                   [](const Win32Message& message) { return ToWide(message.text).substr(0, 8); });
    return texts;
}

TEST(Win32LanguageTest, GermanFromTheProgramsCatalogsEnglishWithoutOne) {
    ASSERT_TRUE(UseLanguage(::GetModuleHandleW(nullptr), L"de"));
    EXPECT_EQ(Texts(),
              (std::vector<std::wstring>{L"Quorla-Einstellungen", L"OK (Speichern)", L"Warnung:"}));
    EXPECT_FALSE(UseLanguage(::GetModuleHandleW(nullptr), L"nl"));
    UseCatalog({});
    EXPECT_EQ(Texts(),
              (std::vector<std::wstring>{L"Quorla Configuration", L"OK (Save)", L"Warning:"}));
}

// The user's list of display languages as Windows gives it: the first the program speaks wins.
TEST(Win32LanguageTest, TheFirstOfTheUsersLanguagesThatTheProgramSpeaks) {
    using namespace std::literals;
    const auto carried = [](const std::wstring& name) {
        return ::FindResourceW(::GetModuleHandleW(nullptr), name.c_str(), RT_RCDATA) != nullptr;
    };
    EXPECT_EQ(ChooseCatalog(L"nl-NL\0de-DE\0"sv, carried), L"de");
    EXPECT_EQ(ChooseCatalog(L"pt-BR\0"sv, carried), L"pt_BR");
    EXPECT_EQ(ChooseCatalog(L"en-US\0de-DE\0"sv, carried), L"");  // English, its own
    EXPECT_EQ(ChooseCatalog(L"pt-PT\0zh-Hans-CN\0"sv, carried), L"zh_CN");
    EXPECT_EQ(ChooseCatalog(L"nl-NL\0"sv, carried), L"");
}

struct ReleaseDc {
    HWND window;
    void operator()(HDC dc) const { ::ReleaseDC(window, dc); }
};

// The pixels `item` lacks to show its caption, or each entry of its list, whole: the
// caption at `scale` 2, the font twice the size as at 200 %, has a list button twice as wide.
std::wstring CutCaptions(HWND item, int scale) {
    std::vector<std::pair<std::wstring, long>> shown;  // text, room
    RECT room{};
    ::GetClientRect(item, &room);
    std::wstring kind(16, L'\0');
    kind.resize(static_cast<std::size_t>(::GetClassNameW(item, kind.data(), 16)));
    if (kind == L"Static" || kind == L"Button") {
        shown.emplace_back(WindowText(item), room.right - (kind == L"Button" ? 4 : 0));
    } else if (kind == L"ComboBox") {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ::GetComboBoxInfo(item, &info);
        const long width = info.rcItem.right - info.rcItem.left -
                           (scale - 1) * (info.rcButton.right - info.rcButton.left);
        for (WPARAM i = 0; i < static_cast<WPARAM>(::SendMessageW(item, CB_GETCOUNT, 0, 0)); ++i) {
            std::wstring entry(
                static_cast<std::size_t>(::SendMessageW(item, CB_GETLBTEXTLEN, i, 0)), L'\0');
            ::SendMessageW(item, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
            shown.emplace_back(entry, width);
        }
    }
    const std::unique_ptr<HDC__, ReleaseDc> dc(::GetDC(item), ReleaseDc{item});
    ::SelectObject(dc.get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(item, WM_GETFONT, 0, 0)));
    std::wstring cut;
    for (const auto& [text, width] : shown) {
        SIZE size{};
        ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
        if (size.cx > width) {
            cut += L" \"" + text + L"\" (" + std::to_wstring(size.cx - width) + L" px)";
        }
    }
    return cut;
}

// Run once for each catalog's language with LANG as its users have it: their Windows has its
// own dialog font.
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
