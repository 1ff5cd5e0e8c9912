// A profile: settings by key, as JSON, for setting up many cards alike. Only the keys a
// profile holds are written to a card.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <istream>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/values.h"
#include "settings/settings_record.h"

namespace vesko::cli {

inline constexpr std::size_t kMaxProfileBytes = std::size_t{64} * 1024;

using Profile = std::vector<SettingValue>;

// Every value checked as `set` checks it. Throws BadInput: malformed JSON (with its line
// and column), not an object, an unknown key or one given twice, a value of the wrong type
// or not allowed, and a profile that sets nothing.
Profile ParseProfile(std::string_view json);

// `path`, or standard input for "-". Throws BadInput also for what is not a regular file (a
// folder, a FIFO that might never end), cannot be read (with the system's reason) or is
// larger than 64 KiB.
Profile ReadProfile(const std::string& path, std::istream& standard_input);

// A setting in the type a profile takes it: a list's entry (or "byte:N"), the speed
// limit's number, a text.
nlohmann::ordered_json SettingJson(const SettingsRecord& record, const Setting& setting);

// The settings of the record, as a profile that `ParseProfile` takes back. A list byte no
// entry names is left out, and said on `notes`: other recorders may not know it.
std::string ProfileJson(const SettingsRecord& record, std::span<const Setting* const> settings,
                        std::ostream& notes);

}  // namespace vesko::cli
