// apply PROFILE CARD...: the profile's settings onto each card, or with --dry-run what that
// would change.
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/profile.h"
#include "app/cli/safe_text.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

CardChange ApplyProfile(const Profile& profile) {
    return [&profile](const Card&, LoadedCard&, KeysAsked& request) {
        for (const SettingValue& value : profile) {
            request.Add(value);
        }
        return std::string();
    };
}

// Each key that would change, old and new, as the card is now, after every check the write
// would make; nothing is written.
void DryRun(Context& context, const std::vector<Card>& cards, const CardChange& change,
            WriteOptions options) {
    options.dry_run = true;
    for (const Card& card : cards) {
        try {
            std::string note;
            const CardWritten written = ChangeCard(
                card,
                [&](LoadedCard& loaded, KeysAsked& request) {
                    note = change(card, loaded, request);
                },
                context.clock, options);
            bool changed = false;
            for (const Setting& setting : kSettings) {
                const std::u16string old_value = StoredValue(written.before, setting);
                const std::u16string new_value = StoredValue(written.after, setting);
                if (old_value != new_value) {
                    context.out << card.name << ": " << setting.key << ": "
                                << Quoted(ToUtf8(old_value)) << " -> " << Quoted(ToUtf8(new_value))
                                << '\n';
                    changed = true;
                }
            }
            if (!changed) {
                context.out << card.name << ": no change\n";
            }
            context.Say(card, written.notes);
            context.Say(card, {note});
        } catch (const std::runtime_error& error) {
            context.CardFailed(card, error.what());
        }
    }
}

}  // namespace

void AddApplyCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "apply",
        "Write the settings a JSON profile holds to each card; the settings it leaves "
        "out keep the card's values. A card without config.bin fails, unless --create "
        "gives it one from the factory settings");
    auto profile_path = std::make_shared<std::string>();
    auto cards = std::make_shared<CardOperands>();
    auto dry_run = std::make_shared<bool>(false);
    auto options = std::make_shared<WriteOptions>();
    command
        ->add_option("PROFILE", *profile_path,
                     "the profile (from export, or written by hand; - for standard input)")
        ->required();
    AddCardOperands(*command, *cards);
    command->add_flag("--dry-run,-n", *dry_run,
                      "print, card by card, each setting that would change (old -> new), or "
                      "\"no change\", and write nothing; a card the write would fail fails");
    AddCreateFlag(*command, options->create);
    command->callback([&context, profile_path, cards, dry_run, options] {
        if (*profile_path == "-" && cards->from == "-") {
            throw BadInput("only one of the profile and the list of cards can be standard input");
        }
        const Profile profile = ReadProfile(*profile_path, context.in);
        const std::vector<Card> resolved = ResolveCards(
            Named(*cards, context.in, true), context.err, *dry_run ? "shown" : "written");
        if (*dry_run) {
            DryRun(context, resolved, ApplyProfile(profile), *options);
        } else {
            ChangeEachCard(context, resolved, ApplyProfile(profile), *options);
        }
    });
}

}  // namespace vesko::cli
