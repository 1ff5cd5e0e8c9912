// What every command gets: where results and messages go, the clock for time stamps, and
// the exit status it raises when a card fails. One file per command adds it to the app.
#pragma once

#include <CLI/CLI.hpp>

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
    const Clock& clock;
    int status = 0;

    void Fail(int code) { status = std::max(status, code); }
};

// Cards as written, each resolved up front so that a bad one stops the command before any
// card is written. None: the current folder. A card named several ways comes once, where it
// first appears; `err` hears which names were the same card and that it is `done` once
// ("written").
std::vector<Card> ResolveCards(const std::vector<std::string>& arguments, std::ostream& err,
                               std::string_view done);

// Runs `change(card, loaded)` on each card's record and saves it in the same open, with a line
// per card: "ok CARD", or "failed CARD: REASON" and exit status 1. Returns how many failed.
template <typename Change>
std::size_t ChangeEachCard(Context& context, const std::vector<Card>& cards, Change change,
                           SaveMode mode = SaveMode::kInPlace) {
    std::size_t failed = 0;
    for (const Card& card : cards) {
        try {
            std::string note;
            ChangeCard(
                card, [&](LoadedCard& loaded) { note = change(card, loaded); }, context.clock,
                mode);
            context.out << "ok " << card.name << note << '\n';
        } catch (const std::runtime_error& error) {
            context.out << "failed " << card.name << ": " << error.what() << '\n';
            context.Fail(1);
            ++failed;
        }
    }
    return failed;
}

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
