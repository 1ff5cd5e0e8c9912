// apply PROFILE CARD...: the profile's settings onto each card, a line per card.
#include "app/cli/command.h"
#include "app/cli/profile.h"
#include "settings/setting_rules.h"

namespace vesko::cli {

void AddApplyCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "apply",
        "Write the settings a JSON profile holds to each card; the settings it leaves "
        "out keep the card's values. A card without config.bin gets one, from the "
        "factory settings");
    auto profile_path = std::make_shared<std::string>();
    auto cards = std::make_shared<std::vector<std::string>>();
    command->add_option("PROFILE", *profile_path, "the profile (from export, or written by hand)")
        ->required();
    command->add_option("CARD", *cards, "cards")->required();
    command->callback([&context, profile_path, cards] {
        const Profile profile = ReadProfile(*profile_path);
        const std::vector<Card> resolved = ResolveCards(*cards, context.err, "written");
        const std::size_t failed =
            ChangeEachCard(context, resolved, [&profile](const Card&, LoadedCard& loaded) {
                const bool locked = HasWifiLock(loaded.record);
                bool kept_wifi = false;
                for (const SettingValue& value : profile) {
                    if (locked && IsWifiSetting(*value.setting)) {
                        kept_wifi = true;
                        continue;
                    }
                    Apply(loaded.record, value);
                }
                return kept_wifi ? std::string(
                                       " (no Wi-Fi on this recorder: its Wi-Fi "
                                       "settings kept)")
                                 : std::string();
            });
        context.out << resolved.size() - failed << " of " << resolved.size() << " cards written, "
                    << failed << " failed\n";
    });
}

}  // namespace vesko::cli
