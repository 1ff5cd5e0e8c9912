// Reading and writing config.bin in the folder that holds it: the card's top folder. An
// empty folder is the current one. The file is found whatever the case of its name, since
// FAT shows short names in capitals and a copy of a card may sit on a case-sensitive disk.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "settings/folder.h"
#include "settings/settings_record.h"

namespace vesko {

inline constexpr char kSettingsFileName[] = "config.bin";

// Whether a name is config.bin, in any case; `name` in the system's own characters.
template <typename Char>
bool IsSettingsFileName(std::basic_string_view<Char> name) {
    const std::string_view wanted = kSettingsFileName;
    return std::equal(name.begin(), name.end(), wanted.begin(), wanted.end(),
                      [](Char given, char c) {
                          return (given >= 'A' && given <= 'Z' ? given + ('a' - 'A') : given) == c;
                      });
}

// How often a write looks again when config.bin keeps changing under it.
inline constexpr int kSaveAttempts = 3;

// A config.bin larger than this is no recorder's: it is refused rather than read into memory.
inline constexpr std::size_t kMaxSettingsFileSize = 1 << 20;

// An access to config.bin that failed. The message names the file and the reason, ready to
// be shown to the user: "Could not write config.bin: <reason>.", as UTF-16 from message() and
// as UTF-8 from what(), which a catch-all prints.
class SettingsFileError : public std::runtime_error {
public:
    explicit SettingsFileError(std::u16string message, bool write_began = false);
    static SettingsFileError ReadFailed(std::u16string_view reason);
    static SettingsFileError WriteFailed(std::u16string_view reason);
    // The write had begun: the card may hold some of the new bytes.
    static SettingsFileError WriteInterrupted(std::u16string_view reason);
    const std::u16string& message() const { return message_; }
    // Some of the new bytes may be on the card.
    bool write_began() const { return write_began_; }

private:
    std::u16string message_;
    bool write_began_;
};

// Which file this is, however it was reached: on POSIX its device and inode; on Windows its
// volume and file ID.
struct FileIdentity {
    std::uint64_t volume = 0;
    std::array<std::uint8_t, 16> id{};
    std::u16string path;  // CardIdentity's only: on Windows, the path the system resolves
    bool operator==(const FileIdentity&) const = default;
};

// What one open of config.bin found: which file, under which name, holding which bytes.
struct CardFile {
    std::string name;  // as the folder spells it ("CONFIG.BIN"); ASCII, as it matches
    FileIdentity identity;
    std::vector<std::uint8_t> content;  // the whole file

    // Its first 128 bytes, zero where the file is shorter.
    SettingsRecord Record() const;
    // The same file holding the same bytes.
    bool Same(const CardFile& other) const {
        return identity == other.identity && content == other.content;
    }
};

// Nothing when the card has no config.bin.
using FoundSettings = std::optional<CardFile>;

// Whether `a` and `b` are the same file with the same bytes, or both no file.
bool SameFile(const FoundSettings& a, const FoundSettings& b);

// Nothing when there is no config.bin. A file that is there but cannot be read (in use for
// writing, not a regular file, a link, an I/O error, too large, or two files whose names
// differ only in case) throws SettingsFileError, so that nobody saves over a card they never
// saw. Other readers may read at the same time.
FoundSettings ReadSettingsFile(const Folder& folder);
// The same, into `record`: false, with `record` untouched, when there is no config.bin.
bool ReadSettingsFile(const Folder& folder, SettingsRecord& record);

enum class SaveKind {
    kUpdate,  // the 128 bytes go over the old file's first 128
    kReset,   // a new file takes the old one's place, whole
};

struct WriteOutcome {
    // Written; or, only checking, nothing stands in the way of the write.
    bool done = false;
    // The file as written; when it was not `expected`, as it is now, and nothing was written.
    FoundSettings now;
};

// The one way to write: a compare-and-write. config.bin is opened for reading and writing
// and held exclusively (no other reader or writer gets in until it is closed); only when it
// is still `expected`, the same file holding the same bytes (or still no file), does
// `record` go into it, flushed to the card:
//   kUpdate  over its first 128 bytes; bytes past 128 stay.
//   kReset   into a new file beside it, which then takes its name; bytes past 128 come along.
//            Until then the old file stays as it was, and any failure removes the new one.
// A card without config.bin gets a new one. Throws SettingsFileError: a read-only file, one
// in use, a failed read or write; a file the write created is removed again.
WriteOutcome WriteIfUnchanged(const Folder& folder, const FoundSettings& expected,
                              const SettingsRecord& record, SaveKind kind);

// Every check WriteIfUnchanged makes, up to the write itself, which it leaves out.
WriteOutcome CheckWrite(const Folder& folder, const FoundSettings& expected, SaveKind kind);

// Writes `record` over whatever the file holds: for making a card, not for saving what a
// user saw.
void WriteSettingsFile(const Folder& folder, const SettingsRecord& record,
                       SaveKind kind = SaveKind::kUpdate);

// The card's config.bin, or the folder where there is none, with (on Windows) its final
// path, since cards imaged from one master share their volume serial and their file IDs.
// Nothing when neither can be looked at.
std::optional<FileIdentity> CardIdentity(const Folder& folder);

}  // namespace vesko
