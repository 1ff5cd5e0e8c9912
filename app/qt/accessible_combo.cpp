#include "app/qt/accessible_combo.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <algorithm>
#include <memory>

namespace vesko {

namespace {

constexpr char kLabelProperty[] = "veskoRowLabel";

class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text which) const override {
        return which == QAccessible::Name || which == QAccessible::Value
                   ? combo()->currentText()
                   : QAccessibleWidget::text(which);
    }

    // The row's label as well as any buddy of the list's own.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        auto* label = qvariant_cast<QObject*>(combo()->property(kLabelProperty));
        if ((match & QAccessible::Label) != 0 && label != nullptr &&
            std::none_of(found.begin(), found.end(),
                         [label](const auto& pair) { return pair.first->object() == label; })) {
            found.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
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

void LabelList(QComboBox& list, QLabel& label, const QString& description) {
    if (label.buddy() == nullptr) {
        label.setBuddy(&list);  // the toolkit's own way, for the row's first list
    }
    list.setProperty(kLabelProperty, QVariant::fromValue<QObject*>(&label));
    list.setAccessibleDescription(description);
}

}  // namespace vesko
