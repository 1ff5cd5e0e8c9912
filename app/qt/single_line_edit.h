// A text field that takes one line, as a single-line field on Windows does: of a paste or a
// drop with line breaks it keeps the first line.
#pragma once

#include <QLineEdit>
#include <QString>

namespace vesko {

class SingleLineEdit final : public QLineEdit {
public:
    explicit SingleLineEdit(QWidget* parent);

private:
    // Paste, drop, middle-click and input methods all end in one edit signal: the cut is made
    // there, before any other receiver hears of the edit.
    void KeepFirstLineOfInsertion();

    QString before_;  // the text before the user's latest edit
};

}  // namespace vesko
