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
    std::istream& in;   // a profile given as "-"
    const Clock& clock;
    int status = 0;

    void Fail(int code) { status = std::max(status, code); }
    // "CARD: NOTE" for each note that says something.
    void Say(const Card& card, const std::vector<std::string>& notes);
    // "failed CARD: REASON" and exit status 1.
    void CardFailed(const Card& card, const std::string& reason);
};

// Cards as written, each resolved up front so that a bad one stops the command before any
// card is written (throws BadInput), or, for `read_on_past_bad`, comes with its problem.
// A card named several ways comes once, where it first appears; `err` hears which names
// were the same card and that it is `done` once ("written").
std::vector<Card> ResolveCards(const std::vector<std::string>& arguments, std::ostream& err,
                               std::string_view done, bool read_on_past_bad = false);

// What a command does to one card's record; a non-empty answer is a note said beside it.
using CardChange = std::function<std::string(const Card&, LoadedCard&)>;

// Runs `change` on each card's record and writes it onto the file as read. Standard output
// lists the cards written ("ok CARD"); failures, notes and, for many cards or an output that
// could not be written, a summary go to standard error, with exit status 1 for any failure.
// A lost output stops no card: each is written or failed all the same.
void ChangeEachCard(Context& context, const std::vector<Card>& cards, const CardChange& change,
                    const WriteOptions& options);

// A command's CARD operands, which a writing command needs: "." is the current folder.
CLI::Option* AddCardOperands(CLI::App& command, std::vector<std::string>& cards);
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
