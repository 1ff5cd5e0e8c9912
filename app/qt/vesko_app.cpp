#include "app/qt/vesko_app.h"

#include <QApplication>
#include <QIcon>

#include "app/qt/qt_dialog_view.h"
#include "dialog/clock.h"
#include "dialog/vesko_dlg.h"

namespace vesko {

bool CveskoApp::InitInstance() {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/vesko/icon.png")));

    QtDialogView view(kSettingsDialog);
    const SystemClock clock;
    CveskoDlg dialog(view, clock);
    view.Attach(dialog);
    view.Exec();  // OK or cancel: either way the program ends
    return false;
}

}  // namespace vesko
