// export CARD: the settings of a card as a JSON profile, all or some.
#include <algorithm>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/profile.h"

namespace vesko::cli {

namespace {

// The settings --only or --except leave, in the window's order.
std::vector<const Setting*> Chosen(const std::vector<std::string>& only,
                                   const std::vector<std::string>& except) {
    const std::vector<std::string>& keys = only.empty() ? except : only;
    std::vector<const Setting*> named(keys.size());
    std::transform(keys.begin(), keys.end(), named.begin(),
                   [](const std::string& key) { return &FindKey(key); });
    std::vector<const Setting*> chosen;
    for (const Setting& setting : kSettings) {
        const bool is_named = std::find(named.begin(), named.end(), &setting) != named.end();
        if (only.empty() ? !is_named : is_named) {
            chosen.push_back(&setting);
        }
    }
    if (chosen.empty()) {
        throw BadInput("--except leaves no setting to export");
    }
    return chosen;
}

}  // namespace

void AddExportCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "export",
        "Print the settings of a card as a JSON profile, for apply (never the firmware "
        "version, save time or format request). For a fleet, leave out what each car keeps: "
        "--except vehicle-number,wifi-ssid,wifi-password");
    auto card = std::make_shared<std::string>();
    auto only = std::make_shared<std::vector<std::string>>();
    auto except = std::make_shared<std::vector<std::string>>();
    command->add_option("CARD", *card, "the card (default: the current folder)");
    auto* only_option = command->add_option("--only", *only, "only these settings: KEY,...")
                            ->delimiter(',')
                            ->allow_extra_args(false);  // the card after it is no key
    command->add_option("--except", *except, "every setting but these: KEY,...")
        ->delimiter(',')
        ->allow_extra_args(false)
        ->excludes(only_option);
    command->callback([&context, card, only, except] {
        const std::vector<const Setting*> settings = Chosen(*only, *except);
        const Card resolved = ResolveCards(card->empty() ? std::vector<std::string>{}
                                                         : std::vector<std::string>{*card},
                                           context.err, "exported")
                                  .front();
        try {
            const LoadedCard loaded = LoadCard(resolved);
            if (!loaded.had_file()) {  // a profile of factory settings would reset every card
                throw CardFailed("no config.bin to export");
            }
            if (!loaded.odd_size.empty()) {  // read as the window reads it, but said
                context.err << resolved.name << ": " << loaded.odd_size << '\n';
            }
            context.out << ProfileJson(loaded.record, settings, context.err);
        } catch (const CardFailed& error) {
            context.CardFailed(resolved, error.what());
        }
    });
}

}  // namespace vesko::cli
