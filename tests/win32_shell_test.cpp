// The real Windows dialog, driven with real messages (under Wine on Linux).
#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/com_handles.h"
#include "app/win32/dialog_template_builder.h"
#include "app/win32/launch_win32.h"
#include "app/win32/win32_dialog_view.h"
#include "dialog/about_template.h"
#include "dialog/accessible_names.h"
#include "dialog/control_ids.h"
#include "dialog/vesko_dlg.h"
#include "fake_dialog_view.h"
#include "settings/defaults.h"
#include "temp_folder.h"

namespace vesko {
namespace {

std::wstring WindowText(HWND hwnd) {
    wchar_t buffer[256] = {};
    ::GetWindowTextW(hwnd, buffer, 256);
    return buffer;
}

std::wstring ClassName(HWND hwnd) {
    wchar_t buffer[64] = {};
    ::GetClassNameW(hwnd, buffer, 64);
    return buffer;
}

std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// The dialog manager hands some styles on: a combo box gives its scroll bar and client edge
// to its list and edit parts, and an edit box's border becomes a sunken client edge.
void ExpectStyles(const ControlTemplate& control, HWND item) {
    Win32ControlStyle expected = StyleOf(control);
    const auto style = static_cast<DWORD>(::GetWindowLongW(item, GWL_STYLE));
    const auto ex_style = static_cast<DWORD>(::GetWindowLongW(item, GWL_EXSTYLE));
    if (control.kind == ControlKind::kDropDownList) {
        expected.style &= ~static_cast<DWORD>(WS_VSCROLL);
        expected.ex_style &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    }
    if (control.kind == ControlKind::kEdit && (expected.style & WS_BORDER) != 0) {
        expected.style &= ~static_cast<DWORD>(WS_BORDER);
        EXPECT_TRUE((style & WS_BORDER) != 0 || (ex_style & WS_EX_CLIENTEDGE) != 0) << control.name;
    }
    EXPECT_EQ(style & expected.style, expected.style) << control.name;
    EXPECT_EQ(ex_style & expected.ex_style, expected.ex_style) << control.name;
}

std::wstring Take(BSTR text) {
    std::wstring taken = text != nullptr ? text : L"";
    ::SysFreeString(text);
    return taken;
}

POINT Centre(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class Win32ShellTest : public ::testing::Test {
protected:
    // Runs the dialog modally; `script` runs once it is initialised, inside the modal loop's
    // reach. A cancel is posted after it, so that a script that ends nothing cannot hang.
    INT_PTR Run(const std::function<void(HWND)>& script) {
        view.Attach(dialog);
        view.SetMessagePresenter([this](HWND, const Win32Message& message) {
            shown.push_back(message);
            if (answers.empty()) {
                return MessageResult::kOk;
            }
            const MessageResult answer = answers.front();
            answers.pop_front();
            return answer;
        });
        view.SetAfterInit([&script](HWND hwnd) {
            script(hwnd);
            ::PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
        });
        return view.DoModal();
    }

    static void Type(HWND hwnd, int id, std::wstring_view text) {
        for (const wchar_t c : text) {
            ::SendMessageW(::GetDlgItem(hwnd, id), WM_CHAR, c, 0);
        }
    }

    // What a combo box sends when the user picks an entry from its list.
    static void Choose(HWND hwnd, int id, int index) {
        HWND combo = ::GetDlgItem(hwnd, id);
        ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(combo));
    }

    static void PressKey(HWND target, WPARAM key) {
        ::PostMessageW(target, WM_KEYDOWN, key, 0);
        ::PostMessageW(target, WM_KEYUP, key, 0);
    }

    static bool Enabled(HWND hwnd, int id) {
        return ::IsWindowEnabled(::GetDlgItem(hwnd, id)) != 0;
    }

    ComApartment com;
    testing::TempFolder folder;
    testing::FixedClock clock{testing::OpenedDialog::kNow};
    Win32DialogView view{::GetModuleHandleW(nullptr), kSettingsDialog};
    CveskoDlg dialog{view, clock};
    std::vector<Win32Message> shown;
    std::deque<MessageResult> answers;
};

TEST_F(Win32ShellTest, EveryControlAsTheTemplateSays) {
    Run([](HWND hwnd) {
        EXPECT_EQ(WindowText(hwnd), L"Quorla Configuration");
        EXPECT_NE(::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
        HWND previous = nullptr;
        for (const ControlTemplate& control : kSettingsDialog.controls) {
            HWND item =
                ::GetNextWindow(previous == nullptr ? ::GetWindow(hwnd, GW_CHILD) : previous,
                                previous == nullptr ? GW_HWNDFIRST : GW_HWNDNEXT);
            ASSERT_NE(item, nullptr) << control.name;
            previous = item;
            if (control.id != IDC_STATIC) {
                EXPECT_EQ(item, ::GetDlgItem(hwnd, control.id))
                    << control.name << ": template order";
            }
            ExpectStyles(control, item);
            const std::wstring class_name = ClassName(item);
            switch (control.kind) {
                case ControlKind::kPushButton:
                    EXPECT_EQ(class_name, L"Button");
                    EXPECT_EQ(WindowText(item), Wide(control.caption));
                    break;
                case ControlKind::kLabel:
                    EXPECT_EQ(class_name, L"Static");
                    EXPECT_EQ(WindowText(item), Wide(control.caption));
                    break;
                case ControlKind::kEdit:
                    EXPECT_EQ(class_name, L"Edit");
                    break;
                case ControlKind::kDropDownList:
                    EXPECT_EQ(class_name, L"ComboBox");
                    break;
                case ControlKind::kIcon:
                    break;
            }
            // Where the dialog units put it, relative to the client area.
            RECT expected_rect{control.rect.x, control.rect.y, control.rect.x + control.rect.width,
                               control.rect.y + control.rect.height};
            ::MapDialogRect(hwnd, &expected_rect);
            RECT actual{};
            ::GetWindowRect(item, &actual);
            ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(actual.left, expected_rect.left) << control.name;
            EXPECT_EQ(actual.top, expected_rect.top) << control.name;
        }
        for (const ComboBinding& binding : kComboBindings) {
            HWND combo = ::GetDlgItem(hwnd, binding.control);
            ASSERT_EQ(static_cast<std::size_t>(::SendMessageW(combo, CB_GETCOUNT, 0, 0)),
                      binding.table->entries.size());
            for (std::size_t i = 0; i < binding.table->entries.size(); ++i) {
                wchar_t entry[64] = {};
                ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry));
                EXPECT_EQ(entry, Wide(binding.table->entries[i]));
            }
        }
    });
}

// What a screen reader gets through Active Accessibility (in-process: Wine hands these
// objects to no other process), printed as it reads them.
TEST_F(Win32ShellTest, ScreenReadersHearEachInputByItsLabel) {
    Run([](HWND hwnd) {
        std::set<std::wstring> names;
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        for (const ControlTemplate& control : kSettingsDialog.controls) {
            const std::u16string expected = AccessibleName(kSettingsDialog, control);
            if (expected.empty()) {
                continue;
            }
            void* object = nullptr;
            ASSERT_EQ(::AccessibleObjectFromWindow(::GetDlgItem(hwnd, control.id),
                                                   static_cast<DWORD>(OBJID_CLIENT),
                                                   __uuidof(IAccessible), &object),
                      S_OK)
                << control.name;
            const ComRef<IAccessible> accessible(static_cast<IAccessible*>(object));
            BSTR name = nullptr;
            BSTR value = nullptr;
            BSTR description = nullptr;
            VARIANT role{};
            EXPECT_EQ(accessible->get_accName(self, &name), S_OK);
            accessible->get_accValue(self, &value);
            accessible->get_accDescription(self, &description);
            accessible->get_accRole(self, &role);
            const std::wstring heard = Take(name);
            EXPECT_EQ(heard, Wide(expected)) << control.name;
            names.insert(heard);
            const std::wstring described = Take(description);
            EXPECT_EQ(described, Wide(AccessibleDescription(kSettingsDialog, control)));
            std::printf("%-24s role %2ld  name \"%ls\"  value \"%ls\"  description \"%ls\"\n",
                        std::string(control.name).c_str(), role.lVal, heard.c_str(),
                        Take(value).c_str(), described.c_str());
        }
        EXPECT_EQ(names.size(), 26u);
    });
}

// Clients reading the properties through IDispatch (scripts, older readers) hear the same.
TEST_F(Win32ShellTest, InvokeAnswersAsTheDirectCalls) {
    Run([](HWND hwnd) {
        VARIANT self{};
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const std::pair<DISPID, HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*)>
            properties[] = {{DISPID_ACC_NAME, &IAccessible::get_accName},
                            {DISPID_ACC_DESCRIPTION, &IAccessible::get_accDescription},
                            {DISPID_ACC_VALUE, &IAccessible::get_accValue}};
        for (const int id : {IDC_DST_START_WEEK, IDC_WIFI_SSID}) {
            void* object = nullptr;
            ASSERT_EQ(::AccessibleObjectFromWindow(::GetDlgItem(hwnd, id),
                                                   static_cast<DWORD>(OBJID_CLIENT),
                                                   __uuidof(IAccessible), &object),
                      S_OK);
            const ComRef<IAccessible> accessible(static_cast<IAccessible*>(object));
            for (const auto& [dispid, get] : properties) {
                BSTR direct = nullptr;
                const HRESULT said = (accessible.get()->*get)(self, &direct);
                const std::wstring expected = Take(direct);
                for (UINT count : {0U, 1U}) {  // the child left out, then given
                    DISPPARAMS params{&self, nullptr, count, 0};
                    VARIANT answer{};
                    EXPECT_EQ(accessible->Invoke(dispid, IID_NULL, 0, DISPATCH_PROPERTYGET, &params,
                                                 &answer, nullptr, nullptr),
                              said);
                    EXPECT_EQ(answer.vt, VT_BSTR);
                    EXPECT_EQ(Take(answer.bstrVal), expected) << id << " " << dispid;
                }
            }
        }
    });
}

// A screen reader hears a new entry: its list says its value changed.
TEST_F(Win32ShellTest, ChangedSelectionIsAnnounced) {
    static std::vector<HWND> changed;
    changed.clear();
    const HWINEVENTHOOK hook = ::SetWinEventHook(
        EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
            if (object == OBJID_CLIENT && child == CHILDID_SELF) {
                changed.push_back(hwnd);
            }
        },
        ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    HWND audio = nullptr;
    Run([&audio](HWND hwnd) {
        audio = ::GetDlgItem(hwnd, IDC_AUDIO);
        ::SendMessageW(audio, WM_KEYDOWN, VK_UP, 0);  // the user's arrow key: ON
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&message);
        }
    });
    ::UnhookWinEvent(hook);
    EXPECT_NE(std::find(changed.begin(), changed.end(), audio), changed.end());
}

// Tab goes through the enabled tab stops in template order and back to "OK (Save)"; the
// dialog manager passes over disabled ones (the speed limit and the manual DST dates).
TEST_F(Win32ShellTest, TabWalksTheEnabledTabStopsInTemplateOrder) {
    Run([](HWND hwnd) {
        std::vector<HWND> expected;
        for (const ControlTemplate& control : kSettingsDialog.controls) {
            HWND item = ::GetDlgItem(hwnd, control.id);
            if ((control.styles & kTabStop) != 0 && ::IsWindowEnabled(item)) {
                expected.push_back(item);
            }
        }
        EXPECT_FALSE(Enabled(hwnd, IDC_SPEED_LIMIT));
        ::SetFocus(expected.front());  // the dialog manager focuses it after initialisation
        std::vector<HWND> visited{::GetFocus()};
        do {
            ::SendMessageW(hwnd, WM_NEXTDLGCTL, 0, FALSE);
            visited.push_back(::GetFocus());
        } while (visited.back() != visited.front() && visited.size() <= expected.size());
        visited.pop_back();
        EXPECT_EQ(visited, expected);
    });
}

// Like the Linux window: centred on the screen, and a paste keeps its first line (the
// system's single-line edit does that itself).
TEST_F(Win32ShellTest, OpensCentredAndAPasteKeepsItsFirstLine) {
    Run([](HWND hwnd) {
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        const POINT centre = Centre(hwnd);
        EXPECT_LE(std::abs(centre.x - (work.left + work.right) / 2), 1);
        EXPECT_LE(std::abs(centre.y - (work.top + work.bottom) / 2), 1);

        ASSERT_TRUE(::OpenClipboard(hwnd));
        ::EmptyClipboard();
        const std::wstring lines = L"AB_1\r\nsecond";
        HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (lines.size() + 1) * sizeof(wchar_t));
        std::copy_n(lines.c_str(), lines.size() + 1, static_cast<wchar_t*>(::GlobalLock(memory)));
        ::GlobalUnlock(memory);
        ::SetClipboardData(CF_UNICODETEXT, memory);  // the clipboard owns it from here
        ::CloseClipboard();
        ::SendDlgItemMessageW(hwnd, IDC_VEHICLE_NUMBER, WM_PASTE, 0, 0);
        EXPECT_EQ(WindowText(::GetDlgItem(hwnd, IDC_VEHICLE_NUMBER)), L"AB_1");
    });
}

TEST_F(Win32ShellTest, UserSelectionReachesTheRecordAndSwitchesControls) {
    Run([this](HWND hwnd) {
        Choose(hwnd, IDC_TIME_ZONE, 13);
        EXPECT_EQ(dialog.record().Byte(fields::kTimeZone), 13);

        EXPECT_FALSE(Enabled(hwnd, IDC_SPEED_LIMIT));
        Choose(hwnd, IDC_SPEED_LIMIT_EVENT, 1);
        EXPECT_TRUE(Enabled(hwnd, IDC_SPEED_LIMIT));
        EXPECT_TRUE(Enabled(hwnd, IDC_SPEED_LIMIT_UNIT));

        Choose(hwnd, IDC_DST_MODE, 1);
        EXPECT_TRUE(Enabled(hwnd, IDC_DST_START_WEEK));
        Choose(hwnd, IDC_DST, 1);
        EXPECT_FALSE(Enabled(hwnd, IDC_DST_MODE));
        EXPECT_FALSE(Enabled(hwnd, IDC_DST_STOP_SUNDAY));

        // A selection set by the program is no user change.
        ::SendDlgItemMessageW(hwnd, IDC_AUDIO, CB_SETCURSEL, 0, 0);
        EXPECT_EQ(dialog.record().Byte(fields::kAudio), 1);
    });
}

TEST_F(Win32ShellTest, TypingRunsTheRulesAndStopsAtTheLimits) {
    Run([this](HWND hwnd) {
        Type(hwnd, IDC_VEHICLE_NUMBER, L"AB\u00E9");
        EXPECT_EQ(WindowText(::GetDlgItem(hwnd, IDC_VEHICLE_NUMBER)), L"AB");
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, u"Please enter 0-9,'_',a-z,A-Z.");
        EXPECT_EQ(shown[0].icon, MessageIcon::kError);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(hwnd, IDC_VEHICLE_NUMBER));

        Type(hwnd, IDC_VEHICLE_NUMBER, L"CDEFGHIJKLMNOPQRSTUV");
        EXPECT_EQ(WindowText(::GetDlgItem(hwnd, IDC_VEHICLE_NUMBER)), L"ABCDEFGHIJKLMNO");
        Type(hwnd, IDC_WIFI_SSID, L"123456789012345678901234");
        EXPECT_EQ(WindowText(::GetDlgItem(hwnd, IDC_WIFI_SSID)).size(), 20u);

        Choose(hwnd, IDC_SPEED_LIMIT_EVENT, 1);
        ::SetDlgItemTextW(hwnd, IDC_SPEED_LIMIT, L"");
        Type(hwnd, IDC_SPEED_LIMIT, L"7x");
        EXPECT_EQ(WindowText(::GetDlgItem(hwnd, IDC_SPEED_LIMIT)), L"7");
        ASSERT_EQ(shown.size(), 2u);
        EXPECT_EQ(shown[1].text, u"Please enter 0-9.");
        Type(hwnd, IDC_SPEED_LIMIT, L"8912");
        EXPECT_EQ(WindowText(::GetDlgItem(hwnd, IDC_SPEED_LIMIT)), L"789");
        EXPECT_EQ(shown.size(), 2u);
    });
}

// A list takes no typed text: a letter picks the next entry it starts, and the record
// follows what the list shows.
TEST_F(Win32ShellTest, TypingIntoAListPicksAnEntryThatReachesTheRecord) {
    Run([this](HWND hwnd) {
        HWND audio = ::GetDlgItem(hwnd, IDC_AUDIO);
        EXPECT_EQ(::GetWindow(audio, GW_CHILD), nullptr) << "no edit field to type into";
        for (const wchar_t letter : {L'O', L'O', L'x'}) {
            ::SendMessageW(audio, WM_CHAR, letter, 0);
            const auto selected = static_cast<int>(::SendMessageW(audio, CB_GETCURSEL, 0, 0));
            EXPECT_EQ(dialog.record().Byte(fields::kAudio), selected);
        }
    });
}

// Beside no config.bin, Enter asks first: No offers the folder chooser and writes nothing,
// a cancelled chooser leaves the window open; Yes writes the defaults.
TEST_F(Win32ShellTest, EnterWithNoFileAsksThenWritesTheDefaults) {
    int offers = 0;
    view.SetFolderChooser([&offers](HWND) {
        ++offers;
        return std::optional<Folder>();
    });
    answers = {MessageResult::kCancel};
    const INT_PTR result = Run([](HWND hwnd) {
        PressKey(::GetDlgItem(hwnd, IDC_VEHICLE_NUMBER), VK_RETURN);
        PressKey(::GetDlgItem(hwnd, IDC_VEHICLE_NUMBER), VK_RETURN);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(offers, 1);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].caption, u"New config.bin");
    EXPECT_EQ(shown[0].buttons, MessageButtons::kYesNo);
    EXPECT_EQ(shown[1].caption, u"New config.bin");
    EXPECT_EQ(shown[2].caption, u"Success");
    EXPECT_EQ(shown[2].icon, MessageIcon::kNone);
    SettingsRecord expected = FactoryDefaults();
    EXPECT_EQ(testing::ReadConfigBytes(), testing::SavedAt(expected));
}

TEST_F(Win32ShellTest, EscapeWritesNothing) {
    const INT_PTR result = Run([](HWND hwnd) {
        Choose(hwnd, IDC_AUDIO, 0);
        PressKey(::GetDlgItem(hwnd, IDC_AUDIO), VK_ESCAPE);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
}

TEST_F(Win32ShellTest, FileLockedByAnotherProgram) {
    SettingsRecord record = FactoryDefaults();
    record.SetText(fields::kVehicleNumber, u"LOCKED");
    testing::WriteConfigBytes({record.bytes().begin(), record.bytes().end()});
    HANDLE other = ::CreateFileW(L"config.bin", GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    const INT_PTR result = Run([](HWND hwnd) {
        EXPECT_EQ(WindowText(::GetDlgItem(hwnd, IDC_VEHICLE_NUMBER)), L"") << "the defaults";
        ::SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
    });
    ::CloseHandle(other);
    EXPECT_EQ(result, IDCANCEL) << "the failed save did not end the dialog";
    ASSERT_EQ(shown.size(), 2u);
    const std::u16string in_use = u" config.bin: The file is in use by another program.";
    EXPECT_EQ(shown[0].text, u"Could not read" + in_use) << "said before the defaults show";
    EXPECT_EQ(shown[1].text, u"Could not write" + in_use);
    for (const Win32Message& message : shown) {
        EXPECT_EQ(message.caption, u"Error");
        EXPECT_EQ(message.icon, MessageIcon::kError);
    }
    EXPECT_EQ(testing::ReadConfigBytes(),
              std::vector<std::uint8_t>(record.bytes().begin(), record.bytes().end()));
}

// A failure nothing foresaw, in the dialog procedure: the "Error" box says it, the window
// ends, and the save it broke off writes nothing.
TEST_F(Win32ShellTest, AnUnforeseenFailureEndsTheWindowInTheErrorBox) {
    const INT_PTR result = Run([this](HWND hwnd) {
        clock.Break("Uhr gestört — Zeit unbekannt");
        ::SendMessageW(hwnd, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, Win32DialogView::kFailed);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, u"Uhr gestört — Zeit unbekannt");
    EXPECT_EQ(shown[0].caption, u"Error");
    EXPECT_EQ(shown[0].icon, MessageIcon::kError);
    EXPECT_FALSE(std::filesystem::exists("config.bin"));
}

HMENU LastItems(HWND hwnd, UINT& last_id, UINT& before_type) {
    HMENU menu = ::GetSystemMenu(hwnd, FALSE);
    const int count = ::GetMenuItemCount(menu);
    last_id = ::GetMenuItemID(menu, count - 1);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(count - 2), TRUE, &info);
    before_type = info.fType;
    return menu;
}

TEST_F(Win32ShellTest, TheIconIsTheWindowsIconAndItsDragIcon) {
    Run([](HWND hwnd) {
        const auto big = ::SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(big, 0);
        EXPECT_EQ(::SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0), big);
        HICON resource = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(128));
        EXPECT_EQ(big, reinterpret_cast<LRESULT>(resource));
        // One image in the resource: 128 by 128 at 32 bits, a PNG (the directory's first entry).
        HMODULE module = ::GetModuleHandleW(nullptr);
        HRSRC group = ::FindResourceW(module, MAKEINTRESOURCEW(128), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr);
        const auto* directory =
            static_cast<const BYTE*>(::LockResource(::LoadResource(module, group)));
        EXPECT_EQ(directory[4] | directory[5] << 8, 1) << "image count";
        EXPECT_EQ(directory[6], 128) << "width";
        EXPECT_EQ(directory[7], 128) << "height";
        EXPECT_EQ(directory[12] | directory[13] << 8, 32) << "bits per pixel";
        // The dialog procedure answers the drag-icon query with the icon itself.
        // NOLINTNEXTLINE(performance-no-int-to-ptr): Windows keeps the procedure as an integer
        const auto proc = reinterpret_cast<DLGPROC>(::GetWindowLongPtrW(hwnd, DWLP_DLGPROC));
        EXPECT_EQ(proc(hwnd, WM_QUERYDRAGICON, 0, 0), static_cast<INT_PTR>(big));
    });
}

TEST_F(Win32ShellTest, NoVersionBoxEntryWithTheShippedResources) {
    Run([](HWND hwnd) {
        UINT last_id = 0;
        UINT before_type = 0;
        LastItems(hwnd, last_id, before_type);
        EXPECT_NE(last_id, static_cast<UINT>(IDM_ABOUTBOX));
    });
}

std::vector<std::wstring> g_about_texts;
POINT g_about_centre{};

void CALLBACK CloseVersionBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = ::FindWindowW(L"#32770", L"Version");
    if (box == nullptr) {
        return;
    }
    ::KillTimer(nullptr, timer);
    g_about_centre = Centre(box);
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const bool is_icon = (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
        g_about_texts.push_back(
            is_icon ? (::SendMessageW(child, STM_GETICON, 0, 0) != 0 ? L"(icon)" : L"(no icon)")
                    : WindowText(child));
    }
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(Win32ShellTest, VersionBoxFromTheWindowMenuWithALabel) {
    view.SetAboutLabel(L"About vesko...");
    g_about_texts.clear();
    POINT settings_centre{};
    Run([&settings_centre](HWND hwnd) {
        // Off the screen's centre, where the box would open without its owner's help.
        ::SetWindowPos(hwnd, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        settings_centre = Centre(hwnd);
        UINT last_id = 0;
        UINT before_type = 0;
        HMENU menu = LastItems(hwnd, last_id, before_type);
        EXPECT_EQ(last_id, static_cast<UINT>(IDM_ABOUTBOX));
        EXPECT_NE(before_type & MFT_SEPARATOR, 0u);
        wchar_t label[64] = {};
        ::GetMenuStringW(menu, IDM_ABOUTBOX, label, 64, MF_BYCOMMAND);
        EXPECT_STREQ(label, L"About vesko...");

        ::SetTimer(nullptr, 0, 20, CloseVersionBox);
        ::SendMessageW(hwnd, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    });
    EXPECT_EQ(g_about_texts, (std::vector<std::wstring>{L"(icon)", L"ver:20170421", L"", L"确定"}));
    EXPECT_LE(std::abs(g_about_centre.x - settings_centre.x), 1) << "centred on its owner";
    EXPECT_LE(std::abs(g_about_centre.y - settings_centre.y), 1);
}

}  // namespace
}  // namespace vesko
