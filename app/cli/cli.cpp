#include "app/cli/cli.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <sstream>

#include "app/cli/card_list.h"
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/guarded.h"
#include "app/cli/near_match.h"
#include "app/cli/safe_text.h"
#include "app/cli/wrap.h"
#include "app/launch/windows_arguments.h"
#include "settings/folder_path.h"
#include "settings/settings_file.h"
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

// Where to read on: the command's own help once there is a command.
std::string HelpHint(const CLI::App* command) {
    return command ? "Run vesko-cli " + command->get_name() + " --help for its usage."
                   : "Run vesko-cli help for the commands.";
}

// A usage error adds where the usage is told.
int Refused(std::ostream& err, const std::string& reason, const CLI::App* command = nullptr,
            bool usage = false) {
    err << "vesko-cli: " << (command ? command->get_name() + ": " : "") << reason << '\n';
    if (usage) {
        err << HelpHint(command) << '\n';
    }
    return 2;
}

// A result that never reached its file (a closed pipe, a full disk) is no success.
int Written(std::ostream& out, std::ostream& err, int status) {
    if (!out.flush()) {
        err << "vesko-cli: could not write the output\n";
        return std::max(status, 1);
    }
    return status;
}

std::vector<CLI::App*> Commands(CLI::App& app) {
    return app.get_subcommands([](const CLI::App*) { return true; });
}

CLI::App* FindCommand(CLI::App& app, std::string_view name) {
    const auto commands = Commands(app);
    const auto it = std::find_if(commands.begin(), commands.end(),
                                 [name](const CLI::App* c) { return c->get_name() == name; });
    return it == commands.end() ? nullptr : *it;
}

std::string UnknownCommand(CLI::App& app, const std::string& name) {
    const std::vector<CLI::App*> commands = Commands(app);
    std::vector<std::string_view> names(commands.size());
    std::transform(commands.begin(), commands.end(), names.begin(),
                   [](const CLI::App* c) -> std::string_view { return c->get_name(); });
    const auto nearest = NearMatch(name, names);
    return "unknown command " + Quoted(name) +
           (nearest ? "; did you mean \"" + std::string(*nearest) + "\"?" : "");
}

// "unknown option", with the one meant where it looks like a slip of the keys.
std::string UnknownOption(const CLI::App& owner, const std::string& word) {
    std::vector<std::string> names{"--help"};
    for (const CLI::Option* option : owner.get_options()) {
        const std::vector<std::string>& long_names = option->get_lnames();
        std::transform(long_names.begin(), long_names.end(), std::back_inserter(names),
                       [](const std::string& name) { return "--" + name; });
    }
    const std::vector<std::string_view> views(names.begin(), names.end());
    const auto nearest = NearMatch(word.substr(0, word.find('=')), views);
    return "unknown option " + Quoted(word) + LookAlikeNote(word) +
           (nearest ? "; did you mean \"" + std::string(*nearest) + "\"?" : "");
}

// A word on the command line as the parser will take it.
struct Word {
    bool is_option = false;
    const CLI::Option* option = nullptr;  // null: unknown (or --version)
    bool value_follows = false;           // the next word is its value, whatever it looks like
};

Word Classify(const CLI::App& owner, const std::string& word) {
    if (word.size() < 2 || !word.starts_with('-')) {
        return {};
    }
    // -oFILE: a short option with its value attached.
    const bool attached = !word.starts_with("--") && word.size() > 2;
    const std::string name = attached ? word.substr(0, 2) : word.substr(0, word.find('='));
    const CLI::Option* option = owner.get_option_no_throw(name);
    return {true, option,
            option != nullptr && option->get_items_expected_max() != 0 && !attached &&
                word.find('=') == std::string::npos};
}

// What the option parser would only call "not expected" or "a subcommand is required":
// an unknown command or option, named as such, before any command runs.
void CheckWords(CLI::App& app, const std::vector<std::string>& arguments, CLI::App*& command) {
    if (arguments.empty()) {
        throw BadInput("a command is required");
    }
    const std::string& first = arguments[0];
    if (!first.starts_with('-')) {
        command = FindCommand(app, first);
        if (!command) {
            throw BadInput(UnknownCommand(app, first));
        }
    }
    const CLI::App& owner = command ? *command : app;
    for (std::size_t i = command ? 1 : 0; i < arguments.size() && arguments[i] != "--"; ++i) {
        const Word word = Classify(owner, arguments[i]);
        if (word.is_option && word.option == nullptr && arguments[i] != "--version") {
            throw BadInput(UnknownOption(owner, arguments[i]));
        }
        i += word.value_follows ? 1 : 0;
    }
}

// The words as the parser takes them as meant. `--` ends the options wherever it stands, but
// the parser honours it only before the first operand: the options go first, then `--` and
// every operand in order. An option's value is joined to it, as the parser would not take
// a value that starts with "-" (-o -x.json) for one.
std::vector<std::string> OptionsFirst(const CLI::App* command,
                                      const std::vector<std::string>& arguments) {
    if (command == nullptr) {
        return arguments;
    }
    std::vector<std::string> options{arguments.front()};
    std::vector<std::string> operands;
    auto word = arguments.begin() + 1;
    for (; word != arguments.end() && *word != "--"; ++word) {
        const Word classified = Classify(*command, *word);
        (classified.is_option ? options : operands).push_back(*word);
        if (classified.value_follows && word + 1 != arguments.end()) {
            options.back() += word->starts_with("--") ? "=" : "";
            options.back() += *++word;
        }
    }
    options.emplace_back("--");
    options.insert(options.end(), operands.begin(), operands.end());
    options.insert(options.end(), word == arguments.end() ? word : word + 1, arguments.end());
    return options;
}

void AddHelpCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand("help", "Print the commands, or one command's usage");
    auto name = std::make_shared<std::string>();
    command->add_option("COMMAND", *name, "a command");
    command->callback([&app, &context, name] {
        if (name->empty()) {
            // Not app.help(), which would describe the command that is running: help itself.
            context.out << Wrapped(
                app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal),
                context.width);
            return;
        }
        const CLI::App* wanted = FindCommand(app, *name);
        if (!wanted) {
            throw BadInput(UnknownCommand(app, *name) + "; vesko-cli help lists them");
        }
        context.out << Wrapped(wanted->help(app.get_name()), context.width);
    });
}

}  // namespace

void Context::Say(const Card& card, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        if (!note.empty()) {
            err << card.name << ": " << note << '\n';
        }
    }
}

void Context::CardFailed(const Card& card, const std::string& reason) {
    err << "failed " << card.name << ": " << reason << '\n';
    Fail(1);
}

void Context::CardRefused(const Card& card, const std::string& reason) {
    err << "failed " << card.name << ": " << reason << '\n';
    Fail(2);
}

std::vector<Card> ResolveCards(const std::vector<std::string>& arguments, std::ostream& err,
                               std::string_view done, bool read_on_past_bad) {
    if (arguments.empty()) {
        return {ResolveCard(".")};
    }
    struct Found {
        Card card;
        std::optional<FileIdentity> identity;
        std::vector<std::string> other_names;
    };
    std::vector<Found> found;
    for (const std::string& argument : arguments) {
        Card card;
        try {
            card = ResolveCard(argument);
        } catch (const BadInput& error) {
            if (!read_on_past_bad) {
                throw;
            }
            found.push_back({{Safe(argument), argument, {}, error.what()}, std::nullopt, {}});
            continue;
        }
        // The same card only where both names open the same file; in doubt, two cards.
        const std::optional<FileIdentity> identity = CardIdentity(FolderOf(card.folder));
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

void ChangeEachCard(Context& context, const std::vector<Card>& cards, const CardChange& change,
                    const WriteOptions& options) {
    std::size_t failed = 0;
    for (const Card& card : cards) {
        try {
            std::string note;
            const CardWritten written = ChangeCard(
                card,
                [&](LoadedCard& loaded, KeysAsked& request) {
                    note = change(card, loaded, request);
                },
                context.clock, options);
            context.out << "ok " << card.name << '\n';
            context.Say(card, written.notes);
            context.Say(card, {note});
        } catch (const std::runtime_error& error) {
            context.CardFailed(card, error.what());
            ++failed;
        }
    }
    // Whoever reads no output learns from the summary what was written.
    if (cards.size() > 1 || !context.out.flush()) {
        context.err << cards.size() - failed << " of " << cards.size() << " cards written, "
                    << failed << " failed\n";
    }
}

void AddCardOperands(CLI::App& command, CardOperands& cards, const std::string& description) {
    command.add_option("CARD", cards.given, description);
    AddCardsFrom(command, cards.from, "beside or instead of CARD");
}

void AddCardsFrom(CLI::App& command, std::string& from, const std::string& relation) {
    command.add_option("--cards-from", from,
                       "the cards in a text file, one a line, from the current folder (blank "
                       "lines and # comments passed over), or - for standard input; " +
                           relation);
}

CardOperands CardFirst(const std::string& first, const std::string& from,
                       std::vector<std::string>& rest) {
    if (from.empty()) {
        if (first.empty()) {
            throw BadInput("CARD is required (. for the current folder)");
        }
        return {{first}, from};
    }
    if (!first.empty()) {
        rest.insert(rest.begin(), first);
    }
    return {{}, from};
}

std::vector<std::string> Named(const CardOperands& cards, std::istream& in, bool required) {
    std::vector<std::string> named = cards.given;
    if (!cards.from.empty()) {
        const std::vector<std::string> listed = ReadCardList(cards.from, in);
        if (listed.empty()) {  // an empty list is a script's slip, not the current folder
            throw BadInput((cards.from == "-" ? "standard input" : Safe(cards.from)) +
                           " names no card");
        }
        named.insert(named.end(), listed.begin(), listed.end());
    }
    if (required && named.empty()) {
        throw BadInput("CARD is required (. for the current folder)");
    }
    return named;
}

void AddCreateFlag(CLI::App& command, bool& create) {
    command.add_flag("--create", create,
                     "write a new config.bin, from the factory settings, onto a card that has "
                     "none; without it such a card fails");
}

namespace {

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   std::istream& in, const Clock& clock, int width) {
    Context context{out, err, in, clock, width};
    CLI::App app(
        "Reads, changes and provisions the settings on dash-camera SD cards. CARD is "
        "a folder holding config.bin, or the path of a config.bin. Results go to standard "
        "output, messages to standard error. Exit status: 0 done, 1 a card failed (diff: "
        "they differ), 2 input refused with nothing written (diff: a card or profile that "
        "could not be read).",
        "vesko-cli");
    app.set_version_flag("--version", "vesko-cli " VESKO_VERSION_TEXT);
    app.require_subcommand(1, 1);
    AddShowCommand(app, context);
    AddGetCommand(app, context);
    AddKeysCommand(app, context);
    AddSetCommand(app, context);
    AddExportCommand(app, context);
    AddApplyCommand(app, context);
    AddDiffCommand(app, context);
    AddDefaultsCommand(app, context);
    AddFormatCommand(app, context);
    AddStampTimeCommand(app, context);
    AddHelpCommand(app, context);

    CLI::App* command = nullptr;
    try {
        CheckWords(app, arguments, command);
    } catch (const BadInput& error) {
        return Refused(err, error.what(), command, true);
    }
    // The version, asked of the program or of a command, wherever it is asked.
    const auto options_end = std::find(arguments.begin(), arguments.end(), "--");
    if (std::find(arguments.begin(), options_end, "--version") != options_end) {
        out << "vesko-cli " VESKO_VERSION_TEXT "\n";
        return Written(out, err, 0);
    }
    const std::vector<std::string> ordered = OptionsFirst(command, arguments);
    try {
        app.parse(std::vector<std::string>(ordered.rbegin(), ordered.rend()));
    } catch (const CLI::Success& done) {  // --help
        std::ostringstream help;
        const int status = app.exit(done, help, err);
        out << Wrapped(help.str(), width);
        return Written(out, err, status);
    } catch (const CLI::RequiredError& error) {
        // CLI11 says "CARD is required"; a card is the one thing a writing command needs.
        const std::string what = error.what();
        return Refused(
            err,
            what.starts_with("CARD") ? "CARD is required (. for the current folder)" : Safe(what),
            command, true);
    } catch (const CLI::ExtrasError& error) {
        // Without the `--` the words were put behind: it is not what the user wrote there.
        std::string what = error.what();
        for (std::size_t mark = what.find(" --"); mark != std::string::npos;
             mark = what.find(" --", mark)) {
            const bool word = mark + 3 == what.size() || what[mark + 3] == ' ';
            what.erase(mark, word ? 3 : 0);
            mark += word ? 0 : 3;
        }
        return Refused(err, Safe(what), command, true);
    } catch (const CLI::ParseError& error) {
        return Refused(err, Safe(error.what()), command, true);
    } catch (const BadInput& error) {
        return Refused(err, error.what(), command);
    }
    return Written(out, err, context.status);
}

}  // namespace

// A system's refusal no check foresaw, and any slip of ours, end in the barrier.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
           std::istream& in, const Clock& clock, int width) {
    return Guarded(err, [&] { return RunCommandLine(arguments, out, err, in, clock, width); });
}

int RunWindowsCli(std::u16string_view command_line, std::ostream& out, std::ostream& err,
                  std::istream& in, const Clock& clock, int width) {
    return Guarded(err, [&] {
        const WindowsArguments arguments = ReadWindowsArguments(command_line);
        if (!arguments.problem.empty()) {
            return Refused(err, arguments.problem);
        }
        return RunCli(arguments.words, out, err, in, clock, width);
    });
}

}  // namespace vesko::cli
