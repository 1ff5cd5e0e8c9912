#include "app/win32/vesko_app.h"

#include <commctrl.h>

#include <cstdlib>
#include <optional>

#include "app/win32/com_handles.h"
#include "app/win32/win32_dialog_view.h"
#include "dialog/dialog_template.h"
#include "dialog/vesko_dlg.h"
#include "settings/clock.h"

namespace vesko {

BOOL CveskoApp::InitInstance() {
    // Every standard common-control class, with the visual styles the manifest asks for.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0xFF;
    ::InitCommonControlsEx(&controls);
    // No application framework to initialise, no ActiveX controls to host and no registry key
    // to name: this program reads and writes nothing but config.bin.

    const ComApartment com;  // screen readers reach the controls' objects through it
    const SystemClock clock;
    std::optional<Folder> card = card_;
    while (card) {  // again on another folder the user chose for the card
        Win32DialogView view(instance_, kSettingsDialog);
        CveskoDlg dialog(view, clock, *card);
        view.Attach(dialog);
        // OK or cancel: either way the program ends, unless the user chose another folder;
        // a failure ends it at once.
        if (view.DoModal() == Win32DialogView::kFailed) {
            exit_status_ = EXIT_FAILURE;
            break;
        }
        card = dialog.reopen_on();
    }
    return FALSE;
}

}  // namespace vesko
