// set CARD KEY=VALUE...: changes settings of one card; every value is checked first.
#include <set>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/safe_text.h"
#include "app/cli/values.h"

namespace vesko::cli {

namespace {

std::vector<SettingValue> ParseAssignments(const std::vector<std::string>& assignments) {
    std::vector<SettingValue> values;
    std::set<const Setting*> seen;
    for (const std::string& assignment : assignments) {
        const auto equals = assignment.find('=');
        if (equals == std::string::npos) {
            throw BadInput(Quoted(assignment) + " is no KEY=VALUE");
        }
        const Setting& setting = FindKey(assignment.substr(0, equals));
        if (!seen.insert(&setting).second) {
            throw BadInput(std::string(setting.key) + " is given twice");
        }
        values.push_back(ParseValue(setting, std::string_view(assignment).substr(equals + 1)));
    }
    return values;
}

}  // namespace

void AddSetCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "set",
        "Change settings of a card. VALUE is a list's entry as the window shows it (in any "
        "case; \"level 3\" for \"level 3(0.6g)\", \"+2\" or \"GMT+2\" for \"GMT +2:00\"; "
        "byte:N for the stored byte itself), the speed limit's number, or a text. vesko-cli "
        "keys lists the keys and their values");
    auto card = std::make_shared<std::string>();
    auto assignments = std::make_shared<std::vector<std::string>>();
    auto options = std::make_shared<WriteOptions>();
    auto from = std::make_shared<std::string>();
    command->add_option("CARD", *card, "the card (. for the current folder)");
    command->add_option("KEY=VALUE", *assignments, "settings to change");
    AddCardsFrom(*command, *from, "instead of CARD: every operand is then a KEY=VALUE");
    AddCreateFlag(*command, options->create);
    command->callback([&context, card, assignments, options, from] {
        std::vector<std::string> changes = *assignments;
        const CardOperands cards = CardFirst(*card, *from, changes);
        if (changes.empty()) {
            throw BadInput(from->empty() && card->find('=') != std::string::npos
                               ? "the card comes first: vesko-cli set CARD KEY=VALUE..."
                               : "KEY=VALUE is required: the settings to change");
        }
        const std::vector<SettingValue> values = ParseAssignments(changes);
        ChangeEachCard(
            context, ResolveCards(Named(cards, context.in, true), context.err, "written"),
            [&values](const Card&, LoadedCard&, KeysAsked& request) {
                for (const SettingValue& value : values) {
                    request.Add(value);
                }
                return std::string();
            },
            *options);
    });
}

}  // namespace vesko::cli
