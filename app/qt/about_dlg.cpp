#include "app/qt/about_dlg.h"

#include <QPushButton>

#include "dialog/about_template.h"
#include "dialog/control_ids.h"

namespace vesko {

CAboutDlg::CAboutDlg(const QIcon& icon, QWidget* parent)
    : QDialog(parent), widgets_(BuildFromTemplate(*this, kAboutDialog, icon)) {
    setWindowIcon(icon);
    if (auto* ok = qobject_cast<QPushButton*>(widgets_.by_id.at(IDOK))) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }
}

}  // namespace vesko
