// export CARD: every setting of a card as a JSON profile.
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/profile.h"

namespace vesko::cli {

void AddExportCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "export",
        "Print every setting of a card as a JSON profile, for apply (no firmware "
        "version, save time or format request)");
    auto card = std::make_shared<std::string>();
    command->add_option("CARD", *card, "the card (default: the current folder)");
    command->callback([&context, card] {
        const Card resolved = ResolveCards(card->empty() ? std::vector<std::string>{}
                                                         : std::vector<std::string>{*card},
                                           context.err, "exported")
                                  .front();
        try {
            const LoadedCard loaded = LoadCard(resolved);
            if (!loaded.had_file) {  // a profile of factory settings would reset every card
                throw CardFailed("no config.bin to export");
            }
            context.out << ProfileJson(loaded.record, context.err);
        } catch (const CardFailed& error) {
            context.err << "failed " << resolved.name << ": " << error.what() << '\n';
            context.Fail(1);
        }
    });
}

}  // namespace vesko::cli
