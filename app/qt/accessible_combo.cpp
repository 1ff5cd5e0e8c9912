#include "app/qt/accessible_combo.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>
#include <memory>

#include "app/qt/guarded.h"
#include "app/qt/template_widgets.h"

namespace vesko {

namespace {

constexpr char kLabelProperty[] = "veskoRowLabel";

// The entry is also the list's text: where the toolkit offers no selection to ask, that is
// where screen readers such as Orca read a closed list's entry.
class ListAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ListAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Name || which == QAccessible::Value
                   ? combo()->currentText()
                   : QAccessibleWidget::text(which);
    }

    // The entry as read-only text.
    QString text(int start, int end) const override {
        return combo()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(combo()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    int selectionCount() const override { return 0; }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // The row's label as well as any buddy of the list's own.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        QObject* label = qvariant_cast<QPointer<QObject>>(combo()->property(kLabelProperty)).data();
        if ((match & QAccessible::Label) != 0 && label != nullptr &&
            std::none_of(found.begin(), found.end(),
                         [label](const auto& pair) { return pair.first->object() == label; })) {
            if (QAccessibleInterface* labelling = QAccessible::queryAccessibleInterface(label)) {
                found.append({labelling, QAccessible::Label});
            }
        }
        return found;
    }

    // The open list, whose entries a screen reader walks.
    int childCount() const override { return combo()->view() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && childCount() == 1
                   ? QAccessible::queryAccessibleInterface(combo()->view())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            combo()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
};

// A new entry the user picked in a closed list is told as the focus moving to that entry in
// the list's entries: screen readers such as Orca pass over a list's own changes of name,
// text and selection. A list without the focus changed by the program, and an open list,
// whose entries take the focus themselves, say nothing.
void AnnounceEntry(QComboBox& list, int row) {
    if (!list.hasFocus() || row < 0 || list.view()->isVisible()) {
        return;
    }
    QAccessibleEvent event(list.view(), QAccessible::Focus);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* ListFactory(const QString& class_name, QObject* object) {
    auto* combo = qobject_cast<QComboBox*>(object);
    if (class_name != QLatin1String("QComboBox") || combo == nullptr) {
        return nullptr;
    }
    // Qt's accessibility cache owns the interface from here on.
    return std::make_unique<ListAccessible>(combo).release();
}

}  // namespace

void InstallListAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ListFactory);
        return true;
    }();
    static_cast<void>(installed);
}

void LabelList(QComboBox& list, QLabel& label, std::u16string_view description) {
    if (label.buddy() == nullptr) {
        label.setBuddy(&list);  // the toolkit's own way, for the row's first list
    }
    // A screen reader that reads the entry as the list's text hears a new one as new text.
    QObject::connect(
        &list, &QComboBox::currentTextChanged,
        Guarded(list, [&list, shown = list.currentText()](const QString& entry) mutable {
            QAccessibleTextUpdateEvent event(&list, 0, shown, entry);
            QAccessible::updateAccessibility(&event);
            shown = entry;
        }));
    QObject::connect(&list, &QComboBox::currentIndexChanged,
                     Guarded(list, [&list](int row) { AnnounceEntry(list, row); }));
    // Guarded: the label may go first when the window is torn down.
    list.setProperty(kLabelProperty, QVariant::fromValue(QPointer<QObject>(&label)));
    list.setAccessibleDescription(ToQString(description));
}

}  // namespace vesko
