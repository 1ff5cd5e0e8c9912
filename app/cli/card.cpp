#include "app/cli/card.h"

#include <algorithm>
#include <iterator>

#include "app/cli/cli_errors.h"
#include "app/cli/safe_text.h"
#include "settings/defaults.h"
#include "settings/folder_path.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

std::string OddSize(const FoundSettings& file) {
    if (!file || file->content.size() == SettingsRecord::kSize) {
        return {};
    }
    return std::string(kSettingsFileName) + " is " + std::to_string(file->content.size()) +
           " bytes, not " + std::to_string(SettingsRecord::kSize);
}

// What the save did that nobody asked for: a text shortened as the window shortens it when
// it shows it, a Wi-Fi setting a recorder without Wi-Fi keeps.
void SaveNotes(const UnaskedChanges& changes, bool dry_run, std::vector<std::string>& notes) {
    std::transform(changes.taken_back.begin(), changes.taken_back.end(), std::back_inserter(notes),
                   [dry_run](const UnaskedChanges::TakenBack& text) {
                       return std::string(text.setting->key) + ": " + Quoted(ToUtf8(text.was)) +
                              (dry_run ? " would be written as " : " written as ") +
                              Quoted(ToUtf8(text.now)) + " (" + ToUtf8(text.message) + ")";
                   });
    if (!changes.kept.empty()) {
        std::string keys;
        for (const Setting* setting : changes.kept) {
            keys += (keys.empty() ? "" : ", ") + std::string(setting->key);
        }
        notes.push_back("no Wi-Fi on this recorder: " + keys + " kept as " +
                        (changes.kept.size() == 1 ? "it is" : "they are"));
    }
}

// What a write makes of a file of another size: a short one grows to a whole record, a
// longer one keeps the bytes past it.
std::string SizeNote(const FoundSettings& file, bool dry_run) {
    if (!file || file->content.size() == SettingsRecord::kSize) {
        return {};
    }
    const std::size_t size = file->content.size();
    const std::string was = std::string(kSettingsFileName) + (dry_run ? " is " : " was ") +
                            std::to_string(size) + " bytes; ";
    if (size < SettingsRecord::kSize) {
        return was + (dry_run ? "it would be written as " : "written as ") +
               std::to_string(SettingsRecord::kSize);
    }
    return was + "the " + std::to_string(size - SettingsRecord::kSize) + " past " +
           std::to_string(SettingsRecord::kSize) + (dry_run ? " would be" : " were") + " kept";
}

}  // namespace

LoadedCard LoadCard(const Card& card) {
    try {
        FoundSettings file = ReadSettingsFile(FolderOf(card.folder));
        if (!file) {
            return {FactoryDefaults(), std::nullopt};
        }
        std::string odd_size = OddSize(file);
        const SettingsRecord record = file->Record();
        return {record, std::move(file), std::move(odd_size)};
    } catch (const SettingsFileError& error) {
        throw CardFailed(ToUtf8(error.message()));
    }
}

LoadedCard ReadCard(const Card& card, std::ostream& notes) {
    LoadedCard loaded = LoadCard(card);
    if (!loaded.had_file()) {
        notes << card.name
              << ": no config.bin; these are the factory settings a first save writes\n";
    } else if (!loaded.odd_size.empty()) {
        notes << card.name << ": " << loaded.odd_size << '\n';
    }
    return loaded;
}

CardWritten ChangeCard(const Card& card, const std::function<void(LoadedCard&, KeysAsked&)>& change,
                       const Clock& clock, const WriteOptions& options) {
    LoadedCard loaded = LoadCard(card);
    if (!loaded.had_file() && !options.create) {
        throw CardFailed("no config.bin; --create writes a new one from the factory settings");
    }
    CardWritten result{loaded.record, {}, {}};
    if (!loaded.had_file()) {
        result.notes.emplace_back(options.dry_run ? "no config.bin; a new one would be written"
                                                  : "no config.bin; a new one was written");
    } else if (std::string note = SizeNote(loaded.file, options.dry_run); !note.empty()) {
        result.notes.push_back(std::move(note));
    }
    KeysAsked request;
    change(loaded, request);
    const SaveResult save = SaveRecord(loaded.record, request, clock);
    if (save.refusal) {
        const std::u16string_view message = save.refusal->message;
        throw CardFailed(std::string(save.refusal->setting->key) + ": " +
                         (message.empty() ? std::string("refused") : ToUtf8(message)) +
                         (loaded.odd_size.empty() ? "" : " (" + loaded.odd_size + ")"));
    }
    result.after = save.record;
    SaveNotes(UnaskedChangesOf(loaded.record, request), options.dry_run, result.notes);
    try {
        const Folder folder = FolderOf(card.folder);
        const WriteOutcome outcome =
            options.dry_run ? CheckWrite(folder, loaded.file, options.kind)
                            : WriteIfUnchanged(folder, loaded.file, result.after, options.kind);
        if (!outcome.done) {
            throw CardFailed(std::string(kSettingsFileName) +
                             " changed after it was read, so nothing was written; another "
                             "program may be writing it");
        }
    } catch (const SettingsFileError& error) {
        throw CardFailed(ToUtf8(error.message()));
    }
    return result;
}

}  // namespace vesko::cli
