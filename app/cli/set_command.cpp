// set CARD KEY=VALUE...: changes settings of one card; every value is checked first.
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/values.h"
#include "settings/setting_rules.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

void AddSetCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "set",
        "Change settings of a card. VALUE is the entry as the window shows it (or a "
        "list's number), the speed limit's number, or a text");
    auto card = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    command->add_option("CARD", *card, "the card")->required();
    command->add_option("KEY=VALUE", *assignments, "settings to change")->required();
    command->callback([&context, card, assignments] {
        const Card resolved = ResolveCard(*card);
        std::vector<SettingValue> values;
        for (const std::string& assignment : *assignments) {
            const auto equals = assignment.find('=');
            if (equals == std::string::npos) {
                throw BadInput("\"" + assignment + "\" is no KEY=VALUE");
            }
            const Setting& setting = FindKey(assignment.substr(0, equals));
            values.push_back(ParseValue(setting, FromUtf8(assignment.substr(equals + 1))));
        }
        ChangeEachCard(context, {resolved}, [&values](const Card&, LoadedCard& loaded) {
            for (const SettingValue& value : values) {
                if (IsWifiSetting(*value.setting) && HasWifiLock(loaded.record)) {
                    throw CardFailed(std::string(value.setting->key) +
                                     ": this recorder has no Wi-Fi; nothing was written");
                }
                Apply(loaded.record, value);
            }
            return std::string();
        });
    });
}

}  // namespace vesko::cli
