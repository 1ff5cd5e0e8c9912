// The window's own commands, for whole fleets: defaults, format and stamp-time.
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "settings/setting_rules.h"

namespace vesko::cli {

namespace {

using Change = std::string (*)(const Card&, LoadedCard&);

void AddCardCommand(CLI::App& app, Context& context, const std::string& name,
                    const std::string& description, Change change,
                    SaveMode mode = SaveMode::kInPlace) {
    auto* command = app.add_subcommand(name, description);
    auto cards = std::make_shared<std::vector<std::string>>();
    command->add_option("CARD", *cards, "cards (default: the current folder)");
    command->callback([&context, cards, change, mode] {
        ChangeEachCard(context, ResolveCards(*cards, context.err, "written"), change, mode);
    });
}

}  // namespace

void AddDefaultsCommand(CLI::App& app, Context& context) {
    AddCardCommand(
        app, context, "defaults",
        "Restore the factory settings, as the window's Default Set does: a new "
        "config.bin keeping only the recorder's own bytes and the format request",
        [](const Card&, LoadedCard& loaded) {
            RestoreDefaults(loaded.record);
            return std::string();
        },
        // A new file, as the window's: nothing after byte 128 stays either.
        SaveMode::kNewFile);
}

void AddFormatCommand(CLI::App& app, Context& context) {
    AddCardCommand(app, context, "format",
                   "Ask the recorder to format its card (erasing its videos) the next time it "
                   "reads config.bin, as the window's Format SD Card does",
                   [](const Card&, LoadedCard& loaded) {
                       RequestFormat(loaded.record, true);
                       return std::string();
                   });
}

void AddStampTimeCommand(CLI::App& app, Context& context) {
    AddCardCommand(app, context, "stamp-time",
                   "Save each card unchanged but for the time, so that the recorder sets its "
                   "clock from it",
                   [](const Card&, LoadedCard&) { return std::string(); });
}

}  // namespace vesko::cli
