// Reading, writing and deleting config.bin in the current folder.
#pragma once

#include <stdexcept>
#include <string>

#include "settings/settings_record.h"

namespace vesko {

inline constexpr char kSettingsFileName[] = "config.bin";

// A write that did not reach the card. The message names the file and the system's reason,
// ready to be shown to the user.
class SettingsFileError : public std::runtime_error {
public:
    explicit SettingsFileError(std::u16string message);
    // "Could not write config.bin: <reason>."
    static SettingsFileError WriteFailed(std::u16string_view reason);
    const std::u16string& message() const { return message_; }

private:
    std::u16string message_;
};

// False, with `record` untouched, when the file is missing, not a regular file, in use by
// another program or unreadable. Otherwise the record holds the file's first 128 bytes,
// zero where the file is shorter.
bool ReadSettingsFile(SettingsRecord& record);

// Creates the file when missing, never truncates it, writes the 128 bytes at offset 0 and
// flushes them to the device. Throws SettingsFileError when any step fails.
void WriteSettingsFile(const SettingsRecord& record);

// Deletes the file when it can be opened for reading; otherwise does nothing. Never reports.
void DeleteSettingsFile();

}  // namespace vesko
