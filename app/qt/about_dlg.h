// The version box.
#pragma once

#include <QDialog>

#include "app/qt/template_widgets.h"

namespace vesko {

class CAboutDlg final : public QDialog {
public:
    CAboutDlg(const QIcon& icon, QWidget* parent);

private:
    TemplateWidgets widgets_;
};

}  // namespace vesko
