// The baseline for start-up on Windows: a dialog with one button, built the way vesko.exe
// builds its own (in-memory template, same font), with the same manifest.
#include <windows.h>

#include <array>

#include "app/win32/about_dlg.h"
#include "dialog/control_ids.h"

namespace {

constexpr std::array kControls = {
    vesko::ControlTemplate{IDOK,
                           "IDOK",
                           vesko::ControlKind::kPushButton,
                           vesko::kTabStop | vesko::kDefaultButton,
                           {60, 40, 50, 14},
                           u"OK"},
};
constexpr vesko::DialogTemplate kBare{1,    170,      70, u"MS Shell Dlg", 9, u"Bare dialog",
                                      true, kControls};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return static_cast<int>(vesko::RunSimpleDialog(instance, kBare, nullptr));
}
