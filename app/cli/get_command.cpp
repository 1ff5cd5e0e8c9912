// get CARD KEY...: one value a line, as the window shows it.
#include <algorithm>

#include "app/cli/card_facts.h"
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/safe_text.h"
#include "app/cli/values.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

using Getter = std::function<std::string(const SettingsRecord&)>;

Getter GetterFor(const std::string& key) {
    if (const CardFact* fact = FindFact(key)) {
        return fact->text;
    }
    const Setting* setting = &FindKey(key);
    return [setting](const SettingsRecord& record) { return ToUtf8(ShownValue(record, *setting)); };
}

}  // namespace

void AddGetCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "get", "Print settings of a card by key, one a line; the keys show --json prints");
    auto card = std::make_shared<std::string>();
    auto keys = std::make_shared<std::vector<std::string>>();
    command->add_option("CARD", *card, "the card (. for the current folder)")->required();
    command->add_option("KEY", *keys, "keys, such as time-zone or firmware-version")->required();
    command->callback([&context, card, keys] {
        std::vector<Getter> getters(keys->size());
        std::transform(keys->begin(), keys->end(), getters.begin(), GetterFor);
        const Card resolved = ResolveCard(*card);
        try {
            const LoadedCard loaded = ReadCard(resolved, context.err);
            for (const Getter& get : getters) {
                context.out << Safe(get(loaded.record)) << '\n';
            }
        } catch (const CardFailed& error) {
            context.CardFailed(resolved, error.what());
        }
    });
}

}  // namespace vesko::cli
