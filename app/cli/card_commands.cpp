// The window's own commands, for whole fleets: defaults, format and stamp-time.
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "settings/setting_rules.h"

namespace vesko::cli {

namespace {

// The command and its cards; `change` is asked once the options are read.
CLI::App* AddCardCommand(CLI::App& app, Context& context, const std::string& name,
                         const std::string& description, const std::function<CardChange()>& change,
                         SaveKind kind = SaveKind::kUpdate) {
    auto* command = app.add_subcommand(name, description);
    auto cards = std::make_shared<CardOperands>();
    auto options = std::make_shared<WriteOptions>(WriteOptions{kind});
    AddCardOperands(*command, *cards);
    AddCreateFlag(*command, options->create);
    command->callback([&context, cards, change, options] {
        ChangeEachCard(context,
                       ResolveCards(Named(*cards, context.in, true), context.err, "written"),
                       change(), *options);
    });
    return command;
}

std::string Unchanged(const Card&, LoadedCard&, KeysAsked&) {
    return {};
}

}  // namespace

void AddDefaultsCommand(CLI::App& app, Context& context) {
    AddCardCommand(
        app, context, "defaults",
        "Restore the factory settings, as the window's Default Set does: a new "
        "config.bin in place of the old, keeping the recorder's own bytes and the format "
        "request",
        [] {
            return [](const Card&, LoadedCard& loaded, KeysAsked&) {
                RestoreDefaults(loaded.record);
                return std::string();
            };
        },
        SaveKind::kReset);
}

void AddFormatCommand(CLI::App& app, Context& context) {
    auto cancel = std::make_shared<bool>(false);
    auto* command = AddCardCommand(
        app, context, "format",
        "Ask the recorder to format its card (erasing its videos) the next time it reads "
        "config.bin, as the window's Format SD Card does",
        [cancel]() -> CardChange {
            return [requested = !*cancel](const Card&, LoadedCard&, KeysAsked& request) {
                request.format = requested;
                return std::string();
            };
        });
    command->add_flag("--cancel", *cancel, "withdraw the request instead");
}

void AddStampTimeCommand(CLI::App& app, Context& context) {
    AddCardCommand(app, context, "stamp-time",
                   "Save each card unchanged but for the time, so that the recorder sets its "
                   "clock from it",
                   [] { return CardChange(Unchanged); });
}

}  // namespace vesko::cli
