// The settings dialog's logic, written against DialogView and Clock only.
#pragma once

#include "dialog/clock.h"
#include "dialog/dialog_view.h"
#include "settings/settings_record.h"

namespace vesko {

class CveskoDlg {
public:
    CveskoDlg(DialogView& view, const Clock& clock);
    CveskoDlg(const CveskoDlg&) = delete;
    CveskoDlg& operator=(const CveskoDlg&) = delete;

    // Called once the shell has created the controls. True leaves the initial focus to the
    // window: it goes to the earliest tab stop.
    bool OnInitDialog();

    // Notifications from the shell, for user actions only.
    void OnSelectionChanged(int id);
    void OnTextChanged(int id);
    void OnCommand(int id);

    const SettingsRecord& record() const { return record_; }

private:
    DialogView& view_;
    const Clock& clock_;
    SettingsRecord record_;  // zeroed until loaded
};

}  // namespace vesko
