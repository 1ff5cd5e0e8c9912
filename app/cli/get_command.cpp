// get CARD KEY...: one value a line, as the window shows it.
#include <algorithm>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/values.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

void AddGetCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand("get", "Print settings of a card by key, one a line");
    auto card = std::make_shared<std::string>();
    auto keys = std::make_shared<std::vector<std::string>>();
    command->add_option("CARD", *card, "the card")->required();
    command->add_option("KEY", *keys, "setting keys, such as time-zone or wifi-ssid")->required();
    command->callback([&context, card, keys] {
        const Card resolved = ResolveCard(*card);
        std::vector<const Setting*> settings(keys->size());
        std::transform(keys->begin(), keys->end(), settings.begin(),
                       [](const std::string& key) { return &FindKey(key); });
        try {
            const LoadedCard loaded = ReadCard(resolved, context.err);
            for (const Setting* setting : settings) {
                context.out << ToUtf8(ShownValue(loaded.record, *setting)) << '\n';
            }
        } catch (const CardFailed& error) {
            context.err << "failed " << resolved.name << ": " << error.what() << '\n';
            context.Fail(1);
        }
    });
}

}  // namespace vesko::cli
