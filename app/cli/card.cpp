#include "app/cli/card.h"

#include <system_error>

#include "app/cli/cli_errors.h"
#include "settings/defaults.h"
#include "settings/folder_path.h"
#include "settings/setting_rules.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

// Looked at beside the read rather than in it: it only explains what the read gave.
std::string OddSize(const Card& card) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(card.folder / kSettingsFileName, error);
    if (error || size == SettingsRecord::kSize) {
        return {};
    }
    return std::string(kSettingsFileName) + " is " + std::to_string(size) + " bytes, not " +
           std::to_string(SettingsRecord::kSize);
}

}  // namespace

LoadedCard LoadCard(const Card& card) {
    LoadedCard loaded{FactoryDefaults(), false};
    try {
        SettingsRecord record;
        if (ReadSettingsFile(FolderOf(card.folder), record)) {
            loaded = {record, true, OddSize(card)};
        }
    } catch (const SettingsFileError& error) {
        throw CardFailed(ToUtf8(error.message()));
    }
    return loaded;
}

LoadedCard ReadCard(const Card& card, std::ostream& notes) {
    LoadedCard loaded = LoadCard(card);
    if (!loaded.had_file) {
        notes << card.name
              << ": no config.bin; these are the factory settings a first save writes\n";
    } else if (!loaded.odd_size.empty()) {
        notes << card.name << ": " << loaded.odd_size << '\n';
    }
    return loaded;
}

SettingsRecord CheckForSave(SettingsRecord record, const LoadedCard& loaded) {
    // Stored back as the window's save stores them: what follows a text's end is cleared.
    for (const Setting& setting : kSettings) {
        if (setting.kind == SettingKind::kList) {
            continue;
        }
        if (const auto refusal = SaveValue(record, setting, FieldText(record, setting))) {
            throw CardFailed(std::string(setting.key) + ": " +
                             (refusal->empty() ? std::string("refused") : ToUtf8(*refusal)) +
                             (loaded.odd_size.empty() ? "" : " (" + loaded.odd_size + ")"));
        }
    }
    return record;
}

void ChangeCard(const Card& card, const std::function<void(LoadedCard&)>& change,
                const Clock& clock, SaveMode mode) {
    const auto save = mode == SaveMode::kNewFile ? ResetSettingsFile : UpdateSettingsFile;
    try {
        save(FolderOf(card.folder), [&](const FoundSettings& now) {
            LoadedCard loaded{now.value_or(FactoryDefaults()), now.has_value(),
                              now ? OddSize(card) : std::string()};
            change(loaded);
            SettingsRecord checked = CheckForSave(loaded.record, loaded);
            StampTime(checked, clock);
            return std::optional<SettingsRecord>(checked);
        });
    } catch (const SettingsFileError& error) {
        throw CardFailed(ToUtf8(error.message()));
    }
}

}  // namespace vesko::cli
