#include "app/qt/single_line_edit.h"

#include <algorithm>

#include "app/qt/guarded.h"

namespace vesko {

SingleLineEdit::SingleLineEdit(QWidget* parent) : QLineEdit(parent) {
    // Connected first, so it runs before the view forwards the edit.
    connect(this, &QLineEdit::textEdited, this,
            Guarded(*this, [this] { KeepFirstLineOfInsertion(); }));
    // The text itself rather than the signal's: a cut made inside an edit is announced
    // before the edit's own, older text.
    connect(this, &QLineEdit::textChanged, this, Guarded(*this, [this] { before_ = text(); }));
}

void SingleLineEdit::KeepFirstLineOfInsertion() {
    const QString now = text();
    // An insertion ends at the caret; what follows it was there before.
    const qsizetype end = cursorPosition();
    const qsizetype kept_after = now.size() - end;
    const qsizetype limit = std::min(end, before_.size() - kept_after);
    qsizetype start = 0;
    while (start < limit && now[start] == before_[start]) {
        ++start;
    }
    const qsizetype line_end = std::find_if(now.begin() + start, now.begin() + end,
                                            [](QChar c) { return c == u'\n' || c == u'\r'; }) -
                               now.begin();
    if (line_end == end) {
        return;
    }
    setText(now.left(line_end) + now.right(kept_after));
    setCursorPosition(static_cast<int>(line_end));
}

}  // namespace vesko
