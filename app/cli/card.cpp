#include "app/cli/card.h"

#include "app/cli/cli_errors.h"
#include "settings/defaults.h"
#include "settings/setting_rules.h"
#include "settings/settings_file.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

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

namespace {

// The window's save checks, and the time stamp.
SettingsRecord Checked(SettingsRecord record, const Clock& clock) {
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
    return record;
}

}  // namespace

void ChangeCard(const Card& card, const std::function<void(LoadedCard&)>& change,
                const Clock& clock, SaveMode mode) {
    const auto save = mode == SaveMode::kNewFile ? ResetSettingsFile : UpdateSettingsFile;
    try {
        save(card.folder, [&change, &clock](const FoundSettings& now) {
            LoadedCard loaded{now.value_or(FactoryDefaults()), now.has_value()};
            change(loaded);
            return std::optional<SettingsRecord>(Checked(loaded.record, clock));
        });
    } catch (const SettingsFileError& error) {
        throw CardFailed(ToUtf8(error.message()));
    }
}

}  // namespace vesko::cli
