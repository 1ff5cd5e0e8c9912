#include "app/qt/qt_dialog_view.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <cassert>
#include <memory>

#include "dialog/control_ids.h"
#include "dialog/vesko_dlg.h"

namespace vesko {

namespace {

// A drop-down's template height includes its open list; closed, it is one row high.
constexpr int kClosedComboHeight = 12;

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

int MulDiv(int value, int numerator, int denominator) {
    return static_cast<int>((static_cast<long long>(value) * numerator + denominator / 2) /
                            denominator);
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    base_x_ = (letters / 26 + 1) / 2;
    base_y_ = metrics.height();
}

int DialogUnits::X(int units) const { return MulDiv(units, base_x_, 4); }
int DialogUnits::Y(int units) const { return MulDiv(units, base_y_, 8); }

QRect DialogUnits::ToPixels(const DialogRect& rect) const {
    return {X(rect.x), Y(rect.y), X(rect.width), Y(rect.height)};
}

QFont DialogFont(const DialogTemplate& dialog) {
    // The Windows dialog font, or the nearest in width where it is not installed, so that
    // captions fit the boxes the template gives them.
    const QString family = ToQString(dialog.font_name);
    QFont::insertSubstitutions(family, {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                        QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans Condensed")});
    QFont font(family);
    font.setPointSize(dialog.font_points);
    return font;
}

QtDialogView::QtDialogView(const DialogTemplate& dialog, QWidget* parent)
    : QDialog(parent), dialog_(dialog) {
    presenter_ = [this](const MessageRequest& request) { return PresentWithMessageBox(request); };
    setFont(DialogFont(dialog));
    setWindowTitle(ToQString(dialog.caption));
    const DialogUnits units(font());
    setFixedSize(units.X(dialog.width), units.Y(dialog.height));

    QWidget* previous = nullptr;
    for (const ControlTemplate& control : dialog.controls) {
        owned_.push_back(CreateControl(control));
        QWidget* widget = owned_.back().get();
        QRect geometry = units.ToPixels(control.rect);
        if (control.kind == ControlKind::kDropDownCombo || control.kind == ControlKind::kSimpleCombo) {
            geometry.setHeight(units.Y(std::min(control.rect.height, kClosedComboHeight)));
        }
        widget->setGeometry(geometry);
        if (control.id != IDC_STATIC) {
            controls_[control.id] = widget;
        }
        if ((control.styles & kTabStop) != 0) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previous != nullptr) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
}

std::unique_ptr<QWidget> QtDialogView::CreateControl(const ControlTemplate& control) {
    const QString caption = ToQString(control.caption);
    std::unique_ptr<QWidget> widget;
    switch (control.kind) {
        case ControlKind::kPushButton: {
            auto button = std::make_unique<QPushButton>(caption, this);
            button->setDefault((control.styles & kDefaultButton) != 0);
            widget = std::move(button);
            break;
        }
        case ControlKind::kDropDownCombo:
        case ControlKind::kSimpleCombo: {
            auto combo = std::make_unique<QComboBox>(this);
            if (const ComboBinding* binding = FindComboBinding(control.id)) {
                for (const std::u16string_view entry : binding->table->entries) {
                    combo->addItem(ToQString(entry));
                }
            }
            combo->setCurrentIndex(-1);  // nothing chosen until the settings are shown
            widget = std::move(combo);
            break;
        }
        case ControlKind::kEdit: {
            auto edit = std::make_unique<QLineEdit>(this);
            edit->setReadOnly((control.styles & kReadOnly) != 0);
            edit->setAlignment((control.styles & kCentered) != 0 ? Qt::AlignCenter
                                                                 : Qt::AlignLeft | Qt::AlignVCenter);
            widget = std::move(edit);
            break;
        }
        case ControlKind::kLabel: {
            auto label = std::make_unique<QLabel>(caption, this);
            label->setTextFormat(Qt::PlainText);
            if ((control.styles & kSunken) != 0) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setIndent(1);  // the frame alone, as on Windows: long captions fit
            }
            label->setAlignment((control.styles & kRightAligned) != 0
                                    ? Qt::AlignRight | Qt::AlignVCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter);
            widget = std::move(label);
            break;
        }
    }
    widget->setObjectName(QString::fromLatin1(control.name.data(),
                                              static_cast<qsizetype>(control.name.size())));
    return widget;
}

void QtDialogView::Attach(CveskoDlg& logic) {
    logic_ = &logic;
    for (const auto& [id, widget] : controls_) {
        const int control = id;
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::activated, this,
                    [this, control](int) { logic_->OnSelectionChanged(control); });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textEdited, this,
                    [this, control](const QString&) { logic_->OnTextChanged(control); });
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            connect(button, &QPushButton::clicked, this,
                    [this, control](bool) { logic_->OnCommand(control); });
        }
    }
}

void QtDialogView::Initialize() {
    assert(logic_ != nullptr);
    if (logic_->OnInitDialog()) {
        SetFocus(FirstTabStop(dialog_));
    }
}

int QtDialogView::Exec() {
    Initialize();
    return exec();
}

QWidget* QtDialogView::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
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

MessageResult QtDialogView::ShowMessage(std::u16string_view text, std::u16string_view caption,
                                        MessageButtons buttons, MessageIcon icon) {
    return presenter_(MessageRequest{std::u16string(text), std::u16string(caption), buttons, icon});
}

MessageResult QtDialogView::PresentWithMessageBox(const MessageRequest& request) {
    const QMessageBox::Icon icon = request.icon == MessageIcon::kError ? QMessageBox::Critical
                                   : request.icon == MessageIcon::kExclamation
                                       ? QMessageBox::Warning
                                       : QMessageBox::NoIcon;
    const QMessageBox::StandardButtons buttons =
        request.buttons == MessageButtons::kOkCancel ? QMessageBox::Ok | QMessageBox::Cancel
                                                     : QMessageBox::Ok;
    QMessageBox box(icon, ToQString(request.caption), ToQString(request.text), buttons, this);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Ok ? MessageResult::kOk : MessageResult::kCancel;
}

void QtDialogView::SetCaption(std::u16string_view caption) { setWindowTitle(ToQString(caption)); }

void QtDialogView::EndDialog(DialogResult result) {
    done(result == DialogResult::kOk ? QDialog::Accepted : QDialog::Rejected);
}

void QtDialogView::reject() {
    if (logic_ != nullptr) {
        logic_->OnCommand(IDCANCEL);
    } else {
        QDialog::reject();
    }
}

}  // namespace vesko
