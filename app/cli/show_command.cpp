// show [CARD...]: every setting as the window shows it, and what the recorder keeps.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>

#include "app/cli/card_facts.h"
#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/profile.h"
#include "app/cli/safe_text.h"
#include "app/cli/values.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

using Json = nlohmann::ordered_json;

struct Shown {
    std::string label;
    std::string_view key;
    std::string value;
};

std::vector<Shown> Describe(const SettingsRecord& record) {
    std::vector<Shown> shown;
    std::transform(kSettings.begin(), kSettings.end(), std::back_inserter(shown),
                   [&record](const Setting& setting) {
                       return Shown{ToUtf8(DisplayName(setting)), setting.key,
                                    Safe(ToUtf8(ShownValue(record, setting)))};
                   });
    std::transform(kCardFacts.begin(), kCardFacts.end(), std::back_inserter(shown),
                   [&record](const CardFact& fact) {
                       return Shown{std::string(fact.label), fact.key, Safe(fact.text(record))};
                   });
    return shown;
}

void PrintText(std::ostream& out, const std::vector<Shown>& shown, bool keys) {
    std::size_t width = 0;
    std::size_t key_width = 0;
    for (const Shown& line : shown) {
        width = std::max(width, line.label.size());
        key_width = std::max(key_width, keys ? line.key.size() + 2 : 0);
    }
    for (const Shown& line : shown) {
        const std::string key = keys ? std::string(line.key) + "  " : "";
        out << key << std::string(key_width - key.size(), ' ') << line.label << ':'
            << std::string(width + 2 - line.label.size(), ' ') << line.value << '\n';
    }
}

// The settings as a profile takes them, so that a script can apply what it read; the
// read-only facts apart.
Json AsJson(const std::string& card, const LoadedCard& loaded) {
    Json settings = Json::object();
    for (const Setting& setting : kSettings) {
        settings[std::string(setting.key)] = SettingJson(loaded.record, setting);
    }
    Json facts = Json::object();
    for (const CardFact& fact : kCardFacts) {
        facts[std::string(fact.key)] = fact.json(loaded.record);
    }
    Json object = {{"card", card}, {"has-config-bin", loaded.had_file()}};
    if (!loaded.odd_size.empty()) {
        object["note"] = loaded.odd_size;
    }
    object["settings"] = std::move(settings);
    object["read-only"] = std::move(facts);
    return object;
}

}  // namespace

void AddShowCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand("show",
                                       "Show every setting of each card, as the window "
                                       "shows it, then the firmware version, the time "
                                       "of the last save and whether a format is asked");
    auto cards = std::make_shared<CardOperands>();
    auto json = std::make_shared<bool>(false);
    auto keys = std::make_shared<bool>(false);
    AddCardOperands(*command, *cards, "cards (default: the current folder)");
    command->add_flag("--keys", *keys, "print each setting's key before its label");
    command->add_flag("--json", *json,
                      "print JSON for scripts: an array with an object per card, its "
                      "\"settings\" as a profile takes them, its \"read-only\" facts, and "
                      "\"error\" for a card that could not be read");
    command->callback([&context, cards, json, keys] {
        const std::vector<Card> resolved =
            ResolveCards(Named(*cards, context.in, false), context.err, "shown", true);
        Json all = Json::array();
        for (const Card& card : resolved) {
            try {
                if (!card.problem.empty()) {  // no card at all: refused, the others shown
                    context.CardRefused(card, card.problem);
                    if (*json) {
                        all.push_back({{"card", card.argument}, {"error", card.problem}});
                    }
                    continue;
                }
                const LoadedCard loaded = ReadCard(card, context.err);
                if (*json) {
                    all.push_back(AsJson(card.argument, loaded));
                    continue;
                }
                if (resolved.size() > 1) {
                    context.out << (&card == resolved.data() ? "" : "\n") << "Card: " << card.name
                                << '\n';
                }
                PrintText(context.out, Describe(loaded.record), *keys);
            } catch (const CardFailed& error) {
                context.CardFailed(card, error.what());
                if (*json) {
                    all.push_back({{"card", card.argument}, {"error", error.what()}});
                }
            }
        }
        if (*json) {
            context.out << all.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
        }
    });
}

}  // namespace vesko::cli
