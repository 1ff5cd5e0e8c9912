// The settings window on Qt Widgets: built from the dialog template, it carries out the
// logic's operations and forwards the user's actions. It decides nothing itself.
#pragma once

#include <QDialog>
#include <QFont>
#include <QRect>

#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "dialog/dialog_template.h"
#include "dialog/dialog_view.h"

class QWidget;

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

// The dialog font, and dialog units turned into pixels the way Windows does it.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    QRect ToPixels(const DialogRect& rect) const;
    int X(int units) const;
    int Y(int units) const;

private:
    int base_x_;
    int base_y_;
};

QFont DialogFont(const DialogTemplate& dialog);

class QtDialogView final : public QDialog, public DialogView {
public:
    explicit QtDialogView(const DialogTemplate& dialog, QWidget* parent = nullptr);

    // Connects the user's actions to the logic; before Initialize.
    void Attach(CveskoDlg& logic);
    // The dialog's own initialisation; on true the focus goes to the earliest tab stop.
    void Initialize();
    int Exec();

    void SetMessagePresenter(MessagePresenter presenter) { presenter_ = std::move(presenter); }
    QWidget* Control(int id) const;

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

    // Escape and the close box arrive here, as the cancel command.
    void reject() override;

private:
    std::unique_ptr<QWidget> CreateControl(const ControlTemplate& control);
    MessageResult PresentWithMessageBox(const MessageRequest& request);

    const DialogTemplate& dialog_;
    CveskoDlg* logic_ = nullptr;
    // Owned here rather than by the Qt parent, so that no widget is created with a bare new;
    // they are gone before QDialog's destructor looks for children.
    std::vector<std::unique_ptr<QWidget>> owned_;
    std::map<int, QWidget*> controls_;
    MessagePresenter presenter_;
};

}  // namespace vesko
