#include "app/qt/template_widgets.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <string>

#include "app/qt/accessible_combo.h"
#include "app/qt/single_line_edit.h"
#include "dialog/accessible_names.h"
#include "dialog/control_ids.h"
#include "settings/translation.h"

namespace vesko {

namespace {

// A drop-down's template height includes its open list; closed, it is one row high.
constexpr int kClosedComboHeight = 12;

int MulDiv(int value, int numerator, int denominator) {
    return static_cast<int>((static_cast<long long>(value) * numerator + denominator / 2) /
                            denominator);
}

bool Has(const ControlTemplate& control, Style style) {
    return (control.styles & style) != 0;
}

std::unique_ptr<QWidget> CreateControl(QWidget& page, const ControlTemplate& control,
                                       const QRect& geometry, const QIcon& icon) {
    const QString caption = Translated(control.caption);
    switch (control.kind) {
        case ControlKind::kPushButton: {
            auto button = std::make_unique<QPushButton>(caption, &page);
            button->setDefault(Has(control, kDefaultButton));
            return button;
        }
        case ControlKind::kDropDownList: {
            InstallListAccessibility();
            auto combo = std::make_unique<QComboBox>(&page);
            if (const ComboBinding* binding = FindComboBinding(control.id)) {
                for (const std::u16string_view entry : binding->table->entries) {
                    combo->addItem(Translated(entry));
                }
            }
            combo->setCurrentIndex(-1);  // nothing chosen until the settings are shown
            return combo;
        }
        case ControlKind::kEdit: {
            auto edit = std::make_unique<SingleLineEdit>(&page);
            edit->setReadOnly(Has(control, kReadOnly));
            edit->setAlignment(Has(control, kCentered) ? Qt::AlignCenter
                                                       : Qt::AlignLeft | Qt::AlignVCenter);
            return edit;
        }
        case ControlKind::kLabel: {
            auto label = std::make_unique<QLabel>(caption, &page);
            label->setTextFormat(Qt::PlainText);  // never a mnemonic or markup
            if (Has(control, kSunken)) {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                label->setIndent(1);  // the frame alone, as on Windows: long captions fit
            }
            label->setAlignment(Has(control, kRightAligned) ? Qt::AlignRight | Qt::AlignVCenter
                                                            : Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case ControlKind::kIcon: {
            auto label = std::make_unique<QLabel>(&page);
            label->setPixmap(icon.pixmap(geometry.size()));
            return label;
        }
    }
    return nullptr;
}

// Widgets are owned in template order.
void LabelLists(const DialogTemplate& layout, const TemplateWidgets& widgets) {
    const auto widget_of = [&](const ControlTemplate& control) {
        return widgets.owned.at(static_cast<std::size_t>(&control - layout.controls.data())).get();
    };
    for (const ControlTemplate& control : layout.controls) {
        const ControlTemplate* label = RowLabel(layout, control);
        if (control.kind != ControlKind::kDropDownList || label == nullptr) {
            continue;
        }
        std::u16string description = AccessibleDescription(layout, control);
        if (description.empty()) {
            description = NameBeyondLabel(control);
        }
        LabelList(*qobject_cast<QComboBox*>(widget_of(control)),
                  *qobject_cast<QLabel*>(widget_of(*label)), description);
    }
}

}  // namespace

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString Translated(std::u16string_view english) {
    const std::u16string text = Tr(english);
    return ToQString(text);
}

QFont DialogFont(const DialogTemplate& dialog) {
    const QString family = ToQString(dialog.font_name);
    QFont::insertSubstitutions(family,
                               {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans Condensed")});
    QFont font(family);
    font.setPointSize(dialog.font_points);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    base_x_ = (letters / 26 + 1) / 2;
    base_y_ = metrics.height();
}

int DialogUnits::X(int units) const {
    return MulDiv(units, base_x_, 4);
}
int DialogUnits::Y(int units) const {
    return MulDiv(units, base_y_, 8);
}

QRect DialogUnits::ToPixels(const DialogRect& rect) const {
    return {X(rect.x), Y(rect.y), X(rect.width), Y(rect.height)};
}

TemplateWidgets BuildFromTemplate(QWidget& window, QWidget& page, const DialogTemplate& layout,
                                  const QIcon& icon) {
    window.setFont(DialogFont(layout));
    window.setWindowTitle(Translated(layout.caption));
    const DialogUnits units(window.font());
    page.setFixedSize(units.X(layout.width), units.Y(layout.height));

    TemplateWidgets widgets;
    QWidget* previous_tab_stop = nullptr;
    for (const ControlTemplate& control : layout.controls) {
        QRect geometry = units.ToPixels(control.rect);
        if (control.kind == ControlKind::kDropDownList) {
            geometry.setHeight(units.Y(std::min(control.rect.height, kClosedComboHeight)));
        }
        widgets.owned.push_back(CreateControl(page, control, geometry, icon));
        QWidget* widget = widgets.owned.back().get();
        widget->setGeometry(geometry);
        widget->setObjectName(
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
        // A list is named by its entry, its label found through a relation (below).
        if (control.kind != ControlKind::kDropDownList) {
            widget->setAccessibleName(ToQString(AccessibleName(layout, control)));
        }
        widget->setAccessibleDescription(ToQString(AccessibleDescription(layout, control)));
        if (control.id != IDC_STATIC) {
            widgets.by_id[control.id] = widget;
        }
        if (Has(control, kTabStop)) {
            widget->setFocusPolicy(Qt::StrongFocus);
            if (previous_tab_stop != nullptr) {
                QWidget::setTabOrder(previous_tab_stop, widget);
            }
            previous_tab_stop = widget;
        } else {
            widget->setFocusPolicy(Qt::NoFocus);
        }
    }
    LabelLists(layout, widgets);
    return widgets;
}

TemplateWidgets BuildFromTemplate(QDialog& dialog, const DialogTemplate& layout,
                                  const QIcon& icon) {
    return BuildFromTemplate(dialog, dialog, layout, icon);
}

}  // namespace vesko
