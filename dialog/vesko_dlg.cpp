#include "dialog/vesko_dlg.h"

#include "dialog/control_ids.h"

namespace vesko {

CveskoDlg::CveskoDlg(DialogView& view, const Clock& clock) : view_(view), clock_(clock) {}

bool CveskoDlg::OnInitDialog() {
    view_.SetCaption(u"Quorla Configuration");
    return true;
}

void CveskoDlg::OnSelectionChanged(int /*id*/) {}

void CveskoDlg::OnTextChanged(int /*id*/) {}

void CveskoDlg::OnCommand(int id) {
    if (id == IDCANCEL) {
        view_.EndDialog(DialogResult::kCancel);
    }
}

}  // namespace vesko
