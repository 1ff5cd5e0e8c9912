// Reading and writing config.bin in the folder that holds it: the card's top folder. An
// empty folder is the current one.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "settings/folder.h"
#include "settings/settings_record.h"

namespace vesko {

inline constexpr char kSettingsFileName[] = "config.bin";

// An access to config.bin that failed. The message names the file and the reason, ready to
// be shown to the user: "Could not write config.bin: <reason>.".
class SettingsFileError : public std::runtime_error {
public:
    explicit SettingsFileError(std::u16string message, bool file_deleted = false);
    static SettingsFileError ReadFailed(std::u16string_view reason);
    static SettingsFileError WriteFailed(std::u16string_view reason);
    // The write had begun: the card may hold some of the new bytes.
    static SettingsFileError WriteInterrupted(std::u16string_view reason);
    static SettingsFileError DeleteFailed(std::u16string_view reason);
    // A reset deleted the old file and could not write the new one.
    static SettingsFileError ResetInterrupted(std::u16string_view reason);
    const std::u16string& message() const { return message_; }
    // The card has no config.bin any more.
    bool file_deleted() const { return file_deleted_; }

private:
    std::u16string message_;
    bool file_deleted_;
};

// What one open of config.bin found: its first 128 bytes, zero where the file is shorter;
// nothing when the card has no config.bin.
using FoundSettings = std::optional<SettingsRecord>;

// Given what the file holds at this moment, the 128 bytes to write; nothing to leave the
// card as it is. May throw, which writes nothing.
using SettingsChange = std::function<std::optional<SettingsRecord>(const FoundSettings& now)>;

// False, with `record` untouched, when there is no config.bin. Otherwise the record holds
// the file's first 128 bytes, zero where the file is shorter. A file that is there but
// cannot be read (in use for writing, not a regular file, a link, an I/O error) throws
// SettingsFileError, so that nobody saves over a card they never saw. Other readers may
// read at the same time.
bool ReadSettingsFile(const Folder& folder, SettingsRecord& record);

// The one way to save: config.bin is opened once for reading and writing, held exclusively
// (no other reader or writer gets in until it is closed), read, and `change`'s answer is
// written at offset 0 in that same open and flushed to the card; bytes past 128 stay. A card
// without config.bin gets a new one once `change` has answered. True when written. Throws
// SettingsFileError: a read-only file, one in use, a failed read or write; a file the save
// created is removed again.
bool UpdateSettingsFile(const Folder& folder, const SettingsChange& change);

// The same, but the answer goes into a new config.bin in place of the old one, so that
// nothing past 128 bytes stays: the factory reset. The old file is deleted only once it has
// been read under the lock and found writable.
bool ResetSettingsFile(const Folder& folder, const SettingsChange& change);

// Writes `record` whole over whatever the file holds: for making a card, not for saving
// what a user saw.
void WriteSettingsFile(const Folder& folder, const SettingsRecord& record);

}  // namespace vesko
