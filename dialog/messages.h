// Every text the settings dialog shows the user, apart from the template's captions and
// what the settings' own checks say (the settings schema).
#pragma once

#include <string_view>

namespace vesko::messages {

inline constexpr std::u16string_view kWindowCaption = u"Quorla Configuration";
inline constexpr std::u16string_view kErrorCaption = u"Error";

// Saving.
inline constexpr std::u16string_view kSuccessCaption = u"Success";
inline constexpr std::u16string_view kSuccess =
    u"SUCCESS:\n\nPlease click the Driver Event Button to update time.";

// Confirmations.
inline constexpr std::u16string_view kFormatCaption = u"Format SD Card";
inline constexpr std::u16string_view kFormatWarning =
    u"Warning: formatting will erase all data in SD card.\n\n"
    u"\"Ok\":Format( Click DVR \"PANIC KEY\" after \"OK(Save)\" button ).\n\n"
    u"\"Cancel\":Quit.";
inline constexpr std::u16string_view kDefaultSetCaption = u"Default Set";
inline constexpr std::u16string_view kDefaultSetWarning =
    u"Warning: all settings will restore the default values.\n\n"
    u"\"Ok\":Default Set( Click DVR \"PANIC KEY\" after \"OK(Save)\" button ).\n\n"
    u"\"Cancel\":Quit.";

}  // namespace vesko::messages
