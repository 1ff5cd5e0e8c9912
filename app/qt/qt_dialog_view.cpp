#include "app/qt/qt_dialog_view.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <cassert>

#include "app/qt/about_dlg.h"
#include "app/qt/guarded.h"
#include "app/qt/window_fit.h"
#include "dialog/control_ids.h"
#include "dialog/vesko_dlg.h"

namespace vesko {

QtDialogView::QtDialogView(const DialogTemplate& dialog, const QIcon& icon, QWidget* parent)
    : QDialog(parent),
      dialog_(dialog),
      icon_(icon),
      layout_(this),
      scroll_(this),
      page_(&scroll_),  // in the window from the start: the default button finds its dialog
      widgets_(BuildFromTemplate(*this, page_, dialog, icon)) {
    presenter_ = [this](const MessageRequest& request) { return ShowMessageBox(this, request); };
    setWindowIcon(icon_);
    layout_.setContentsMargins(0, 0, 0, 0);
    layout_.addWidget(&scroll_);
    scroll_.setFrameShape(QFrame::NoFrame);
    scroll_.setFocusPolicy(Qt::NoFocus);  // the controls take the focus, not their frame
    scroll_.setWidget(&page_);
    setFixedSize(page_.size());
}

void QtDialogView::FitInto(const QRect& available) {
    // The frame is the window manager's and unknown until shown: a title bar and thin edges.
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QMargins frame(edge, style()->pixelMetric(QStyle::PM_TitleBarHeight) + edge, edge, edge);
    setFixedSize(FitWindow(page_.size(), available.size(), frame,
                           style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
}

void QtDialogView::Attach(CveskoDlg& logic) {
    logic_ = &logic;
    for (const auto& [id, widget] : widgets_.by_id) {
        const int control = id;
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // Activated: the user's choices only, never the program's.
            connect(combo, &QComboBox::activated, this,
                    Guarded(*this, [this, control] { logic_->OnSelectionChanged(control); }));
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            // Edited: the user's changes only; the logic checks its own changes itself.
            connect(edit, &QLineEdit::textEdited, this,
                    Guarded(*this, [this, control] { logic_->OnTextChanged(control); }));
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            connect(button, &QPushButton::clicked, this,
                    Guarded(*this, [this, control] { logic_->OnCommand(control); }));
        }
    }
}

void QtDialogView::Initialize() {
    assert(logic_ != nullptr);
    if (logic_->OnInitDialog()) {
        SetFocus(FirstTabStop(dialog_));
    }
}

// A failure while the window is filled ends it before it is shown: exec() would start anew.
int QtDialogView::RunModal() {
    Initialize();
    return failed_ ? kFailed : exec();
}

QWidget* QtDialogView::Control(int id) const {
    const auto it = widgets_.by_id.find(id);
    return it == widgets_.by_id.end() ? nullptr : it->second;
}

std::unique_ptr<QMenu> QtDialogView::CreateContextMenu() {
    if (about_label_.isEmpty()) {
        return nullptr;
    }
    auto menu = std::make_unique<QMenu>(this);
    menu->setSeparatorsCollapsible(false);
    menu->addSeparator();
    menu->addAction(about_label_, this, Guarded(*this, [this] { ShowAboutBox(); }));
    return menu;
}

void QtDialogView::contextMenuEvent(QContextMenuEvent* event) {
    CallGuarded(*this, [this, event] {
        if (const auto menu = CreateContextMenu()) {
            menu->exec(event->globalPos());
        }
    });
}

void QtDialogView::ShowAboutBox() {
    CAboutDlg about(icon_, this);
    about.exec();
}

int QtDialogView::GetSelection(int id) const {
    const auto* combo = qobject_cast<QComboBox*>(Control(id));
    return combo != nullptr ? combo->currentIndex() : -1;
}

void QtDialogView::SetSelection(int id, int index) {
    if (auto* combo = qobject_cast<QComboBox*>(Control(id))) {
        combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    }
}

std::u16string QtDialogView::GetText(int id) const {
    const auto* edit = qobject_cast<QLineEdit*>(Control(id));
    return edit != nullptr ? edit->text().toStdU16String() : std::u16string();
}

void QtDialogView::SetText(int id, std::u16string_view text) {
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
        edit->setText(ToQString(text));
    }
}

void QtDialogView::Enable(int id, bool enabled) {
    if (QWidget* widget = Control(id)) {
        widget->setEnabled(enabled);
    }
}

void QtDialogView::LimitText(int id, int max_chars) {
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
        edit->setMaxLength(max_chars);
    }
}

void QtDialogView::PlaceCaretAtEnd(int id) {
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
        edit->end(false);
    }
}

void QtDialogView::SetFocus(int id) {
    if (QWidget* widget = Control(id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

// A failure inside a box's own event loop ends the window, but the handler that asked goes on:
// every answer after it is Cancel, so that it writes nothing.
MessageResult QtDialogView::ShowMessage(std::u16string_view text, std::u16string_view caption,
                                        MessageButtons buttons, MessageIcon icon) {
    if (failed_) {
        return MessageResult::kCancel;
    }
    const MessageResult answer =
        presenter_(MessageRequest{std::u16string(text), std::u16string(caption), buttons, icon});
    // cppcheck-suppress knownConditionTrueFalse ; the box's own loop may have failed it
    return failed_ ? MessageResult::kCancel : answer;
}

MessageResult ShowMessageBox(QWidget* parent, const MessageRequest& request) {
    static constexpr QMessageBox::Icon kIcons[] = {QMessageBox::NoIcon, QMessageBox::Critical,
                                                   QMessageBox::Warning, QMessageBox::Question};
    static constexpr QMessageBox::StandardButtons kButtons[] = {
        QMessageBox::Ok, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Yes | QMessageBox::No};
    QMessageBox box(kIcons[static_cast<int>(request.icon)], ToQString(request.caption),
                    ToQString(request.text), kButtons[static_cast<int>(request.buttons)], parent);
    box.setTextFormat(Qt::PlainText);
    if (request.buttons == MessageButtons::kYesNo) {
        box.setDefaultButton(QMessageBox::No);  // a stray Enter must not write
    }
    const int answer = box.exec();
    return answer == QMessageBox::Ok || answer == QMessageBox::Yes ? MessageResult::kOk
                                                                   : MessageResult::kCancel;
}

void QtDialogView::SetCaption(std::u16string_view caption) {
    setWindowTitle(ToQString(caption));
}

// The Linux program asks for the card before its window opens, where it is not given one.
std::optional<Folder> QtDialogView::ChooseCardFolder() {
    return std::nullopt;
}

void QtDialogView::EndDialog(DialogResult result) {
    done(result == DialogResult::kOk ? QDialog::Accepted : QDialog::Rejected);
}

void QtDialogView::Fail(const MessageRequest& error) {
    if (failed_) {
        return;  // said once: the window is ending
    }
    presenter_(error);
    failed_ = true;
    done(kFailed);
}

void QtDialogView::reject() {
    CallGuarded(*this, [this] {
        if (logic_ != nullptr) {
            logic_->OnCommand(IDCANCEL);
        } else {
            QDialog::reject();
        }
    });
}

}  // namespace vesko
