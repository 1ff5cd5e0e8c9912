// diff A B: the settings that differ between two cards or profiles. Against a profile only
// the settings it holds count, so that it answers "would apply change this card?".
#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <system_error>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/profile.h"
#include "app/cli/safe_text.h"
#include "app/cli/values.h"
#include "settings/folder_path.h"
#include "settings/save_record.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

struct Side {
    std::map<std::string_view, std::u16string> settings;
    bool is_profile = false;
    SettingsRecord card = {};  // of a card: what decides which settings a save keeps
};

bool IsCard(const std::string& argument) {
    const std::filesystem::path path = PathFromUtf8(argument);
    std::error_code error;
    return argument != "-" &&
           (std::filesystem::is_directory(path, error) || NamesSettingsFile(path));
}

// A card's every setting, or those a profile holds. Throws BadInput for either that cannot
// be read: its settings are then unknown, which is neither "same" nor "different".
Side Load(const std::string& argument, Context& context) {
    Side side;
    if (!IsCard(argument)) {
        for (const SettingValue& value : ReadProfile(argument, context.in)) {
            side.settings[value.setting->key] = value.text;
        }
        side.is_profile = true;
        return side;
    }
    const Card card = ResolveCard(argument);
    try {
        const SettingsRecord record = ReadCard(card, context.err).record;
        side.card = record;
        for (const Setting& setting : kSettings) {
            side.settings[setting.key] = ShownValue(record, setting);
        }
    } catch (const CardFailed& error) {
        throw BadInput("cannot read " + card.name + ": " + error.what());
    }
    return side;
}

std::string Text(const Side& side, std::string_view key) {
    const auto it = side.settings.find(key);
    return it == side.settings.end() ? "(not set)" : Quoted(ToUtf8(it->second));
}

// Against a profile, what apply would write: the keys it holds, but for those a save keeps
// as the card has them.
bool Compared(const Side& a, const Side& b, const Setting& setting) {
    const auto holds = [&setting](const Side& side) {
        return side.is_profile && side.settings.contains(setting.key);
    };
    const auto keeps = [&setting](const Side& side) {
        return !side.is_profile && KeptBySave(side.card, setting);
    };
    if (a.is_profile != b.is_profile && (keeps(a) || keeps(b))) {
        return false;
    }
    return (!a.is_profile && !b.is_profile) || holds(a) || holds(b);
}

}  // namespace

void AddDiffCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "diff",
        "Print the settings that differ between two cards or profiles, one a line (for "
        "several, each line after the name of B); against a profile only the settings it "
        "holds. Exit status 0 when they agree (apply would change nothing), 1 when they "
        "differ, 2 when one cannot be read");
    auto first = std::make_shared<std::string>();
    auto second = std::make_shared<std::string>();
    auto from = std::make_shared<std::string>();
    command->add_option("A", *first, "a card or a profile (- for standard input)")->required();
    command->add_option("B", *second, "a card or a profile");
    AddCardsFrom(*command, *from, "beside or instead of B, each compared with A");
    command->callback([&context, first, second, from] {
        std::vector<std::string> others =
            Named({second->empty() ? std::vector<std::string>{} : std::vector{*second}, *from},
                  context.in, false);
        if (others.empty()) {
            throw BadInput("B is required: a card or a profile to compare A with");
        }
        if (std::count(others.begin(), others.end(), "-") + (*first == "-") + (*from == "-") > 1) {
            throw BadInput("only one side can be standard input");
        }
        const Side a = Load(*first, context);
        for (const std::string& other : others) {
            const Side b = Load(other, context);
            // Several cards: each line says whose it is.
            const std::string whose = others.size() > 1 ? Safe(other) + ": " : "";
            for (const Setting& setting : kSettings) {
                const std::string left = Text(a, setting.key);
                const std::string right = Text(b, setting.key);
                if (Compared(a, b, setting) && left != right) {
                    context.out << whose << setting.key << ": " << left << " -> " << right << '\n';
                    context.Fail(1);
                }
            }
        }
    });
}

}  // namespace vesko::cli
