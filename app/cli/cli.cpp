#include "app/cli/cli.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/folder_identity.h"
#include "app/launch/windows_arguments.h"
#include "version.h"

namespace vesko::cli {

namespace {

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& names) {
    std::string text = names.front();
    for (std::size_t i = 1; i < names.size(); ++i) {
        text += (i + 1 == names.size() ? " and " : ", ") + names[i];
    }
    return text;
}

int Refused(std::ostream& err, const std::string& reason) {
    err << "vesko-cli: " << reason << '\n';
    return 2;
}

}  // namespace

std::vector<Card> ResolveCards(const std::vector<std::string>& arguments, std::ostream& err,
                               std::string_view done) {
    if (arguments.empty()) {
        return {ResolveCard(".")};
    }
    struct Found {
        Card card;
        std::optional<FolderIdentity> identity;
        std::vector<std::string> other_names;
    };
    std::vector<Found> found;
    for (const std::string& argument : arguments) {
        Card card = ResolveCard(argument);
        const std::optional<FolderIdentity> identity = IdentityOf(card.folder);
        const auto same = std::find_if(found.begin(), found.end(), [&identity](const Found& f) {
            return identity && f.identity == identity;
        });
        if (same != found.end()) {
            same->other_names.push_back(std::move(card.name));
        } else {
            found.push_back({std::move(card), identity, {}});
        }
    }
    std::vector<Card> cards;
    for (Found& f : found) {
        if (!f.other_names.empty()) {
            err << Listed(f.other_names) << (f.other_names.size() == 1 ? " is" : " are")
                << " the same card as " << f.card.name << "; " << done << " once\n";
        }
        cards.push_back(std::move(f.card));
    }
    return cards;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           const Clock& clock) {
    Context context{out, err, clock};
    CLI::App app(
        "Reads, changes and provisions the settings on dash-camera SD cards. CARD is "
        "a folder holding config.bin, or the path of a config.bin.",
        "vesko-cli");
    app.set_version_flag("--version", "vesko-cli " VESKO_VERSION_TEXT);
    app.require_subcommand(1, 1);
    AddShowCommand(app, context);
    AddGetCommand(app, context);
    AddSetCommand(app, context);
    AddExportCommand(app, context);
    AddApplyCommand(app, context);
    AddDiffCommand(app, context);
    AddDefaultsCommand(app, context);
    AddFormatCommand(app, context);
    AddStampTimeCommand(app, context);

    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        if (!arguments.empty() && !arguments[0].starts_with('-')) {
            const auto commands = app.get_subcommands([](const CLI::App*) { return true; });
            const bool known =
                std::any_of(commands.begin(), commands.end(),
                            [&](const CLI::App* c) { return c->get_name() == arguments[0]; });
            if (!known) {
                throw BadInput("unknown command \"" + arguments[0] + "\"");
            }
        }
        app.parse(reversed);
    } catch (const CLI::Success& done) {  // --help, --version
        return app.exit(done, out, err);
    } catch (const CLI::ParseError& error) {
        err << "vesko-cli: " << error.what() << "\nRun vesko-cli --help for the commands.\n";
        return 2;
    } catch (const BadInput& error) {
        return Refused(err, error.what());
    } catch (const std::exception& error) {  // a system's refusal no check foresaw
        err << "vesko-cli: " << error.what() << '\n';
        return 1;
    }
    // A result that never reached its file (a full disk) is no success.
    if (!out.flush()) {
        err << "vesko-cli: could not write the output\n";
        return 1;
    }
    return context.status;
}

int RunWindowsCli(std::u16string_view command_line, std::ostream& out, std::ostream& err,
                  const Clock& clock) {
    const WindowsArguments arguments = ReadWindowsArguments(command_line);
    if (!arguments.problem.empty()) {
        return Refused(err, arguments.problem);
    }
    return RunCli(arguments.words, out, err, clock);
}

}  // namespace vesko::cli
