#include "app/qt/vesko_app.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

#include <cstdlib>

#include "app/qt/app_icon.h"
#include "app/qt/qt_dialog_view.h"
#include "dialog/vesko_dlg.h"
#include "settings/clock.h"

namespace vesko {

namespace {

// The version-box entry appears only when a build sets its label; shipped builds have none.
#ifdef VESKO_ABOUT_LABEL
constexpr char16_t kAboutLabel[] = u"" VESKO_ABOUT_LABEL;
#else
constexpr char16_t kAboutLabel[] = u"";
#endif

}  // namespace

bool CveskoApp::InitInstance() {
    const QIcon icon = AppIcon();
    QApplication::setWindowIcon(icon);

    QtDialogView view(kSettingsDialog, icon);
    view.SetAboutLabel(ToQString(kAboutLabel));
    if (const QScreen* screen = view.screen()) {
        view.FitInto(screen->availableGeometry());
    }
    const SystemClock clock;
    CveskoDlg dialog(view, clock, card_);
    view.Attach(dialog);
    // OK or cancel: either way the program ends.
    if (view.RunModal() == QtDialogView::kFailed) {
        exit_status_ = EXIT_FAILURE;
    }
    return false;
}

}  // namespace vesko
