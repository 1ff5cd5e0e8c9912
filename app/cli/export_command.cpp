// export CARD: the settings of a card as a JSON profile, all or some.
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/profile.h"
#include "app/cli/safe_text.h"
#include "settings/folder_path.h"
#include "settings/settings_file.h"

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

// The bytes as they are, whatever redirection a shell would have done to them; written beside
// the file and then put in its place, so that a failure leaves an older profile whole.
// Returns what went wrong, or nothing.
std::string WriteProfileFile(const std::string& path, const std::string& profile) {
    const std::filesystem::path target = PathFromUtf8(path);
    std::filesystem::path temporary = target;
    temporary += ".vesko-new";
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << profile;
    file.close();
    std::error_code error;
    if (!file) {
        error.assign(errno ? errno : EIO, std::generic_category());
    } else {
        std::filesystem::rename(temporary, target, error);
    }
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return "could not write " + Safe(path) + ": " + error.message();
    }
    return {};
}

// Windows drops a name's trailing dots and spaces: "config.bin." is config.bin there.
bool NamesSettingsFile(const std::string& path) {
    using Name = std::basic_string_view<std::filesystem::path::value_type>;
    const std::filesystem::path::string_type name = PathFromUtf8(path).filename().native();
    Name trimmed(name);
    while (!trimmed.empty() && (trimmed.back() == '.' || trimmed.back() == ' ')) {
        trimmed.remove_suffix(1);
    }
    return IsSettingsFileName(trimmed);
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
    auto output = std::make_shared<std::string>();
    command->add_option("CARD", *card, "the card (default: the current folder)");
    command->add_option("--output,-o", *output,
                        "write the profile to this file, in UTF-8, in place of any file of that "
                        "name, rather than to standard output (-)");
    auto* only_option = command->add_option("--only", *only, "only these settings: KEY,...")
                            ->delimiter(',')
                            ->allow_extra_args(false);  // the card after it is no key
    command->add_option("--except", *except, "every setting but these: KEY,...")
        ->delimiter(',')
        ->allow_extra_args(false)
        ->excludes(only_option);
    command->callback([&context, card, only, except, output] {
        const std::vector<const Setting*> settings = Chosen(*only, *except);
        if (NamesSettingsFile(*output)) {
            throw BadInput(Safe(*output) +
                           " is a card's settings file; a profile needs another name");
        }
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
            const std::string profile = ProfileJson(loaded.record, settings, context.err);
            const std::string failed =
                output->empty() || *output == "-" ? "" : WriteProfileFile(*output, profile);
            if (output->empty() || *output == "-") {
                context.out << profile;
            } else if (!failed.empty()) {  // the card was read; the profile is what failed
                context.err << "vesko-cli: export: " << failed << '\n';
                context.Fail(1);
            }
        } catch (const CardFailed& error) {
            context.CardFailed(resolved, error.what());
        }
    });
}

}  // namespace vesko::cli
