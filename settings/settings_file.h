// Reading, writing and deleting config.bin in the folder that holds it: the card's top
// folder. An empty folder is the current one.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "settings/settings_record.h"

namespace vesko {

inline constexpr char kSettingsFileName[] = "config.bin";

// An access to config.bin that failed. The message names the file and the reason, ready to
// be shown to the user: "Could not write config.bin: <reason>.".
class SettingsFileError : public std::runtime_error {
public:
    explicit SettingsFileError(std::u16string message);
    static SettingsFileError ReadFailed(std::u16string_view reason);
    static SettingsFileError WriteFailed(std::u16string_view reason);
    static SettingsFileError DeleteFailed(std::u16string_view reason);
    const std::u16string& message() const { return message_; }

private:
    std::u16string message_;
};

// False, with `record` untouched, when there is no config.bin. Otherwise the record holds
// the file's first 128 bytes, zero where the file is shorter. A file that is there but
// cannot be read (in use for writing, not a regular file, a link, an I/O error) throws
// SettingsFileError, so that nobody saves over a card they never saw.
bool ReadSettingsFile(const std::filesystem::path& folder, SettingsRecord& record);

// Creates the file when missing, never truncates it, writes the 128 bytes at offset 0 and
// flushes them to the device. Throws SettingsFileError when any step fails; a file this
// write created is removed again.
void WriteSettingsFile(const std::filesystem::path& folder, const SettingsRecord& record);

// Deletes the file through the handle that found it a regular file nobody else holds.
// Nothing to do when there is none; throws SettingsFileError when the delete fails.
void DeleteSettingsFile(const std::filesystem::path& folder);

}  // namespace vesko
