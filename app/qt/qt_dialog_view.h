// The settings window on Qt Widgets: built from the dialog template, it carries out the
// logic's operations and forwards the user's actions. It decides nothing itself.
#pragma once

#include <QDialog>
#include <QIcon>
#include <QRect>
#include <QScrollArea>
#include <QString>
#include <QVBoxLayout>

#include <functional>
#include <memory>

#include "app/qt/template_widgets.h"
#include "dialog/dialog_template.h"
#include "dialog/dialog_view.h"

class QContextMenuEvent;
class QMenu;

namespace vesko {

class CveskoDlg;

struct MessageRequest {
    std::u16string text;
    std::u16string caption;
    MessageButtons buttons;
    MessageIcon icon;
};

// Shows a message box and returns the answer; tests put their own in its place.
using MessagePresenter = std::function<MessageResult(const MessageRequest&)>;

// The toolkit's message box for a request, over `parent`.
MessageResult ShowMessageBox(QWidget* parent, const MessageRequest& request);

class QtDialogView final : public QDialog, public DialogView {
public:
    // The window's result when it ended on a failure nothing foresaw.
    static constexpr int kFailed = -1;

    QtDialogView(const DialogTemplate& dialog, const QIcon& icon, QWidget* parent = nullptr);

    // Connects the user's actions to the logic; before Initialize.
    void Attach(CveskoDlg& logic);
    // The label of the version-box entry in the window's context menu; empty: no entry.
    void SetAboutLabel(const QString& label) { about_label_ = label; }
    // Sizes the window for a screen with `available` room: never taller or wider than it, the
    // controls scrolling where they do not fit.
    void FitInto(const QRect& available);
    QScrollArea& scroll_area() { return scroll_; }
    // The dialog's own initialisation; on true the focus goes to the earliest tab stop.
    void Initialize();
    int RunModal();

    void SetMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }
    QWidget* Control(int id) const;
    // The context menu of the window's background, or nullptr when it has no entries.
    std::unique_ptr<QMenu> CreateContextMenu();
    void ShowAboutBox();
    // After a failure nothing foresaw the logic's state is unknown: `error` said, the window
    // ends before it can write anything.
    void Fail(const MessageRequest& error);

    int GetSelection(int id) const override;
    void SetSelection(int id, int index) override;
    std::u16string GetText(int id) const override;
    void SetText(int id, std::u16string_view text) override;
    void Enable(int id, bool enabled) override;
    void LimitText(int id, int max_chars) override;
    void PlaceCaretAtEnd(int id) override;
    void SetFocus(int id) override;
    MessageResult ShowMessage(std::u16string_view text, std::u16string_view caption,
                              MessageButtons buttons, MessageIcon icon) override;
    void SetCaption(std::u16string_view caption) override;
    void EndDialog(DialogResult result) override;
    std::optional<Folder> ChooseCardFolder() override;

    // Escape and the close box arrive here, as the cancel command.
    void reject() override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const DialogTemplate& dialog_;
    QIcon icon_;
    // The controls live on a page that scrolls only when the screen is too small for it.
    // Declared in the order of ownership, so each goes before what holds it.
    QVBoxLayout layout_;
    QScrollArea scroll_;
    QWidget page_;
    TemplateWidgets widgets_;
    CveskoDlg* logic_ = nullptr;
    QString about_label_;
    MessagePresenter presenter_;
    bool failed_ = false;  // a failure nothing foresaw ended the window
};

}  // namespace vesko
