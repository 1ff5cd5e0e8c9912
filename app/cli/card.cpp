#include "app/cli/card.h"

#include <system_error>

#include "app/cli/cli_errors.h"
#include "settings/defaults.h"
#include "settings/setting_rules.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

Card ResolveCard(const std::string& argument) {
    const std::filesystem::path path = PathFromUtf8(argument);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return {argument, path};
    }
    // A config.bin not there yet is fine where its folder is: a write creates it.
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    if (path.filename() == kSettingsFileName && std::filesystem::is_directory(folder, error)) {
        return {argument, folder};
    }
    throw BadInput(argument + " is neither a folder nor a " + kSettingsFileName + " in one");
}

LoadedCard LoadCard(const Card& card) {
    LoadedCard loaded{FactoryDefaults(), false};
    try {
        SettingsRecord record;
        if (ReadSettingsFile(card.folder, record)) {
            loaded = {record, true};
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
    }
    return loaded;
}

void SaveCard(const Card& card, SettingsRecord record, const Clock& clock) {
    // Stored back as the window's save stores them: what follows a text's end is cleared.
    for (const Setting& setting : kSettings) {
        if (setting.kind == SettingKind::kList) {
            continue;
        }
        if (const auto refusal = SaveValue(record, setting, FieldText(record, setting))) {
            throw CardFailed(std::string(setting.key) + ": " + ToUtf8(*refusal));
        }
    }
    StampTime(record, clock);
    try {
        WriteSettingsFile(card.folder, record);
    } catch (const SettingsFileError& error) {
        throw CardFailed(ToUtf8(error.message()));
    }
}

}  // namespace vesko::cli
