// show [CARD...]: every setting as the window shows it, and what the recorder keeps.
#include <nlohmann/json.hpp>

#include <algorithm>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/values.h"
#include "settings/setting_rules.h"
#include "settings/text_conversion.h"
#include "settings/time_text.h"

namespace vesko::cli {

namespace {

struct Shown {
    std::string label;
    std::string key;
    std::string value;
};

std::vector<Shown> Describe(const SettingsRecord& record) {
    std::vector<Shown> shown(kSettings.size());
    std::transform(kSettings.begin(), kSettings.end(), shown.begin(),
                   [&record](const Setting& setting) {
                       return Shown{ToUtf8(DisplayName(setting)), std::string(setting.key),
                                    ToUtf8(ShownValue(record, setting))};
                   });
    const LocalTime saved = SavedTime(record);
    shown.push_back({"Firmware Version", "firmware-version",
                     ToUtf8(FirmwareVersionText(record.View(fields::kFirmwareVersion)))});
    shown.push_back(
        {"Last Saved", "last-saved",
         saved.year == 0 ? "never" : ToUtf8(DateText(saved)) + " " + ToUtf8(TimeText(saved))});
    shown.push_back({"Format Requested", "format-requested",
                     record.Byte(fields::kFormatSdCard) != 0 ? "yes" : "no"});
    return shown;
}

void PrintText(std::ostream& out, const std::vector<Shown>& shown) {
    std::size_t width = 0;
    for (const Shown& line : shown) {
        width = std::max(width, line.label.size());
    }
    for (const Shown& line : shown) {
        out << line.label << ':' << std::string(width + 2 - line.label.size(), ' ') << line.value
            << '\n';
    }
}

nlohmann::ordered_json AsJson(const std::string& card, const std::vector<Shown>& shown) {
    nlohmann::ordered_json object = {{"card", card}};
    for (const Shown& line : shown) {
        object[line.key] = line.value;
    }
    return object;
}

}  // namespace

void AddShowCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand("show",
                                       "Show every setting of each card, as the window "
                                       "shows it, then the firmware version, the time "
                                       "of the last save and whether a format is asked");
    auto cards = std::make_shared<std::vector<std::string>>();
    auto json = std::make_shared<bool>(false);
    command->add_option("CARD", *cards, "cards (default: the current folder)");
    command->add_flag("--json", *json, "print JSON for scripts: an array, one object per card");
    command->callback([&context, cards, json] {
        const std::vector<Card> resolved = ResolveCards(*cards, context.err, "shown");
        nlohmann::ordered_json all = nlohmann::ordered_json::array();
        for (const Card& card : resolved) {
            try {
                const LoadedCard loaded = ReadCard(card, context.err);
                const std::vector<Shown> shown = Describe(loaded.record);
                if (*json) {
                    all.push_back(AsJson(card.name, shown));
                    continue;
                }
                if (resolved.size() > 1) {
                    context.out << (&card == resolved.data() ? "" : "\n") << "Card: " << card.name
                                << '\n';
                }
                PrintText(context.out, shown);
            } catch (const CardFailed& error) {
                context.err << "failed " << card.name << ": " << error.what() << '\n';
                context.Fail(1);
            }
        }
        if (*json) {
            context.out << all.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
                        << '\n';
        }
    });
}

}  // namespace vesko::cli
