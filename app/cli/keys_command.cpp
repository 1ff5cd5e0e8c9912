// keys: every key with its label, its kind and what it takes, for people and for scripts.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <iterator>

#include "app/cli/card_facts.h"
#include "app/cli/command.h"
#include "app/cli/values.h"
#include "app/cli/wrap.h"
#include "settings/text_conversion.h"

namespace vesko::cli {

namespace {

using Json = nlohmann::ordered_json;

const char* KindName(SettingKind kind) {
    return kind == SettingKind::kList ? "list" : kind == SettingKind::kNumber ? "number" : "text";
}

Json Describe(const Setting& setting) {
    Json row = {{"key", setting.key},
                {"label", ToUtf8(DisplayName(setting))},
                {"kind", KindName(setting.kind)}};
    if (setting.kind == SettingKind::kList) {
        std::vector<std::string> entries(setting.table->entries.size());
        std::transform(setting.table->entries.begin(), setting.table->entries.end(),
                       entries.begin(), ToUtf8);
        row["entries"] = entries;
    } else if (setting.kind == SettingKind::kNumber) {
        row["minimum"] = 0;
        row["maximum"] = setting.max_value;
    } else {
        row["min-length"] = setting.min_length;
        row["max-length"] = setting.max_typed;
    }
    return row;
}

// "ON | OFF", "0 to 255", "text of 8 to 20 characters", "read-only".
std::string Takes(const Json& row) {
    if (row.contains("entries")) {
        std::string takes;
        for (const Json& entry : row["entries"]) {
            takes += (takes.empty() ? "" : " | ") + entry.get<std::string>();
        }
        return takes;
    }
    if (row.contains("maximum")) {
        return "0 to " + row["maximum"].dump();
    }
    if (row.contains("max-length")) {
        return "text of " + row["min-length"].dump() + " to " + row["max-length"].dump() +
               " characters";
    }
    return "read-only";
}

}  // namespace

void AddKeysCommand(CLI::App& app, Context& context) {
    auto* command = app.add_subcommand(
        "keys",
        "List every key set, get and profiles take, with its label in the window and its "
        "entries or range, then the read-only keys show prints");
    auto json = std::make_shared<bool>(false);
    command->add_flag("--json", *json,
                      "print JSON: an array of objects with key, label, kind, and entries, "
                      "minimum and maximum, or min-length and max-length");
    command->callback([&context, json] {
        Json rows = Json::array();
        std::transform(kSettings.begin(), kSettings.end(), std::back_inserter(rows), Describe);
        std::transform(kCardFacts.begin(), kCardFacts.end(), std::back_inserter(rows),
                       [](const CardFact& fact) {
                           return Json{{"key", fact.key},
                                       {"label", fact.label},
                                       {"kind", "read-only"},
                                       {"about", fact.about}};
                       });
        if (*json) {
            context.out << rows.dump(2) << '\n';
            return;
        }
        std::size_t key_width = 0;
        std::size_t label_width = 0;
        for (const Json& row : rows) {
            key_width = std::max(key_width, row["key"].get<std::string>().size());
            label_width = std::max(label_width, row["label"].get<std::string>().size());
        }
        std::string table;
        for (const Json& row : rows) {
            const std::string key = row["key"];
            const std::string label = row["label"];
            table.append(key).append(key_width + 2 - key.size(), ' ');
            table.append(label).append(label_width + 2 - label.size(), ' ');
            table.append(Takes(row)).append(1, '\n');
        }
        context.out << Wrapped(table, context.width, BreakAt::kBars);
    });
}

}  // namespace vesko::cli
