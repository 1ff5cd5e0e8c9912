// Whether config.bin is still what the window showed, and if not, what differs, in one line
// the user can judge: another recorder's card, another program's change.
#pragma once

#include <optional>
#include <string>

#include "settings/settings_file.h"

namespace vesko {

// `shown`: what the window loaded or last wrote (nothing: no file); `unread`: the file was
// there but could not be read; `tried`: what a write that failed part-way tried to write.
// Nothing when `now` is what the window showed, or the same file holding any mix of it and
// what the window tried to write.
std::optional<std::u16string> CardChange(const FoundSettings& shown, bool unread,
                                         const std::optional<SettingsRecord>& tried,
                                         const FoundSettings& now);

}  // namespace vesko
