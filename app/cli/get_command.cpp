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
        "get",
        "Print settings of a card by key, one a line (for several cards, each line after its "
        "card's name); the keys show --json prints");
    auto card = std::make_shared<std::string>();
    auto keys = std::make_shared<std::vector<std::string>>();
    auto from = std::make_shared<std::string>();
    command->add_option("CARD", *card, "the card (. for the current folder)");
    command->add_option("KEY", *keys, "keys, such as time-zone or firmware-version");
    AddCardsFrom(*command, *from, "instead of CARD: every operand is then a KEY");
    command->callback([&context, card, keys, from] {
        std::vector<std::string> wanted = *keys;
        const CardOperands cards = CardFirst(*card, *from, wanted);
        if (wanted.empty()) {
            throw BadInput("KEY is required: the settings to print");
        }
        std::vector<Getter> getters(wanted.size());
        std::transform(wanted.begin(), wanted.end(), getters.begin(), GetterFor);
        const std::vector<Card> resolved =
            ResolveCards(Named(cards, context.in, true), context.err, "shown");
        for (const Card& each : resolved) {
            // Several cards: each line says whose it is.
            const std::string whose = resolved.size() > 1 ? each.name + ": " : "";
            try {
                const LoadedCard loaded = ReadCard(each, context.err);
                for (const Getter& get : getters) {
                    context.out << whose << Safe(get(loaded.record)) << '\n';
                }
            } catch (const CardFailed& error) {
                context.CardFailed(each, error.what());
            }
        }
    });
}

}  // namespace vesko::cli
