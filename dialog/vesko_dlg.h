// The settings dialog's logic, written against DialogView and Clock only.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "dialog/dialog_template.h"
#include "dialog/dialog_view.h"
#include "settings/clock.h"
#include "settings/settings_record.h"

namespace vesko {

class CveskoDlg {
public:
    // `folder` holds the card's config.bin; empty: the current folder.
    CveskoDlg(DialogView& view, const Clock& clock, std::filesystem::path folder = {});
    CveskoDlg(const CveskoDlg&) = delete;
    CveskoDlg& operator=(const CveskoDlg&) = delete;

    // Called once the shell has created the controls. True leaves the initial focus to the
    // window: it goes to the earliest tab stop.
    bool OnInitDialog();

    // Shows config.bin, or the factory defaults when there is none or it cannot be read
    // (said first, in an error box), with the PC time, the firmware version and the Wi-Fi
    // lock.
    void LoadSettings();
    // Copies every drop-down selection into the record and disables what the switches
    // make irrelevant.
    void ReadSelections();

    // Checks and stores the text fields, stamps the time and writes config.bin: 0. A refused
    // check: -1, nothing written. A failed write throws SettingsFileError.
    int SaveSettings();

    // Notifications from the shell, for user actions only.
    void OnSelectionChanged(int id);
    void OnTextChanged(int id);
    // Button clicks, Escape and the close box (IDCANCEL).
    void OnCommand(int id);

    void OnBnClickedOk();
    void OnGetPcTime();
    void OnFormatSdCard();
    void OnDefaultSet();

    const SettingsRecord& record() const { return record_; }

private:
    void ShowSettings(const SettingsRecord& source);
    void ShowTime(const LocalTime& time);
    void StoreSelection(const Setting& setting);
    void ApplyRelevance();
    void EnableControlsOf(const Setting& setting, bool enabled);

    // Sets a text by program and checks it as if it had been typed.
    void SetCheckedText(int id, std::u16string_view text);
    void RejectLastCharacter(int id, std::u16string text, std::u16string_view message);
    void ShowError(std::u16string_view message);

    DialogView& view_;
    const Clock& clock_;
    const std::filesystem::path folder_;
    SettingsRecord record_;  // zeroed until loaded
    bool unread_ = false;    // the card's file was there but could not be read
};

}  // namespace vesko
