// The factory settings the dialog shows when there is no readable config.bin.
#pragma once

#include "settings/settings_record.h"

namespace vesko {

// A record holding the default of every user setting; the bytes that have no default
// (format request, firmware version, reserved bytes, save time) are zero.
const SettingsRecord& FactoryDefaults();

}  // namespace vesko
