// The settings dialog's logic, written against DialogView and Clock only.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "dialog/dialog_template.h"
#include "dialog/dialog_view.h"
#include "settings/clock.h"
#include "settings/folder.h"
#include "settings/save_record.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"

namespace vesko {

class CveskoDlg {
public:
    // `folder` holds the card's config.bin; empty: the current folder.
    CveskoDlg(DialogView& view, const Clock& clock, Folder folder = {});
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

    // Checks and stores the text fields, stamps the time and writes config.bin, keeping every
    // byte the window does not set as the file holds it: 0. A refused check, or a card
    // changed since it was shown that the user chose not to save over: -1, nothing written.
    // A recorder without Wi-Fi keeps its Wi-Fi bytes unchecked. A failed read or write throws
    // SettingsFileError.
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
    // The folder the user chose for the card after this window ended, to open it anew there.
    const std::optional<Folder>& reopen_on() const { return reopen_on_; }

private:
    void ShowSettings(const SettingsRecord& source);
    void ShowTime(const LocalTime& time);
    void StoreSelection(const Setting& setting);
    void ApplyRelevance();
    void EnableControlsOf(const Setting& setting, bool enabled);

    // Sets a text by program and checks it as if it had been typed.
    void SetCheckedText(int id, std::u16string_view text);
    void RejectLastCharacter(int id, std::u16string text, std::u16string_view message);
    // `message` already in the window's language.
    void ShowError(std::u16string_view message);

    // Writes what `make` makes of the file's first 128 bytes, onto the file as the window
    // showed it or as the user, asked, agreed to write over; nothing written when they said
    // No. Throws SettingsFileError.
    using MakeRecord = std::function<SettingsRecord(const SettingsRecord& file)>;
    FoundSettings WriteCard(SaveKind kind, const MakeRecord& make);
    // Whether to write over the file as it is now, `change` saying how it differs.
    bool AskToWriteOver(SaveKind kind, const std::u16string& change, const CardFile* now);
    // Whether a write may make a new config.bin in the folder, where there is none; a "No"
    // offers the chooser of the card's folder, where the shell has one.
    bool MayCreateFile();
    // What a save or reset wrote is now what the window shows.
    void Remember(const CardFile& written);
    void ShowRecorderBytes();
    void ShowReset(const SettingsRecord& reset);

    DialogView& view_;
    const Clock& clock_;
    const Folder folder_;
    SettingsRecord record_;                // zeroed until loaded
    FoundSettings shown_;                  // the file as loaded or last written; nothing: no file
    std::optional<SettingsRecord> tried_;  // what a write that failed may have left in part
    bool unread_ = false;                  // the card's file was there but could not be read
    bool format_answered_ = false;  // "Format SD Card" asked in this window: its byte is ours
    std::optional<Folder> reopen_on_;
};

}  // namespace vesko
