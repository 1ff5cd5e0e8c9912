#include "app/qt/guarded.h"

#include <QApplication>

#include <cstdio>

#include "app/qt/qt_dialog_view.h"
#include "dialog/messages.h"
#include "settings/text_conversion.h"
#include "settings/translation.h"

namespace vesko {

namespace {

MessageRequest ErrorBox(const char* what) {
    return {FromUtf8(what), Tr(messages::kErrorCaption), MessageButtons::kOk, MessageIcon::kError};
}

}  // namespace

void FailWindowOf(QWidget& where, const char* what) {
    QWidget* window = where.window();
    if (auto* view = dynamic_cast<QtDialogView*>(window)) {
        view->Fail(ErrorBox(what));
        return;
    }
    ShowMessageBox(window, ErrorBox(what));
    window->close();
}

void SayUnforeseen(const char* what) {
    if (QApplication::instance() != nullptr) {
        ShowMessageBox(nullptr, ErrorBox(what));
    } else {
        std::fprintf(stderr, "vesko: %s\n", what);
    }
}

}  // namespace vesko
