// A card as the command line names it: a folder holding config.bin, or the path of a
// config.bin. Reading and writing go through the same file layer as the window.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "settings/clock.h"
#include "settings/settings_record.h"

namespace vesko::cli {

struct Card {
    std::string name;      // as written on the command line, escaped for messages
    std::string argument;  // as written, for JSON
    std::filesystem::path folder;
    std::string problem = {};  // why it is no card, where a command reads on past it
};

// Throws BadInput for what does not exist, anything that is neither a folder nor a
// config.bin in one, and a config.bin that is there but no regular file (a folder of that
// name).
Card ResolveCard(const std::string& argument);
// Whether `path` ends in config.bin, in any case: FAT shows short names in capitals.
bool NamesSettingsFile(const std::filesystem::path& path);

// What the window would open on: the file's bytes, or the factory settings where the card
// has no config.bin. Throws CardFailed when the file is there but cannot be read.
struct LoadedCard {
    SettingsRecord record;
    bool had_file;
    // "config.bin is 0 bytes, not 128" where it is not 128 bytes long: what is read is then
    // padded with zeros, or leaves bytes out, and is not quite the card's.
    std::string odd_size = {};
};
LoadedCard LoadCard(const Card& card);
// The same for commands that only read: a card without config.bin, or with one of another
// size, is said on `notes`, since what is shown then is not quite the card's.
LoadedCard ReadCard(const Card& card, std::ostream& notes);

// How a change reaches the card: over the old file, or as a new file in its place (the
// factory reset, which keeps nothing past the 128 bytes).
enum class SaveMode { kInPlace, kNewFile };

// `record` through the window's save checks of every text and number, stored back as its
// save stores them. Throws CardFailed, naming an odd size of `loaded`'s file.
SettingsRecord CheckForSave(SettingsRecord record, const LoadedCard& loaded);

// Reads the card and writes what `change` makes of it in one open, held against every other
// reader and writer, so that no change made meanwhile is lost. Every text and number is
// checked as the window's save checks it, and the time is stamped. Throws CardFailed with
// the window's message; nothing is written then.
void ChangeCard(const Card& card, const std::function<void(LoadedCard&)>& change,
                const Clock& clock, SaveMode mode = SaveMode::kInPlace);

}  // namespace vesko::cli
