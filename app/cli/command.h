// What every command gets: where results and messages go, the clock for time stamps, and
// the exit status it raises when a card fails. One file per command adds it to the app.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/card.h"
#include "settings/clock.h"

namespace vesko::cli {

struct Context {
    std::ostream& out;  // results
    std::ostream& err;  // messages
    std::istream& in;   // a profile or a list of cards given as "-"
    const Clock& clock;
    int width;  // of the terminal, for text people read
    int status = 0;

    void Fail(int code) { status = std::max(status, code); }
    // "CARD: NOTE" for each note that says something.
    void Say(const Card& card, const std::vector<std::string>& notes);
    // "failed CARD: REASON" and exit status 1.
    void CardFailed(const Card& card, const std::string& reason);
    // The same for a card that is no card (it does not exist): exit status 2.
    void CardRefused(const Card& card, const std::string& reason);
};

// The cards a command is given: its CARD operands, then those of --cards-from.
struct CardOperands {
    std::vector<std::string> given;
    std::string from;  // a file with a card a line, or - for standard input
};

// Cards as written, each resolved up front so that a bad one stops the command before any
// card is written (throws BadInput), or, for `read_on_past_bad`, comes with its problem.
// A card named several ways comes once, where it first appears; `err` hears which names
// were the same card and that it is `done` once ("written").
std::vector<Card> ResolveCards(const std::vector<std::string>& arguments, std::ostream& err,
                               std::string_view done, bool read_on_past_bad = false);

// What a command asks of one card's save (a reset also changes what the card starts from);
// a non-empty answer is a note said beside it.
using CardChange = std::function<std::string(const Card&, LoadedCard&, KeysAsked&)>;

// Runs `change` on each card's record and writes it onto the file as read. Standard output
// lists the cards written ("ok CARD"); failures, notes and, for many cards or an output that
// could not be written, a summary go to standard error, with exit status 1 for any failure.
// A lost output stops no card: each is written or failed all the same.
void ChangeEachCard(Context& context, const std::vector<Card>& cards, const CardChange& change,
                    const WriteOptions& options);

// A command's CARD operands and --cards-from, one of which a writing command needs: "." is
// the current folder.
void AddCardOperands(CLI::App& command, CardOperands& cards,
                     const std::string& description = "cards (. for the current folder)");
// --cards-from alone, for a command whose first operand is another thing.
void AddCardsFrom(CLI::App& command, std::string& from, const std::string& relation);
// For a command whose first operand is its card (get, set): with --cards-from, that operand
// is one of the rest (a key, a setting) instead. Throws BadInput when no card is named.
CardOperands CardFirst(const std::string& first, const std::string& from,
                       std::vector<std::string>& rest);
// The cards named, those of the file after those of the command line. Throws BadInput when
// `required` and there are none.
std::vector<std::string> Named(const CardOperands& cards, std::istream& in, bool required);
// A writing command's --create: a card without config.bin gets one only when asked.
void AddCreateFlag(CLI::App& command, bool& create);

void AddKeysCommand(CLI::App& app, Context& context);
void AddShowCommand(CLI::App& app, Context& context);
void AddGetCommand(CLI::App& app, Context& context);
void AddSetCommand(CLI::App& app, Context& context);
void AddExportCommand(CLI::App& app, Context& context);
void AddApplyCommand(CLI::App& app, Context& context);
void AddDiffCommand(CLI::App& app, Context& context);
void AddDefaultsCommand(CLI::App& app, Context& context);
void AddFormatCommand(CLI::App& app, Context& context);
void AddStampTimeCommand(CLI::App& app, Context& context);

}  // namespace vesko::cli
