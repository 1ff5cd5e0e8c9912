// diff A B: the settings that differ between two cards or profiles.
#include <map>
#include <optional>
#include <ostream>
#include <system_error>

#include "app/cli/cli_errors.h"
#include "app/cli/command.h"
#include "app/cli/profile.h"
#include "app/cli/values.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

using Settings = std::map<std::string_view, std::u16string>;

bool IsCard(const std::string& argument) {
    const std::filesystem::path path = PathFromUtf8(argument);
    std::error_code error;
    return std::filesystem::is_directory(path, error) || NamesSettingsFile(path);
}

// A card's every setting, or only those a profile holds.
Settings Load(const std::string& argument, std::ostream& notes) {
    Settings settings;
    if (!IsCard(argument)) {
        for (const SettingValue& value : ReadProfile(argument)) {
            settings[value.setting->key] = value.text;
        }
        return settings;
    }
    const SettingsRecord record = ReadCard(ResolveCard(argument), notes).record;
    for (const Setting& setting : kSettings) {
        settings[setting.key] = ShownValue(record, setting);
    }
    return settings;
}

std::string Text(const Settings& settings, std::string_view key) {
    const auto it = settings.find(key);
    return it == settings.end() ? "(not set)" : "\"" + ToUtf8(it->second) + "\"";
}

}  // namespace

void AddDiffCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "diff",
        "Print the settings that differ between two cards or profiles, one a line; "
        "exit status 0 when they agree, 1 when they differ");
    auto first = std::make_shared<std::string>();
    auto second = std::make_shared<std::string>();
    command->add_option("A", *first, "a card or a profile")->required();
    command->add_option("B", *second, "a card or a profile")->required();
    command->callback([&context, first, second] {
        Settings a;
        Settings b;
        try {
            a = Load(*first, context.err);
            b = Load(*second, context.err);
        } catch (const CardFailed& error) {
            throw BadInput(error.what());
        }
        for (const Setting& setting : kSettings) {
            const std::string left = Text(a, setting.key);
            const std::string right = Text(b, setting.key);
            if (left != right) {
                context.out << setting.key << ": " << left << " -> " << right << '\n';
                context.Fail(1);
            }
        }
    });
}

}  // namespace vesko::cli
