// A profile: settings by key, as JSON, for setting up many cards alike. Only the keys a
// profile holds are written to a card.
#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/values.h"
#include "settings/settings_record.h"

namespace vesko::cli {

inline constexpr std::size_t kMaxProfileBytes = 64 * 1024;

using Profile = std::vector<SettingValue>;

// Every value checked as `set` checks it. Throws BadInput: malformed JSON (with its line
// and column), not an object, an unknown key, a value of the wrong type or not allowed.
Profile ParseProfile(std::string_view json);

// Throws BadInput also for a file that cannot be read or is larger than 64 KiB.
Profile ReadProfile(const std::string& path);

// Every setting of the record, as a profile that `ParseProfile` takes back. A list byte no
// entry names is left out, and said on `notes`: no profile could set it.
std::string ProfileJson(const SettingsRecord& record, std::ostream& notes);

}  // namespace vesko::cli
