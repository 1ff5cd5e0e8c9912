#include "app/qt/accessible_combo.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

#include <memory>

namespace vesko {

namespace {

class NamedComboAccessible final : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    // Unnamed, a list is known by its entry, as Qt has it.
    QString text(QAccessible::Text which) const override {
        const bool named = !combo()->accessibleName().isEmpty();
        return which == QAccessible::Value || (which == QAccessible::Name && !named)
                   ? combo()->currentText()
                   : QAccessibleWidget::text(which);
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

QAccessibleInterface* NamedComboFactory(const QString& class_name, QObject* object) {
    // Asked once per list, possibly before it is named: the name is read when announced.
    auto* combo = qobject_cast<QComboBox*>(object);
    if (class_name != QLatin1String("QComboBox") || combo == nullptr) {
        return nullptr;
    }
    // Qt's accessibility cache owns the interface from here on.
    return std::make_unique<NamedComboAccessible>(combo).release();
}

}  // namespace

void AnnounceListsByTheirNames() {
    static const bool installed = [] {
        QAccessible::installFactory(NamedComboFactory);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace vesko
