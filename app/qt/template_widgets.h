// Qt widgets made from a dialog template: the one place that knows how each control kind
// and style looks in this toolkit.
#pragma once

#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

#include <map>
#include <memory>
#include <string_view>
#include <vector>

#include "dialog/dialog_template.h"

namespace vesko {

QString ToQString(std::u16string_view text);
// `english` in the window's language.
QString Translated(std::u16string_view english);

// The dialog font, or the nearest in width where it is not installed.
QFont DialogFont(const DialogTemplate& dialog);

// Dialog units turned into pixels the way Windows does it, from the font's average
// character width and its height.
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

struct TemplateWidgets {
    // Owned here rather than by the Qt parent, so that no widget is created with a bare new.
    // Destroy them before the dialog (declare them after nothing that outlives it).
    std::vector<std::unique_ptr<QWidget>> owned;
    std::map<int, QWidget*> by_id;  // controls that have an identifier
};

// Sets the window's font and caption and creates its controls in template order, which is
// also the tab order, on `page`: the window itself or a page scrolled inside it, given the
// template's size. Inputs are named for screen readers after their rows' labels.
TemplateWidgets BuildFromTemplate(QWidget& window, QWidget& page, const DialogTemplate& layout,
                                  const QIcon& icon);
// The dialog is its own page, of the template's fixed size.
TemplateWidgets BuildFromTemplate(QDialog& dialog, const DialogTemplate& layout, const QIcon& icon);

}  // namespace vesko
