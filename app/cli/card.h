// A card as the command line names it: a folder holding config.bin, or the path of a
// config.bin. Reading and writing go through the same file layer as the window.
#pragma once

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/cli/values.h"
#include "settings/clock.h"
#include "settings/settings_file.h"
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
    FoundSettings file;  // as read; nothing: no config.bin
    // "config.bin is 60 bytes, not 128" where it is not 128 bytes long: what is read is then
    // padded with zeros, or leaves bytes out, and is not quite the card's.
    std::string odd_size = {};
    bool had_file() const { return file.has_value(); }
};
LoadedCard LoadCard(const Card& card);
// The same for commands that only read: a card without config.bin, or with one of another
// size, is said on `notes`, since what is shown then is not quite the card's.
LoadedCard ReadCard(const Card& card, std::ostream& notes);

struct WriteOptions {
    // Over the old file, or as a new file in its place (the factory reset).
    SaveKind kind = SaveKind::kUpdate;
    bool create = false;   // a card without config.bin gets one
    bool dry_run = false;  // every check of the write, but no write
};

// What a change did, or would do, to one card.
struct CardWritten {
    SettingsRecord before;  // as read (the factory settings where there was no file)
    SettingsRecord after;   // as written
    // What the write made of the card, to be said beside it: a new config.bin, or one of
    // another size ("config.bin was 60 bytes; written as 128").
    std::vector<std::string> notes;
};

// Reads the card, lets `change` say what to ask of the save (and, for a reset, what the card
// starts from), saves it as the window saves, and writes the result only onto the file as it
// was read: a file changed meanwhile, by anyone, is left alone. Throws CardFailed with the
// window's message, or the reason; nothing is written then.
CardWritten ChangeCard(const Card& card, const std::function<void(LoadedCard&, KeysAsked&)>& change,
                       const Clock& clock, const WriteOptions& options);

}  // namespace vesko::cli
